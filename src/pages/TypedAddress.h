#pragma once

#include <QString>
#include <QUrl>

// What an address given as text means to the engine: an address with a
// scheme as it stands; a local file when the text is an absolute path, a path
// from the working folder ("./", "../"), from the home folder ("~"), or the
// name of a file that exists in the working folder; anything else a web
// address ("www.example.com", "example.com/x", "127.0.0.1:8080/a.html").
namespace TypedAddress {

QUrl toUrl(const QString &text, const QString &workingDir, const QString &homeDir);

} // namespace TypedAddress
