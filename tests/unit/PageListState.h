#pragma once

// The page list as a short string, "a^ b* cL": each Page by its address's
// host ("blank" for about:blank, "new" for no address yet), then * for the
// active Page, ^ for the one to come back to when the active one closes,
// L for a locked Page and E for an error Page.
#include "pages/CWebBrowser2.h"
#include "pages/PageList.h"

#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

#include <string>

inline std::string pageListState(const PageList &list)
{
    QStringList parts;
    for (int i = 0; i < list.count(); ++i) {
        const CWebBrowser2 *p = list.at(i);
        EXPECT_EQ(p->index(), i);
        const QString address = p->address();
        QString name = QUrl(address).host();
        if (name.isEmpty())
            name = address == QLatin1String("about:blank") ? QStringLiteral("blank")
                   : address.isEmpty()                     ? QStringLiteral("new")
                                                           : address;
        if (i == list.current())
            name += QLatin1Char('*');
        if (i == list.previous())
            name += QLatin1Char('^');
        if (p->isLocked())
            name += QLatin1Char('L');
        if (p->state() == CWebBrowser2::Error)
            name += QLatin1Char('E');
        parts << name;
    }
    return parts.join(QLatin1Char(' ')).toStdString();
}
