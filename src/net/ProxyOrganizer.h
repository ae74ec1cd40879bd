#pragma once

#include <QByteArray>
#include <QDialog>

#include <functional>
#include <optional>

class MessageBoxes;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class SettingsStore;

// "整理代理服务器": whether the proxy is on and which one, the rotation and
// its interval, and the proxy list, which can be imported from a file or
// updated from the list server. OK keeps the values and writes the list.
class ProxyOrganizer : public QDialog
{
    Q_OBJECT
public:
    // Fetches the list from the list server and hands over the body, or
    // nothing when the fetch failed.
    using ListFetch = std::function<void(QObject *context, std::function<void(std::optional<QByteArray> body)> done)>;

    ProxyOrganizer(SettingsStore &settings, QString listFile, MessageBoxes &messages, ListFetch fetch,
                   QWidget *parent = nullptr);

    bool proxyEnabled() const;
    bool rotationEnabled() const;
    int seconds() const;
    QStringList listed() const;

    // The pieces, for tests that work the dialog as a user does.
    QCheckBox *enableBox() const { return m_enable; }
    QCheckBox *rotationBox() const { return m_rotation; }
    QLineEdit *hostEdit() const { return m_host; }
    QLineEdit *portEdit() const { return m_port; }
    QLineEdit *secondsEdit() const { return m_seconds; }
    QTreeWidget *list() const { return m_list; }
    QPushButton *importButton() const { return m_import; }
    QPushButton *updateButton() const { return m_update; }

    // Fills the list from a file's lines that are entries (the import).
    void importFrom(const QString &file);

    void accept() override;

private:
    void applyEnabling();
    void fill(const QStringList &entries);
    void takeEntry();
    void chooseFile();
    void update();

    SettingsStore &m_settings;
    QString m_listFile;
    MessageBoxes &m_messages;
    ListFetch m_fetch;
    QCheckBox *m_enable;
    QCheckBox *m_rotation;
    QLineEdit *m_host;
    QLineEdit *m_port;
    QLineEdit *m_seconds;
    QTreeWidget *m_list;
    QPushButton *m_import;
    QPushButton *m_update;
};
