#pragma once

#include <QString>

// The page scripts of the cookie editor.
namespace CookieScripts {

// Gives the document's cookie text, or null when it has none to give.
QString readScript();
// Writes the edited cookie text back, pair by pair, and expires the names of
// `before` (the text the user was shown) that are gone; gives the cookie
// text now, or null when writing failed.
QString writeScript(const QString &before, const QString &edited);

} // namespace CookieScripts
