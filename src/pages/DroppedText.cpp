#include "pages/DroppedText.h"

#include "pages/PageFileName.h"

#include <QDir>
#include <QSaveFile>

namespace DroppedText {

namespace {

const QString kSuffix = QStringLiteral(".txt");

// The first n characters of the text, a surrogate pair counting as one.
QString firstCharacters(const QString &text, int n)
{
    qsizetype end = 0;
    for (int taken = 0; taken < n && end < text.size(); ++taken) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size() && text.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

} // namespace

QString proposedName(const QString &pageName, const QString &text)
{
    return PageFileName::fromTitle(pageName + QStringLiteral(" - ") + firstCharacters(text, kTextCharacters)
                                   + QStringLiteral("..."));
}

QString proposedPath(const QString &folder, const QString &pageName, const QString &text)
{
    return QDir(folder).filePath(proposedName(pageName, text));
}

QString targetPath(const QString &chosen)
{
    const qsizetype slash = chosen.lastIndexOf(QLatin1Char('/'));
    const QString folder = chosen.left(slash + 1);
    QString name = chosen.mid(slash + 1);
    if (name.endsWith(kSuffix, Qt::CaseInsensitive))
        name.chop(kSuffix.size());
    return folder + PageFileName::fileName(name, kSuffix);
}

bool write(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace DroppedText
