#include "frame/CustomizeCommands.h"

#include "core/CommandIds.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "frame/CommandTable.h"
#include "platform/DesktopEntries.h"
#include "ui/BarArea.h"
#include "ui/CustomizeDialog.h"
#include "ui/MessageBoxes.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <span>

namespace {

// The standard tool bar's buttons, in order; 0 is a separator.
constexpr int kStandardButtons[] = {cmd::Back,     cmd::Forward,         cmd::Stop, cmd::Refresh,
                                    cmd::Home,     0,                    cmd::NewPage,
                                    cmd::ReopenLastClosed, cmd::CloseCurrentPage, 0, cmd::FullScreen};
constexpr int kSearchButtons[] = {cmd::DefaultSearch, cmd::FindInPage, cmd::Highlight};
constexpr int kGoButtons[] = {cmd::Go};

// Buttons with a menu of their own beside them, and what fills it.
constexpr std::pair<int, int> kDropDowns[] = {
    {cmd::Back, cmd::Back},
    {cmd::Forward, cmd::Forward},
    {cmd::NewPage, cmd::NewPage},
    {cmd::OneLevelUp, cmd::UpPopup},
    {cmd::ReopenLastClosed, cmd::ClosedPagesPopup},
    {cmd::DefaultMail, cmd::MailProgramsPopup},
    {cmd::ExplorerBar, cmd::ExplorerBar},
    {cmd::DefaultSearch, cmd::SearchPopup},
    {cmd::FindInPage, cmd::FindInPage},
    {cmd::Go, cmd::GotoPopup},
};

// A customisable bar: where its buttons are kept, the buttons it has at
// first, and whether any command with a picture may go on it (else only its own).
struct CustomBar
{
    QToolBar *(BarArea::*bar)() const;
    const TextSetting &kept;
    std::span<const int> defaults;
    bool takesAny;
};

const CustomBar kBars[] = {
    {&BarArea::standardBar, settings::standardButtons, kStandardButtons, true},
    {&BarArea::searchBar, settings::searchButtons, kSearchButtons, false},
    {&BarArea::goBar, settings::goButtons, kGoButtons, false},
};

QList<int> listOf(std::span<const int> ids)
{
    return QList<int>(ids.begin(), ids.end());
}

} // namespace

CustomizeCommands::CustomizeCommands(CustomizeParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
{
}

void CustomizeCommands::restoreButtons()
{
    for (const CustomBar &custom : kBars) {
        const QString kept = m_parts.settings.read(custom.kept);
        QList<int> ids = listOf(custom.defaults);
        if (!kept.isEmpty()) {
            ids.clear();
            for (const QString &word : kept.split(QLatin1Char(','), Qt::SkipEmptyParts))
                ids << word.toInt();
        }
        setButtons((m_parts.bars.*custom.bar)(), ids);
    }
}

bool CustomizeCommands::handle(int id)
{
    if (id >= cmd::UserToolFirst && id <= cmd::UserToolLast) {
        startTool(id - cmd::UserToolFirst);
        return true;
    }
    if (id == cmd::Customize) {
        showDialog();
        return true;
    }
    return false;
}

bool CustomizeCommands::fillPopup(int placeholder, QMenu *menu)
{
    if (placeholder != cmd::UserToolsPopup)
        return false;
    menu->clear();
    const QList<UserTool> &tools = userTools();
    for (int i = 0; i < tools.size(); ++i)
        menu->addAction(tools[i].name)->setData(cmd::UserToolFirst + i);
    if (!tools.isEmpty())
        menu->addSeparator();
    menu->addAction(tr("自定义外部工具..."))->setData(cmd::Customize);
    return true;
}

const QList<UserTool> &CustomizeCommands::userTools()
{
    if (!m_userToolsLoaded) {
        m_userTools = UserTools::load(m_parts.settings, DesktopEntries::load());
        m_userToolsLoaded = true;
    }
    return m_userTools;
}

void CustomizeCommands::startTool(int index)
{
    const QList<UserTool> &tools = userTools();
    if (index < tools.size() && !UserTools::start(tools[index])) {
        m_parts.messages.tell(m_parts.window, tr("无法启动 \"%1\".").arg(tools[index].command),
                              MessageBoxes::Icon::Warning);
    }
}

void CustomizeCommands::showDialog()
{
    QList<int> withPicture;
    for (const CommandInfo &info : CommandTable::all()) {
        if (!info.icon.isEmpty())
            withPicture << info.id;
    }
    QList<ToolBarChoice> choices;
    for (const CustomBar &custom : kBars) {
        const QToolBar *bar = (m_parts.bars.*custom.bar)();
        const QList<int> defaults = listOf(custom.defaults);
        choices << ToolBarChoice{bar->windowTitle(), buttonsOf(bar), defaults, custom.takesAny ? withPicture : defaults};
    }
    CustomizeDialog dialog(choices, userTools(), [](int id) {
        const CommandInfo *info = CommandTable::find(id);
        return info ? info->menuText().remove(QLatin1Char('&')) : QString::number(id);
    }, m_parts.window);
    if (dialog.exec() == QDialog::Accepted)
        apply(dialog.buttons(), dialog.tools());
}

void CustomizeCommands::apply(const QList<QList<int>> &buttons, const QList<UserTool> &tools)
{
    for (int i = 0; i < std::ssize(kBars) && i < buttons.size(); ++i) {
        setButtons((m_parts.bars.*kBars[i].bar)(), buttons[i]);
        QStringList words;
        for (int id : buttons[i])
            words << QString::number(id);
        m_parts.settings.write(kBars[i].kept, words.isEmpty() ? QStringLiteral(",") : words.join(QLatin1Char(',')));
    }
    QList<UserTool> kept;
    for (const UserTool &tool : tools) {
        if (!tool.name.trimmed().isEmpty() && !tool.command.trimmed().isEmpty())
            kept << tool;
    }
    m_userTools = kept;
    m_userToolsLoaded = true;
    UserTools::save(m_parts.settings, kept);
}

void CustomizeCommands::setButtons(QToolBar *bar, const QList<int> &ids)
{
    // The bar's own widgets (its band text) stay; its command buttons go.
    for (QAction *action : bar->actions()) {
        bool ok = false;
        const int id = action->data().toInt(&ok);
        if (action->isSeparator() || (ok && id > 0 && m_parts.action(id) == action))
            bar->removeAction(action);
    }
    for (int id : ids) {
        if (id == 0)
            bar->addSeparator();
        else if (QAction *action = m_parts.action(id))
            bar->addAction(action);
    }
    bar->setProperty("buttons", QVariant::fromValue(ids));
    for (const auto &[id, placeholder] : kDropDowns) {
        QAction *action = m_parts.action(id);
        auto *button = action ? qobject_cast<QToolButton *>(bar->widgetForAction(action)) : nullptr;
        if (!button || button->menu())
            continue;
        auto *menu = new QMenu(button);
        m_parts.hookPopup(menu, placeholder);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

QList<int> CustomizeCommands::buttonsOf(const QToolBar *bar)
{
    return bar->property("buttons").value<QList<int>>();
}
