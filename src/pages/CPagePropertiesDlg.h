#pragma once

#include <QDialog>
#include <QString>
#include <QVariantMap>

// What the properties of a Page show.
struct PageProperties
{
    QString title;
    QString address;
    // From the properties page script; missing entries stay empty.
    QString type;
    QString charset;
    qint64 size = -1; // bytes; below 0 when unknown
    QString modified;  // the document's own "MM/DD/YYYY hh:mm:ss"

    // Fills the script's part from its result.
    void takeScriptResult(const QVariantMap &result);
    // "安全" for a page that came over an encrypted connection, else "不安全".
    QString securityText() const;
    // "1.2 KB (1,234 字节)".
    QString sizeText() const;
};

// The properties of a Page: title, address, security, type, size and date,
// as text that can be selected and copied.
class CPagePropertiesDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CPagePropertiesDlg(const PageProperties &properties, QWidget *parent = nullptr);
};
