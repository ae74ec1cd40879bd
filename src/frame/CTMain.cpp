#include "frame/CTMain.h"

#include "clean/CleanCommands.h"
#include "clone/CloneCommands.h"
#include "core/AppSwitches.h"
#include "core/BuildInfo.h"
#include "core/CommandHandler.h"
#include "core/CommandIds.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "favorites/CFavoritesPanel.h"
#include "favorites/FavoritesCommands.h"
#include "frame/AddressCommands.h"
#include "frame/CXTFlatComboBox.h"
#include "frame/ClientPrograms.h"
#include "frame/CloneSetup.h"
#include "frame/CommandTable.h"
#include "frame/CustomizeCommands.h"
#include "frame/EngineMenus.h"
#include "frame/ExplorerBar.h"
#include "frame/FindBox.h"
#include "frame/FindCommands.h"
#include "frame/FrameCommands.h"
#include "frame/MenuLayout.h"
#include "history/CHistoryPanel.h"
#include "history/HistoryRecorder.h"
#include "history/HistoryStore.h"
#include "net/OfflineGate.h"
#include "net/ProxyCommands.h"
#include "net/VersionCommands.h"
#include "pages/BlankPage.h"
#include "pages/CWebBrowser2.h"
#include "pages/PageCommands.h"
#include "pages/PageDropTarget.h"
#include "pages/PageFileCommands.h"
#include "pages/PageHost.h"
#include "pages/StartupPages.h"
#include "pages/TabStrip.h"
#include "platform/GlobalHotKey.h"
#include "platform/InternetShortcut.h"
#include "platform/RegistryStore.h"
#include "ui/BarArea.h"
#include "ui/BusyIndicator.h"
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
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {

const QString kTitleSuffix = QStringLiteral(" - ") + QLatin1String(kProductName);

// What adding a Page to the favorites takes from it: its title and address.
std::pair<QString, QString> pageTitleAndAddress(const CWebBrowser2 *page)
{
    return page ? std::pair{page->title(), page->address()} : std::pair<QString, QString>{};
}

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
    // Text and files dragged onto any Page.
    new PageDropTarget(PageDropParts{*m_host, *this, m_services.settings, {}}, m_host);
    if (m_services.history) {
        // Every top-level navigation that commits is a visit, from the first Page on.
        m_historyRecorder = std::make_unique<HistoryRecorder>(*m_services.history);
        HistoryRecorder *recorder = m_historyRecorder.get();
        connect(m_host, &PageHost::pageCommitted, this,
                [recorder](const void *page, const QString &address) { recorder->committed(page, address); });
        connect(m_host, &PageHost::pageFailed, this, [recorder](const void *page) { recorder->failed(page); });
        connect(m_host, &PageHost::pageFinished, this, [recorder](const void *page) { recorder->finished(page); });
        connect(m_host, &PageHost::pageTitled, this,
                [recorder](const void *page, const QString &title) { recorder->titled(page, title); });
        connect(m_host, &PageHost::pageClosed, this, [recorder](const void *page) { recorder->closed(page); });
    }
    auto *startup = new StartupPages(*m_host, m_services.settings, m_services.messages, m_services.dataDir,
                                     m_services.openInEditor, this, this);
    startup->open(m_services.firstAddress);
    setCentralWidget(m_host);
    m_tabs = new TabStrip(*m_host, this);
    connect(m_tabs, &TabStrip::tabMenuRequested, this, &CTMain::showTabMenu);
    m_pageCommands = new PageCommands(*m_host, m_services.settings.registry(), m_services.addresses.website, this);

    auto *menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    m_bars = new BarArea(*this, menuBar, m_busy, m_address, m_findBox, m_tabs);

    m_explorerBar = new QDockWidget(tr("工作区栏"), this);
    m_explorerBar->setObjectName(QStringLiteral("explorerBar"));
    auto *favoritesPanel = new CFavoritesPanel(
        FavoritesPanelParts{m_services.dataDir + QStringLiteral("/Favorites"), m_services.switches,
                            m_services.messages,
                            [this](const QString &address) { openAddress(address, false, true, loadingLabel()); },
                            [this](int id) { runCommand(id); }},
        m_explorerBar);
    // Without a history store the History tab stays empty.
    QWidget *historyPanel = m_services.history
        ? new CHistoryPanel(
              *m_services.history,
              [this](const QString &address) { openAddress(address, false, true, loadingLabel()); }, m_explorerBar)
        : new QWidget(m_explorerBar);
    auto *explorer = new ExplorerBar(*m_explorerBar, favoritesPanel, historyPanel, this);
    m_explorerBar->resize(200, 200);
    addDockWidget(Qt::LeftDockWidgetArea, m_explorerBar);
    m_explorerBar->hide();

    m_findCommands = new FindCommands(*m_host, *m_findBox, this);
    auto *engineMenus = new EngineMenus(*m_host, *m_findCommands, m_services.messages, m_services.dataDir,
                                        m_services.openInEditor, this, this);
    auto *addressCommands = new AddressCommands(
        AddressParts{*m_address, *m_host, m_services.settings, m_services.switches}, this);
    addressCommands->loadTypedList();
    auto *clients = new ClientPrograms(m_services.messages, this, this);
    m_hotKey = new GlobalHotKey(this);
    if (m_services.profile)
        m_offline = new OfflineGate(m_services.profile, this);
    m_frameCommands = new FrameCommands(FrameParts{*this, *m_bars, *m_panes, *m_host, *m_tabs, *m_explorerBar,
                                                   m_services.settings, m_services.switches, m_services.sounds,
                                                   m_services.messages, *m_hotKey, m_offline,
                                                   m_services.dataDir + QStringLiteral("/help/index.html")},
                                        this);
    auto *proxy = new ProxyCommands(
        ProxyParts{m_services.settings, m_services.switches, m_services.sounds, m_services.messages, *m_panes, this,
                   m_services.profile, m_services.dataDir + QStringLiteral("/proxylist.txt"),
                   m_services.addresses.clientInfo, m_services.addresses.proxyList, m_services.proxyCredentials, {},
                   [this](const QString &address, const QString &label) {
                       m_host->CreatePage(address, PageHost::ReuseBlank, label);
                   }},
        this);
    proxy->start();
    auto *version = new VersionCommands(VersionParts{this, m_services.settings, m_services.messages,
                                                     m_services.addresses, m_services.proxyCredentials,
                                                     [this](const QString &address) {
                                                         openAddress(address, true, true, loadingLabel());
                                                     }},
                                        this);
    m_customize = new CustomizeCommands(
        CustomizeParts{*m_bars, m_services.settings, m_services.messages, this,
                       [this](int id) { return m_actions.value(id); },
                       [this](QMenu *menu, int placeholder) { hookPopup(menu, placeholder); }},
        this);
    // The favorites menu; the folder is read in the background from here on.
    auto *favorites = new FavoritesCommands(
        FavoritesParts{m_services.dataDir + QStringLiteral("/Favorites"), m_services.switches, m_services.messages,
                       this,
                       [this](const QString &address, bool reuse) {
                           m_host->CreatePage(address, reuse ? PageHost::ReuseBlank : PageHost::OpenFlags{},
                                              loadingLabel());
                       },
                       [this] { return pageTitleAndAddress(m_host->activePage()); },
                       [this] { return pageTitleAndAddress(m_host->list().at(m_host->menuTab())); },
                       [this] {
                           if (CWebBrowser2 *page = m_host->activePage())
                               page->control()->widget()->setFocus();
                       }},
        this);
    // Each model read (the first one and those after changes) goes to the panel.
    connect(favorites, &FavoritesCommands::modelRebuilt, favoritesPanel,
            [favoritesPanel](const FavoriteEntry *root) { favoritesPanel->fill(*root); });

    m_clean = new CleanCommands(
        CleanParts{m_services.settings, this, m_services.profile, m_services.tempDir,
                   [this] {
                       if (m_services.history)
                           m_services.history->clearAll();
                   },
                   [addressCommands] { addressCommands->clearAddresses(); },
                   [addressCommands] { addressCommands->clearTypedValues(); },
                   [this] { m_findCommands->handle(cmd::ClearSearch); }},
        this);

    // Saving, printing, mailing and the other commands on the Page as a file.
    auto *pageFiles = new PageFileCommands(
        PageFileParts{*m_host, this, m_services.messages, m_services.openInEditor, m_services.tempDir,
                      [this] { return m_address->currentText(); },
                      [this](const QString &address) { setAddressText(address); }, m_services.addresses.website,
                      [this] { runCommand(cmd::ProxyOrganize); }},
        this);

    // Clone the page and save all open Pages.
    CloneCommands *clone = makeCloneCommands(CloneSetup{*m_host, this, m_services.messages, m_services.settings,
                                                        m_services.profile, m_services.proxyCredentials},
                                             this);

    // The routing order: the Pages first, then the frame's own commands,
    // then each subsystem's. A new subsystem adds its handler here.
    m_handlers = {m_pageCommands.data(), pageFiles, m_frameCommands.data(), explorer, addressCommands, startup,
                  clients, m_findCommands.data(), engineMenus, proxy, version, m_customize.data(), favorites,
                  m_clean.data(), clone};

    buildActions();
    m_actions.value(cmd::MakerWebSite)->setIcon(LazyIconEngine::icon([] { return pageEntryIcon(); }));
    // The find button can be pressed once there are words.
    QAction *find = m_actions.value(cmd::FindInPage);
    find->setEnabled(false);
    connect(m_findCommands, &FindCommands::wordsChanged, find,
            [this, find] { find->setEnabled(isEnabled(cmd::FindInPage)); });
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

FrameCommands *CTMain::frameCommands() const
{
    return m_frameCommands;
}

FindCommands *CTMain::findCommands() const
{
    return m_findCommands;
}

CustomizeCommands *CTMain::customizeCommands() const
{
    return m_customize;
}

void CTMain::buildActions()
{
    for (const CommandInfo &info : CommandTable::all()) {
        auto *action = new QAction(info.menuText(), this);
        action->setData(info.id);
        // "prompt\ntip": the status bar's prompt, and the tool button's tip.
        const QString prompt = info.promptText();
        const qsizetype tip = prompt.indexOf(QLatin1Char('\n'));
        action->setStatusTip(prompt.left(tip));
        if (tip >= 0)
            action->setToolTip(prompt.mid(tip + 1));
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
                QAction *entry = menu->addAction(node.shownTitle());
                entry->setData(node.id);
                const int id = node.id;
                connect(entry, &QAction::triggered, this, [this, id] { runCommand(id); });
            }
            break;
        case MenuNode::Submenu: {
            QMenu *sub = menu->addMenu(node.shownTitle());
            connect(sub, &QMenu::aboutToShow, this, [this, sub] { updateMenuStates(sub); });
            addMenuNodes(sub, node.children);
            break;
        }
        case MenuNode::Popup: {
            QMenu *popup = menu->addMenu(node.shownTitle());
            hookPopup(popup, node.id, node.children);
            break;
        }
        case MenuNode::PagesList:
            // The whole menu is the list of Pages, made each time it opens.
            connect(menu, &QMenu::aboutToShow, this, [this, menu] {
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

void CTMain::hookPopup(QMenu *popup, int placeholder, const QList<MenuNode> &fixed)
{
    connect(popup, &QMenu::aboutToShow, this, [this, popup, placeholder, fixed] {
        if (!fixed.isEmpty()) {
            // The fixed entries first; the handler adds to them.
            popup->clear();
            addMenuNodes(popup, fixed);
        }
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
    // The drop-downs that list the window's own commands.
    switch (placeholder) {
    case cmd::NewPage:
        menu->clear();
        for (int id : {cmd::NewBlankPage, cmd::NewHomePage, cmd::DuplicatePage, cmd::ClipboardPage})
            menu->addAction(m_actions.value(id));
        return;
    case cmd::ExplorerBar:
        menu->clear();
        for (int id : {cmd::FavoritesPanel, cmd::HistoryPanel})
            menu->addAction(m_actions.value(id));
        return;
    default: break;
    }
    for (CommandHandler *handler : std::as_const(m_handlers)) {
        if (handler->fillPopup(placeholder, menu))
            return;
    }
}

void CTMain::buildMenus(QMenuBar *menuBar)
{
    for (const MenuNode &top : MenuLayout::menuBar()) {
        QMenu *menu = menuBar->addMenu(top.shownTitle());
        if (top.kind == MenuNode::Popup) {
            hookPopup(menu, top.id, top.children);
            continue;
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenuStates(menu); });
        addMenuNodes(menu, top.children);
    }
}

void CTMain::buildToolBars()
{
    m_customize->restoreButtons();
    m_bars->addressBand()->addAction(m_actions.value(cmd::Go));
    m_bars->addressBand()->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // Back and forward follow the active Page's history; up, the address shown.
    auto updateNavigation = [this] {
        m_actions.value(cmd::Back)->setEnabled(isEnabled(cmd::Back));
        m_actions.value(cmd::Forward)->setEnabled(isEnabled(cmd::Forward));
        m_actions.value(cmd::OneLevelUp)->setEnabled(isEnabled(cmd::OneLevelUp));
    };
    connect(m_host, &PageHost::pageShown, this, updateNavigation);
    connect(&m_host->list(), &PageList::tabChanged, this, updateNavigation);
    connect(m_address, &QComboBox::editTextChanged, this, updateNavigation);
}

void CTMain::updateMenuStates(QMenu *menu)
{
    for (QAction *action : menu->actions()) {
        bool ok = false;
        const int id = action->data().toInt(&ok);
        if (!ok || id <= 0)
            continue;
        action->setEnabled(isEnabled(id));
        for (const CommandHandler *handler : std::as_const(m_handlers)) {
            if (const auto text = handler->text(id)) {
                action->setText(*text);
                break;
            }
        }
        if (const auto checked = isChecked(id)) {
            action->setCheckable(true);
            action->setChecked(*checked);
        }
    }
}

bool CTMain::runCommand(int id)
{
    // A handler may close the window, which empties the list.
    const QList<CommandHandler *> handlers = m_handlers;
    for (CommandHandler *handler : handlers) {
        if (handler->handle(id))
            return true;
    }
    return false;
}

std::optional<bool> CTMain::isChecked(int id) const
{
    for (const CommandHandler *handler : m_handlers) {
        if (const auto checked = handler->checked(id))
            return checked;
    }
    return std::nullopt;
}

bool CTMain::isEnabled(int id) const
{
    return std::ranges::all_of(m_handlers, [id](const CommandHandler *handler) { return handler->isEnabled(id); });
}

void CTMain::showTabMenu(int index, const QPoint &globalPos)
{
    Q_UNUSED(index);
    QMenu menu(this);
    m_pageCommands->fillTabMenu(&menu);
    menu.addSeparator();
    // The frame's own entry, made for this menu: the window's action would run the command twice.
    QAction *bottom = menu.addAction(m_actions.value(cmd::TabsAtBottom)->text());
    bottom->setData(cmd::TabsAtBottom);
    bottom->setCheckable(true);
    bottom->setChecked(isChecked(cmd::TabsAtBottom).value_or(false));
    menu.addAction(m_actions.value(cmd::MenuTabProperties)->text())->setData(cmd::MenuTabProperties);
    if (QAction *chosen = menu.exec(globalPos)) {
        bool ok = false;
        const int id = chosen->data().toInt(&ok);
        if (ok)
            runCommand(id);
    }
}

QString CTMain::homeAddress() const
{
    const auto value = m_services.settings.registry().query(Hive::CurrentUser, QLatin1String(mirrored::kIEMain),
                                                             QStringLiteral("Start Page"));
    return value && !value->text.trimmed().isEmpty() ? value->text.trimmed() : kBlankAddress;
}

void CTMain::openAddress(const QString &address, bool toFront, bool reuseBlank, const QString &label)
{
    if (address.isEmpty() || !m_host)
        return;
    m_host->CreatePage(
        address, PageHost::OpenFlags().setFlag(PageHost::ToFront, toFront).setFlag(PageHost::ReuseBlank, reuseBlank), label);
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
    openAddress(InternetShortcut::resolve(text), false, true, loadingLabel());
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
    if (m_exitChecking) {
        // The close is under way with the clean dialog up: the dialog goes
        // unanswered, and the close goes on.
        m_clean->cancelExitCheck();
        return;
    }
    close();
}

void CTMain::setStatusText(const QString &text)
{
    m_panes->setStatusText(text);
}

void CTMain::setStatusColor(const QColor &color)
{
    m_panes->setStatusColor(color);
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
    if (m_clean && m_clean->isBusy()) {
        // A close on a signal while the cleaner works on a worker: the
        // window goes once the work is done.
        event->ignore();
        QTimer::singleShot(100, this, &QWidget::close);
        return;
    }
    // The clean dialog while the Pages are all there, unless the window goes
    // on a signal: then nothing is asked and nothing cleaned.
    if (!m_quiet && !m_shutDown && m_clean) {
        m_exitChecking = true;
        m_clean->exitCheck();
        m_exitChecking = false;
    }
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
    if (!m_frameCommands->isFullScreen())
        m_services.settings.write(settings::barLayout, saveState());
    const bool maximized = m_frameCommands->isFullScreen() ? m_frameCommands->restoresMaximized() : isMaximized();
    // What the next start needs, while the Pages are all there.
    for (CommandHandler *handler : std::as_const(m_handlers))
        handler->aboutToClose();
    // The handlers go before the Pages they work on, and the Pages before
    // the engine profile they belong to.
    while (!m_handlers.isEmpty())
        delete m_handlers.takeLast();
    delete m_tabs;
    m_tabs = nullptr;
    delete m_host;
    m_host = nullptr;
    if (m_offline)
        m_offline->setOffline(false);
    m_services.settings.write(settings::bMax, maximized ? 1 : 0);
}
