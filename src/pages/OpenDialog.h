#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;

// "打开...": an address or a file path to open, in the active Page or in a
// new one. The combo lists the addresses the user typed before and completes
// from them.
class OpenDialog : public QDialog
{
    Q_OBJECT
public:
    // What exec() returns when "在新窗口打开" was ticked.
    static constexpr int kNewWindow = 111222;

    explicit OpenDialog(const QStringList &typed, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);
    bool inNewWindow() const;
    void setInNewWindow(bool on);

    void accept() override;

private:
    void browse();

    QComboBox *m_address = nullptr;
    QCheckBox *m_newWindow = nullptr;
};
