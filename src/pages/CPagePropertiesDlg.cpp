#include "pages/CPagePropertiesDlg.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QUrl>
#include <QVBoxLayout>

void PageProperties::takeScriptResult(const QVariantMap &result)
{
    type = result.value(QStringLiteral("type")).toString();
    charset = result.value(QStringLiteral("charset")).toString();
    bool ok = false;
    const qint64 bytes = result.value(QStringLiteral("size")).toLongLong(&ok);
    size = ok ? bytes : -1;
    modified = result.value(QStringLiteral("modified")).toString();
}

QString PageProperties::securityText() const
{
    const QString scheme = QUrl(address).scheme().toLower();
    return scheme == QLatin1String("https") || scheme == QLatin1String("wss")
        ? CPagePropertiesDlg::tr("安全 (加密连接)")
        : CPagePropertiesDlg::tr("不安全");
}

QString PageProperties::sizeText() const
{
    if (size < 0)
        return CPagePropertiesDlg::tr("不可用");
    const QLocale locale;
    return CPagePropertiesDlg::tr("%1 (%2 字节)").arg(locale.formattedDataSize(size), locale.toString(size));
}

namespace {

QLabel *value(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text.isEmpty() ? CPagePropertiesDlg::tr("不可用") : text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

CPagePropertiesDlg::CPagePropertiesDlg(const PageProperties &properties, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("属性"));
    auto *form = new QFormLayout;
    form->addRow(tr("标题:"), value(properties.title, this));
    form->addRow(tr("地址:"), value(properties.address, this));
    form->addRow(tr("连接:"), value(properties.securityText(), this));
    QString type = properties.type;
    if (!properties.charset.isEmpty())
        type += QStringLiteral("; ") + properties.charset;
    form->addRow(tr("类型:"), value(type, this));
    form->addRow(tr("大小:"), value(properties.sizeText(), this));
    const QDateTime modified = QDateTime::fromString(properties.modified, QStringLiteral("MM/dd/yyyy HH:mm:ss"));
    form->addRow(tr("修改日期:"), value(modified.isValid() ? QLocale().toString(modified, QLocale::LongFormat)
                                                         : properties.modified,
                                         this));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
