#pragma once

#include "platform/RegistryStore.h"

#include <QCoreApplication>
#include <QString>

// What the user is told about the settings store itself.
namespace StoreMessages {

inline QString recovered(const QString &movedTo)
{
    return QCoreApplication::translate("StoreMessages",
                                       "设置文件已损坏, 已改名为 %1 保存, 现使用新的设置.\n"
                                       "The settings file was damaged. It was kept as %1 and new settings were started.")
        .arg(movedTo);
}

inline QString unavailable(const QString &file)
{
    return QCoreApplication::translate("StoreMessages",
                                       "无法写入设置文件 %1, 设置将不会被保存.\n"
                                       "The settings file %1 cannot be written; settings will not be saved.")
        .arg(file);
}

inline QString notAFile(const QString &file)
{
    return QCoreApplication::translate("StoreMessages",
                                       "设置文件 %1 不是普通文件, 无法读写设置.\n"
                                       "The settings file %1 is not a regular file; settings cannot be read or written.")
        .arg(file);
}

// Why an export read nothing; the store itself is left as it was.
inline QString notExported(RegistryStore::Fault fault, const QString &file)
{
    switch (fault) {
    case RegistryStore::Fault::Missing:
        return QCoreApplication::translate("StoreMessages",
                                           "没有设置文件 %1, 未导出任何内容.\n"
                                           "There is no settings file %1; nothing was exported.")
            .arg(file);
    case RegistryStore::Fault::Damaged:
        return QCoreApplication::translate("StoreMessages",
                                           "设置文件 %1 已损坏, 未导出任何内容. 下次启动时它将被改名保存.\n"
                                           "The settings file %1 is damaged; nothing was exported. "
                                           "The next start keeps it under another name and starts new settings.")
            .arg(file);
    case RegistryStore::Fault::Foreign:
        return QCoreApplication::translate("StoreMessages",
                                           "%1 不是本程序的设置文件, 未导出任何内容. 下次启动时它将被改名保存.\n"
                                           "%1 is not a settings file of this program (another layout or version); "
                                           "nothing was exported. The next start keeps it under another name and "
                                           "starts new settings.")
            .arg(file);
    case RegistryStore::Fault::Interrupted:
        return QCoreApplication::translate("StoreMessages",
                                           "设置文件 %1 有一次未完成的写入, 未导出任何内容. 请先启动一次程序完成修复.\n"
                                           "A write to the settings file %1 was cut off; nothing was exported. "
                                           "Start the program once to finish the repair, then export again.")
            .arg(file);
    case RegistryStore::Fault::NotAFile:
        return notAFile(file);
    case RegistryStore::Fault::None:
    case RegistryStore::Fault::Unreadable:
        break;
    }
    return QCoreApplication::translate("StoreMessages",
                                       "无法读取设置文件 %1, 未导出任何内容.\n"
                                       "The settings file %1 cannot be read; nothing was exported.")
        .arg(file);
}

} // namespace StoreMessages
