#include "net/ProxyList.h"

#include "net/SessionProxy.h"
#include "platform/DataText.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace ProxyList {

QStringList lines(const QByteArray &content)
{
    QString text = DataText::decode(content);
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

bool isEntry(const QString &line)
{
    return line.indexOf(QLatin1Char(':'), 1) > 0;
}

QStringList entries(const QStringList &lines)
{
    QStringList result;
    for (const QString &line : lines) {
        if (isEntry(line))
            result << line;
    }
    return result;
}

bool holdsColon(const QString &line)
{
    return line.contains(QLatin1Char(':'));
}

std::optional<Taken> nextFrom(const QStringList &lines, int from)
{
    for (int i = qMax(from, 0); i < lines.size(); ++i) {
        if (holdsColon(lines[i]))
            return Taken{lines[i], i};
    }
    return std::nullopt;
}

QByteArray format(const QStringList &entries)
{
    QByteArray out;
    for (const QString &entry : entries) {
        if (!entry.isEmpty())
            out += entry.toUtf8() + "\r\n";
    }
    return out;
}

bool save(const QString &file, const QByteArray &content)
{
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(content) == content.size() && out.commit();
}

std::optional<QString> keepUpdate(const QString &file, const std::optional<QByteArray> &body)
{
    if (!body || !looksLikeList(*body))
        return QCoreApplication::translate("ProxyList", "更新代理列表失败!");
    if (!save(file, *body))
        return cannotWrite(file);
    return std::nullopt;
}

QString cannotWrite(const QString &file)
{
    return QCoreApplication::translate("ProxyList", "无法写入 %1.").arg(file);
}

bool looksLikeList(const QByteArray &content)
{
    for (const QString &line : lines(content)) {
        if (SessionProxy::parse(line.trimmed()))
            return true;
    }
    return false;
}

} // namespace ProxyList
