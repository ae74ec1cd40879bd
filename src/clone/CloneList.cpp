#include "clone/CloneList.h"

#include "platform/FileNames.h"

#include <QDir>
#include <QSet>
#include <QUrl>

#include <algorithm>

namespace CloneList {

namespace {

// One form of an address for telling whether it is listed already.
QString addressKey(const QString &address)
{
    return QUrl(address).toString(QUrl::FullyEncoded);
}

bool hasScheme(const QString &address, const QStringList &schemes)
{
    return schemes.contains(QUrl(address).scheme());
}

// Adds entries with names that are distinct, the case ignored, and
// addresses that are listed once.
class Builder
{
public:
    explicit Builder(const NameRule &rule) : m_rule(rule) {}

    bool has(const QString &address) const { return m_addresses.contains(addressKey(address)); }

    void add(const QString &title, const QString &address, int page = -1)
    {
        const QString base = m_rule(title);
        QString name = FileNames::numbered(base, QString());
        for (int n = 2; m_names.contains(name.toCaseFolded()); ++n)
            name = FileNames::numbered(base, QString(), n);
        m_names.insert(name.toCaseFolded());
        m_addresses.insert(addressKey(address));
        m_entries.append({name, address, page});
    }

    QList<CloneEntry> entries() const { return m_entries; }

private:
    const NameRule &m_rule;
    QList<CloneEntry> m_entries;
    QSet<QString> m_names;
    QSet<QString> m_addresses;
};

const QString kForbidden = QStringLiteral(":><?|\"*/\\");

} // namespace

QString pageName(const QString &locationName, const NameRule &rule)
{
    const QString trimmed = locationName.trimmed();
    return FileNames::numbered(rule(trimmed.isEmpty() ? QString::fromLatin1(FileNames::kUntitled) : trimmed),
                               QString());
}

QList<CloneLink> linksFrom(const QVariant &scriptResult)
{
    QList<CloneLink> links;
    for (const QVariant &item : scriptResult.toList()) {
        const QVariantMap link = item.toMap();
        links.append({link.value(QStringLiteral("address")).toString(), link.value(QStringLiteral("text")).toString()});
    }
    return links;
}

QList<CloneEntry> forPage(const QString &locationName, const QString &address, const QList<CloneLink> &links,
                          const NameRule &rule)
{
    Builder list(rule);
    list.add(pageName(locationName, rule), address);
    const QStringList web{QStringLiteral("http"), QStringLiteral("https")};
    for (const CloneLink &link : links) {
        if (link.address.isEmpty() || !hasScheme(link.address, web) || list.has(link.address))
            continue;
        const QString text = link.text.trimmed();
        list.add(text.isEmpty() ? link.address : text, link.address);
    }
    return list.entries();
}

QList<CloneEntry> forOpenPages(const QList<CloneEntry> &pages, const NameRule &rule)
{
    Builder list(rule);
    const QStringList savable{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")};
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const CloneEntry &page = pages.at(i);
        if (page.address.isEmpty() || !hasScheme(page.address, savable) || list.has(page.address))
            continue;
        list.add(pageName(page.name, rule), page.address, int(i));
    }
    return list.entries();
}

QString suffixFor(const QString &address)
{
    for (const char *picture : {".gif", ".jpg", ".swf", ".jpeg"}) {
        if (address.endsWith(QLatin1String(picture), Qt::CaseSensitive))
            return QString::fromLatin1(picture);
    }
    return QStringLiteral(".mht");
}

bool isPicture(const QString &address)
{
    return suffixFor(address) != QLatin1String(".mht");
}

bool isAllowedName(const QString &name)
{
    return std::none_of(kForbidden.begin(), kForbidden.end(), [&name](QChar c) { return name.contains(c); });
}

QStringList targets(const QString &folder, const QList<CloneEntry> &entries, const NameRule &rule)
{
    const QDir dir(folder);
    QStringList paths;
    QSet<QString> used;
    for (const CloneEntry &entry : entries) {
        // A name the user typed is made a file name too.
        const QString base = rule(entry.name);
        const QString suffix = suffixFor(entry.address);
        QString name = FileNames::numbered(base, suffix);
        for (int n = 2; used.contains(name.toCaseFolded()); ++n)
            name = FileNames::numbered(base, suffix, n);
        used.insert(name.toCaseFolded());
        paths << dir.filePath(name);
    }
    return paths;
}

} // namespace CloneList
