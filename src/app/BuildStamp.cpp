#include "app/BuildStamp.h"

#include "core/BuildInfo.h"
#include "core/SettingsStore.h"

#include <QCoreApplication>

namespace {

// The number a stamp starts with, as the C library would read it: leading
// blanks skipped, digits taken until the first non-digit, 0 when there are none.
qulonglong leadingNumber(const QString &text)
{
    qulonglong n = 0;
    const QString t = text.trimmed();
    for (const QChar c : t) {
        if (!c.isDigit() || c.unicode() > '9')
            break;
        n = n * 10 + qulonglong(c.unicode() - '0');
        if (n > 99999999999ULL)
            break;
    }
    return n;
}

} // namespace

namespace BuildStamp {

QString check(SettingsStore &store, const QString &downloadAddress)
{
    const QString current = QString::fromLatin1(kBuildStamp);
    const QString stored = store.read(settings::build);
    if (stored == current)
        return {};
    QString message;
    if (leadingNumber(stored) > leadingNumber(current)) {
        message = QCoreApplication::translate("BuildStamp",
                                              "你运行的是一个低版本的 Vesperal 浏览器。\nPlease download new version from %1")
                      .arg(downloadAddress);
    }
    store.write(settings::build, current);
    return message;
}

} // namespace BuildStamp
