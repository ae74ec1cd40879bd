#include "clone/CCloneDlg.h"

#include "ui/MessageBoxes.h"
#include "ui/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

CCloneDlg::CCloneDlg(QList<CloneEntry> entries, const QString &folder, MessageBoxes &messages, QWidget *parent)
    : QDialog(parent)
    , m_entries(std::move(entries))
    , m_messages(messages)
    , m_list(new QTableWidget(int(m_entries.size()), 1, this))
    , m_folder(new QLineEdit(folder, this))
    , m_browse(new QPushButton(tr("..."), this))
{
    setObjectName(QStringLiteral("cloneDialog"));
    setWindowTitle(tr("克隆 - 选取目录"));

    m_list->setHorizontalHeaderLabels({tr("File Name(*.mht)")});
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->verticalHeader()->hide();
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::SelectedClicked);
    for (qsizetype row = 0; row < m_entries.size(); ++row) {
        auto *item = new QTableWidgetItem(m_entries.at(row).name);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
        item->setCheckState(Qt::Checked);
        item->setToolTip(m_entries.at(row).address);
        m_list->setItem(int(row), 0, item);
    }
    if (!m_entries.isEmpty())
        m_list->setCurrentCell(0, 0);
    connect(m_list, &QTableWidget::itemChanged, this, &CCloneDlg::nameChanged);

    m_folder->setObjectName(QStringLiteral("cloneFolder"));
    m_browse->setObjectName(QStringLiteral("cloneBrowse"));
    m_browse->setAutoDefault(false);
    connect(m_browse, &QPushButton::clicked, this, &CCloneDlg::browse);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);

    QDialogButtonBox *buttons = okCancelButtons(this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(folderRow);
    layout->addWidget(buttons);
    resize(460, 360);
}

QList<CloneEntry> CCloneDlg::chosen() const
{
    QList<CloneEntry> ticked;
    for (qsizetype row = 0; row < m_entries.size(); ++row) {
        if (m_list->item(int(row), 0)->checkState() == Qt::Checked)
            ticked << m_entries.at(row);
    }
    return ticked;
}

QString CCloneDlg::folder() const
{
    return QDir::cleanPath(QDir(m_folder->text().trimmed()).absolutePath());
}

void CCloneDlg::accept()
{
    if (chosen().isEmpty()) {
        m_messages.tell(this, tr("你必须选择一文件!"), MessageBoxes::Icon::Warning);
        return;
    }
    // Every missing level is made; a folder that is there already will do.
    if (m_folder->text().trimmed().isEmpty() || !QDir().mkpath(folder())) {
        m_messages.tell(this, tr("创建目录失败!\r\n不要输入 /\\*?:\"><  作为你的目录名称!"),
                        MessageBoxes::Icon::Warning);
        return;
    }
    QDialog::accept();
}

void CCloneDlg::nameChanged(QTableWidgetItem *item)
{
    const int row = item->row();
    if (m_restoring || row < 0 || row >= m_entries.size() || item->text() == m_entries.at(row).name)
        return;
    if (CloneList::isAllowedName(item->text())) {
        m_entries[row].name = item->text();
        return;
    }
    // The old name stays. The message comes once the edit has closed, so
    // that the box taking the focus does not hand the refused text in again.
    m_restoring = true;
    item->setText(m_entries.at(row).name);
    m_restoring = false;
    QTimer::singleShot(0, this, [this] {
        m_messages.tell(this, tr("不要输入 /\\*?:\"><  在你的文件名称!"), MessageBoxes::Icon::Warning);
    });
}

void CCloneDlg::browse()
{
    // The folder named may not be made yet: the chooser opens at the
    // nearest one that is.
    QString start = QDir::cleanPath(QDir::fromNativeSeparators(m_folder->text().trimmed()));
    while (!start.isEmpty() && !QFileInfo(start).isDir()) {
        const QString up = QFileInfo(start).path();
        if (up == start)
            break;
        start = up;
    }
    const QString chosen = QFileDialog::getExistingDirectory(
        this, tr("选择一目录保存克隆文件"), QFileInfo(start).isDir() ? start : QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (!chosen.isEmpty())
        m_folder->setText(QDir::toNativeSeparators(chosen));
}
