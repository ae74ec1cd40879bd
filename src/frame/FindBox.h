#pragma once

#include <QComboBox>

// The Find Box of the search bar: an editable drop-down of earlier texts.
// Enter in it, or the choice of an earlier text, asks for a search, once.
class FindBox : public QComboBox
{
    Q_OBJECT
public:
    explicit FindBox(QWidget *parent = nullptr);

signals:
    void searchRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
