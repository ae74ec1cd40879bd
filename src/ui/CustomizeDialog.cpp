#include "ui/CustomizeDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CustomizeDialog::CustomizeDialog(QList<ToolBarChoice> bars, QList<UserTool> tools,
                                 std::function<QString(int)> labelFor, QWidget *parent)
    : QDialog(parent)
    , m_bars(std::move(bars))
    , m_tools(std::move(tools))
    , m_labelFor(std::move(labelFor))
{
    setWindowTitle(tr("自定义"));
    resize(460, 400);
    auto *tabs = new QTabWidget(this);

    // Tool bars: tick what shows, move it up or down.
    auto *barPage = new QWidget(tabs);
    m_bar = new QComboBox(barPage);
    for (const ToolBarChoice &bar : m_bars)
        m_bar->addItem(bar.title);
    m_buttons = new QListWidget(barPage);
    auto *up = new QPushButton(tr("上移(&U)"), barPage);
    auto *down = new QPushButton(tr("下移(&D)"), barPage);
    auto *reset = new QPushButton(tr("重置(&R)"), barPage);
    connect(up, &QPushButton::clicked, this, [this] { moveCurrentButton(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveCurrentButton(+1); });
    connect(reset, &QPushButton::clicked, this, &CustomizeDialog::resetCurrentBar);
    connect(m_bar, &QComboBox::currentIndexChanged, this, &CustomizeDialog::showBar);
    auto *side = new QVBoxLayout;
    side->addWidget(up);
    side->addWidget(down);
    side->addStretch();
    side->addWidget(reset);
    auto *barRow = new QHBoxLayout;
    barRow->addWidget(m_buttons, 1);
    barRow->addLayout(side);
    auto *barLayout = new QVBoxLayout(barPage);
    barLayout->addWidget(m_bar);
    barLayout->addLayout(barRow);
    tabs->addTab(barPage, tr("工具栏"));

    // The user's tools.
    auto *toolPage = new QWidget(tabs);
    m_toolList = new QListWidget(toolPage);
    for (const UserTool &tool : m_tools)
        m_toolList->addItem(tool.name);
    m_name = new QLineEdit(toolPage);
    m_command = new QLineEdit(toolPage);
    m_arguments = new QLineEdit(toolPage);
    auto *browse = new QPushButton(QStringLiteral("..."), toolPage);
    auto *add = new QPushButton(tr("添加(&A)"), toolPage);
    auto *remove = new QPushButton(tr("删除(&E)"), toolPage);
    connect(m_toolList, &QListWidget::currentRowChanged, this, &CustomizeDialog::showTool);
    for (QLineEdit *edit : {m_name, m_command, m_arguments})
        connect(edit, &QLineEdit::textEdited, this, &CustomizeDialog::editTool);
    connect(add, &QPushButton::clicked, this, [this] {
        addTool({tr("新工具"), QString(), QString()});
        m_name->setFocus();
        m_name->selectAll();
    });
    connect(remove, &QPushButton::clicked, this, &CustomizeDialog::removeCurrentTool);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString program = QFileDialog::getOpenFileName(this, tr("选择程序"));
        if (!program.isEmpty()) {
            m_command->setText(program);
            editTool();
        }
    });
    auto *commandRow = new QHBoxLayout;
    commandRow->addWidget(m_command, 1);
    commandRow->addWidget(browse);
    auto *form = new QFormLayout;
    form->addRow(tr("名称:"), m_name);
    form->addRow(tr("命令:"), commandRow);
    form->addRow(tr("参数:"), m_arguments);
    auto *toolButtons = new QHBoxLayout;
    toolButtons->addWidget(add);
    toolButtons->addWidget(remove);
    toolButtons->addStretch();
    auto *toolLayout = new QVBoxLayout(toolPage);
    toolLayout->addWidget(m_toolList, 1);
    toolLayout->addLayout(form);
    toolLayout->addLayout(toolButtons);
    tabs->addTab(toolPage, tr("外部工具"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    showBar(0);
    showTool(m_tools.isEmpty() ? -1 : 0);
    if (!m_tools.isEmpty())
        m_toolList->setCurrentRow(0);
}

void CustomizeDialog::showBar(int index)
{
    keepBar();
    m_buttons->clear();
    m_shownBar = index;
    if (index < 0 || index >= m_bars.size())
        return;
    const ToolBarChoice &bar = m_bars[index];
    auto addItem = [this](int id, bool shown) {
        auto *item = new QListWidgetItem(id == 0 ? tr("—— 分隔线 ——") : m_labelFor(id), m_buttons);
        item->setData(Qt::UserRole, id);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
    };
    // What shows, in its order; then what could.
    for (int id : bar.buttons)
        addItem(id, true);
    for (int id : bar.available) {
        if (!bar.buttons.contains(id))
            addItem(id, false);
    }
    // A spare separator to tick in.
    addItem(0, false);
}

void CustomizeDialog::keepBar()
{
    if (m_shownBar < 0 || m_shownBar >= m_bars.size())
        return;
    QList<int> shown;
    for (int row = 0; row < m_buttons->count(); ++row) {
        const QListWidgetItem *item = m_buttons->item(row);
        if (item->checkState() == Qt::Checked)
            shown << item->data(Qt::UserRole).toInt();
    }
    m_bars[m_shownBar].buttons = shown;
}

QList<QList<int>> CustomizeDialog::buttons() const
{
    const_cast<CustomizeDialog *>(this)->keepBar();
    QList<QList<int>> result;
    for (const ToolBarChoice &bar : m_bars)
        result << bar.buttons;
    return result;
}

void CustomizeDialog::moveCurrentButton(int step)
{
    const int row = m_buttons->currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= m_buttons->count())
        return;
    QListWidgetItem *item = m_buttons->takeItem(row);
    m_buttons->insertItem(to, item);
    m_buttons->setCurrentRow(to);
}

void CustomizeDialog::resetCurrentBar()
{
    if (m_shownBar < 0 || m_shownBar >= m_bars.size())
        return;
    m_bars[m_shownBar].buttons = m_bars[m_shownBar].defaults;
    const int bar = m_shownBar;
    m_shownBar = -1; // nothing to keep from the list being replaced
    showBar(bar);
}

void CustomizeDialog::showTool(int row)
{
    const bool valid = row >= 0 && row < m_tools.size();
    for (QLineEdit *edit : {m_name, m_command, m_arguments})
        edit->setEnabled(valid);
    m_name->setText(valid ? m_tools[row].name : QString());
    m_command->setText(valid ? m_tools[row].command : QString());
    m_arguments->setText(valid ? m_tools[row].arguments : QString());
}

void CustomizeDialog::editTool()
{
    const int row = m_toolList->currentRow();
    if (row < 0 || row >= m_tools.size())
        return;
    m_tools[row] = {m_name->text(), m_command->text(), m_arguments->text()};
    m_toolList->item(row)->setText(m_name->text());
}

void CustomizeDialog::addTool(const UserTool &tool)
{
    if (m_tools.size() >= UserTools::kMaximum)
        return;
    m_tools << tool;
    m_toolList->addItem(tool.name);
    m_toolList->setCurrentRow(m_tools.size() - 1);
}

void CustomizeDialog::removeCurrentTool()
{
    const int row = m_toolList->currentRow();
    if (row < 0 || row >= m_tools.size())
        return;
    m_tools.removeAt(row);
    delete m_toolList->takeItem(row);
    showTool(m_toolList->currentRow());
}
