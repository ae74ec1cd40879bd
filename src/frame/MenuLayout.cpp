#include "frame/MenuLayout.h"

#include "core/CommandIds.h"
#include "core/FrameCommandIds.h"
#include "frame/EngineMenus.h"
#include "pages/Encodings.h"

#include <QCoreApplication>

namespace {

// An entry with a label of its own: the label is marked for translation in
// the context given.
MenuNode item(int id, const char *context = nullptr, const char *label = nullptr)
{
    return {MenuNode::Command, id, context, label, {}};
}

MenuNode separator()
{
    return {MenuNode::Separator, 0, nullptr, nullptr, {}};
}

// Titles marked in the "MenuLayout" context.
MenuNode submenu(const char *title, QList<MenuNode> children)
{
    return {MenuNode::Submenu, 0, "MenuLayout", title, std::move(children)};
}

MenuNode popup(int placeholder, const char *title, QList<MenuNode> fixed = {}, const char *context = "MenuLayout")
{
    return {MenuNode::Popup, placeholder, context, title, std::move(fixed)};
}

QList<MenuNode> webDirectory()
{
    QList<MenuNode> categories;
    for (const EngineMenus::Category &category : EngineMenus::categories())
        categories << popup(category.customize, category.title, {}, "EngineMenus");
    return categories;
}

QList<MenuNode> encodings()
{
    QList<MenuNode> entries;
    for (const Encoding &encoding : Encodings::all()) {
        if (encoding.startsGroup)
            entries << separator();
        entries << item(encoding.id, "Encodings", encoding.label);
    }
    return entries;
}

QList<MenuNode> makeMenuBar()
{
    return {
        submenu(QT_TRANSLATE_NOOP("MenuLayout", "文件(&F)"),
                {
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "新建(&N)"),
                            {item(cmd::NewBlankPage), item(cmd::NewHomePage), item(cmd::DuplicatePage),
                             item(cmd::ClipboardPage)}),
                    item(cmd::OpenDialog),
                    item(cmd::OpenFiles),
                    item(cmd::SavePage),
                    item(cmd::SaveAsHtml),
                    item(cmd::ClonePage),
                    item(cmd::SaveAllPages),
                    item(cmd::SaveCopy),
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "发送(&D)"),
                            {item(cmd::MailPage), item(cmd::MailAddress), item(cmd::DesktopShortcut), separator(),
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
                    item(cmd::AutoScroll),
                    item(cmd::CookieEditor),
                    item(cmd::PageProperties),
                    separator(),
                    item(cmd::CloseCurrentPage),
                    item(cmd::CloseAll),
                    item(cmd::CloseAllButCurrent),
                    item(cmd::CloseErrorPages),
                    separator(),
                    item(cmd::ReopenLastClosed),
                    popup(cmd::ClosedPagesPopup, QT_TRANSLATE_NOOP("MenuLayout", "撤销关闭的页面(&U)")),
                    separator(),
                    item(cmd::Offline),
                    item(cmd::HideFrame),
                    item(cmd::Exit),
                }),
        submenu(QT_TRANSLATE_NOOP("MenuLayout", "编辑(&E)"),
                {item(cmd::Undo), item(cmd::Redo), separator(), item(cmd::Cut), item(cmd::Copy), item(cmd::Paste),
                 item(cmd::SelectAll), separator(),
                 item(cmd::FindInPage), item(cmd::Highlight), item(cmd::DefaultSearch)}),
        submenu(QT_TRANSLATE_NOOP("MenuLayout", "查看(&V)"),
                {
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "工具栏(&T)"),
                            {item(cmd::SearchBar), item(cmd::TextLabels), item(cmd::ToolbarLock), separator(),
                             item(cmd::Customize)}),
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "浏览器栏(&E)"),
                            {item(cmd::FavoritesPanel), item(cmd::HistoryPanel)}),
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
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "文字大小(&X)"),
                            {item(cmd::TextSizeLargest), item(cmd::TextSizeLargest + 1),
                             item(cmd::TextSizeLargest + 2), item(cmd::TextSizeLargest + 3),
                             item(cmd::TextSizeSmallest)}),
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "编码(&E)"), encodings()),
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "外观(&S)"),
                            {item(cmd::ThemeModern), item(cmd::ThemePink), item(cmd::ThemeClassic)}),
                }),
        submenu(QT_TRANSLATE_NOOP("MenuLayout", "导航(&N)"),
                {
                    popup(cmd::GotoPopup, QT_TRANSLATE_NOOP("MenuLayout", "转到(&G)")),
                    popup(cmd::TranslatePopup, QT_TRANSLATE_NOOP("MenuLayout", "翻译(&R)")),
                    popup(cmd::SearchPopup, QT_TRANSLATE_NOOP("MenuLayout", "搜索(&S)")),
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "Web 目录(&D)"), webDirectory()),
                }),
        // The whole menu is the favorites, made anew when they changed.
        popup(cmd::FavoritesPopup, QT_TRANSLATE_NOOP("MenuLayout", "收藏夹(&A)")),
        submenu(QT_TRANSLATE_NOOP("MenuLayout", "工具(&T)"),
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
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "启动时(&S)"),
                            {item(cmd::StartBlank), item(cmd::StartHome), item(cmd::StartLastVisit),
                             item(cmd::StartUrlList), separator(), item(cmd::LoadRestoredWhenShown),
                             item(cmd::EditUrlList)}),
                    item(cmd::NewPageActive),
                    item(cmd::NewPageFollows),
                    item(cmd::NewOnAddress),
                    item(cmd::AutoComplete),
                    separator(),
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "邮件和新闻(&M)"),
                            {item(cmd::DefaultMail), item(cmd::AddressBook), separator(),
                             popup(cmd::MailProgramsPopup, QT_TRANSLATE_NOOP("MenuLayout", "电子邮件程序")),
                             popup(cmd::NewsProgramsPopup, QT_TRANSLATE_NOOP("MenuLayout", "新闻程序")),
                             popup(cmd::ContactsProgramsPopup, QT_TRANSLATE_NOOP("MenuLayout", "地址簿程序"))}),
                    popup(cmd::ProxyOrganize, QT_TRANSLATE_NOOP("MenuLayout", "多代理服务器"),
                          {item(cmd::ProxyToggle), item(cmd::ProxyRotation), item(cmd::ProxyOrganize),
                           item(cmd::ProxyListUpdate), item(cmd::CheckAnonymity)}),
                    submenu(QT_TRANSLATE_NOOP("MenuLayout", "清除(&C)"),
                            {item(cmd::CleanAll), separator(), item(cmd::CleanCookies), item(cmd::CleanCache),
                             item(cmd::CleanHistory), item(cmd::CleanAddresses), item(cmd::ClearSearch),
                             item(cmd::CleanTemp), item(cmd::CleanRecycleBin), item(cmd::CleanRecent),
                             item(cmd::CleanRunHistory), item(cmd::CleanFoundFiles), item(cmd::CleanFormPasswords),
                             item(cmd::CleanForms), item(cmd::CleanFoundComputers)}),
                    popup(cmd::UserToolsPopup, QT_TRANSLATE_NOOP("MenuLayout", "外部工具(&O)")),
                    separator(),
                    item(cmd::KeyboardMap),
                    item(cmd::InternetOptions),
                }),
        // The whole menu lists the Pages.
        submenu(QT_TRANSLATE_NOOP("MenuLayout", "窗口(&W)"), {{MenuNode::PagesList, 0, nullptr, nullptr, {}}}),
        submenu(QT_TRANSLATE_NOOP("MenuLayout", "帮助(&H)"),
                {item(cmd::Help), item(cmd::MakerWebSite), item(cmd::CheckNewVersion), separator(), item(cmd::About)}),
    };
}

} // namespace

QString MenuNode::shownTitle() const
{
    return title && *title ? QCoreApplication::translate(context, title) : QString();
}

const QList<MenuNode> &MenuLayout::menuBar()
{
    static const QList<MenuNode> layout = makeMenuBar();
    return layout;
}
