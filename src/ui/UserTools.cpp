#include "ui/UserTools.h"

#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "platform/DesktopEntries.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

struct Kind
{
    const char *name; // marked for translation in the "UserTools" context
    std::function<QList<DesktopEntry>(const DesktopEntries &)> find;
};

bool mentions(const DesktopEntry &entry, const QString &word)
{
    return entry.name.contains(word, Qt::CaseInsensitive) || entry.genericName.contains(word, Qt::CaseInsensitive)
        || entry.keywords.contains(word, Qt::CaseInsensitive);
}

QList<DesktopEntry> filtered(const QList<DesktopEntry> &all, const std::function<bool(const DesktopEntry &)> &keep)
{
    QList<DesktopEntry> result;
    for (const DesktopEntry &entry : all) {
        if (keep(entry))
            result << entry;
    }
    return result;
}

UserTool toolFrom(const QString &name, const DesktopEntry &entry)
{
    QStringList words = DesktopEntries::commandLine(entry.exec);
    const QString program = words.isEmpty() ? QString() : words.takeFirst();
    QStringList quoted;
    for (const QString &word : words)
        quoted << (word.contains(QLatin1Char(' ')) ? QLatin1Char('"') + word + QLatin1Char('"') : word);
    return {name, program, quoted.join(QLatin1Char(' '))};
}

} // namespace

QList<UserTool> UserTools::defaults(const DesktopEntries &desktop)
{
    const QList<Kind> kinds{
        {QT_TRANSLATE_NOOP("UserTools", "记事本(&N)"),
         [](const DesktopEntries &d) {
             QList<DesktopEntry> list = d.withCategory(QStringLiteral("TextEditor"));
             if (auto plain = d.defaultFor(QStringLiteral("text/plain")))
                 list.prepend(*plain);
             return list;
         }},
        {QT_TRANSLATE_NOOP("UserTools", "绘画"),
         [](const DesktopEntries &d) { return d.withCategory(QStringLiteral("RasterGraphics")); }},
        {QT_TRANSLATE_NOOP("UserTools", "资源管理器"),
         [](const DesktopEntries &d) {
             QList<DesktopEntry> list = d.withCategory(QStringLiteral("FileManager"));
             if (auto folders = d.defaultFor(QStringLiteral("inode/directory")))
                 list.prepend(*folders);
             return list;
         }},
        {QT_TRANSLATE_NOOP("UserTools", "同步(&S)"),
         [](const DesktopEntries &d) {
             return filtered(d.entries(), [](const DesktopEntry &e) { return mentions(e, QStringLiteral("sync")); });
         }},
        {QT_TRANSLATE_NOOP("UserTools", "计算器"),
         [](const DesktopEntries &d) { return d.withCategory(QStringLiteral("Calculator")); }},
        {QT_TRANSLATE_NOOP("UserTools", "光碟播放器"),
         [](const DesktopEntries &d) {
             QList<DesktopEntry> list = d.handlers(QStringLiteral("x-content/audio-cdda"));
             if (list.isEmpty()) {
                 list = filtered(d.withCategory(QStringLiteral("Player")), [](const DesktopEntry &e) {
                     return e.categories.contains(QStringLiteral("Audio"));
                 });
             }
             return list;
         }},
    };
    QList<UserTool> tools;
    for (const Kind &kind : kinds) {
        const QList<DesktopEntry> found = kind.find(desktop);
        if (!found.isEmpty())
            tools << toolFrom(QCoreApplication::translate("UserTools", kind.name), found.first());
    }
    return tools;
}

QList<UserTool> UserTools::load(SettingsStore &settings, const DesktopEntries &desktop)
{
    const QString stored = settings.read(settings::userTools);
    if (stored.isEmpty()) {
        // Never set: the desktop's programs, kept from now on.
        const QList<UserTool> tools = defaults(desktop);
        save(settings, tools);
        return tools;
    }
    QList<UserTool> tools;
    const QJsonArray array = QJsonDocument::fromJson(stored.toUtf8()).array();
    for (const QJsonValue &value : array) {
        const QJsonObject object = value.toObject();
        UserTool tool{object.value(QLatin1String("name")).toString(),
                      object.value(QLatin1String("command")).toString(),
                      object.value(QLatin1String("arguments")).toString()};
        if (!tool.name.isEmpty() && !tool.command.isEmpty() && tools.size() < kMaximum)
            tools << tool;
    }
    return tools;
}

void UserTools::save(SettingsStore &settings, const QList<UserTool> &tools)
{
    QJsonArray array;
    for (const UserTool &tool : tools.mid(0, kMaximum)) {
        array.append(QJsonObject{{QStringLiteral("name"), tool.name},
                                 {QStringLiteral("command"), tool.command},
                                 {QStringLiteral("arguments"), tool.arguments}});
    }
    // An empty list is still a choice: it is stored as "[]", not left out.
    settings.write(settings::userTools, QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}

bool UserTools::start(const UserTool &tool)
{
    return QProcess::startDetached(tool.command, QProcess::splitCommand(tool.arguments), QStringLiteral("."));
}
