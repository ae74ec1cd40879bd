#include "frame/CTMain.h"

#include "app/AppSwitches.h"
#include "app/BuildInfo.h"
#include "app/InternetShortcut.h"
#include "app/SettingsStore.h"
#include "app/SettingsTable.h"
#include "frame/AddressCommands.h"
#include "frame/CXTFlatComboBox.h"
#include "frame/ClientPrograms.h"
#include "frame/EngineMenus.h"
#include "frame/FindBox.h"
#include "frame/FindCommands.h"
#include "frame/CommandIds.h"
#include "frame/CommandTable.h"
#include "frame/FrameCommandIds.h"
#include "frame/FrameCommands.h"
#include "frame/KeyboardMapDialog.h"
#include "frame/MenuLayout.h"
#include "net/OfflineGate.h"
#include "pages/CWebBrowser2.h"
#include "pages/PageCommands.h"
#include "pages/PageHost.h"
#include "pages/StartupPages.h"
#include "pages/TabStrip.h"
#include "platform/DesktopEntries.h"
#include "platform/GlobalHotKey.h"
#include "platform/RegistryStore.h"
#include "ui/BarArea.h"
#include "ui/BusyIndicator.h"
#include "ui/CustomizeDialog.h"
#include "ui/LazyIcon.h"
#include "ui/MessageBoxes.h"
#include "ui/PageEntryIcon.h"
#include "ui/StatusPanes.h"
#include "ui/ThemeIcon.h"
#include "ui/Themes.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QToolButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

const QString kTitleSuffix = QStringLiteral(" - ") + QLatin1String(kProductName);
const QString kBlank = QStringLiteral("about:blank");

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
    {cmd::ReopenLastClosed, cmd::ClosedPagesPopup},
    {cmd::DefaultMail, cmd::MailProgramsPopup},
    {cmd::ExplorerBar, cmd::ExplorerBar},
    {cmd::DefaultSearch, cmd::SearchPopup},
    {cmd::FindInPage, cmd::FindInPage},
    {cmd::Go, cmd::GotoPopup},
};

} // namespace

CTMain::CTMain(FrameServices services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
{
    setWindowTitle(QLatin1String(kProductName));
    resize(1024, 768);
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

    // The theme comes first: widgets made after it need no second polish.
    Themes::apply(m_services.settings.read(settings::skin));

    m_panes = new StatusPanes(statusBar());
    connect(m_panes, &StatusPanes::paneDoubleClicked, this, [this](int id) { runCommand(id); });
    // The free memory is read again now and then while no Page loads.
    auto *memoryTimer = new QTimer(this);
    memoryTimer->start(2000);
    connect(memoryTimer, &QTimer::timeout, this, [this] {
        if (!m_panes->showsProgress())
            m_panes->refreshMemory();
    });

    m_busy = new BusyIndicator(this);
    m_address = new CXTFlatComboBox(this);
    m_address->setObjectName(QStringLiteral("addressBar"));
    m_address->setFont(statusBar()->font());
    m_findBox = new FindBox(this);
    m_findBox->setObjectName(QStringLiteral("findBox"));
    connect(m_findBox, &FindBox::searchRequested, this, [this] { runCommand(cmd::FindBox); });

    // The first Pages: those the start-up type asks for, and the address
    // the program was started with.
    m_host = new PageHost(PageHostServices{m_services.controls, m_services.switches, m_services.downloadFlags,
                                           *this, m_services.sounds, m_services.messages,
                                           [this] { return homeAddress(); }},
                          this);
    m_host->setTextSize(m_services.settings.read(settings::DefFontSize));
    m_startup = new StartupPages(*m_host, m_services.settings, m_services.messages, m_services.dataDir,
                                 m_services.openInEditor, this, this);
    m_startup->open(m_services.firstAddress);
    setCentralWidget(m_host);
    m_tabs = new TabStrip(*m_host, this);
    connect(m_tabs, &TabStrip::tabMenuRequested, this, &CTMain::showTabMenu);
    m_commands = new PageCommands(*m_host, m_services.settings.registry(), m_services.makerWebsite, this);

    auto *menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    m_bars = new BarArea(*this, menuBar, m_busy, m_address, m_findBox, m_tabs);

    m_explorerBar = new QDockWidget(QStringLiteral("工作区栏"), this);
    m_explorerBar->setObjectName(QStringLiteral("explorerBar"));
    m_explorerBar->setWidget(new QWidget(m_explorerBar));
    m_explorerBar->resize(200, 200);
    addDockWidget(Qt::LeftDockWidgetArea, m_explorerBar);
    m_explorerBar->hide();

    m_findCommands = new FindCommands(*m_host, *m_findBox, this);
    m_engineMenus = new EngineMenus(*m_host, *m_findCommands, m_services.messages, m_services.dataDir,
                                    m_services.openInEditor, this, this);
    m_addressCommands = new AddressCommands(
        AddressParts{*m_address, *m_host, m_services.settings, m_services.switches}, this);
    m_addressCommands->loadTypedList();
    m_clients = new ClientPrograms(m_services.messages, this, this);
    m_hotKey = new GlobalHotKey(this);
    if (m_services.profile)
        m_offline = new OfflineGate(m_services.profile, this);
    m_frameCommands = new FrameCommands(FrameParts{*this, *m_bars, *m_panes, *m_host, *m_tabs, *m_explorerBar,
                                                   m_services.settings, m_services.switches, m_services.sounds,
                                                   m_services.messages, *m_hotKey, m_offline,
                                                   m_services.dataDir + QStringLiteral("/help/index.html")},
                                        this);

    buildActions();
    m_actions.value(cmd::MakerWebSite)->setIcon(LazyIconEngine::icon([] { return pageEntryIcon(); }));
    // Nothing to find before the Find Box has words.
    m_actions.value(cmd::FindInPage)->setEnabled(false);
    buildMenus(menuBar);
    buildToolBars();
    const QByteArray layout = m_services.settings.read(settings::barLayout);
    if (!layout.isEmpty())
        restoreState(layout);
    // Bars the user hid or showed stay so, also through full screen.
    for (QToolBar *bar : {m_bars->searchBar(), m_bars->goBar()})
        bar->setProperty("userHidden", bar->isHidden());
    m_frameCommands->restore();
}

CTMain::~CTMain()
{
    shutdown();
}

void CTMain::buildActions()
{
    for (const CommandInfo &info : CommandTable::all()) {
        auto *action = new QAction(info.text, this);
        action->setData(info.id);
        action->setStatusTip(info.prompt);
        action->setCheckable(info.checkable);
        if (!info.icon.isEmpty()) {
            // The desktop's icon, else the style's picture; looked up at first drawing.
            action->setIcon(LazyIconEngine::icon(
                [name = info.icon, fallback = info.fallback] { return themeIcon(name, fallback); }));
        }
        if (!info.keys.isEmpty()) {
            action->setShortcuts(info.keys);
            // Keys work with the menus closed and the bars hidden.
            addAction(action);
        }
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        m_actions.insert(id, action);
    }
}

void CTMain::addMenuNodes(QMenu *menu, const QList<MenuNode> &nodes)
{
    for (const MenuNode &node : nodes) {
        switch (node.kind) {
        case MenuNode::Separator: menu->addSeparator(); break;
        case MenuNode::Command:
            if (QAction *action = m_actions.value(node.id)) {
                menu->addAction(action);
            } else {
                // An entry only menus show, such as an encoding.
                QAction *entry = menu->addAction(node.title);
                entry->setData(node.id);
                const int id = node.id;
                connect(entry, &QAction::triggered, this, [this, id] { runCommand(id); });
            }
            break;
        case MenuNode::Submenu: {
            QMenu *sub = menu->addMenu(node.title);
            connect(sub, &QMenu::aboutToShow, this, [this, sub] { updateMenuStates(sub); });
            addMenuNodes(sub, node.children);
            break;
        }
        case MenuNode::Popup: {
            QMenu *popup = menu->addMenu(node.title);
            hookPopup(popup, node.id);
            break;
        }
        case MenuNode::PagesList:
            // The whole menu is the list of Pages, made each time it opens.
            connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                if (!m_commands)
                    return;
                fillPopup(cmd::PagesPopup, menu);
                // The submenu is made anew at every filling.
                for (QMenu *sub : menu->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
                    connect(sub, &QMenu::triggered, this, [this, sub](QAction *a) {
                        if (a->parent() == sub)
                            runCommand(a->data().toInt());
                    });
            });
            connect(menu, &QMenu::triggered, this, [this, menu](QAction *a) {
                // Entries of the submenu arrive through it already.
                if (a->parent() == menu)
                    runCommand(a->data().toInt());
            });
            break;
        }
    }
}

void CTMain::hookPopup(QMenu *popup, int placeholder)
{
    connect(popup, &QMenu::aboutToShow, this, [this, popup, placeholder] {
        fillPopup(placeholder, popup);
        updateMenuStates(popup);
    });
    connect(popup, &QMenu::triggered, this, [this, popup](QAction *a) {
        // Entries of a submenu arrive through it already.
        bool ok = false;
        const int id = a->data().toInt(&ok);
        if (ok && id > 0 && a->parent() == popup)
            runCommand(id);
    });
}

void CTMain::fillPopup(int placeholder, QMenu *menu)
{
    switch (placeholder) {
    case cmd::ClosedPagesPopup:
        if (m_commands)
            m_commands->fillClosedPagesMenu(menu);
        return;
    case cmd::MailProgramsPopup: m_clients->fillMenu(menu, ClientPrograms::Kind::Mail); return;
    case cmd::NewsProgramsPopup: m_clients->fillMenu(menu, ClientPrograms::Kind::News); return;
    case cmd::ContactsProgramsPopup: m_clients->fillMenu(menu, ClientPrograms::Kind::Contacts); return;
    case cmd::UserToolsPopup: fillToolsMenu(menu); return;
    case cmd::PagesPopup:
        if (m_commands)
            m_commands->fillPagesMenu(menu);
        return;
    case cmd::Back:
    case cmd::Forward:
        if (m_commands)
            m_commands->fillHistoryMenu(menu, placeholder == cmd::Back);
        return;
    case cmd::NewPage:
        menu->clear();
        for (int id : {cmd::NewBlankPage, cmd::NewHomePage, cmd::DuplicatePage, cmd::ClipboardPage})
            menu->addAction(m_actions.value(id));
        return;
    case cmd::ExplorerBar:
        menu->clear();
        menu->addAction(m_actions.value(cmd::ExplorerBar));
        return;
    default: break;
    }
    if (m_findCommands && m_findCommands->fillPopup(placeholder, menu))
        return;
    if (m_engineMenus)
        m_engineMenus->fillPopup(placeholder, menu);
}

void CTMain::buildMenus(QMenuBar *menuBar)
{
    for (const MenuNode &top : MenuLayout::menuBar()) {
        QMenu *menu = menuBar->addMenu(top.title);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenuStates(menu); });
        addMenuNodes(menu, top.children);
    }
}

void CTMain::buildToolBars()
{
    const QList<int> defaults(std::begin(kStandardButtons), std::end(kStandardButtons));
    for (QToolBar *bar : {m_bars->standardBar(), m_bars->searchBar(), m_bars->goBar()}) {
        const QString saved = m_services.settings.readText(QStringLiteral("UISettings"),
                                                           QStringLiteral("Buttons.") + bar->objectName(), QString());
        QList<int> ids = bar == m_bars->standardBar() ? defaults
                         : bar == m_bars->searchBar()
                             ? QList<int>(std::begin(kSearchButtons), std::end(kSearchButtons))
                             : QList<int>(std::begin(kGoButtons), std::end(kGoButtons));
        if (!saved.isEmpty()) {
            ids.clear();
            for (const QString &word : saved.split(QLatin1Char(','), Qt::SkipEmptyParts))
                ids << word.toInt();
        }
        setButtons(bar, ids);
    }
    m_bars->addressBand()->addAction(m_actions.value(cmd::Go));
    m_bars->addressBand()->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // Back and forward follow the active Page's history.
    auto updateNavigation = [this] {
        if (!m_commands)
            return;
        m_actions.value(cmd::Back)->setEnabled(m_commands->isEnabled(cmd::Back));
        m_actions.value(cmd::Forward)->setEnabled(m_commands->isEnabled(cmd::Forward));
    };
    connect(m_host, &PageHost::pageShown, this, updateNavigation);
    connect(&m_host->list(), &PageList::tabChanged, this, updateNavigation);
}

void CTMain::setButtons(QToolBar *bar, const QList<int> &ids)
{
    // The bar's own widgets (its band text) stay; its command buttons go.
    for (QAction *action : bar->actions()) {
        if (action->isSeparator() || m_actions.key(action, 0) != 0)
            bar->removeAction(action);
    }
    for (int id : ids) {
        if (id == 0)
            bar->addSeparator();
        else if (QAction *action = m_actions.value(id))
            bar->addAction(action);
    }
    bar->setProperty("buttons", QVariant::fromValue(ids));
    for (const auto &[id, placeholder] : kDropDowns) {
        auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(m_actions.value(id)));
        if (!button || button->menu())
            continue;
        auto *menu = new QMenu(button);
        hookPopup(menu, placeholder);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

QList<int> CTMain::buttonsOf(QToolBar *bar) const
{
    return bar->property("buttons").value<QList<int>>();
}

const QList<UserTool> &CTMain::userTools()
{
    if (!m_userToolsLoaded) {
        m_userTools = UserTools::load(m_services.settings, DesktopEntries::load());
        m_userToolsLoaded = true;
    }
    return m_userTools;
}

void CTMain::fillToolsMenu(QMenu *menu)
{
    menu->clear();
    const QList<UserTool> &tools = userTools();
    for (int i = 0; i < tools.size(); ++i)
        menu->addAction(tools[i].name)->setData(cmd::UserToolFirst + i);
    if (!tools.isEmpty())
        menu->addSeparator();
    QAction *customize = menu->addAction(QStringLiteral("自定义外部工具..."));
    customize->setData(cmd::Customize);
}

void CTMain::showCustomize()
{
    QList<int> available;
    for (const CommandInfo &info : CommandTable::all()) {
        if (!info.icon.isEmpty())
            available << info.id;
    }
    const QList<int> defaults(std::begin(kStandardButtons), std::end(kStandardButtons));
    QList<ToolBarChoice> bars{
        {m_bars->standardBar()->windowTitle(), buttonsOf(m_bars->standardBar()), defaults, available},
        {m_bars->searchBar()->windowTitle(), buttonsOf(m_bars->searchBar()),
         QList<int>(std::begin(kSearchButtons), std::end(kSearchButtons)),
         QList<int>(std::begin(kSearchButtons), std::end(kSearchButtons))},
        {m_bars->goBar()->windowTitle(), buttonsOf(m_bars->goBar()), QList<int>(std::begin(kGoButtons), std::end(kGoButtons)),
         QList<int>(std::begin(kGoButtons), std::end(kGoButtons))},
    };
    CustomizeDialog dialog(bars, userTools(), [](int id) {
        const CommandInfo *info = CommandTable::find(id);
        return info ? QString(info->text).remove(QLatin1Char('&')) : QString::number(id);
    }, this);
    if (dialog.exec() == QDialog::Accepted)
        applyCustomization(dialog.buttons(), dialog.tools());
}

void CTMain::applyCustomization(const QList<QList<int>> &buttons, const QList<UserTool> &tools)
{
    const QList<QToolBar *> bars{m_bars->standardBar(), m_bars->searchBar(), m_bars->goBar()};
    for (int i = 0; i < bars.size() && i < buttons.size(); ++i) {
        setButtons(bars[i], buttons[i]);
        QStringList words;
        for (int id : buttons[i])
            words << QString::number(id);
        m_services.settings.writeText(QStringLiteral("UISettings"), QStringLiteral("Buttons.") + bars[i]->objectName(),
                                      words.isEmpty() ? QStringLiteral(",") : words.join(QLatin1Char(',')));
    }
    // A tool needs a name and a program.
    QList<UserTool> kept;
    for (const UserTool &tool : tools) {
        if (!tool.name.trimmed().isEmpty() && !tool.command.trimmed().isEmpty())
            kept << tool;
    }
    m_userTools = kept;
    m_userToolsLoaded = true;
    UserTools::save(m_services.settings, kept);
}

void CTMain::updateMenuStates(QMenu *menu)
{
    for (QAction *action : menu->actions()) {
        bool ok = false;
        const int id = action->data().toInt(&ok);
        if (!ok || id <= 0)
            continue;
        if (m_commands)
            action->setEnabled(m_commands->isEnabled(id) && m_findCommands->isEnabled(id));
        if (const auto checked = isChecked(id)) {
            action->setCheckable(true);
            action->setChecked(*checked);
        }
    }
}

std::optional<bool> CTMain::isChecked(int id) const
{
    if (m_commands) {
        if (const auto checked = m_commands->checked(id))
            return checked;
    }
    if (m_addressCommands) {
        if (const auto checked = m_addressCommands->checked(id))
            return checked;
    }
    if (m_startup) {
        if (const auto checked = m_startup->checked(id))
            return checked;
    }
    return m_frameCommands ? m_frameCommands->checked(id) : std::nullopt;
}

void CTMain::showTabMenu(int index, const QPoint &globalPos)
{
    Q_UNUSED(index);
    if (!m_commands)
        return;
    QMenu menu(this);
    m_commands->fillTabMenu(&menu);
    if (QAction *chosen = menu.exec(globalPos)) {
        bool ok = false;
        const int id = chosen->data().toInt(&ok);
        if (ok)
            runCommand(id);
    }
}

bool CTMain::runCommand(int id)
{
    if (!m_commands || !m_frameCommands)
        return false;
    if (m_commands->handle(id) || m_frameCommands->handle(id) || m_addressCommands->handle(id)
        || m_startup->handle(id) || m_clients->handle(id)) {
        return true;
    }
    if (m_findCommands->handle(id) || m_engineMenus->handle(id)) {
        // The find button can be pressed once there are words.
        m_actions.value(cmd::FindInPage)->setEnabled(m_findCommands->isEnabled(cmd::FindInPage));
        return true;
    }
    if (id >= cmd::UserToolFirst && id <= cmd::UserToolLast) {
        const QList<UserTool> &tools = userTools();
        const int index = id - cmd::UserToolFirst;
        if (index < tools.size() && !UserTools::start(tools[index]))
            m_services.messages.tell(this, QStringLiteral("无法启动 \"%1\".").arg(tools[index].command),
                                     MessageBoxes::Icon::Warning);
        return true;
    }
    switch (id) {
    case cmd::KeyboardMap: showKeyboardMap(); return true;
    case cmd::Customize: showCustomize(); return true;
    default: return false;
    }
}

void CTMain::showKeyboardMap()
{
    KeyboardMapDialog dialog(this);
    dialog.exec();
}

QString CTMain::homeAddress() const
{
    const auto value = m_services.settings.registry().query(Hive::CurrentUser, QLatin1String(mirrored::kIEMain),
                                                             QStringLiteral("Start Page"));
    return value && !value->text.trimmed().isEmpty() ? value->text.trimmed() : kBlank;
}

void CTMain::openAddress(const QString &address, bool toFront, bool reuseBlank, const QString &label)
{
    if (address.isEmpty() || !m_host)
        return;
    m_host->CreatePage(address, toFront, reuseBlank, label);
}

SingleInstance::Answer CTMain::receiveHandOff(const QString &text)
{
    if (QApplication::activeModalWidget()) {
        activate();
        return SingleInstance::Answer::Dialog;
    }
    activate();
    if (text.isEmpty())
        return SingleInstance::Answer::Activated;
    openAddress(InternetShortcut::resolve(text), false, true, QStringLiteral("Loading..."));
    return SingleInstance::Answer::Opened;
}

void CTMain::activate()
{
    QWidget *target = QApplication::activeModalWidget();
    if (!target) {
        target = this;
        if (isMinimized())
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        show();
    }
    target->raise();
    target->activateWindow();
}

void CTMain::closeWithoutQuestions()
{
    m_quiet = true;
    close();
}

QString CTMain::statusText() const
{
    return m_panes->statusText();
}

QString CTMain::securityText() const
{
    return m_panes->pane(cmd::SecurityPane)->text();
}

void CTMain::setStatusText(const QString &text)
{
    m_panes->setStatusText(text);
}

void CTMain::setProgress(int position, int maximum)
{
    m_panes->setProgress(position, maximum);
    m_busy->setRunning(maximum > 0);
}

void CTMain::setSecurityText(const QString &text)
{
    m_panes->setSecurityText(text);
}

void CTMain::setFrameTitle(const QString &pageTitle)
{
    if (pageTitle.isEmpty())
        return;
    setWindowTitle(pageTitle + kTitleSuffix);
}

void CTMain::setAddressText(const QString &address)
{
    m_address->setAddress(address);
}

void CTMain::focusAddressBar()
{
    m_address->focusAndSelectAll();
}

bool CTMain::isEditingAddress() const
{
    return m_address->isBeingEdited();
}

bool CTMain::event(QEvent *event)
{
    // The frame passes the focus on to the active Page.
    if (event->type() == QEvent::WindowActivate && m_host) {
        QWidget *focus = QApplication::focusWidget();
        if ((!focus || focus == this) && m_host->activePage())
            m_host->activePage()->control()->widget()->setFocus();
    }
    return QMainWindow::event(event);
}

void CTMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void CTMain::dropEvent(QDropEvent *event)
{
    if (!m_host)
        return;
    const QMimeData *data = event->mimeData();
    QStringList files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    if (!files.isEmpty()) {
        m_host->openDroppedFiles(files, event->modifiers().testFlag(Qt::ControlModifier));
    } else if (data->hasUrls()) {
        for (const QUrl &url : data->urls())
            m_host->openDroppedText(url.toString());
    } else {
        m_host->openDroppedText(data->text());
    }
    event->acceptProposedAction();
}

void CTMain::closeEvent(QCloseEvent *event)
{
    shutdown();
    event->accept();
}

void CTMain::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    emit closing();
    // In full screen the bars are hidden: their layout is the one from before.
    if (!m_frameCommands || !m_frameCommands->isFullScreen())
        m_services.settings.write(settings::barLayout, saveState());
    const bool maximized = m_frameCommands && m_frameCommands->isFullScreen() ? m_frameCommands->restoresMaximized()
                                                                               : isMaximized();
    // What the next start needs, while the Pages are all there.
    m_startup->save();
    m_addressCommands->saveTypedList();
    m_addressCommands->saveCompletionTexts();
    // Pages go before the engine profile they belong to.
    delete m_frameCommands;
    m_frameCommands = nullptr;
    delete m_commands;
    m_commands = nullptr;
    delete m_tabs;
    m_tabs = nullptr;
    delete m_host;
    m_host = nullptr;
    if (m_offline)
        m_offline->setOffline(false);
    m_services.settings.write(settings::bMax, maximized ? 1 : 0);
}
