#include "pages/FindWords.h"

namespace {

bool isAsciiBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n')
           || c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

} // namespace

QString FindWords::trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isAsciiBlank(text[begin]))
        ++begin;
    while (end > begin && isAsciiBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QStringList FindWords::split(const QString &text)
{
    return trimmed(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList FindWords::remember(const QStringList &history, const QString &text)
{
    if (text.isEmpty())
        return history;
    QStringList updated = history;
    if (updated.size() < kMaxHistory) {
        if (!updated.contains(text))
            updated << text;
    } else {
        updated[0] = text;
    }
    return updated;
}
