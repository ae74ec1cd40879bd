#pragma once

#include <QByteArray>
#include <QString>

// The text of a data file the user may have written: UTF-8 when it is valid
// UTF-8, else GBK (files from older releases and other tools).
namespace DataText {

QString decode(const QByteArray &bytes);

} // namespace DataText
