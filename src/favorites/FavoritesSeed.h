#pragma once

#include <QCoreApplication>
#include <QString>

// The favorites a new profile starts with: a few shortcuts and a folder of
// references. They are written once, when the favorites folder does not
// exist yet; a favorite the user deleted stays deleted.
class FavoritesSeed
{
    Q_DECLARE_TR_FUNCTIONS(FavoritesSeed)

public:
    // Makes the folder with the first favorites when there is no folder of
    // that name. False when it was there already or could not be made.
    static bool seedIfAbsent(const QString &folder);
};
