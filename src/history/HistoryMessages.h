#pragma once

#include <QCoreApplication>
#include <QString>

// What the user is told about the history file itself.
namespace HistoryMessages {

inline QString recovered(const QString &movedTo)
{
    return QCoreApplication::translate("HistoryMessages",
                                       "历史记录文件已损坏, 已改名为 %1 保存, 现开始新的历史记录.\n"
                                       "The history file was damaged. It was kept as %1 and a new history was started.")
        .arg(movedTo);
}

} // namespace HistoryMessages
