#pragma once

#include <QString>

namespace StatusFilter {

// Status texts shown even while plain status sentences are hidden: those
// that begin with "about:" or hold "://", "mailto:" or "javascript:".
bool isAddressLike(const QString &text);

// The security pane's text for a security level 0 to 6; empty otherwise.
QString securityText(int level);

} // namespace StatusFilter
