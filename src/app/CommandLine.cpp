#include "app/CommandLine.h"

#include "app/Translations.h"
#include "core/BuildInfo.h"

#include <QCommandLineParser>

namespace {

bool isEmbeddingSwitch(const QString &arg)
{
    for (const char *name : {"Embedding", "Automation"}) {
        const QString n = QLatin1String(name);
        if (arg.compare(QLatin1Char('-') + n, Qt::CaseInsensitive) == 0
            || arg.compare(QLatin1Char('/') + n, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine line;
    QStringList rest;
    for (const QString &arg : arguments) {
        if (isEmbeddingSwitch(arg))
            line.embedding = true;
        else
            rest << arg;
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption profile(QStringLiteral("profile"), {}, QStringLiteral("dir"));
    const QCommandLineOption exportReg(QStringLiteral("export-registry"), {}, QStringLiteral("file"));
    const QCommandLineOption importReg(QStringLiteral("import-registry"), {}, QStringLiteral("file"));
    const QCommandLineOption language(QStringLiteral("lang"), {}, QStringLiteral("language"));
    parser.addOptions({help, version, profile, exportReg, importReg, language});
    // The toolkit's own options (-platform offscreen, -display :1 ...) are
    // taken by the toolkit; they are known here only so they are not errors.
    for (const char *name : {"platform", "display", "style", "stylesheet", "geometry", "qwindowgeometry",
                             "qwindowtitle", "qwindowicon", "session", "platformpluginpath", "platformtheme",
                             "plugin", "title", "name", "qmljsdebugger"}) {
        parser.addOption(QCommandLineOption(QLatin1String(name), {}, QStringLiteral("value")));
    }
    for (const char *name : {"reverse", "nograb", "dograb", "sync", "widgetcount"})
        parser.addOption(QCommandLineOption(QLatin1String(name)));
    // The parser takes the first item for the program name.
    if (!parser.parse(QStringList{QStringLiteral("vesperal")} + rest)) {
        line.error = parser.errorText();
        return line;
    }
    line.help = parser.isSet(help);
    line.version = parser.isSet(version);
    line.profile = parser.value(profile);
    line.exportRegistry = parser.value(exportReg);
    line.importRegistry = parser.value(importReg);
    line.language = parser.value(language);
    if (parser.isSet(language) && !Translations::parse(line.language)) {
        line.error = QStringLiteral("--lang takes zh or en, not '%1'").arg(line.language);
        return line;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        line.error = QStringLiteral("only one address or file can be opened at start, got %1").arg(positional.size());
        return line;
    }
    if (!positional.isEmpty())
        line.argument = positional.first();
    if (!line.exportRegistry.isEmpty() && !line.importRegistry.isEmpty())
        line.error = QStringLiteral("--export-registry and --import-registry cannot be used together");
    return line;
}

QString CommandLine::versionText()
{
    return QStringLiteral("Vesperal %1 (build %2)\n").arg(QLatin1String(kVersion), QLatin1String(kBuildStamp));
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "Usage: vesperal [options] [address-or-file]\n"
        "\n"
        "A tabbed web browser. The address or file is opened in a new page; when\n"
        "Vesperal already runs for this profile, it is handed to that window.\n"
        "A .url internet shortcut opens the address it holds.\n"
        "\n"
        "Options:\n"
        "  --profile DIR            keep settings, data and web storage in DIR\n"
        "                           (default: $VESPERAL_PROFILE, else\n"
        "                           $XDG_DATA_HOME/vesperal)\n"
        "  --export-registry FILE   write all settings as a Windows .reg file, then exit\n"
        "  --import-registry FILE   merge a .reg file into the settings, then exit\n"
        "  --lang zh|en             show Vesperal in Chinese or in English (default:\n"
        "                           the setting option\\Language, else the desktop's\n"
        "                           language: Chinese for Chinese, English for others)\n"
        "  -h, --help               show this help and exit\n"
        "  -v, --version            show the version and build, then exit\n");
}
