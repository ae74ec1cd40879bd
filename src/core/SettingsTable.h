#pragma once

#include <span>

// Every setting the program keeps under its own key: section, value name and
// default. Other code names settings through these constants only.
struct IntSetting
{
    const char *section;
    const char *value;
    int def;
};

struct TextSetting
{
    const char *section;
    const char *value;
    const char *def; // nullptr: the default depends on the installation (see its comment)
};

struct BinarySetting
{
    const char *section;
    const char *value;
};

namespace settings {

inline constexpr const char *kAppKey = "Software\\Larkspurware\\Vesperal";

// option
inline constexpr IntSetting bNewWindowFollow{"option", "bNewWindowFollow", 1};
inline constexpr IntSetting bNewWindowActive{"option", "bNewWindowActive", 0};
inline constexpr IntSetting NostatusText{"option", "NostatusText", 0};
inline constexpr IntSetting bSound{"option", "bSound", 1};
inline constexpr IntSetting bSilent{"option", "bSilent", 1};
inline constexpr IntSetting KillPopup{"option", "KillPopup", 1};
inline constexpr IntSetting skin{"option", "skin", 0};
inline constexpr IntSetting fullscreen{"option", "fullscreen", 0};
inline constexpr IntSetting NewOnAddress{"option", "NewOnAddress", 1};
inline constexpr IntSetting NoPromptDragSaving{"option", "NoPromptDragSaving", 0};
inline constexpr IntSetting pingtimes{"option", "pingtimes", 4};
// Days the browsing history keeps a visit (0: today's visits only)
inline constexpr IntSetting HistoryDays{"option", "HistoryDays", 90};
// Default: the program directory's "logo.gif" (see logoDefault()).
inline constexpr TextSetting logo{"option", "logo", nullptr};
// The language shown, "zh" or "en" (--lang outranks it); empty: the desktop's
inline constexpr TextSetting language{"option", "Language", ""};

// settings
inline constexpr IntSetting tabtop{"settings", "tabtop", 1};
inline constexpr IntSetting statusbarvisible{"settings", "statusbarvisible", 1};
inline constexpr IntSetting ToolbarLock{"settings", "ToolbarLock", 0};
inline constexpr IntSetting DefFontSize{"settings", "DefFontSize", 2};
inline constexpr IntSetting NoScript{"settings", "NoScript", 0};
inline constexpr IntSetting NoActivex{"settings", "NoActivex", 0};
inline constexpr IntSetting NoJava{"settings", "NoJava", 0};
inline constexpr TextSetting oldshell{"settings", "oldshell", ""};

// startup, navigate
inline constexpr IntSetting startuptype{"startup", "startuptype", 2};
// What startuptype holds: the Pages a start opens.
enum class StartupType { Blank = 1, LastVisit = 2, Home = 3, UrlList = 4 };
// Pages restored from the last exit load when first shown, not all at start.
inline constexpr IntSetting LoadWhenShown{"startup", "LoadWhenShown", 0};
inline constexpr BinarySetting lastvisit{"navigate", "lastvisit"};

// domains: what Ctrl+, Shift+ and Ctrl+Shift+Enter put around a bare word
inline constexpr TextSetting ctrl1{"domains", "ctrl1", "http://www."};
inline constexpr TextSetting ctrl2{"domains", "ctrl2", ".com"};
inline constexpr TextSetting shift1{"domains", "shift1", "http://www."};
inline constexpr TextSetting shift2{"domains", "shift2", ".net"};
inline constexpr TextSetting alt1{"domains", "alt1", "http://www."};
inline constexpr TextSetting alt2{"domains", "alt2", ".org"};

// mainframe
inline constexpr IntSetting bMax{"mainframe", "bMax", 0};
inline constexpr IntSetting EditBoxtop{"mainframe", "EditBoxtop", 400};
inline constexpr IntSetting EditBoxleft{"mainframe", "EditBoxleft", 600};
inline constexpr IntSetting EditBoxwidth{"mainframe", "EditBoxwidth", 180};
inline constexpr IntSetting EditBoxheight{"mainframe", "EditBoxheight", 140};

// proxy
inline constexpr IntSetting proxyEnable{"proxy", "Enable", 0};
inline constexpr TextSetting curProxy{"proxy", "curProxy", ""};
inline constexpr IntSetting enableMulti{"proxy", "enableMulti", 0};
inline constexpr IntSetting changeIpTimer{"proxy", "changeIpTimer", 6000};
inline constexpr IntSetting proxyIndex{"proxy", "index", 0};

// net: the seconds a fetch of the program's own may take before it is given up
inline constexpr IntSetting fetchTimeLimit{"net", "FetchTimeLimit", 20};

// cleandlg: whether the clean dialog is offered at exit, and its check boxes
inline constexpr IntSetting cleanShow{"cleandlg", "show", 1};
inline constexpr IntSetting cleanAddress{"cleandlg", "Address", 0};
inline constexpr IntSetting cleanCache{"cleandlg", "Cache", 0};
inline constexpr IntSetting cleanCookie{"cleandlg", "Cookie", 0};
inline constexpr IntSetting cleanFindPC{"cleandlg", "FindPC", 0};
inline constexpr IntSetting cleanFormPass{"cleandlg", "FormPass", 0};
inline constexpr IntSetting cleanForm{"cleandlg", "Form", 0};
inline constexpr IntSetting cleanFindFile{"cleandlg", "FindFile", 0};
inline constexpr IntSetting cleanHistory{"cleandlg", "History", 0};
inline constexpr IntSetting cleanRecent{"cleandlg", "recent", 0};
inline constexpr IntSetting cleanRecyclebin{"cleandlg", "Recyclebin", 0};
inline constexpr IntSetting cleanRun{"cleandlg", "run", 0};
inline constexpr IntSetting cleanSearch{"cleandlg", "Search", 0};
inline constexpr IntSetting cleanTemp{"cleandlg", "temp", 0};
inline constexpr IntSetting cleanAll{"cleandlg", "ALL", 0};
// What of the engine's own storage is to be removed at the next start, before
// the engine opens it (1 the sites' stored data, 2 the cache)
inline constexpr IntSetting cleanEngineSweep{"cleandlg", "EngineSweep", 0};

// UISettings: the bars' layout, as the window saves it, and the text labels
inline constexpr BinarySetting barLayout{"UISettings", "BarLayout"};
inline constexpr IntSetting textLabels{"UISettings", "TextLabels", 0};
// The buttons of the three customisable bars, as command ids joined by commas
// (0 a separator; "," none at all); empty: the bar's own buttons.
inline constexpr TextSetting standardButtons{"UISettings", "Buttons.standardBar", ""};
inline constexpr TextSetting searchButtons{"UISettings", "Buttons.searchBar", ""};
inline constexpr TextSetting goButtons{"UISettings", "Buttons.goBar", ""};
// The user's tools as a JSON array; empty: never chosen yet.
inline constexpr TextSetting userTools{"UISettings", "UserTools", ""};

// version, Tip, agent
inline constexpr TextSetting build{"version", "build", ""};
inline constexpr IntSetting tipStartUp{"Tip", "StartUp", 0};
inline constexpr IntSetting tipFilePos{"Tip", "FilePos", 0};
inline constexpr TextSetting tipTimeStamp{"Tip", "TimeStamp", ""};
inline constexpr TextSetting agentChar{"agent", "char", ""};

// All integer and text settings, for tools and checks that walk the table.
std::span<const IntSetting> allIntSettings();
std::span<const TextSetting> allTextSettings();

} // namespace settings

// Keys of the engine and the desktop that some features mirror, outside the
// program's own key (all under the current user unless noted).
namespace mirrored {
inline constexpr const char *kIEMain = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const char *kDisableScriptDebugger = "Disable Script Debugger";
inline constexpr const char *kAutoComplete = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AutoComplete";
inline constexpr const char *kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedUrls";
inline constexpr const char *kInternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline constexpr const char *kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
// What the shell and the engine remember of runs, searches and forms (the
// privacy cleaner deletes these keys with all below them).
inline constexpr const char *kRunMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
inline constexpr const char *kDocFindSpecMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU";
inline constexpr const char *kFindComputerMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindComputerMRU";
inline constexpr const char *kContainingTextMru =
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ContainingTextMRU";
inline constexpr const char *kFilesNamedMru =
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU";
inline constexpr const char *kComputerNameMru =
    "Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\ComputerNameMRU";
inline constexpr const char *kIntelliForms = "Software\\Microsoft\\Internet Explorer\\IntelliForms";
// One subkey per user (HKCU: named by the user's SID; HKLM: by the user
// name), each holding Data\<item type>; the forms' item type is kFormsItemType.
inline constexpr const char *kProtectedStorage = "Software\\Microsoft\\Protected Storage System Provider";
inline constexpr const char *kFormsItemType = "e161255a-37c3-11d2-bcaa-00c04fd929db";
} // namespace mirrored
