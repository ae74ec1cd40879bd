#include "core/Language.h"

#include <QFileInfo>

#include <atomic>

namespace language {

namespace {

std::atomic<Language> shownLanguage{Language::Chinese};

} // namespace

Language current()
{
    return shownLanguage.load();
}

void setCurrent(Language shown)
{
    shownLanguage.store(shown);
}

bool english()
{
    return current() == Language::English;
}

QString fileSuffix()
{
    return english() ? QStringLiteral("_en") : QString();
}

QString localizedFile(const QString &path)
{
    const QString suffix = fileSuffix();
    if (suffix.isEmpty())
        return path;
    const QFileInfo info(path);
    const QString extension = info.completeSuffix();
    QString twin = info.path() + QLatin1Char('/') + info.baseName() + suffix;
    if (!extension.isEmpty())
        twin += QLatin1Char('.') + extension;
    return QFileInfo(twin).isFile() ? twin : path;
}

} // namespace language
