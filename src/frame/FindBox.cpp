#include "frame/FindBox.h"

#include <QKeyEvent>
#include <QLineEdit>

FindBox::FindBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMinimumContentsLength(16);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setToolTip(tr("输入文字这里到查找"));
    lineEdit()->setPlaceholderText(tr("输入文字这里到查找和强调"));
    connect(this, qOverload<int>(&QComboBox::activated), this, &FindBox::searchRequested);
}

void FindBox::keyPressEvent(QKeyEvent *event)
{
    // Enter is taken here, where the keyboard's keys arrive: left to the
    // combo box, an earlier text typed again would also count as chosen from
    // the list, and search twice.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit searchRequested();
        return;
    }
    QComboBox::keyPressEvent(event);
}
