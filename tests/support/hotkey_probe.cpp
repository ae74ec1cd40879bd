// Tries to take Ctrl+Q for the whole desktop and prints "taken" or
// "refused"; with "hold", keeps it until its standard input closes.
// Usage (on an X display): hotkey_probe [hold]
#include "platform/GlobalHotKey.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    GlobalHotKey key;
    const bool taken = key.registerCtrlQ();
    std::printf("%s\n", taken ? "taken" : "refused");
    std::fflush(stdout);
    if (!taken || argc < 2 || QByteArray(argv[1]) != "hold")
        return 0;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    return app.exec();
}
