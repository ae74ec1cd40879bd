#include "frame/CommandTable.h"

#include "core/CommandIds.h"
#include "core/FrameCommandIds.h"

#include <QCoreApplication>
#include <QHash>

namespace {

using Keys = QList<QKeySequence>;

CommandInfo command(int id, const char *text, const char *prompt, Keys keys = {})
{
    return {id, text, prompt, std::move(keys), false, {}, QStyle::SP_CustomBase};
}

CommandInfo toggle(int id, const char *text, const char *prompt, Keys keys = {})
{
    CommandInfo info = command(id, text, prompt, std::move(keys));
    info.checkable = true;
    return info;
}

CommandInfo withIcon(CommandInfo info, const char *icon, QStyle::StandardPixmap fallback)
{
    info.icon = QLatin1String(icon);
    info.fallback = fallback;
    return info;
}

QList<CommandInfo> makeTable()
{
    QList<CommandInfo> t{
        // Pages
        withIcon(command(cmd::NewPage, QT_TRANSLATE_NOOP("CommandTable", "新建"),
                         QT_TRANSLATE_NOOP("CommandTable", "打开一个新的空白页")),
                 "tab-new", QStyle::SP_FileIcon),
        command(cmd::NewBlankPage, QT_TRANSLATE_NOOP("CommandTable", "空白页(&B)"),
                QT_TRANSLATE_NOOP("CommandTable", "打开一个新的空白页"), {QKeySequence(Qt::CTRL | Qt::Key_N)}),
        command(cmd::NewHomePage, QT_TRANSLATE_NOOP("CommandTable", "首页(&H)"),
                QT_TRANSLATE_NOOP("CommandTable", "在新的页面中打开主页")),
        command(cmd::DuplicatePage, QT_TRANSLATE_NOOP("CommandTable", "当前页(&R)"),
                QT_TRANSLATE_NOOP("CommandTable", "在新的页面中再打开当前页")),
        command(cmd::ClipboardPage, QT_TRANSLATE_NOOP("CommandTable", "剪贴板中的 URL (&C)"),
                QT_TRANSLATE_NOOP("CommandTable", "在新的页面中打开剪贴板中的地址"),
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)}),
        command(cmd::OpenDialog, QT_TRANSLATE_NOOP("CommandTable", "打开(&O)..."),
                QT_TRANSLATE_NOOP("CommandTable", "打开一个地址或文件"), {QKeySequence(Qt::CTRL | Qt::Key_O)}),
        command(cmd::OpenFiles, QT_TRANSLATE_NOOP("CommandTable", "打开文件(&F)..."),
                QT_TRANSLATE_NOOP("CommandTable", "在新的页面中打开一个或几个文件")),
        command(cmd::MakerWebSite, QT_TRANSLATE_NOOP("CommandTable", "Vesperal 主页(&W)"),
                QT_TRANSLATE_NOOP("CommandTable", "访问 Vesperal 的网站")),
        withIcon(command(cmd::CloseCurrentPage, QT_TRANSLATE_NOOP("CommandTable", "关闭当前页(&C)"),
                         QT_TRANSLATE_NOOP("CommandTable", "关闭当前页"),
                         {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)}),
                 "window-close", QStyle::SP_DialogCloseButton),
        command(cmd::CloseMenuTab, QT_TRANSLATE_NOOP("CommandTable", "关闭  (双击)(&C)"),
                QT_TRANSLATE_NOOP("CommandTable", "关闭这个页面")),
        command(cmd::CloseAll, QT_TRANSLATE_NOOP("CommandTable", "关闭全部窗口"),
                QT_TRANSLATE_NOOP("CommandTable", "关闭全部页面")),
        command(cmd::CloseAllButCurrent, QT_TRANSLATE_NOOP("CommandTable", "全部关闭- 保留当前页(&K)"),
                QT_TRANSLATE_NOOP("CommandTable", "关闭除当前页以外的全部页面")),
        command(cmd::CloseAllButMenuTab, QT_TRANSLATE_NOOP("CommandTable", "全部关闭- 保留该书签(&K)"),
                QT_TRANSLATE_NOOP("CommandTable", "关闭除这个页面以外的全部页面")),
        command(cmd::CloseMenuTabHost, QT_TRANSLATE_NOOP("CommandTable", "关闭该域全部书签(&D)"),
                QT_TRANSLATE_NOOP("CommandTable", "关闭这个网站的全部页面")),
        command(cmd::CloseErrorPages, QT_TRANSLATE_NOOP("CommandTable", "关闭全部错误页..."),
                QT_TRANSLATE_NOOP("CommandTable", "关闭全部打不开的页面")),
        withIcon(command(cmd::ReopenLastClosed, QT_TRANSLATE_NOOP("CommandTable", "打开最后关闭的页"),
                         QT_TRANSLATE_NOOP("CommandTable", "再打开最后关闭的页面")),
                 "edit-undo", QStyle::SP_ArrowLeft),
        toggle(cmd::LockMenuTab, QT_TRANSLATE_NOOP("CommandTable", "锁定该书签(&L)..."),
               QT_TRANSLATE_NOOP("CommandTable", "锁定的页面不会被关闭")),
        command(cmd::RefreshMenuTab, QT_TRANSLATE_NOOP("CommandTable", "刷新(&R)"),
                QT_TRANSLATE_NOOP("CommandTable", "刷新这个页面")),
        command(cmd::StopMenuTab, QT_TRANSLATE_NOOP("CommandTable", "停止(&S)"),
                QT_TRANSLATE_NOOP("CommandTable", "停止这个页面")),
        withIcon(command(cmd::Stop, QT_TRANSLATE_NOOP("CommandTable", "停止(&S)"),
                         QT_TRANSLATE_NOOP("CommandTable", "停止打开当前页"), {QKeySequence(Qt::Key_Escape)}),
                 "process-stop", QStyle::SP_BrowserStop),
        command(cmd::StopAll, QT_TRANSLATE_NOOP("CommandTable", "停止全部"),
                QT_TRANSLATE_NOOP("CommandTable", "停止打开全部页面")),
        withIcon(command(cmd::Refresh, QT_TRANSLATE_NOOP("CommandTable", "刷新(&R)"),
                         QT_TRANSLATE_NOOP("CommandTable", "刷新当前页"), {QKeySequence(Qt::Key_F5)}),
                 "view-refresh", QStyle::SP_BrowserReload),
        command(cmd::RefreshAll, QT_TRANSLATE_NOOP("CommandTable", "刷新全部"),
                QT_TRANSLATE_NOOP("CommandTable", "刷新全部页面")),
        withIcon(command(cmd::Back, QT_TRANSLATE_NOOP("CommandTable", "后退(&B)"),
                         QT_TRANSLATE_NOOP("CommandTable", "后退到上一页"), {QKeySequence(Qt::ALT | Qt::Key_Left)}),
                 "go-previous", QStyle::SP_ArrowBack),
        withIcon(command(cmd::Forward, QT_TRANSLATE_NOOP("CommandTable", "前进(&F)"),
                         QT_TRANSLATE_NOOP("CommandTable", "前进到下一页"), {QKeySequence(Qt::ALT | Qt::Key_Right)}),
                 "go-next", QStyle::SP_ArrowForward),
        withIcon(command(cmd::Home, QT_TRANSLATE_NOOP("CommandTable", "主页(&H)"),
                         QT_TRANSLATE_NOOP("CommandTable", "打开主页")),
                 "go-home", QStyle::SP_DirHomeIcon),
        command(cmd::Cut, QT_TRANSLATE_NOOP("CommandTable", "剪切(&T)"),
                QT_TRANSLATE_NOOP("CommandTable", "剪切选定的内容"), {QKeySequence::Cut}),
        command(cmd::Copy, QT_TRANSLATE_NOOP("CommandTable", "复制(&C)"),
                QT_TRANSLATE_NOOP("CommandTable", "复制选定的内容"), {QKeySequence::Copy}),
        command(cmd::Paste, QT_TRANSLATE_NOOP("CommandTable", "粘贴(&P)"),
                QT_TRANSLATE_NOOP("CommandTable", "粘贴剪贴板的内容"), {QKeySequence::Paste}),
        command(cmd::SelectAll, QT_TRANSLATE_NOOP("CommandTable", "全选(&A)"),
                QT_TRANSLATE_NOOP("CommandTable", "选定全部内容"), {QKeySequence::SelectAll}),
        command(cmd::Undo, QT_TRANSLATE_NOOP("CommandTable", "撤销(&U)"),
                QT_TRANSLATE_NOOP("CommandTable", "撤销上一步操作"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}),
        command(cmd::Redo, QT_TRANSLATE_NOOP("CommandTable", "重做(&R)"),
                QT_TRANSLATE_NOOP("CommandTable", "重做上一步撤销的操作")),
        command(cmd::SavePage, QT_TRANSLATE_NOOP("CommandTable", "保存(&S)..."),
                QT_TRANSLATE_NOOP("CommandTable", "保存当前页"), {QKeySequence(Qt::CTRL | Qt::Key_S)}),
        command(cmd::SaveAsHtml, QT_TRANSLATE_NOOP("CommandTable", "保存为 HTML(&H)..."),
                QT_TRANSLATE_NOOP("CommandTable", "只把当前页的 HTML 保存为一个文件")),
        command(cmd::ClonePage, QT_TRANSLATE_NOOP("CommandTable", "克隆该页！(&C)"),
                QT_TRANSLATE_NOOP("CommandTable", "把当前页和它链接的网页保存到磁盘")),
        command(cmd::SaveAllPages, QT_TRANSLATE_NOOP("CommandTable", "保存全部被打开..."),
                QT_TRANSLATE_NOOP("CommandTable", "把全部打开的网页保存到磁盘")),
        withIcon(command(cmd::SaveCopy, QT_TRANSLATE_NOOP("CommandTable", "复制另存当前页..."),
                         QT_TRANSLATE_NOOP("CommandTable", "把当前页的复制保存为一个 Web 档案文件\n保存复制")),
                 "document-save-as", QStyle::SP_DialogSaveButton),
        command(cmd::PrintPage, QT_TRANSLATE_NOOP("CommandTable", "打印(&P)..."),
                QT_TRANSLATE_NOOP("CommandTable", "打印当前页"), {QKeySequence(Qt::CTRL | Qt::Key_P)}),
        command(cmd::PrintSetup, QT_TRANSLATE_NOOP("CommandTable", "打印设置..."),
                QT_TRANSLATE_NOOP("CommandTable", "选择打印的纸张、方向和页边距")),
        command(cmd::PrintPreview, QT_TRANSLATE_NOOP("CommandTable", "打印预览..."),
                QT_TRANSLATE_NOOP("CommandTable", "显示当前页打印出来的样子")),
        command(cmd::PageProperties, QT_TRANSLATE_NOOP("CommandTable", "属性..."),
                QT_TRANSLATE_NOOP("CommandTable", "显示当前页的属性")),
        command(cmd::MenuTabProperties, QT_TRANSLATE_NOOP("CommandTable", "属性..."),
                QT_TRANSLATE_NOOP("CommandTable", "显示这个页面的属性")),
        command(cmd::ViewSource, QT_TRANSLATE_NOOP("CommandTable", "查看源文件(&V)"),
                QT_TRANSLATE_NOOP("CommandTable", "在新的页面中显示当前页的源文件")),
        toggle(cmd::EditMode, QT_TRANSLATE_NOOP("CommandTable", "编辑模式"),
               QT_TRANSLATE_NOOP("CommandTable", "直接编辑当前页")),
        withIcon(command(cmd::AutoScroll, QT_TRANSLATE_NOOP("CommandTable", "自动滚动网页"),
                         QT_TRANSLATE_NOOP("CommandTable", "慢慢向下滚动当前页, 点击或按键就停止\n滚屏")),
                 "go-down", QStyle::SP_ArrowDown),
        command(cmd::InternetOptions, QT_TRANSLATE_NOOP("CommandTable", "Internet 选项(&I)"),
                QT_TRANSLATE_NOOP("CommandTable", "设置连接网络的代理服务器")),
        command(cmd::CookieEditor, QT_TRANSLATE_NOOP("CommandTable", "该网页的小甜点(&K)"),
                QT_TRANSLATE_NOOP("CommandTable", "查看和更改当前页的小甜点 (Cookie)")),
        command(cmd::ViewText, QT_TRANSLATE_NOOP("CommandTable", "查看文字(&T)"),
                QT_TRANSLATE_NOOP("CommandTable", "在文本编辑器中显示当前页的文字")),
        withIcon(command(cmd::OneLevelUp, QT_TRANSLATE_NOOP("CommandTable", "上一目录(&U)"),
                         QT_TRANSLATE_NOOP("CommandTable", "打开地址的上一级目录")),
                 "go-up", QStyle::SP_FileDialogToParent),
        command(cmd::DesktopShortcut, QT_TRANSLATE_NOOP("CommandTable", "发送桌面快捷方式(&S)"),
                QT_TRANSLATE_NOOP("CommandTable", "在桌面上建立当前页的快捷方式")),
        command(cmd::MailPage, QT_TRANSLATE_NOOP("CommandTable", "发送电子邮件页面(&P)"),
                QT_TRANSLATE_NOOP("CommandTable", "用电子邮件发送当前页")),
        command(cmd::MailAddress, QT_TRANSLATE_NOOP("CommandTable", "发送电子邮件链接(&L)"),
                QT_TRANSLATE_NOOP("CommandTable", "用电子邮件发送当前页的地址")),
        command(cmd::TellFriend, QT_TRANSLATE_NOOP("CommandTable", "经由电子邮件告诉朋友(&T)..."),
                QT_TRANSLATE_NOOP("CommandTable", "用电子邮件向当前页链接的地址推荐 Vesperal")),
        command(cmd::OpenInDefaultBrowser, QT_TRANSLATE_NOOP("CommandTable", "在默认浏览器中打开(&B)"),
                QT_TRANSLATE_NOOP("CommandTable", "在桌面的默认浏览器中打开当前页")),
        toggle(cmd::LoadImages, QT_TRANSLATE_NOOP("CommandTable", "载入图像(&I)"),
               QT_TRANSLATE_NOOP("CommandTable", "页面显示图像")),
        toggle(cmd::LoadVideos, QT_TRANSLATE_NOOP("CommandTable", "载入视频(&V)"),
               QT_TRANSLATE_NOOP("CommandTable", "页面播放视频")),
        toggle(cmd::LoadSounds, QT_TRANSLATE_NOOP("CommandTable", "载入声音(&S)"),
               QT_TRANSLATE_NOOP("CommandTable", "页面播放背景声音")),
        toggle(cmd::LoadAnimations, QT_TRANSLATE_NOOP("CommandTable", "载入动画(&A)"),
               QT_TRANSLATE_NOOP("CommandTable", "页面播放动画")),
        toggle(cmd::NoScript, QT_TRANSLATE_NOOP("CommandTable", "禁用脚本"),
               QT_TRANSLATE_NOOP("CommandTable", "页面不运行脚本")),
        toggle(cmd::NoJava, QT_TRANSLATE_NOOP("CommandTable", "禁用 JAVA(&J)"),
               QT_TRANSLATE_NOOP("CommandTable", "页面不运行 Java")),
        toggle(cmd::NoActiveX, QT_TRANSLATE_NOOP("CommandTable", "禁用 ActiveX"),
               QT_TRANSLATE_NOOP("CommandTable", "页面不运行插件")),

        // The frame
        toggle(cmd::Offline, QT_TRANSLATE_NOOP("CommandTable", "脱机工作(&L)"),
               QT_TRANSLATE_NOOP("CommandTable", "不连接网络, 只显示已保存的内容")),
        command(cmd::Customize, QT_TRANSLATE_NOOP("CommandTable", "自定义(&C)..."),
                QT_TRANSLATE_NOOP("CommandTable", "自定义工具栏")),
        toggle(cmd::SearchBar, QT_TRANSLATE_NOOP("CommandTable", "搜索栏(&E)"),
               QT_TRANSLATE_NOOP("CommandTable", "显示或隐藏搜索栏")),
        command(cmd::KeyboardMap, QT_TRANSLATE_NOOP("CommandTable", "快捷键列表(&K)..."),
                QT_TRANSLATE_NOOP("CommandTable", "显示全部快捷键")),
        // The proxy
        toggle(cmd::ProxyToggle, QT_TRANSLATE_NOOP("CommandTable", "启用代理服务器(&E)"),
               QT_TRANSLATE_NOOP("CommandTable", "启用代理服务器，你能够匿名冲浪。")),
        toggle(cmd::ProxyRotation, QT_TRANSLATE_NOOP("CommandTable", "自动更改伪装(多代理服务器)"),
               QT_TRANSLATE_NOOP("CommandTable", "在一秒到 60 秒之间自动更改伪装。")),
        command(cmd::ProxyOrganize, QT_TRANSLATE_NOOP("CommandTable", "整理代理服务器(&O)..."),
                QT_TRANSLATE_NOOP("CommandTable", "整理代理服务器，更新代理服务器列表。")),
        command(cmd::ProxyListUpdate, QT_TRANSLATE_NOOP("CommandTable", "更新代理服务器列表(&U)..."),
                QT_TRANSLATE_NOOP("CommandTable", "更新代理服务器列表。你现在务必是在线。")),
        command(cmd::CheckAnonymity, QT_TRANSLATE_NOOP("CommandTable", "检查匿名(&C)..."),
                QT_TRANSLATE_NOOP("CommandTable", "匿名检查")),
        command(cmd::Help, QT_TRANSLATE_NOOP("CommandTable", "帮助主题(&H)"),
                QT_TRANSLATE_NOOP("CommandTable", "打开帮助"), {QKeySequence(Qt::CTRL | Qt::Key_F1)}),
        command(cmd::CheckNewVersion, QT_TRANSLATE_NOOP("CommandTable", "检查新版本(&N)"),
                QT_TRANSLATE_NOOP("CommandTable", "检查新版本Vesperal浏览器。")),
        command(cmd::About, QT_TRANSLATE_NOOP("CommandTable", "关于Vesperal(&A)..."),
                QT_TRANSLATE_NOOP("CommandTable", "显示程序信息，版本号和版权")),
        command(cmd::DefaultMail, QT_TRANSLATE_NOOP("CommandTable", "默认电子邮件(&E)"),
                QT_TRANSLATE_NOOP("CommandTable", "启动默认的电子邮件程序")),
        command(cmd::AddressBook, QT_TRANSLATE_NOOP("CommandTable", "地址簿(&A)"),
                QT_TRANSLATE_NOOP("CommandTable", "启动默认的地址簿程序")),
        toggle(cmd::TextSizeLargest, QT_TRANSLATE_NOOP("CommandTable", "最大的"),
               QT_TRANSLATE_NOOP("CommandTable", "页面文字最大")),
        toggle(cmd::TextSizeLargest + 1, QT_TRANSLATE_NOOP("CommandTable", "较大"),
               QT_TRANSLATE_NOOP("CommandTable", "页面文字较大")),
        toggle(cmd::TextSizeLargest + 2, QT_TRANSLATE_NOOP("CommandTable", "中等"),
               QT_TRANSLATE_NOOP("CommandTable", "页面文字中等")),
        toggle(cmd::TextSizeLargest + 3, QT_TRANSLATE_NOOP("CommandTable", "较小"),
               QT_TRANSLATE_NOOP("CommandTable", "页面文字较小")),
        toggle(cmd::TextSizeSmallest, QT_TRANSLATE_NOOP("CommandTable", "Smallest"),
               QT_TRANSLATE_NOOP("CommandTable", "页面文字最小")),
        command(cmd::HideFrame, QT_TRANSLATE_NOOP("CommandTable", "隐藏(&H)"),
                QT_TRANSLATE_NOOP("CommandTable", "隐藏窗口, 按 Ctrl+Q 再显示"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}),
        toggle(cmd::ExplorerBar, QT_TRANSLATE_NOOP("CommandTable", "显示/隐藏 浏览器栏"),
               QT_TRANSLATE_NOOP("CommandTable", "显示/隐藏 浏览器栏")),
        // Favorites and history
        command(cmd::AddFavorite, QT_TRANSLATE_NOOP("CommandTable", "添加到收藏夹(&A)..."),
                QT_TRANSLATE_NOOP("CommandTable", "添加当前页到收藏夹。"), {QKeySequence(Qt::CTRL | Qt::Key_D)}),
        command(cmd::AddMenuTabFavorite, QT_TRANSLATE_NOOP("CommandTable", "添加到收藏夹..."),
                QT_TRANSLATE_NOOP("CommandTable", "添加这个页面到收藏夹")),
        command(cmd::OrganizeFavorites, QT_TRANSLATE_NOOP("CommandTable", "整理收藏夹(&O)..."),
                QT_TRANSLATE_NOOP("CommandTable", "整理收藏夹"), {QKeySequence(Qt::CTRL | Qt::Key_B)}),
        command(cmd::ImportFavorites, QT_TRANSLATE_NOOP("CommandTable", "导入收藏夹..."),
                QT_TRANSLATE_NOOP("CommandTable", "从书签文件导入收藏夹")),
        command(cmd::ExportFavorites, QT_TRANSLATE_NOOP("CommandTable", "导出收藏夹..."),
                QT_TRANSLATE_NOOP("CommandTable", "把收藏夹导出到书签文件")),
        toggle(cmd::FavoritesPanel, QT_TRANSLATE_NOOP("CommandTable", "收藏夹(&F)"),
               QT_TRANSLATE_NOOP("CommandTable", "查看收藏夹"), {QKeySequence(Qt::CTRL | Qt::Key_I)}),
        toggle(cmd::HistoryPanel, QT_TRANSLATE_NOOP("CommandTable", "历史(&H)"),
               QT_TRANSLATE_NOOP("CommandTable", "查看历史"), {QKeySequence(Qt::CTRL | Qt::Key_H)}),
        withIcon(toggle(cmd::FullScreen, QT_TRANSLATE_NOOP("CommandTable", "全屏"),
                        QT_TRANSLATE_NOOP("CommandTable", "全屏显示页面"), {QKeySequence(Qt::Key_F11)}),
                 "view-fullscreen", QStyle::SP_TitleBarMaxButton),
        toggle(cmd::StartBlank, QT_TRANSLATE_NOOP("CommandTable", "空白页"),
               QT_TRANSLATE_NOOP("CommandTable", "启动时打开空白页")),
        toggle(cmd::StartHome, QT_TRANSLATE_NOOP("CommandTable", "主页"),
               QT_TRANSLATE_NOOP("CommandTable", "启动时打开主页")),
        toggle(cmd::StartLastVisit, QT_TRANSLATE_NOOP("CommandTable", "上次浏览的页面"),
               QT_TRANSLATE_NOOP("CommandTable", "启动时打开上次浏览的页面")),
        toggle(cmd::StartUrlList, QT_TRANSLATE_NOOP("CommandTable", "URL 列表"),
               QT_TRANSLATE_NOOP("CommandTable", "启动时打开 URL 列表中的页面")),
        toggle(cmd::NewPageActive, QT_TRANSLATE_NOOP("CommandTable", "最前面显示正在打开的页面"),
               QT_TRANSLATE_NOOP("CommandTable", "新打开的页面显示在最前面")),
        toggle(cmd::NewPageFollows, QT_TRANSLATE_NOOP("CommandTable", "新打开的窗口紧靠当前窗口"),
               QT_TRANSLATE_NOOP("CommandTable", "新打开的页面放在当前页后面")),
        toggle(cmd::ScriptErrors, QT_TRANSLATE_NOOP("CommandTable", "禁止弹出错误信息(&E)"),
               QT_TRANSLATE_NOOP("CommandTable", "脚本错误只显示在状态栏")),
        toggle(cmd::PopupBlocking, QT_TRANSLATE_NOOP("CommandTable", "禁止弹出窗口(&K)"),
               QT_TRANSLATE_NOOP("CommandTable", "禁止网页自己打开的窗口")),
        command(cmd::PreviousPage, QT_TRANSLATE_NOOP("CommandTable", "上一书签(&P)"),
                QT_TRANSLATE_NOOP("CommandTable", "选择上一个页面"), {QKeySequence(Qt::Key_F2)}),
        command(cmd::NextPage, QT_TRANSLATE_NOOP("CommandTable", "下一书签(&N)"),
                QT_TRANSLATE_NOOP("CommandTable", "选择下一个页面"), {QKeySequence(Qt::Key_F3)}),
        toggle(cmd::TabsAtBottom, QT_TRANSLATE_NOOP("CommandTable", "书签在底部显示(&B)"),
               QT_TRANSLATE_NOOP("CommandTable", "把书签栏放在窗口底部")),
        toggle(cmd::ToolbarLock, QT_TRANSLATE_NOOP("CommandTable", "锁定工具栏(&O)"),
               QT_TRANSLATE_NOOP("CommandTable", "锁定工具栏的位置")),
        toggle(cmd::StatusTextFilter, QT_TRANSLATE_NOOP("CommandTable", "禁止状态栏滚动字幕(&S)"),
               QT_TRANSLATE_NOOP("CommandTable", "状态栏只显示地址")),
        toggle(cmd::ThemePink, QT_TRANSLATE_NOOP("CommandTable", "粉红色(&P)"),
               QT_TRANSLATE_NOOP("CommandTable", "粉红色的外观")),
        toggle(cmd::ThemeModern, QT_TRANSLATE_NOOP("CommandTable", "XP 主题(&X)"),
               QT_TRANSLATE_NOOP("CommandTable", "清新明亮的外观")),
        toggle(cmd::ThemeClassic, QT_TRANSLATE_NOOP("CommandTable", "Windows 传统(&W)"),
               QT_TRANSLATE_NOOP("CommandTable", "传统的外观")),
        toggle(cmd::TextLabels, QT_TRANSLATE_NOOP("CommandTable", "显示文字标签(&X)"),
               QT_TRANSLATE_NOOP("CommandTable", "在常用工具栏的按钮下显示文字")),
        toggle(cmd::Sounds, QT_TRANSLATE_NOOP("CommandTable", "点击时播放声音..."),
               QT_TRANSLATE_NOOP("CommandTable", "点击时播放声音")),
        command(cmd::Exit, QT_TRANSLATE_NOOP("CommandTable", "退出(&X)"),
                QT_TRANSLATE_NOOP("CommandTable", "关闭 Vesperal")),
        withIcon(command(cmd::Go, QT_TRANSLATE_NOOP("CommandTable", "转到"),
                         QT_TRANSLATE_NOOP("CommandTable", "打开地址栏中的地址"), {QKeySequence(Qt::CTRL | Qt::Key_G)}),
                 "go-jump", QStyle::SP_CommandLink),
        command(cmd::FocusAddressBar, QT_TRANSLATE_NOOP("CommandTable", "SetFocusToAddressBar"),
                QT_TRANSLATE_NOOP("CommandTable", "把焦点移到地址栏"), {QKeySequence(Qt::ALT | Qt::Key_D)}),
        command(cmd::AddressPartBack, QT_TRANSLATE_NOOP("CommandTable", "地址的上一部分"),
                QT_TRANSLATE_NOOP("CommandTable", "选中地址中的上一部分"), {QKeySequence(Qt::CTRL | Qt::Key_Left)}),
        command(cmd::AddressPartForward, QT_TRANSLATE_NOOP("CommandTable", "地址的下一部分"),
                QT_TRANSLATE_NOOP("CommandTable", "选中地址中的下一部分"), {QKeySequence(Qt::CTRL | Qt::Key_Right)}),
        toggle(cmd::NewOnAddress, QT_TRANSLATE_NOOP("CommandTable", "输入地址在新窗口打开(&N)"),
               QT_TRANSLATE_NOOP("CommandTable", "在新的页面中打开地址栏里输入的地址")),
        toggle(cmd::AutoComplete, QT_TRANSLATE_NOOP("CommandTable", "自动完成功能(&F)..."),
               QT_TRANSLATE_NOOP("CommandTable", "输入地址时提示和补全")),
        withIcon(command(cmd::DefaultSearch, QT_TRANSLATE_NOOP("CommandTable", "转到默认搜索引擎"),
                         QT_TRANSLATE_NOOP("CommandTable", "用默认的搜索引擎搜索查找框里的文字"),
                         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
                 "system-search", QStyle::SP_FileDialogContentsView),
        withIcon(command(cmd::FindInPage, QT_TRANSLATE_NOOP("CommandTable", "在本页查找"),
                         QT_TRANSLATE_NOOP("CommandTable", "在本页查找当前的词")),
                 "edit-find", QStyle::SP_FileDialogDetailedView),
        withIcon(command(cmd::Highlight, QT_TRANSLATE_NOOP("CommandTable", "标记符"),
                         QT_TRANSLATE_NOOP("CommandTable", "在本页标记查找框里的全部词"),
                         {QKeySequence(Qt::CTRL | Qt::Key_M)}),
                 "format-text-underline", QStyle::SP_DialogApplyButton),
        command(cmd::SearchAll, QT_TRANSLATE_NOOP("CommandTable", "全部搜索"),
                QT_TRANSLATE_NOOP("CommandTable", "用全部搜索引擎搜索查找框里的文字")),
        command(cmd::ClearSearch, QT_TRANSLATE_NOOP("CommandTable", "清除搜索"),
                QT_TRANSLATE_NOOP("CommandTable", "清除搜索关键字")),
        // The privacy cleaner
        command(cmd::CleanAll, QT_TRANSLATE_NOOP("CommandTable", "清除全部(&A)"),
                QT_TRANSLATE_NOOP("CommandTable", "清除以下全部")),
        command(cmd::CleanCookies, QT_TRANSLATE_NOOP("CommandTable", "清除小甜点(&C)"),
                QT_TRANSLATE_NOOP("CommandTable", "清除你的计算机的cookies")),
        command(cmd::CleanCache, QT_TRANSLATE_NOOP("CommandTable", "清除 Cache"),
                ""),
        command(cmd::CleanHistory, QT_TRANSLATE_NOOP("CommandTable", "清除历史"),
                ""),
        command(cmd::CleanAddresses, QT_TRANSLATE_NOOP("CommandTable", "清除地址"),
                ""),
        command(cmd::CleanTemp, QT_TRANSLATE_NOOP("CommandTable", "清除临时文件"),
                ""),
        command(cmd::CleanRecycleBin, QT_TRANSLATE_NOOP("CommandTable", "清除回收站"),
                QT_TRANSLATE_NOOP("CommandTable", "清空回收站")),
        command(cmd::CleanRecent, QT_TRANSLATE_NOOP("CommandTable", "清除最近打开文件"),
                QT_TRANSLATE_NOOP("CommandTable", "清除历史文档")),
        command(cmd::CleanRunHistory, QT_TRANSLATE_NOOP("CommandTable", "清除运行历史记录"),
                QT_TRANSLATE_NOOP("CommandTable", "清除运行历史")),
        command(cmd::CleanFoundFiles, QT_TRANSLATE_NOOP("CommandTable", "清除查找文件记录"),
                ""),
        command(cmd::CleanFormPasswords, QT_TRANSLATE_NOOP("CommandTable", "清除自动完成密码"),
                QT_TRANSLATE_NOOP("CommandTable", "清除自动完成密码")),
        command(cmd::CleanForms, QT_TRANSLATE_NOOP("CommandTable", "清除自动完成表单"),
                QT_TRANSLATE_NOOP("CommandTable", "清除自动完成表单")),
        command(cmd::CleanFoundComputers, QT_TRANSLATE_NOOP("CommandTable", "清除查找到的计算机"),
                QT_TRANSLATE_NOOP("CommandTable", "清除查找到的电脑")),
        command(cmd::CustomizeSearch, QT_TRANSLATE_NOOP("CommandTable", "自定义引擎"),
                QT_TRANSLATE_NOOP("CommandTable", "编辑搜索引擎列表 (SearchEngines.ini)")),
        command(cmd::CustomizeTranslate, QT_TRANSLATE_NOOP("CommandTable", "自定义..."),
                QT_TRANSLATE_NOOP("CommandTable", "编辑翻译服务列表 (TranslateEngines.ini)")),
        toggle(cmd::LoadRestoredWhenShown, QT_TRANSLATE_NOOP("CommandTable", "恢复的页面在显示时才打开"),
               QT_TRANSLATE_NOOP("CommandTable", "上次浏览的页面在第一次显示时才打开, 启动更快")),
        command(cmd::EditUrlList, QT_TRANSLATE_NOOP("CommandTable", "自定义 URL 列表"),
                QT_TRANSLATE_NOOP("CommandTable", "编辑启动时打开的 URL 列表 (startuplist.txt)")),
    };
    return t;
}

} // namespace

QString CommandInfo::menuText() const
{
    return QCoreApplication::translate("CommandTable", text);
}

QString CommandInfo::promptText() const
{
    return *prompt ? QCoreApplication::translate("CommandTable", prompt) : QString();
}

const QList<CommandInfo> &CommandTable::all()
{
    static const QList<CommandInfo> table = makeTable();
    return table;
}

const CommandInfo *CommandTable::find(int id)
{
    static const QHash<int, qsizetype> index = [] {
        QHash<int, qsizetype> map;
        const auto &table = all();
        for (qsizetype i = 0; i < table.size(); ++i)
            map.insert(table[i].id, i);
        return map;
    }();
    const auto it = index.constFind(id);
    return it == index.constEnd() ? nullptr : &all()[*it];
}
