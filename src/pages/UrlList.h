#pragma once

#include <QByteArray>
#include <QStringList>

// The URL list a start can open ("startuplist.txt"): one address a line, in
// UTF-8 or GBK. Every line is a Page, an empty one too (a blank Page); a last
// line feed ends the last line rather than starting an empty one.
namespace UrlList {
// The addresses, at most as many as a session keeps (the rest is left out).
QStringList parse(const QByteArray &content);
} // namespace UrlList
