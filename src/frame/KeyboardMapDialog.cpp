#include "frame/KeyboardMapDialog.h"

#include "frame/CommandTable.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

KeyboardMapDialog::KeyboardMapDialog(QWidget *parent)
    : QDialog(parent)
    , m_table(new QTableWidget(this))
{
    setWindowTitle(tr("快捷键列表"));
    resize(520, 420);
    m_table->setColumnCount(3);
    m_table->setHorizontalHeaderLabels({tr("命令"), tr("快捷键"), tr("说明")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (const CommandInfo &info : CommandTable::all()) {
        if (info.keys.isEmpty())
            continue;
        QStringList keys;
        for (const QKeySequence &key : info.keys)
            keys << key.toString(QKeySequence::NativeText);
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        QString name = info.menuText();
        name.remove(QLatin1Char('&'));
        m_table->setItem(row, 0, new QTableWidgetItem(name));
        m_table->setItem(row, 1, new QTableWidgetItem(keys.join(QStringLiteral(", "))));
        m_table->setItem(row, 2, new QTableWidgetItem(info.promptText()));
    }
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_table->resizeColumnsToContents();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
}
