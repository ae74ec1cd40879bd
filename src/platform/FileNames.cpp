#include "platform/FileNames.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace FileNames {

namespace {

bool isDirectionOverride(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029;
}

// Bytes a code point takes in UTF-8.
qsizetype utf8Bytes(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

// The code point at i and how many UTF-16 units it takes; a surrogate
// without its partner reads as the replacement character.
char32_t codePointAt(const QString &text, qsizetype i, qsizetype *units)
{
    const QChar c = text.at(i);
    *units = 1;
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    }
    if (c.isSurrogate())
        return QChar::ReplacementCharacter;
    return c.unicode();
}

void append(QString &out, char32_t c)
{
    if (QChar::requiresSurrogates(c)) {
        out += QChar(QChar::highSurrogate(c));
        out += QChar(QChar::lowSurrogate(c));
    } else {
        out += QChar(char16_t(c));
    }
}

} // namespace

QString withoutHidden(const QString &text, const QString &controlAs)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0, units = 1; i < text.size(); i += units) {
        const char32_t c = codePointAt(text, i, &units);
        if (isDirectionOverride(c))
            continue;
        if (isControl(c))
            out += controlAs;
        else
            append(out, c);
    }
    return out;
}

QString withoutLeadingDots(const QString &name)
{
    qsizetype start = 0;
    while (start < name.size() && (name.at(start) == QLatin1Char('.') || name.at(start).isSpace()))
        ++start;
    const QString out = name.mid(start);
    return out.isEmpty() ? QString::fromLatin1(kUntitled) : out;
}

QString fit(const QString &base, const QString &tail)
{
    const qsizetype room = kNameBytes - tail.toUtf8().size();
    qsizetype bytes = 0;
    qsizetype end = 0;
    for (qsizetype units = 1; end < base.size(); end += units) {
        bytes += utf8Bytes(codePointAt(base, end, &units));
        if (bytes > room)
            break;
    }
    const QString cut = base.left(end).trimmed();
    return cut.isEmpty() ? QString::fromLatin1(kUntitled) : cut;
}

QString numbered(const QString &base, const QString &suffix, int n)
{
    const QString tail = (n < 2 ? QString() : QStringLiteral(" (%1)").arg(n)) + suffix;
    return fit(base, tail) + tail;
}

bool isTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString freeName(const QString &folder, const QString &base, const QString &suffix, int &n)
{
    const QDir dir(folder);
    n = std::max(n, 1);
    for (;; ++n) {
        const QString name = numbered(base, suffix, n);
        if (!isTaken(dir.filePath(name)))
            return name;
    }
}

} // namespace FileNames
