#include "pages/MailtoText.h"

#include <QUrl>

namespace MailtoText {

namespace {

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

bool isLocal(const QString &address)
{
    return address.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

} // namespace

QString subjectFor(const QString &address, const QString &title)
{
    if (isLocal(address)) {
        const QString path = QUrl(address).toLocalFile();
        return path.isEmpty() ? address : path;
    }
    QString subject = title;
    if (subject.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)
        || subject.startsWith(QLatin1String("http:"), Qt::CaseInsensitive)) {
        if (subject.endsWith(QLatin1Char('/')))
            subject.chop(1);
        subject = subject.mid(subject.lastIndexOf(QLatin1Char('/')) + 1);
        subject.replace(QLatin1Char(':'), QLatin1Char('_'));
    }
    return subject + QStringLiteral(".htm");
}

QString forAddress(const QString &address, const QString &title, const QString &signature)
{
    return QStringLiteral("mailto:?subject=%1&body=%2")
        .arg(encoded(subjectFor(address, title)), encoded(address + signature));
}

QStringList recipients(const QStringList &links)
{
    QStringList list;
    for (const QString &link : links) {
        if (!link.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
            continue;
        QString recipient = link.mid(7);
        const qsizetype question = recipient.indexOf(QLatin1Char('?'));
        if (question >= 0)
            recipient.truncate(question);
        // Links carry their addresses encoded; they are encoded again once, whole.
        recipient = QUrl::fromPercentEncoding(recipient.toUtf8()).trimmed();
        if (!recipient.isEmpty() && !list.contains(recipient, Qt::CaseInsensitive))
            list << recipient;
    }
    return list;
}

QString forRecipients(const QStringList &recipients, const QString &subject, const QString &body)
{
    QStringList to;
    for (const QString &recipient : recipients)
        to << QString::fromLatin1(QUrl::toPercentEncoding(recipient, "@"));
    return QStringLiteral("mailto:%1?subject=%2&body=%3")
        .arg(to.join(QLatin1Char(',')), encoded(subject), encoded(body));
}

} // namespace MailtoText
