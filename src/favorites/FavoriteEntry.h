#pragma once

#include <QString>

#include <memory>
#include <vector>

// One node of the favorites tree: a folder, a link (a ".url" file) or the
// entry that opens every link of its folder.
struct FavoriteEntry
{
    enum Kind { OpenAll = -1, Folder = 0, Link = 1 };

    QString name;     // folder name, file name without ".url", or the open-all text
    int kind = Folder;
    QString address;  // a link's URL; "folder:///" + the folder path for open-all; empty for a folder
    int commandId = 0; // menu command of a link or open-all entry; 0 for a folder
    QString path;     // the folder or the ".url" file on disk (open-all: its folder)
    std::vector<std::unique_ptr<FavoriteEntry>> children; // folders only: open-all, folders, links
};
