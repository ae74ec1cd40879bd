#pragma once

#include "pages/ElementInfo.h"

#include <QString>

#include <optional>

// Whether a page's request for a new window becomes a Page, and its tab label.
namespace PopupRule {

struct Request
{
    bool blocking = true;      // pop-up blocking is on
    bool fromActivePage = false;
    bool userInitiated = false; // the engine saw a user gesture behind it
    std::optional<ElementInfo> activeElement; // of the requesting document
    std::optional<ElementInfo> lastClicked;   // the Page Host's last clicked element
};

struct Verdict
{
    bool allowed = false;
    QString label; // the new tab's label, already shaped by tabLabel()
};

Verdict decide(const Request &request);

// Blanks trimmed; under 3 characters "载入..."; 3 to 9 get "..."; longer stays.
QString tabLabel(const QString &text);

} // namespace PopupRule
