#pragma once

#include <QIcon>

// The small pictures of the status panes, drawn here so that they look the
// same on every desktop.
namespace PaneIcons {
QIcon program();
QIcon proxy();
QIcon online();
QIcon offline();
QIcon popupsBlocked();
QIcon popupsAllowed();
QIcon security();
QIcon editor();
} // namespace PaneIcons
