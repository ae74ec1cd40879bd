#include "frame/MenuTable.h"

#include "frame/CommandIds.h"

namespace {

MenuItem command(int id, const char *text, QList<QKeySequence> keys = {}, bool checkable = false)
{
    return {MenuItem::Command, id, QString::fromUtf8(text), std::move(keys), checkable};
}

MenuItem toggle(int id, const char *text)
{
    return command(id, text, {}, true);
}

MenuItem separator()
{
    return {MenuItem::Separator, 0, {}, {}, false};
}

MenuItem submenu(MenuItem::Kind kind, const char *text)
{
    return {kind, 0, QString::fromUtf8(text), {}, false};
}

} // namespace

const QList<MenuSpec> &MenuTable::menus()
{
    static const QList<MenuSpec> table{
        {QStringLiteral("文件(&F)"),
         {
             command(cmd::NewBlankPage, "空白页(&B)", {QKeySequence(Qt::CTRL | Qt::Key_N)}),
             command(cmd::NewHomePage, "首页(&H)"),
             command(cmd::DuplicatePage, "当前页(&R)"),
             command(cmd::ClipboardPage, "剪贴板中的 URL (&C)", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)}),
             command(cmd::OpenDialog, "打开(&O)...", {QKeySequence(Qt::CTRL | Qt::Key_O)}),
             separator(),
             command(cmd::CloseCurrentPage, "关闭当前页(&C)",
                     {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)}),
             command(cmd::CloseAll, "关闭全部窗口"),
             command(cmd::CloseAllButCurrent, "全部关闭- 保留当前页(&K)"),
             command(cmd::CloseErrorPages, "关闭全部错误页..."),
             separator(),
             command(cmd::ReopenLastClosed, "打开最后关闭的页"),
             submenu(MenuItem::ClosedPages, "撤销关闭的页面(&U)"),
         }},
        {QStringLiteral("查看(&V)"),
         {
             command(cmd::Back, "后退(&B)", {QKeySequence(Qt::ALT | Qt::Key_Left)}),
             command(cmd::Forward, "前进(&F)", {QKeySequence(Qt::ALT | Qt::Key_Right)}),
             command(cmd::Home, "主页(&H)"),
             separator(),
             command(cmd::Stop, "停止(&S)", {QKeySequence(Qt::Key_Escape)}),
             command(cmd::StopAll, "停止全部"),
             command(cmd::Refresh, "刷新(&R)", {QKeySequence(Qt::Key_F5)}),
             command(cmd::RefreshAll, "刷新全部"),
             separator(),
             submenu(MenuItem::Encodings, "编码(&E)"),
             separator(),
             toggle(cmd::LoadImages, "载入图像(&I)"),
             toggle(cmd::LoadVideos, "载入视频(&V)"),
             toggle(cmd::LoadSounds, "载入声音(&S)"),
             toggle(cmd::LoadAnimations, "载入动画(&A)"),
             toggle(cmd::NoScript, "禁用脚本"),
             toggle(cmd::NoJava, "禁用 JAVA(&J)"),
             toggle(cmd::NoActiveX, "禁用 ActiveX"),
         }},
        {QStringLiteral("编辑(&E)"),
         {
             command(cmd::Cut, "剪切(&T)", {QKeySequence::Cut}),
             command(cmd::Copy, "复制(&C)", {QKeySequence::Copy}),
             command(cmd::Paste, "粘贴(&P)", {QKeySequence::Paste}),
             command(cmd::SelectAll, "全选(&A)", {QKeySequence::SelectAll}),
         }},
        {QStringLiteral("窗口(&W)"), {submenu(MenuItem::PagesList, "")}},
        {QStringLiteral("帮助(&H)"), {command(cmd::MakerWebSite, "Vesperal 主页(&W)")}},
    };
    return table;
}

const QList<MenuItem> &MenuTable::encodings()
{
    static const QList<MenuItem> table{
        command(32918, "自动选择(&A)"),
        separator(),
        command(32914, "简体中文(GB2321)"),
        command(32915, "繁体中文(Big5)"),
        command(32920, "Unicode(UTF-8)"),
        command(33036, "Unicode(UTF-7)"),
        command(32919, "US-ASCII"),
        separator(),
        command(32913, "西欧(ISO-8859-1)"),
        command(33027, "中欧(ISO-8859-2)"),
        command(33033, "南欧(ISO-8859-3)"),
        command(33024, "波罗的海文(ISO-8859-4)"),
        command(33031, "西里尔文(ISO-8859-5)"),
        command(33026, "阿拉伯文(ISO-8859-6)"),
        command(33022, "希腊文(ISO-8859-7)"),
        command(33029, "希伯来文(ISO-8859-8)"),
        command(33035, "土耳其文(ISO-8859-9)"),
        command(32921, "韩文(koi8-r)(&K)"),
        separator(),
        command(32916, "日文(JIS)"),
        command(32917, "日文(EUC)"),
        command(32922, "日文(Shift-JIS)"),
        command(32923, "韩文(ISO-2022-KR)"),
        command(32924, "韩文(EUC-KR)"),
    };
    return table;
}
