#include "platform/TextEditor.h"

#include <QCoreApplication>

namespace TextEditor {

std::optional<DesktopEntry> find(const DesktopEntries &entries)
{
    if (auto plain = entries.defaultFor(QStringLiteral("text/plain")))
        return plain;
    const QList<DesktopEntry> editors = entries.withCategory(QStringLiteral("TextEditor"));
    if (!editors.isEmpty())
        return editors.first();
    return std::nullopt;
}

bool open(const QString &file, const DesktopEntries &entries)
{
    const auto editor = find(entries);
    return editor && DesktopEntries::start(*editor, {file});
}

QString cannotOpenMessage(const QString &file)
{
    return QCoreApplication::translate("TextEditor", "找不到文本编辑器, 不能打开 %1。").arg(file);
}

} // namespace TextEditor
