#pragma once

#include <QString>

// The proxy every connection of this process uses, the engine's included.
namespace SessionProxy {

// Sets a named HTTP proxy given as "host:port"; false when the text is not one.
bool setNamed(const QString &hostAndPort);
// Connects directly.
void setDirect();

} // namespace SessionProxy
