#pragma once

#include <QString>
#include <QStringList>

// The mailto: addresses that the mail commands hand to the mail program,
// every part percent-encoded so that "&", "#", "?" and blanks in a title or
// an address reach the program whole.
namespace MailtoText {

// The subject of a mail about a page: a local file's path, else the page's
// title ".htm"; a title that is an address becomes its last part.
QString subjectFor(const QString &address, const QString &title);

// "mailto:?subject=...&body=..." for the page's address, the signature
// after it.
QString forAddress(const QString &address, const QString &title, const QString &signature);

// The addresses of mailto: links ("mailto:a@b.example?subject=x" gives
// "a@b.example"), in their order, each once.
QStringList recipients(const QStringList &links);

// "mailto:first,second?subject=...&body=...".
QString forRecipients(const QStringList &recipients, const QString &subject, const QString &body);

} // namespace MailtoText
