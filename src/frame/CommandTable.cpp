#include "frame/CommandTable.h"

#include "core/CommandIds.h"
#include "core/FrameCommandIds.h"

#include <QHash>

namespace {

using Keys = QList<QKeySequence>;

CommandInfo command(int id, const char *text, const char *prompt, Keys keys = {})
{
    return {id, QString::fromUtf8(text), QString::fromUtf8(prompt), std::move(keys), false, {}, QStyle::SP_CustomBase};
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
        withIcon(command(cmd::NewPage, "新建", "打开一个新的空白页"), "tab-new", QStyle::SP_FileIcon),
        command(cmd::NewBlankPage, "空白页(&B)", "打开一个新的空白页", {QKeySequence(Qt::CTRL | Qt::Key_N)}),
        command(cmd::NewHomePage, "首页(&H)", "在新的页面中打开主页"),
        command(cmd::DuplicatePage, "当前页(&R)", "在新的页面中再打开当前页"),
        command(cmd::ClipboardPage, "剪贴板中的 URL (&C)", "在新的页面中打开剪贴板中的地址",
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)}),
        command(cmd::OpenDialog, "打开(&O)...", "打开一个地址或文件", {QKeySequence(Qt::CTRL | Qt::Key_O)}),
        command(cmd::OpenFiles, "打开文件(&F)...", "在新的页面中打开一个或几个文件"),
        command(cmd::MakerWebSite, "Vesperal 主页(&W)", "访问 Vesperal 的网站"),
        withIcon(command(cmd::CloseCurrentPage, "关闭当前页(&C)", "关闭当前页",
                         {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)}),
                 "window-close", QStyle::SP_DialogCloseButton),
        command(cmd::CloseMenuTab, "关闭  (双击)(&C)", "关闭这个页面"),
        command(cmd::CloseAll, "关闭全部窗口", "关闭全部页面"),
        command(cmd::CloseAllButCurrent, "全部关闭- 保留当前页(&K)", "关闭除当前页以外的全部页面"),
        command(cmd::CloseAllButMenuTab, "全部关闭- 保留该书签(&K)", "关闭除这个页面以外的全部页面"),
        command(cmd::CloseMenuTabHost, "关闭该域全部书签(&D)", "关闭这个网站的全部页面"),
        command(cmd::CloseErrorPages, "关闭全部错误页...", "关闭全部打不开的页面"),
        withIcon(command(cmd::ReopenLastClosed, "打开最后关闭的页", "再打开最后关闭的页面"), "edit-undo",
                 QStyle::SP_ArrowLeft),
        toggle(cmd::LockMenuTab, "锁定该书签(&L)...", "锁定的页面不会被关闭"),
        command(cmd::RefreshMenuTab, "刷新(&R)", "刷新这个页面"),
        command(cmd::StopMenuTab, "停止(&S)", "停止这个页面"),
        withIcon(command(cmd::Stop, "停止(&S)", "停止打开当前页", {QKeySequence(Qt::Key_Escape)}), "process-stop",
                 QStyle::SP_BrowserStop),
        command(cmd::StopAll, "停止全部", "停止打开全部页面"),
        withIcon(command(cmd::Refresh, "刷新(&R)", "刷新当前页", {QKeySequence(Qt::Key_F5)}), "view-refresh",
                 QStyle::SP_BrowserReload),
        command(cmd::RefreshAll, "刷新全部", "刷新全部页面"),
        withIcon(command(cmd::Back, "后退(&B)", "后退到上一页", {QKeySequence(Qt::ALT | Qt::Key_Left)}), "go-previous",
                 QStyle::SP_ArrowBack),
        withIcon(command(cmd::Forward, "前进(&F)", "前进到下一页", {QKeySequence(Qt::ALT | Qt::Key_Right)}),
                 "go-next", QStyle::SP_ArrowForward),
        withIcon(command(cmd::Home, "主页(&H)", "打开主页"), "go-home", QStyle::SP_DirHomeIcon),
        command(cmd::Cut, "剪切(&T)", "剪切选定的内容", {QKeySequence::Cut}),
        command(cmd::Copy, "复制(&C)", "复制选定的内容", {QKeySequence::Copy}),
        command(cmd::Paste, "粘贴(&P)", "粘贴剪贴板的内容", {QKeySequence::Paste}),
        command(cmd::SelectAll, "全选(&A)", "选定全部内容", {QKeySequence::SelectAll}),
        command(cmd::Undo, "撤销(&U)", "撤销上一步操作", {QKeySequence(Qt::CTRL | Qt::Key_Z)}),
        command(cmd::Redo, "重做(&R)", "重做上一步撤销的操作"),
        command(cmd::SavePage, "保存(&S)...", "保存当前页", {QKeySequence(Qt::CTRL | Qt::Key_S)}),
        command(cmd::SaveAsHtml, "保存为 HTML(&H)...", "只把当前页的 HTML 保存为一个文件"),
        command(cmd::PrintPage, "打印(&P)...", "打印当前页", {QKeySequence(Qt::CTRL | Qt::Key_P)}),
        command(cmd::PrintSetup, "打印设置...", "选择打印的纸张、方向和页边距"),
        command(cmd::PrintPreview, "打印预览...", "显示当前页打印出来的样子"),
        command(cmd::PageProperties, "属性...", "显示当前页的属性"),
        command(cmd::MenuTabProperties, "属性...", "显示这个页面的属性"),
        command(cmd::ViewSource, "查看源文件(&V)", "在新的页面中显示当前页的源文件"),
        toggle(cmd::EditMode, "编辑模式", "直接编辑当前页"),
        command(cmd::CookieEditor, "该网页的小甜点(&K)", "查看和更改当前页的小甜点 (Cookie)"),
        command(cmd::ViewText, "查看文字(&T)", "在文本编辑器中显示当前页的文字"),
        withIcon(command(cmd::OneLevelUp, "上一目录(&U)", "打开地址的上一级目录"), "go-up", QStyle::SP_FileDialogToParent),
        command(cmd::DesktopShortcut, "发送桌面快捷方式(&S)", "在桌面上建立当前页的快捷方式"),
        command(cmd::MailAddress, "发送电子邮件链接(&L)", "用电子邮件发送当前页的地址"),
        command(cmd::TellFriend, "经由电子邮件告诉朋友(&T)...", "用电子邮件向当前页链接的地址推荐 Vesperal"),
        command(cmd::OpenInDefaultBrowser, "在默认浏览器中打开(&B)", "在桌面的默认浏览器中打开当前页"),
        toggle(cmd::LoadImages, "载入图像(&I)", "页面显示图像"),
        toggle(cmd::LoadVideos, "载入视频(&V)", "页面播放视频"),
        toggle(cmd::LoadSounds, "载入声音(&S)", "页面播放背景声音"),
        toggle(cmd::LoadAnimations, "载入动画(&A)", "页面播放动画"),
        toggle(cmd::NoScript, "禁用脚本", "页面不运行脚本"),
        toggle(cmd::NoJava, "禁用 JAVA(&J)", "页面不运行 Java"),
        toggle(cmd::NoActiveX, "禁用 ActiveX", "页面不运行插件"),

        // The frame
        toggle(cmd::Offline, "脱机工作(&L)", "不连接网络, 只显示已保存的内容"),
        command(cmd::Customize, "自定义(&C)...", "自定义工具栏"),
        toggle(cmd::SearchBar, "搜索栏(&E)", "显示或隐藏搜索栏"),
        command(cmd::KeyboardMap, "快捷键列表(&K)...", "显示全部快捷键"),
        // The proxy
        toggle(cmd::ProxyToggle, "启用代理服务器(&E)", "启用代理服务器，你能够匿名冲浪。"),
        toggle(cmd::ProxyRotation, "自动更改伪装(多代理服务器)", "在一秒到 60 秒之间自动更改伪装。"),
        command(cmd::ProxyOrganize, "整理代理服务器(&O)...", "整理代理服务器，更新代理服务器列表。"),
        command(cmd::ProxyListUpdate, "更新代理服务器列表(&U)...", "更新代理服务器列表。你现在务必是在线。"),
        command(cmd::CheckAnonymity, "检查匿名(&C)...", "匿名检查"),
        command(cmd::Help, "帮助主题(&H)", "打开帮助", {QKeySequence(Qt::CTRL | Qt::Key_F1)}),
        command(cmd::CheckNewVersion, "检查新版本(&N)", "检查新版本Vesperal浏览器。"),
        command(cmd::About, "关于Vesperal(&A)...", "显示程序信息，版本号和版权"),
        command(cmd::DefaultMail, "默认电子邮件(&E)", "启动默认的电子邮件程序"),
        command(cmd::AddressBook, "地址簿(&A)", "启动默认的地址簿程序"),
        toggle(cmd::TextSizeLargest, "最大的", "页面文字最大"),
        toggle(cmd::TextSizeLargest + 1, "较大", "页面文字较大"),
        toggle(cmd::TextSizeLargest + 2, "中等", "页面文字中等"),
        toggle(cmd::TextSizeLargest + 3, "较小", "页面文字较小"),
        toggle(cmd::TextSizeSmallest, "Smallest", "页面文字最小"),
        command(cmd::HideFrame, "隐藏(&H)", "隐藏窗口, 按 Ctrl+Q 再显示", {QKeySequence(Qt::CTRL | Qt::Key_Q)}),
        toggle(cmd::ExplorerBar, "显示/隐藏 浏览器栏", "显示/隐藏 浏览器栏"),
        // Favorites and history
        command(cmd::AddFavorite, "添加到收藏夹(&A)...", "添加当前页到收藏夹。", {QKeySequence(Qt::CTRL | Qt::Key_D)}),
        command(cmd::AddMenuTabFavorite, "添加到收藏夹...", "添加这个页面到收藏夹"),
        command(cmd::OrganizeFavorites, "整理收藏夹(&O)...", "整理收藏夹", {QKeySequence(Qt::CTRL | Qt::Key_B)}),
        command(cmd::ImportFavorites, "导入收藏夹...", "从书签文件导入收藏夹"),
        command(cmd::ExportFavorites, "导出收藏夹...", "把收藏夹导出到书签文件"),
        toggle(cmd::FavoritesPanel, "收藏夹(&F)", "查看收藏夹", {QKeySequence(Qt::CTRL | Qt::Key_I)}),
        toggle(cmd::HistoryPanel, "历史(&H)", "查看历史", {QKeySequence(Qt::CTRL | Qt::Key_H)}),
        withIcon(toggle(cmd::FullScreen, "全屏", "全屏显示页面", {QKeySequence(Qt::Key_F11)}), "view-fullscreen",
                 QStyle::SP_TitleBarMaxButton),
        toggle(cmd::StartBlank, "空白页", "启动时打开空白页"),
        toggle(cmd::StartHome, "主页", "启动时打开主页"),
        toggle(cmd::StartLastVisit, "上次浏览的页面", "启动时打开上次浏览的页面"),
        toggle(cmd::StartUrlList, "URL 列表", "启动时打开 URL 列表中的页面"),
        toggle(cmd::NewPageActive, "最前面显示正在打开的页面", "新打开的页面显示在最前面"),
        toggle(cmd::NewPageFollows, "新打开的窗口紧靠当前窗口", "新打开的页面放在当前页后面"),
        toggle(cmd::ScriptErrors, "禁止弹出错误信息(&E)", "脚本错误只显示在状态栏"),
        toggle(cmd::PopupBlocking, "禁止弹出窗口(&K)", "禁止网页自己打开的窗口"),
        command(cmd::PreviousPage, "上一书签(&P)", "选择上一个页面", {QKeySequence(Qt::Key_F2)}),
        command(cmd::NextPage, "下一书签(&N)", "选择下一个页面", {QKeySequence(Qt::Key_F3)}),
        toggle(cmd::TabsAtBottom, "书签在底部显示(&B)", "把书签栏放在窗口底部"),
        toggle(cmd::ToolbarLock, "锁定工具栏(&O)", "锁定工具栏的位置"),
        toggle(cmd::StatusTextFilter, "禁止状态栏滚动字幕(&S)", "状态栏只显示地址"),
        toggle(cmd::ThemePink, "粉红色(&P)", "粉红色的外观"),
        toggle(cmd::ThemeModern, "XP 主题(&X)", "清新明亮的外观"),
        toggle(cmd::ThemeClassic, "Windows 传统(&W)", "传统的外观"),
        toggle(cmd::TextLabels, "显示文字标签(&X)", "在常用工具栏的按钮下显示文字"),
        toggle(cmd::Sounds, "点击时播放声音...", "点击时播放声音"),
        command(cmd::Exit, "退出(&X)", "关闭 Vesperal"),
        withIcon(command(cmd::Go, "转到", "打开地址栏中的地址", {QKeySequence(Qt::CTRL | Qt::Key_G)}), "go-jump",
                 QStyle::SP_CommandLink),
        command(cmd::FocusAddressBar, "SetFocusToAddressBar", "把焦点移到地址栏", {QKeySequence(Qt::ALT | Qt::Key_D)}),
        command(cmd::AddressPartBack, "地址的上一部分", "选中地址中的上一部分",
                {QKeySequence(Qt::CTRL | Qt::Key_Left)}),
        command(cmd::AddressPartForward, "地址的下一部分", "选中地址中的下一部分",
                {QKeySequence(Qt::CTRL | Qt::Key_Right)}),
        toggle(cmd::NewOnAddress, "输入地址在新窗口打开(&N)", "在新的页面中打开地址栏里输入的地址"),
        toggle(cmd::AutoComplete, "自动完成功能(&F)...", "输入地址时提示和补全"),
        withIcon(command(cmd::DefaultSearch, "转到默认搜索引擎", "用默认的搜索引擎搜索查找框里的文字",
                         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
                 "system-search", QStyle::SP_FileDialogContentsView),
        withIcon(command(cmd::FindInPage, "在本页查找", "在本页查找当前的词"), "edit-find",
                 QStyle::SP_FileDialogDetailedView),
        withIcon(command(cmd::Highlight, "标记符", "在本页标记查找框里的全部词", {QKeySequence(Qt::CTRL | Qt::Key_M)}),
                 "format-text-underline", QStyle::SP_DialogApplyButton),
        command(cmd::SearchAll, "全部搜索", "用全部搜索引擎搜索查找框里的文字"),
        command(cmd::ClearSearch, "清除搜索", "清除搜索关键字"),
        // The privacy cleaner
        command(cmd::CleanAll, "清除全部(&A)", "清除以下全部"),
        command(cmd::CleanCookies, "清除小甜点(&C)", "清除你的计算机的cookies"),
        command(cmd::CleanCache, "清除 Cache", ""),
        command(cmd::CleanHistory, "清除历史", ""),
        command(cmd::CleanAddresses, "清除地址", ""),
        command(cmd::CleanTemp, "清除临时文件", ""),
        command(cmd::CleanRecycleBin, "清除回收站", "清空回收站"),
        command(cmd::CleanRecent, "清除最近打开文件", "清除历史文档"),
        command(cmd::CleanRunHistory, "清除运行历史记录", "清除运行历史"),
        command(cmd::CleanFoundFiles, "清除查找文件记录", ""),
        command(cmd::CleanFormPasswords, "清除自动完成密码", "清除自动完成密码"),
        command(cmd::CleanForms, "清除自动完成表单", "清除自动完成表单"),
        command(cmd::CleanFoundComputers, "清除查找到的计算机", "清除查找到的电脑"),
        command(cmd::CustomizeSearch, "自定义引擎", "编辑搜索引擎列表 (SearchEngines.ini)"),
        command(cmd::CustomizeTranslate, "自定义...", "编辑翻译服务列表 (TranslateEngines.ini)"),
        toggle(cmd::LoadRestoredWhenShown, "恢复的页面在显示时才打开", "上次浏览的页面在第一次显示时才打开, 启动更快"),
        command(cmd::EditUrlList, "自定义 URL 列表", "编辑启动时打开的 URL 列表 (startuplist.txt)"),
    };
    return t;
}

} // namespace

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
