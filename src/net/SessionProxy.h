#pragma once

#include <QString>

#include <optional>

// The proxy every connection of this process uses, the engine's included.
namespace SessionProxy {

struct Address
{
    QString host;
    quint16 port = 0;
};
// A proxy given as "host:port" (an IPv6 host in brackets); nothing when the
// text is not one.
std::optional<Address> parse(const QString &hostAndPort);

// Sets a named HTTP proxy given as "host:port"; false when the text is not one.
bool setNamed(const QString &hostAndPort);
// Connects directly.
void setDirect();
// Whether connections go through an HTTP proxy now.
bool inUse();

} // namespace SessionProxy
