#pragma once
// Favorites folders for tests: shortcut files written as the desktop writes
// them, and a model printed as a short string.

#include "favorites/FavoriteEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

// The default locale (which orders the names) for one test, the system's
// again after it.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale::system()); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;
};

// Writes a ".url" shortcut at path (its folders made); no URL line when url is null.
inline void putShortcut(const QString &path, const QString &url)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("[InternetShortcut]\r\n");
    if (!url.isNull())
        file.write("URL=" + url.toUtf8() + "\r\n");
    file.write("IconIndex=0\r\n");
}

// n shortcuts "link NN.url" in folder, to http://NN.example/ (numbered from 1,
// two digits and more so that name order is number order).
inline QStringList putLinks(const QString &folder, int n)
{
    QStringList urls;
    for (int i = 1; i <= n; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        const QString url = QStringLiteral("http://%1.example/").arg(number);
        putShortcut(folder + QStringLiteral("/link ") + number + QStringLiteral(".url"), url);
        urls << url;
    }
    return urls;
}

// The tree in one line: "*ID" an open-all entry, "name#ID" a link,
// "name{...}" a folder with its children.
inline QString describe(const FavoriteEntry &folder)
{
    QStringList parts;
    for (const auto &child : folder.children) {
        switch (child->kind) {
        case FavoriteEntry::OpenAll: parts << QStringLiteral("*%1").arg(child->commandId); break;
        case FavoriteEntry::Link: parts << QStringLiteral("%1#%2").arg(child->name).arg(child->commandId); break;
        default: parts << child->name + QLatin1Char('{') + describe(*child) + QLatin1Char('}'); break;
        }
    }
    return parts.join(QLatin1Char(' '));
}
