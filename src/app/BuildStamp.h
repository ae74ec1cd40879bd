#pragma once

#include <QString>

class SettingsStore;

namespace BuildStamp {

// Compares the stored build with this program's and stores this one. Returns
// the message to show when the stored build belongs to a newer program, else
// an empty text.
QString check(SettingsStore &store, const QString &downloadAddress);

} // namespace BuildStamp
