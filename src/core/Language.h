#pragma once

#include <QString>

// The languages the program's own texts can be shown in: Chinese, the
// language they are written in, and English.
enum class Language { Chinese, English };

// The language chosen at start (see app/Translations), for what follows the
// language besides the texts themselves, such as which help page opens.
namespace language {

Language current();
void setCurrent(Language shown);
bool english();

// What an English twin of a shipped file adds to its base name: "_en" under
// English, else nothing.
QString fileSuffix();

// The file in the language shown: under English its twin beside it
// ("help/index.html" -> "help/index_en.html") when there is one, else the
// file itself.
QString localizedFile(const QString &path);

} // namespace language
