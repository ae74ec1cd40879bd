#include "app/RegistryCommands.h"

#include "app/Paths.h"
#include "app/StoreMessages.h"
#include "platform/BoundedFile.h"
#include "platform/RegFile.h"
#include "platform/RegistryStore.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace {

// A .reg file of the whole registry of a machine stays well below this; a
// settings file never comes near it.
constexpr qint64 kRegFileLimit = 64 * 1024 * 1024;

QString unreadableInput(BoundedFile::Status status, const QString &file)
{
    switch (status) {
    case BoundedFile::Status::Missing:
        return QCoreApplication::translate("RegistryCommands", "找不到文件 %1, 未导入任何内容.\n"
                                                               "There is no file %1; nothing was imported.")
            .arg(file);
    case BoundedFile::Status::NotAFile:
        return QCoreApplication::translate("RegistryCommands", "%1 不是普通文件, 未导入任何内容.\n"
                                                               "%1 is not a regular file; nothing was imported.")
            .arg(file);
    case BoundedFile::Status::TooLarge:
        return QCoreApplication::translate("RegistryCommands", "%1 大于 %2 MB, 不是设置文件, 未导入任何内容.\n"
                                                               "%1 is larger than %2 MB, too large for a settings file; "
                                                               "nothing was imported.")
            .arg(file)
            .arg(kRegFileLimit / (1024 * 1024));
    case BoundedFile::Status::Ok:
    case BoundedFile::Status::Unreadable:
        break;
    }
    return QCoreApplication::translate("RegistryCommands", "无法读取 %1, 未导入任何内容.\n"
                                                           "%1 cannot be read; nothing was imported.")
        .arg(file);
}

void say(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", qPrintable(text));
}

// Opens the store for an import; false (and a message) when it cannot.
bool openForWriting(const Paths &paths, RegistryStore &store)
{
    if (!paths.ensureProfile()) {
        say(stderr, QStringLiteral("vesperal: ")
                        + QCoreApplication::translate("RegistryCommands",
                                                      "无法创建配置文件夹 %1 (cannot create the profile %1)")
                              .arg(paths.profileDir()));
        return false;
    }
    const auto opened = store.open(paths.registryFile());
    if (opened.status == RegistryStore::OpenStatus::Recovered)
        say(stderr, QStringLiteral("vesperal: ") + StoreMessages::recovered(opened.movedTo));
    if (opened.status == RegistryStore::OpenStatus::Unavailable || opened.status == RegistryStore::OpenStatus::ReadOnly) {
        say(stderr, QStringLiteral("vesperal: ")
                        + (opened.fault == RegistryStore::Fault::NotAFile ? StoreMessages::notAFile(paths.registryFile())
                                                                            : StoreMessages::unavailable(paths.registryFile())));
        return false;
    }
    return true;
}

} // namespace

namespace RegistryCommands {

int exportTo(const Paths &paths, const QString &file)
{
    // An export only reads: it creates no profile and no store, and leaves a
    // damaged store where it is for the next start to deal with.
    RegistryStore store;
    const auto opened = store.openForReading(paths.registryFile());
    if (opened.status == RegistryStore::OpenStatus::Unavailable) {
        say(stderr, QStringLiteral("vesperal: ") + StoreMessages::notExported(opened.fault, paths.registryFile()));
        return 1;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(RegFile::exportAll(store)) < 0 || !out.commit()) {
        say(stderr, QStringLiteral("vesperal: ")
                        + QCoreApplication::translate("RegistryCommands", "无法写入 %1: %2 (cannot write %1: %2)")
                              .arg(file, out.errorString()));
        return 1;
    }
    return 0;
}

int importFrom(const Paths &paths, const QString &file)
{
    const BoundedFile::Result in = BoundedFile::read(file, kRegFileLimit);
    if (!in.ok()) {
        say(stderr, QStringLiteral("vesperal: ") + unreadableInput(in.status, file));
        return 1;
    }
    const QByteArray &content = in.bytes;
    RegistryStore store;
    if (!openForWriting(paths, store))
        return 1;
    const RegFile::ImportResult result = RegFile::import(store, content);
    if (!result.ok) {
        const QString where = result.line > 0 ? QStringLiteral("%1:%2").arg(file).arg(result.line) : file;
        say(stderr, QStringLiteral("vesperal: ")
                        + QCoreApplication::translate("RegistryCommands", "%1: %2; 未导入任何内容 (nothing was imported)")
                              .arg(where, result.error));
        return 1;
    }
    say(stdout, QCoreApplication::translate("RegistryCommands", "已从 %3 导入 %1 个键和 %2 个值.\n"
                                                                "Imported %1 keys and %2 values from %3.")
                    .arg(result.keys)
                    .arg(result.values)
                    .arg(file));
    if (!result.deleted.isEmpty()) {
        // Deletions are easy to miss in a file and cannot be undone: each is named.
        const auto keys = std::count_if(result.deleted.cbegin(), result.deleted.cend(),
                                        [](const RegFile::Deleted &d) { return d.isKey; });
        say(stdout, QCoreApplication::translate("RegistryCommands", "导入删除了 %1 个键和 %2 个值:\n"
                                                                    "The import deleted %1 keys and %2 values:")
                        .arg(keys)
                        .arg(result.deleted.size() - keys));
        for (const RegFile::Deleted &d : result.deleted) {
            say(stdout, d.isKey ? QStringLiteral("  [%1]").arg(d.key)
                                : QStringLiteral("  [%1] %2").arg(d.key, d.value.isEmpty() ? QStringLiteral("@")
                                                                                           : QLatin1Char('"') + d.value + QLatin1Char('"')));
        }
    }
    return 0;
}

} // namespace RegistryCommands
