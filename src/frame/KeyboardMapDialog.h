#pragma once

#include <QDialog>

class QTableWidget;

// "快捷键列表": every command that has a key, with its key and what it does.
class KeyboardMapDialog : public QDialog
{
    Q_OBJECT
public:
    explicit KeyboardMapDialog(QWidget *parent = nullptr);
    QTableWidget *table() const { return m_table; }

private:
    QTableWidget *m_table;
};
