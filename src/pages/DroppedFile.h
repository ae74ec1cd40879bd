#pragma once

#include <QString>

// What a file or a text dropped on the window opens.
namespace DroppedFile {

// The address a dropped file opens, or an empty text when it opens nothing:
// - an Internet shortcut (".url") opens the address it holds;
// - a desktop link (".desktop" of type Link) opens its URL; any other
//   desktop entry opens nothing, since it would start a program;
// - a Windows shell link (".lnk") opens nothing: its target is a path on
//   another system's disks;
// - any other file opens itself.
QString address(const QString &file);

// Reads the URL of a desktop entry of type Link; empty for anything else.
QString desktopLinkUrl(const QString &file);

// True for a text that would run as a script in whatever page loads it, or
// make up a document of its own in the page's place: "javascript:",
// "vbscript:" and "data:" in any letter case, blanks before it ignored.
bool isScript(const QString &text);

// The address a text dropped on a Page opens, as the address bar would make
// it of the text (a bare "example.com" becomes a web address); empty unless
// it is a valid web (http, https), ftp or local file address.
QString openableAddress(const QString &text);

} // namespace DroppedFile
