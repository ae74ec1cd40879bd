#include "core/SettingsTable.h"

#include <array>

namespace settings {

namespace {

constexpr std::array kInts{
    bNewWindowFollow, bNewWindowActive, NostatusText, bSound, bSilent, KillPopup, skin, fullscreen,
    NewOnAddress, NoPromptDragSaving, pingtimes, HistoryDays, tabtop, statusbarvisible, ToolbarLock, DefFontSize,
    NoScript, NoActivex, NoJava, startuptype, LoadWhenShown, bMax, EditBoxtop, EditBoxleft, EditBoxwidth, EditBoxheight,
    proxyEnable, enableMulti, changeIpTimer, proxyIndex, cleanShow, cleanAddress, cleanCache, cleanCookie,
    cleanFindPC, cleanFormPass, cleanForm, cleanFindFile, cleanHistory, cleanRecent, cleanRecyclebin,
    cleanRun, cleanSearch, cleanTemp, cleanAll, cleanEngineSweep, tipStartUp, tipFilePos, textLabels, fetchTimeLimit,
};

constexpr std::array kTexts{
    logo, oldshell, ctrl1, ctrl2, shift1, shift2, alt1, alt2, curProxy, build, tipTimeStamp, agentChar,
    standardButtons, searchButtons, goButtons, userTools, language,
};

} // namespace

std::span<const IntSetting> allIntSettings()
{
    return kInts;
}

std::span<const TextSetting> allTextSettings()
{
    return kTexts;
}

} // namespace settings
