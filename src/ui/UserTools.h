#pragma once

#include <QList>
#include <QString>

class DesktopEntries;
class SettingsStore;

// A program the user starts from the tools menu.
struct UserTool
{
    QString name;
    QString command;   // the program
    QString arguments; // its arguments, split as a shell would

    friend bool operator==(const UserTool &, const UserTool &) = default;
};

// The user's tools, kept under UISettings. The first time there are none,
// the desktop's text editor, painting program, file manager, synchronisation
// program, calculator and disc player are offered, each one that exists.
namespace UserTools {
inline constexpr int kMaximum = 20;

QList<UserTool> load(SettingsStore &settings, const DesktopEntries &desktop);
void save(SettingsStore &settings, const QList<UserTool> &tools);
QList<UserTool> defaults(const DesktopEntries &desktop);
bool start(const UserTool &tool);
} // namespace UserTools
