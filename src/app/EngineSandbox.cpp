#include "app/EngineSandbox.h"

#include <QByteArray>

#include <cstdio>
#include <unistd.h>

namespace EngineSandbox {

void configure()
{
    if (::geteuid() != 0 || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        return;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
    std::fprintf(stderr, "vesperal: running as root: the web engine's sandbox is turned off\n");
}

} // namespace EngineSandbox
