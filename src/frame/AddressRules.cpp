#include "frame/AddressRules.h"

#include <QSet>

namespace AddressRules {

QString complete(const QString &typed, bool ctrl, bool shift, const CompletionTexts &texts)
{
    if (ctrl && shift)
        return texts.alt1 + typed + texts.alt2;
    if (ctrl)
        return texts.ctrl1 + typed + texts.ctrl2;
    if (shift)
        return texts.shift1 + typed + texts.shift2;
    return typed;
}

QString slashTwin(const QString &text)
{
    if (text.endsWith(QLatin1Char('/')))
        return text.chopped(1);
    return text + QLatin1Char('/');
}

namespace {

bool holds(const QStringList &list, const QString &text)
{
    return list.contains(text, Qt::CaseInsensitive);
}

} // namespace

QStringList remember(const QStringList &list, const QString &text)
{
    if (holds(list, text) || holds(list, slashTwin(text)))
        return list;
    QStringList updated = list;
    updated.prepend(text);
    return updated;
}

QStringList toSave(const QStringList &list)
{
    QStringList saved;
    for (const QString &entry : list.mid(0, kMaxSaved)) {
        if (!entry.isEmpty())
            saved << entry;
    }
    return saved;
}

std::optional<Selection> previousPart(const QString &text, int selectionStart)
{
    QString before = text.left(qBound(0, selectionStart, int(text.size())));
    before.chop(1);
    const int at = qMax(before.lastIndexOf(QLatin1Char('.')), before.lastIndexOf(QLatin1Char('/')));
    if (at < 0)
        return std::nullopt;
    return Selection{at, int(text.size())};
}

std::optional<Selection> nextPart(const QString &text, int selectionEnd)
{
    const int from = selectionEnd + 1;
    const int dot = from < text.size() ? text.indexOf(QLatin1Char('.'), from) : -1;
    const int slash = from < text.size() ? text.indexOf(QLatin1Char('/'), from) : -1;
    if (dot < 0 || slash < 0)
        return Selection{0, int(text.size())};
    return Selection{0, qMin(dot, slash)};
}

namespace {

// The address without its scheme ("http://", "file:///", "about:").
QString withoutScheme(const QString &address)
{
    const int colon = address.indexOf(QLatin1Char(':'));
    if (colon <= 0 || colon >= 12)
        return address;
    QString rest = address.mid(colon + 1);
    while (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    return rest;
}

// The form of the candidate that starts with the typed text: the whole
// address, the address without its scheme, or that without "www."; a null
// string when none does.
QString completingForm(const QString &candidate, const QString &typed)
{
    if (candidate.startsWith(typed, Qt::CaseInsensitive))
        return candidate;
    const QString rest = withoutScheme(candidate);
    if (rest.startsWith(typed, Qt::CaseInsensitive))
        return rest;
    if (rest.startsWith(QLatin1String("www."), Qt::CaseInsensitive)
        && QStringView(rest).mid(4).startsWith(typed, Qt::CaseInsensitive))
        return rest.mid(4);
    return {};
}

bool completes(const QString &candidate, const QString &typed)
{
    return !completingForm(candidate, typed).isNull();
}

} // namespace

QStringList suggestions(const QStringList &candidates, const QString &typed, int max)
{
    QStringList found;
    if (typed.isEmpty())
        return found;
    QSet<QString> seen;
    for (const QString &candidate : candidates) {
        if (found.size() >= max)
            break;
        if (candidate.isEmpty() || candidate.compare(typed, Qt::CaseInsensitive) == 0)
            continue;
        const QString key = candidate.toLower();
        if (completes(candidate, typed) && !seen.contains(key)) {
            seen.insert(key);
            found << candidate;
        }
    }
    return found;
}

QString inlineCompletion(const QStringList &candidates, const QString &typed)
{
    if (typed.isEmpty())
        return typed;
    for (const QString &candidate : candidates) {
        const QString form = completingForm(candidate, typed);
        if (form.size() > typed.size())
            return typed + form.mid(typed.size());
    }
    return typed;
}

} // namespace AddressRules
