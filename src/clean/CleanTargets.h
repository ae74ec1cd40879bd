#pragma once

#include <QList>

struct IntSetting;

// The traces the privacy cleaner removes, one command each.
enum class CleanTarget {
    Cookies,
    Cache,
    History,
    Addresses,
    SearchWords,
    TempFiles,
    RecycleBin,
    RecentDocuments,
    RunHistory,
    FoundFiles,
    FormPasswords,
    Forms,
    FoundComputers,
};

struct CleanTargetInfo
{
    CleanTarget target;
    int command;         // its menu text and prompt are in the command table
    const char *boxText; // the clean dialog's check box, translated in its context
    const IntSetting &setting;
};

namespace CleanTargets {

// Every target, in the order of the "清除" menu.
const QList<CleanTargetInfo> &all();
const CleanTargetInfo &info(CleanTarget target);
// The target a command cleans; nothing for another command.
const CleanTargetInfo *forCommand(int command);

// What "clear all" runs, in its order: every target but the forms.
QList<CleanTarget> clearAllOrder();
// The order the exit check runs the targets the user ticked.
QList<CleanTarget> exitOrder();

} // namespace CleanTargets
