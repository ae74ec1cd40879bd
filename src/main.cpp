#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/EngineSandbox.h"
#include "app/Paths.h"
#include "app/RegistryCommands.h"
#include "core/BuildInfo.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QLoggingCategory>

#include <cstdio>

namespace {

QStringList rawArguments(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

int usageError(const QString &error)
{
    std::fprintf(stderr, "vesperal: %s\nTry 'vesperal --help'.\n", qPrintable(error));
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    // Jobs that need no window are done before any display is touched.
    const CommandLine line = CommandLine::parse(rawArguments(argc, argv));
    if (!line.error.isEmpty())
        return usageError(line.error);
    if (line.help) {
        std::fputs(qPrintable(CommandLine::helpText()), stdout);
        return 0;
    }
    if (line.version) {
        std::fputs(qPrintable(CommandLine::versionText()), stdout);
        return 0;
    }
    if (!line.exportRegistry.isEmpty() || !line.importRegistry.isEmpty()) {
        QCoreApplication core(argc, argv);
        const Paths paths = Paths::resolve(line.profile);
        return line.exportRegistry.isEmpty() ? RegistryCommands::importFrom(paths, line.importRegistry)
                                             : RegistryCommands::exportTo(paths, line.exportRegistry);
    }

    EngineSandbox::configure();
    // The engine describes its GL set-up at every start; users need not see it.
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kAppName));
    QApplication::setApplicationDisplayName(QLatin1String(kProductName));

    QtMessageBoxes messages;
    Application vesperal(line, messages);
    if (!vesperal.start())
        return vesperal.exitCode();
    return app.exec();
}
