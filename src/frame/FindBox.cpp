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
    setToolTip(QStringLiteral("输入文字这里到查找"));
    lineEdit()->setPlaceholderText(QStringLiteral("输入文字这里到查找和强调"));
    // Enter is taken here: left to the combo box, an earlier text typed
    // again would also count as chosen from the list, and search twice.
    lineEdit()->installEventFilter(this);
    connect(this, qOverload<int>(&QComboBox::activated), this, &FindBox::searchRequested);
}

bool FindBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit searchRequested();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}
