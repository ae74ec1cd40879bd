#pragma once

// Command ids, as menus, tool bars and keys send them. Ranges name their
// first id; the entries of a dynamic menu are first + n.
namespace cmd {

// New Pages
inline constexpr int NewPage = 32823;
inline constexpr int NewBlankPage = 32831;
inline constexpr int NewHomePage = 32832;
inline constexpr int DuplicatePage = 32833;
inline constexpr int ClipboardPage = 32834;
inline constexpr int OpenDialog = 32859;
inline constexpr int MakerWebSite = 32829;

// Closing and reopening
inline constexpr int CloseCurrentPage = 32825;
inline constexpr int CloseMenuTab = 32839;
inline constexpr int CloseAll = 32826;
inline constexpr int CloseAllButCurrent = 32956;
inline constexpr int CloseAllButMenuTab = 33080;
inline constexpr int CloseMenuTabHost = 33079;
inline constexpr int CloseErrorPages = 33062;
inline constexpr int ReopenLastClosed = 32827;
inline constexpr int ClosedPagesPlaceholder = 32840;
inline constexpr int ClosedPageFirst = 25088; // + slot, 16 slots
inline constexpr int ClosedPageLast = 25103;
inline constexpr int NoClosedPages = 1;
inline constexpr int PagesMenuPlaceholder = 32941;
inline constexpr int PageEntryFirst = 29825; // + index
inline constexpr int PageEntryLast = 30337;

// The tab menu
inline constexpr int LockMenuTab = 33063;
inline constexpr int RefreshMenuTab = 33077;
inline constexpr int StopMenuTab = 33078;

// Navigation of the active Page
inline constexpr int Stop = 32845;
inline constexpr int StopAll = 32846;
inline constexpr int Refresh = 32847;
inline constexpr int RefreshAll = 32848;
inline constexpr int Back = 32842;
inline constexpr int Forward = 32843;
inline constexpr int Home = 32844;
inline constexpr int BackEntryFirst = 29185; // + i, 10 ids
inline constexpr int BackEntryLast = 29194;
inline constexpr int ForwardEntryFirst = 29201;
inline constexpr int ForwardEntryLast = 29210;

// Clipboard
inline constexpr int Copy = 57634;
inline constexpr int Cut = 57635;
inline constexpr int Paste = 57637;
inline constexpr int SelectAll = 57642;
inline constexpr int Undo = 57643;
inline constexpr int Redo = 57644;

// What is done with a Page's content
inline constexpr int SavePage = 32860;
inline constexpr int SaveAsHtml = 32861;
inline constexpr int ClonePage = 33046;
inline constexpr int SaveAllPages = 33047;
inline constexpr int PrintPage = 32854;
inline constexpr int PrintSetup = 32855;
inline constexpr int PrintPreview = 32856;
inline constexpr int PageProperties = 32852;
inline constexpr int MenuTabProperties = 32907;
inline constexpr int ViewSource = 32849;
inline constexpr int EditMode = 32863;
inline constexpr int OneLevelUp = 32933;
inline constexpr int DesktopShortcut = 32901;
inline constexpr int ViewText = 33066;
inline constexpr int MailAddress = 32900;
inline constexpr int TellFriend = 32991;
inline constexpr int CookieEditor = 33049;
inline constexpr int OpenInDefaultBrowser = 33065;
inline constexpr int OpenFiles = 33001;
inline constexpr int UpEntryFirst = 29440; // + i, 16 ids
inline constexpr int UpEntryLast = 29455;
inline constexpr int UpPopup = 32937; // placeholder of the Up button's drop-down
inline constexpr int MailPage = 32899;
inline constexpr int SaveCopy = 32864;
inline constexpr int InternetOptions = 32857;
inline constexpr int AutoScroll = 32879;

// What Pages may load
inline constexpr int LoadSounds = 32926;
inline constexpr int LoadImages = 32927;
inline constexpr int NoScript = 32928;
inline constexpr int NoActiveX = 32929;
inline constexpr int NoJava = 32930;
inline constexpr int LoadVideos = 32931;
inline constexpr int LoadAnimations = 32932;

// Encodings: 32913 to 32924 and 33022 to 33036
inline constexpr int EncodingFirst = 32913;
inline constexpr int EncodingLast = 32924;
inline constexpr int MoreEncodingFirst = 33022;
inline constexpr int MoreEncodingLast = 33036;

} // namespace cmd
