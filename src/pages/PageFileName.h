#pragma once

#include <QString>
#include <QStringList>

// File names made from a page's title (or a text taken from a page) for the
// files the page commands write: "Name.mht", "Name (2).mht", ... A title may
// hold anything; the name made of it is one plain entry of the folder it is
// written to and never reaches outside that folder.
namespace PageFileName {

// The title made a name, not yet cut to length: trimmed; control characters
// removed; every "http://" removed; each of : > < ? | " * / \ made "_", then
// "__" made "_" until none is left; no direction overrides, no leading dots;
// never empty ("Untitled").
QString fromTitle(const QString &title);

// The file name of the title's n-th copy with the suffix (".mht", ".txt"),
// within the file system's 255 bytes of UTF-8, cut between characters.
QString fileName(const QString &title, const QString &suffix, int n = 1);

// Names for titles that go into one folder together, in their order: titles
// that make the same name (also when only the case differs) are numbered, so
// that no file overwrites another.
QStringList distinctNames(const QStringList &titles, const QString &suffix);

// The path in folder of the title's first name that is not taken there.
QString freePath(const QString &folder, const QString &title, const QString &suffix);

} // namespace PageFileName
