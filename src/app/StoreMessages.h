#pragma once

#include <QString>

// What the user is told about the settings store itself.
namespace StoreMessages {

inline QString recovered(const QString &movedTo)
{
    return QStringLiteral("设置文件已损坏, 已改名为 %1 保存, 现使用新的设置.\n"
                          "The settings file was damaged. It was kept as %1 and new settings were started.")
        .arg(movedTo);
}

inline QString unavailable(const QString &file)
{
    return QStringLiteral("无法写入设置文件 %1, 设置将不会被保存.\n"
                          "The settings file %1 cannot be written; settings will not be saved.")
        .arg(file);
}

} // namespace StoreMessages
