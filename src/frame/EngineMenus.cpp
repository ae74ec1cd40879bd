#include "frame/EngineMenus.h"

#include "core/FrameCommandIds.h"
#include "frame/FindCommands.h"
#include "frame/MenuFile.h"
#include "pages/BlankPage.h"
#include "pages/CWebBrowser2.h"
#include "pages/PageHost.h"
#include "platform/TextEditor.h"
#include "ui/MessageBoxes.h"
#include "ui/PageEntryIcon.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>

namespace {

const QString kSearchFile = QStringLiteral("SearchEngines.ini");
const QString kTranslateFile = QStringLiteral("TranslateEngines.ini");
const QString kGotoFile = QStringLiteral("Goto.ini");
constexpr int kCategorySize = 256;

// The host name of an address; empty when it is none (or has none).
QString hostOf(const QString &address)
{
    const QUrl url(address);
    return url.isValid() ? url.host() : QString();
}

} // namespace

const QList<EngineMenus::Category> &EngineMenus::categories()
{
    static const QList<Category> list{
        {33083, QT_TRANSLATE_NOOP("EngineMenus", "文化(&A)"), "arts.ini", 12288},
        {33084, QT_TRANSLATE_NOOP("EngineMenus", "商业(&B)"), "business.ini", 15360},
        {33085, QT_TRANSLATE_NOOP("EngineMenus", "计算机(&C)"), "computers.ini", 15616},
        {33086, QT_TRANSLATE_NOOP("EngineMenus", "游戏(&G)"), "games.ini", 15872},
        {33087, QT_TRANSLATE_NOOP("EngineMenus", "卫生与健康(&H)"), "health.ini", 15104},
        {33088, QT_TRANSLATE_NOOP("EngineMenus", "家庭(&O)"), "home.ini", 14592},
        {33089, QT_TRANSLATE_NOOP("EngineMenus", "儿童和青少年(&K)"), "kid.ini", 14336},
        {33090, QT_TRANSLATE_NOOP("EngineMenus", "新闻(&N)"), "news.ini", 14080},
        {33091, QT_TRANSLATE_NOOP("EngineMenus", "娱乐(&E)"), "RECREATION.ini", 14848},
        {33092, QT_TRANSLATE_NOOP("EngineMenus", "参考(&R)"), "REFERENCE.ini", 13824},
        {33093, QT_TRANSLATE_NOOP("EngineMenus", "区域"), "REGIONAL.ini", 13568},
        {33094, QT_TRANSLATE_NOOP("EngineMenus", "科学(&I)"), "science.ini", 13312},
        {33095, QT_TRANSLATE_NOOP("EngineMenus", "购物(&S)"), "shop.ini", 13056},
        {33096, QT_TRANSLATE_NOOP("EngineMenus", "社交"), "society.ini", 12800},
        {33097, QT_TRANSLATE_NOOP("EngineMenus", "运动(&P)"), "sports.ini", 12544},
    };
    return list;
}

EngineMenus::EngineMenus(PageHost &host, FindCommands &find, MessageBoxes &messages, QString dataDir,
                         EditorLauncher editor, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_find(find)
    , m_messages(messages)
    , m_dataDir(std::move(dataDir))
    , m_editor(std::move(editor))
    , m_window(window)
{
}

QString EngineMenus::dataFile(const QString &name) const
{
    const QString exact = m_dataDir + QLatin1Char('/') + name;
    if (QFileInfo::exists(exact))
        return exact;
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    const QString folder = m_dataDir + (slash >= 0 ? QLatin1Char('/') + name.left(slash) : QString());
    const QString leaf = name.mid(slash + 1);
    for (const QString &entry : QDir(folder).entryList(QDir::Files)) {
        if (entry.compare(leaf, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    }
    return exact;
}

bool EngineMenus::handle(int id)
{
    if (id >= cmd::SearchFirst && id <= cmd::SearchLast) {
        searchWith(id - cmd::SearchFirst);
        return true;
    }
    if (id >= cmd::TranslateFirst && id <= cmd::TranslateLast) {
        translate(id - cmd::TranslateFirst);
        return true;
    }
    if (id >= cmd::GotoFirst && id <= cmd::GotoLast) {
        goTo(id - cmd::GotoFirst);
        return true;
    }
    if (id >= cmd::WebDirFirst && id <= cmd::WebDirLast) {
        openWebDirEntry(id);
        return true;
    }
    for (const Category &category : categories()) {
        if (id == category.customize) {
            customize(dataFile(QStringLiteral("webdir/") + QLatin1String(category.file)));
            return true;
        }
    }
    switch (id) {
    case cmd::FindBox:
    case cmd::DefaultSearch: defaultSearch(); return true;
    case cmd::SearchAll: searchAll(); return true;
    case cmd::CustomizeSearch: customize(dataFile(kSearchFile)); return true;
    case cmd::CustomizeTranslate: customize(dataFile(kTranslateFile)); return true;
    default: return false;
    }
}

bool EngineMenus::addEntries(QMenu *menu, const QString &file, int first, int last)
{
    const auto lines = MenuFile::read(file);
    if (!lines)
        return false;
    // Entries beyond the commands of the menu could not be chosen (their
    // number would be another menu's command): the menu ends there, with a
    // mark that the file goes on. Runs of separators count too, so that no
    // file makes a menu that takes ages to build.
    const int entries = last - first + 1;
    int n = 0;
    int separators = 0;
    for (const MenuFile::Line &line : *lines) {
        if (n == entries || separators > entries) {
            menu->addAction(QStringLiteral("…"))->setEnabled(false);
            break;
        }
        if (line.separator) {
            menu->addSeparator();
            ++separators;
            continue;
        }
        QAction *action = menu->addAction(MenuFile::menuText(line.text));
        action->setData(first + n);
        ++n;
    }
    return true;
}

bool EngineMenus::fillPopup(int placeholder, QMenu *menu)
{
    switch (placeholder) {
    case cmd::SearchPopup:
        menu->clear();
        menu->addAction(tr("全部搜索"))->setData(cmd::SearchAll);
        menu->addSeparator();
        if (!addEntries(menu, dataFile(kSearchFile), cmd::SearchFirst, cmd::SearchLast))
            tellUnreadable(m_dataDir + QLatin1Char('/') + kSearchFile);
        menu->addSeparator();
        menu->addAction(tr("清除搜索"))->setData(cmd::ClearSearch);
        menu->addAction(tr("自定义引擎"))->setData(cmd::CustomizeSearch);
        return true;
    case cmd::TranslatePopup:
        menu->clear();
        if (!addEntries(menu, dataFile(kTranslateFile), cmd::TranslateFirst, cmd::TranslateLast))
            tellUnreadable(m_dataDir + QLatin1Char('/') + kTranslateFile);
        for (QAction *action : menu->actions()) {
            if (!action->isSeparator())
                action->setIcon(pageEntryIcon());
        }
        menu->addSeparator();
        menu->addAction(tr("自定义..."))->setData(cmd::CustomizeTranslate);
        return true;
    case cmd::GotoPopup:
        menu->clear();
        if (!addEntries(menu, dataFile(kGotoFile), cmd::GotoFirst, cmd::GotoLast))
            tellUnreadable(QStringLiteral("goto.ini"));
        return true;
    default: break;
    }
    for (const Category &category : categories()) {
        if (placeholder != category.customize)
            continue;
        menu->clear();
        menu->addAction(tr("自定义..."))->setData(category.customize);
        menu->addSeparator();
        // A missing category file shows no more than that, and says nothing.
        addEntries(menu, dataFile(QStringLiteral("webdir/") + QLatin1String(category.file)), category.first,
                   category.first + kCategorySize - 1);
        return true;
    }
    return false;
}

void EngineMenus::tellUnreadable(const QString &file)
{
    m_messages.tell(m_window, tr("%1 错误！\n请重新安装！").arg(file), MessageBoxes::Icon::Warning);
}

QString EngineMenus::activeAddress() const
{
    const CWebBrowser2 *page = m_host.activePage();
    return page ? page->address() : QString();
}

void EngineMenus::open(const QString &address, const QString &title, bool front)
{
    if (!address.isEmpty())
        m_host.CreatePage(address, PageHost::OpenFlags(PageHost::ReuseBlank).setFlag(PageHost::ToFront, front), title);
}

void EngineMenus::defaultSearch()
{
    const QString text = m_find.takeText(true);
    if (text.isEmpty()) {
        open(hostOf(kDefaultHome), loadingLabel());
        return;
    }
    QString address = defaultSearchAddress();
    address.replace(QLatin1String("%s"), QString::fromLatin1(QUrl::toPercentEncoding(text)));
    open(address, text);
}

void EngineMenus::searchWith(int n)
{
    const auto lines = MenuFile::read(dataFile(kSearchFile));
    const auto entry = lines ? MenuFile::entry(*lines, n) : std::nullopt;
    if (!entry)
        return;
    const QString text = m_find.takeText(false);
    if (text.isEmpty()) {
        open(hostOf(entry->target), loadingLabel());
        return;
    }
    open(MenuFile::fill(entry->target, text), loadingLabel());
}

void EngineMenus::searchAll()
{
    const QString text = m_find.takeText(true);
    if (text.isEmpty()) {
        open(hostOf(kDefaultHome), loadingLabel());
        return;
    }
    const auto lines = MenuFile::read(dataFile(kSearchFile));
    if (!lines) {
        tellUnreadable(m_dataDir + QLatin1Char('/') + kSearchFile);
        return;
    }
    for (const MenuFile::Line &line : *lines) {
        if (!line.separator)
            open(MenuFile::fill(line.target, text), loadingLabel());
    }
}

void EngineMenus::translate(int n)
{
    const auto lines = MenuFile::read(dataFile(kTranslateFile));
    const auto entry = lines ? MenuFile::entry(*lines, n) : std::nullopt;
    if (entry)
        open(MenuFile::fill(entry->target, QString(), activeAddress()), tr("翻译..."));
}

void EngineMenus::goTo(int n)
{
    const auto lines = MenuFile::read(dataFile(kGotoFile));
    const auto entry = lines ? MenuFile::entry(*lines, n) : std::nullopt;
    if (!entry)
        return;
    const QString address = activeAddress();
    if (entry->target.contains(MenuFile::kDomainPlaceholder)) {
        const QString host = hostOf(address);
        if (!host.isEmpty())
            open(MenuFile::fill(entry->target, QString(), address, host), tr("Whois..."));
        return;
    }
    open(MenuFile::fill(entry->target, QString(), address), tr("Go to ..."));
}

void EngineMenus::openWebDirEntry(int id)
{
    for (const Category &category : categories()) {
        if (id < category.first || id >= category.first + kCategorySize)
            continue;
        const auto lines = MenuFile::read(dataFile(QStringLiteral("webdir/") + QLatin1String(category.file)));
        const auto entry = lines ? MenuFile::entry(*lines, id - category.first) : std::nullopt;
        if (entry)
            open(entry->target, entry->text);
        return;
    }
}

void EngineMenus::customize(const QString &file)
{
    if (!m_editor || !m_editor(file))
        m_messages.tell(m_window, TextEditor::cannotOpenMessage(file),
                        MessageBoxes::Icon::Warning);
}
