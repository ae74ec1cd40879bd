#pragma once

// Ids of the frame's own commands and status panes. The Pages' commands are in
// CommandIds.h.
namespace cmd {

inline constexpr int OfflinePane = 110;
inline constexpr int Offline = 32851;
inline constexpr int Customize = 32770;
inline constexpr int ExplorerBar = 32912;
inline constexpr int SearchBar = 32841;
inline constexpr int KeyboardMap = 32850;
inline constexpr int Help = 32862;
inline constexpr int CheckNewVersion = 33012;
inline constexpr int About = 57664;
inline constexpr int DefaultMail = 32877;
inline constexpr int AddressBook = 32908;
inline constexpr int TextSizeLargest = 32882; // to 32886, smallest
inline constexpr int TextSizeSmallest = 32886;
inline constexpr int NewsBar = 32895;
inline constexpr int HideFrame = 32910;
inline constexpr int FullScreen = 32944;
inline constexpr int StartBlank = 32983;
inline constexpr int StartHome = 32984;
inline constexpr int StartLastVisit = 32985;
inline constexpr int StartUrlList = 33007;
inline constexpr int NewPageActive = 32986;
inline constexpr int NewPageFollows = 32987;
inline constexpr int ScriptErrors = 32994;
inline constexpr int PopupBlocking = 33013;
inline constexpr int PopupPane = 61230;
inline constexpr int PreviousPage = 33043;
inline constexpr int NextPage = 33045;
inline constexpr int TabsAtBottom = 33052;
inline constexpr int ToolbarLock = 33053;
inline constexpr int StatusTextFilter = 33057;
inline constexpr int ThemePink = 33059;
inline constexpr int ThemeModern = 33060;
inline constexpr int ThemeClassic = 33061;
inline constexpr int TextLabels = 33071;
inline constexpr int Sounds = 33081;
inline constexpr int SecurityPane = 61270;
inline constexpr int Links = 61241;
inline constexpr int Exit = 57665;
inline constexpr int Go = 32911;

// The address bar.
inline constexpr int AddressChosen = 1112; // an entry of its list was chosen
inline constexpr int FocusAddressBar = 33051;
inline constexpr int AddressPartBack = 33055;
inline constexpr int AddressPartForward = 33056;
inline constexpr int NewOnAddress = 33042;
inline constexpr int AutoComplete = 33038;

// The Find Box and find in page.
inline constexpr int FindBox = 32836;
inline constexpr int FindInPage = 32837;
inline constexpr int Highlight = 32878;
inline constexpr int ClearSearch = 32893;
inline constexpr int FindWordFirst = 24576; // + the word's index
inline constexpr int FindWordLast = 24656;

// The engine menus: searches, translations, go-to services and the web directory.
inline constexpr int DefaultSearch = 32875;
inline constexpr int SearchAll = 61223;
inline constexpr int CustomizeSearch = 32998;
inline constexpr int CustomizeTranslate = 33041;
inline constexpr int SearchPopup = 32938;    // placeholder of the search button's menu
inline constexpr int TranslatePopup = 32905; // placeholder of the translate menu
inline constexpr int SearchFirst = 28672;
inline constexpr int SearchLast = 29184;
inline constexpr int TranslateFirst = 25344;
inline constexpr int TranslateLast = 25439;
inline constexpr int GotoFirst = 29696;
inline constexpr int GotoLast = 29824;
inline constexpr int WebDirFirst = 12288;
inline constexpr int WebDirLast = 16128;
inline constexpr int WebDirCustomizeFirst = 33083; // to 33097, one per category
inline constexpr int WebDirCustomizeLast = 33097;

// Placeholders of menus the popup hook fills.
inline constexpr int ClosedPagesPopup = 32840;
inline constexpr int MailProgramsPopup = DefaultMail;
inline constexpr int GotoPopup = Go;
inline constexpr int NewsProgramsPopup = 33039;
inline constexpr int ContactsProgramsPopup = 33040;
inline constexpr int UserToolsPopup = 32820;
inline constexpr int PagesPopup = 32941; // the whole 窗口 menu

// Start-up Pages.
inline constexpr int EditUrlList = 33008;
inline constexpr int LoadRestoredWhenShown = 33250;

// Status panes that only show.
inline constexpr int IconPane = 61206;
inline constexpr int ProxyPane = 61219;
inline constexpr int MemoryPane = 61207;
inline constexpr int EditorPane = 61227;

// Programs that handle mail, news and contacts.
inline constexpr int NewsProgramFirst = 25104;
inline constexpr int NewsProgramLast = 25119;
inline constexpr int ContactsProgramFirst = 25120;
inline constexpr int ContactsProgramLast = 25135;
inline constexpr int MailProgramFirst = 25440;
inline constexpr int MailProgramLast = 25455;

// The proxy: the proxy menu is filled under the organizer's placeholder.
inline constexpr int ProxyToggle = 33072;
inline constexpr int ProxyOrganize = 33073;
inline constexpr int ProxyListUpdate = 33074;
inline constexpr int ProxyRotation = 33075;
inline constexpr int CheckAnonymity = 33076;
inline constexpr int ProxyFirst = 25600; // + the entry's number, 256 entries
inline constexpr int ProxyLast = 25855;

// Favorites and history.
inline constexpr int AddFavorite = 32830;         // the active Page
inline constexpr int AddMenuTabFavorite = 32977;  // the Page whose tab was right-clicked
inline constexpr int OrganizeFavorites = 32835;
inline constexpr int ImportFavorites = 32897;
inline constexpr int ExportFavorites = 32898;
inline constexpr int FavoritesPopup = 32819;      // placeholder of the favorites menu
inline constexpr int FavoriteFirst = 4096;        // menu entries of the favorites
inline constexpr int FavoriteLast = 8191;
inline constexpr int FavoritesPanel = 32943;
inline constexpr int HistoryPanel = 32967;
inline constexpr int FavoriteDelete = 32902;      // the favorites panel's context menu
inline constexpr int FavoriteRename = 32903;
inline constexpr int FavoriteProperties = 32904;

// The privacy cleaner (32893, the search words, is ClearSearch above).
inline constexpr int CleanCookies = 32889;
inline constexpr int CleanHistory = 32890;
inline constexpr int CleanCache = 32891;
inline constexpr int CleanAddresses = 32892;
inline constexpr int CleanAll = 32894;
inline constexpr int CleanRecent = 32954;
inline constexpr int CleanTemp = 32969;
inline constexpr int CleanFormPasswords = 32970;
inline constexpr int CleanRecycleBin = 32971;
inline constexpr int CleanRunHistory = 32972;
inline constexpr int CleanFoundFiles = 32973;
inline constexpr int CleanFoundComputers = 32974;
inline constexpr int CleanForms = 32975;

// User-defined tools.
inline constexpr int UserToolFirst = 33200;
inline constexpr int UserToolLast = 33219;

} // namespace cmd
