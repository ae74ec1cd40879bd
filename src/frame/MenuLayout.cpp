#include "frame/MenuLayout.h"

#include "core/CommandIds.h"
#include "core/FrameCommandIds.h"
#include "frame/EngineMenus.h"
#include "pages/Encodings.h"

namespace {

MenuNode item(int id, const char *label = nullptr)
{
    return {MenuNode::Command, id, label ? QString::fromUtf8(label) : QString(), {}};
}

MenuNode separator()
{
    return {MenuNode::Separator, 0, {}, {}};
}

MenuNode submenu(const char *title, QList<MenuNode> children)
{
    return {MenuNode::Submenu, 0, QString::fromUtf8(title), std::move(children)};
}

MenuNode popup(int placeholder, const char *title, QList<MenuNode> fixed = {})
{
    return {MenuNode::Popup, placeholder, QString::fromUtf8(title), std::move(fixed)};
}

QList<MenuNode> webDirectory()
{
    QList<MenuNode> categories;
    for (const EngineMenus::Category &category : EngineMenus::categories())
        categories << popup(category.customize, category.title);
    return categories;
}

QList<MenuNode> encodings()
{
    QList<MenuNode> entries;
    for (const Encoding &encoding : Encodings::all()) {
        if (encoding.startsGroup)
            entries << separator();
        entries << item(encoding.id, encoding.label);
    }
    return entries;
}

QList<MenuNode> makeMenuBar()
{
    return {
        submenu("文件(&F)",
                {
                    submenu("新建(&N)",
                            {item(cmd::NewBlankPage), item(cmd::NewHomePage), item(cmd::DuplicatePage),
                             item(cmd::ClipboardPage)}),
                    item(cmd::OpenDialog),
                    item(cmd::OpenFiles),
                    item(cmd::SavePage),
                    item(cmd::SaveAsHtml),
                    submenu("发送(&D)", {item(cmd::MailAddress), item(cmd::DesktopShortcut), separator(),
                                        item(cmd::TellFriend)}),
                    separator(),
                    item(cmd::PrintPage),
                    item(cmd::PrintSetup),
                    item(cmd::PrintPreview),
                    separator(),
                    item(cmd::ViewSource),
                    item(cmd::ViewText),
                    item(cmd::OpenInDefaultBrowser),
                    item(cmd::EditMode),
                    item(cmd::CookieEditor),
                    item(cmd::PageProperties),
                    separator(),
                    item(cmd::CloseCurrentPage),
                    item(cmd::CloseAll),
                    item(cmd::CloseAllButCurrent),
                    item(cmd::CloseErrorPages),
                    separator(),
                    item(cmd::ReopenLastClosed),
                    popup(cmd::ClosedPagesPopup, "撤销关闭的页面(&U)"),
                    separator(),
                    item(cmd::Offline),
                    item(cmd::HideFrame),
                    item(cmd::Exit),
                }),
        submenu("编辑(&E)",
                {item(cmd::Undo), item(cmd::Redo), separator(), item(cmd::Cut), item(cmd::Copy), item(cmd::Paste),
                 item(cmd::SelectAll), separator(),
                 item(cmd::FindInPage), item(cmd::Highlight), item(cmd::DefaultSearch)}),
        submenu("查看(&V)",
                {
                    submenu("工具栏(&T)",
                            {item(cmd::SearchBar), item(cmd::TextLabels), item(cmd::ToolbarLock), separator(),
                             item(cmd::Customize)}),
                    submenu("浏览器栏(&E)", {item(cmd::FavoritesPanel), item(cmd::HistoryPanel)}),
                    item(cmd::ExplorerBar),
                    item(cmd::TabsAtBottom),
                    item(cmd::FullScreen),
                    separator(),
                    item(cmd::Back),
                    item(cmd::Forward),
                    item(cmd::Home),
                    item(cmd::OneLevelUp),
                    item(cmd::PreviousPage),
                    item(cmd::NextPage),
                    item(cmd::Stop),
                    item(cmd::StopAll),
                    item(cmd::Refresh),
                    item(cmd::RefreshAll),
                    separator(),
                    submenu("文字大小(&X)",
                            {item(cmd::TextSizeLargest), item(cmd::TextSizeLargest + 1),
                             item(cmd::TextSizeLargest + 2), item(cmd::TextSizeLargest + 3),
                             item(cmd::TextSizeSmallest)}),
                    submenu("编码(&E)", encodings()),
                    submenu("外观(&S)", {item(cmd::ThemeModern), item(cmd::ThemePink), item(cmd::ThemeClassic)}),
                }),
        submenu("导航(&N)",
                {
                    popup(cmd::GotoPopup, "转到(&G)"),
                    popup(cmd::TranslatePopup, "翻译(&R)"),
                    popup(cmd::SearchPopup, "搜索(&S)"),
                    submenu("Web 目录(&D)", webDirectory()),
                }),
        // The whole menu is the favorites, made anew when they changed.
        popup(cmd::FavoritesPopup, "收藏夹(&A)"),
        submenu("工具(&T)",
                {
                    item(cmd::PopupBlocking),
                    item(cmd::StatusTextFilter),
                    item(cmd::ScriptErrors),
                    item(cmd::Sounds),
                    separator(),
                    item(cmd::LoadImages),
                    item(cmd::LoadVideos),
                    item(cmd::LoadSounds),
                    item(cmd::LoadAnimations),
                    item(cmd::NoScript),
                    item(cmd::NoJava),
                    item(cmd::NoActiveX),
                    separator(),
                    submenu("启动时(&S)",
                            {item(cmd::StartBlank), item(cmd::StartHome), item(cmd::StartLastVisit),
                             item(cmd::StartUrlList), separator(), item(cmd::LoadRestoredWhenShown),
                             item(cmd::EditUrlList)}),
                    item(cmd::NewPageActive),
                    item(cmd::NewPageFollows),
                    item(cmd::NewOnAddress),
                    item(cmd::AutoComplete),
                    separator(),
                    submenu("邮件和新闻(&M)",
                            {item(cmd::DefaultMail), item(cmd::AddressBook), separator(),
                             popup(cmd::MailProgramsPopup, "电子邮件程序"),
                             popup(cmd::NewsProgramsPopup, "新闻程序"),
                             popup(cmd::ContactsProgramsPopup, "地址簿程序")}),
                    popup(cmd::ProxyOrganize, "多代理服务器",
                          {item(cmd::ProxyToggle), item(cmd::ProxyRotation), item(cmd::ProxyOrganize),
                           item(cmd::ProxyListUpdate), item(cmd::CheckAnonymity)}),
                    submenu("清除(&C)",
                            {item(cmd::CleanAll), separator(), item(cmd::CleanCookies), item(cmd::CleanCache),
                             item(cmd::CleanHistory), item(cmd::CleanAddresses), item(cmd::ClearSearch),
                             item(cmd::CleanTemp), item(cmd::CleanRecycleBin), item(cmd::CleanRecent),
                             item(cmd::CleanRunHistory), item(cmd::CleanFoundFiles), item(cmd::CleanFormPasswords),
                             item(cmd::CleanForms), item(cmd::CleanFoundComputers)}),
                    popup(cmd::UserToolsPopup, "外部工具(&O)"),
                    separator(),
                    item(cmd::KeyboardMap),
                }),
        // The whole menu lists the Pages.
        submenu("窗口(&W)", {{MenuNode::PagesList, 0, {}, {}}}),
        submenu("帮助(&H)",
                {item(cmd::Help), item(cmd::MakerWebSite), item(cmd::CheckNewVersion), separator(), item(cmd::About)}),
    };
}

} // namespace

const QList<MenuNode> &MenuLayout::menuBar()
{
    static const QList<MenuNode> layout = makeMenuBar();
    return layout;
}
