#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The addresses above an address: its folder, that folder's folder, and so
// on, as the "one level up" command and the Up drop-down open them.
namespace UpLevel {

// The address one level up: for ftp, http, https and local files whose path
// is at least 2 characters long, the address without a final "/", cut after
// its last "/". None when the address is of another kind or has no "/" left.
std::optional<QString> parent(const QString &address);

// parent() again and again, nearest first.
QStringList ancestors(const QString &address);

} // namespace UpLevel
