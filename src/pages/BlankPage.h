#pragma once

#include <QCoreApplication>
#include <QString>

// The address of an empty Page.
inline const QString kBlankAddress = QStringLiteral("about:blank");

// What a Page's tab says until its title comes.
inline QString loadingLabel()
{
    return QCoreApplication::translate("Pages", "Loading...");
}
