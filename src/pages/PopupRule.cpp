#include "pages/PopupRule.h"

#include <QCoreApplication>

namespace PopupRule {

namespace {

bool linkMatchesClick(const ElementInfo &active, const ElementInfo &clicked)
{
    if (active.tag.compare(QLatin1String("A"), Qt::CaseInsensitive) != 0)
        return false;
    // A click on something inside the link (an image, a bold word) counts
    // as a click on the link.
    return clicked.text.isEmpty() || active.text.contains(clicked.text);
}

} // namespace

Verdict decide(const Request &request)
{
    if (!request.blocking)
        return {true, tabLabel(QString())};
    if (!request.fromActivePage || !request.userInitiated || !request.activeElement
        || !request.lastClicked)
        return {};
    const ElementInfo &active = *request.activeElement;
    const ElementInfo &clicked = *request.lastClicked;
    if (active.sameElement(clicked) || linkMatchesClick(active, clicked))
        return {true, tabLabel(active.text)};
    return {};
}

QString tabLabel(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() < 3)
        return QCoreApplication::translate("PopupRule", "载入...");
    if (trimmed.size() < 10)
        return trimmed + QStringLiteral("...");
    return trimmed;
}

} // namespace PopupRule
