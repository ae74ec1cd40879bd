#include "frame/CTMain.h"

#include "app/AppSwitches.h"
#include "app/BuildInfo.h"
#include "app/InternetShortcut.h"
#include "app/SettingsStore.h"
#include "app/SettingsTable.h"
#include "frame/MenuTable.h"
#include "pages/CWebBrowser2.h"
#include "pages/PageCommands.h"
#include "pages/PageHost.h"
#include "pages/TabStrip.h"
#include "platform/RegistryStore.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kTitleSuffix = QStringLiteral(" - ") + QLatin1String(kProductName);
const QString kBlank = QStringLiteral("about:blank");

} // namespace

CTMain::CTMain(FrameServices services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
{
    setWindowTitle(QLatin1String(kProductName));
    resize(1024, 768);
    setAcceptDrops(true);

    buildStatusBar();
    buildAddressBar();

    auto *centre = new QWidget(this);
    auto *layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_host = new PageHost(PageHostServices{m_services.controls, m_services.switches, m_services.downloadFlags,
                                           *this, m_services.sounds, m_services.messages,
                                           [this] { return homeAddress(); }},
                          centre);
    m_tabs = new TabStrip(*m_host, centre);
    layout->addWidget(m_tabs);
    layout->addWidget(m_host, 1);
    setCentralWidget(centre);
    connect(m_tabs, &TabStrip::tabMenuRequested, this, &CTMain::showTabMenu);

    m_commands = new PageCommands(*m_host, m_services.settings.registry(), m_services.makerWebsite, this);
    buildMenus();

    // Previous and next Page, round the list.
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this,
            [this] {
                if (m_host)
                    m_host->selectNeighbour(-1);
            });
    connect(new QShortcut(QKeySequence(Qt::Key_F3), this), &QShortcut::activated, this,
            [this] {
                if (m_host)
                    m_host->selectNeighbour(+1);
            });

    m_host->CreateFirstPage(kBlank);
}

CTMain::~CTMain()
{
    shutdown();
}

void CTMain::buildStatusBar()
{
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusText"));
    m_status->setMinimumWidth(1);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setMaximumWidth(120);
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_security = new QLabel(this);
    m_security->setObjectName(QStringLiteral("security"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->addPermanentWidget(m_progress);
    statusBar()->addPermanentWidget(m_security);
}

void CTMain::buildAddressBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("地址"));
    bar->setObjectName(QStringLiteral("addressBar"));
    bar->setMovable(false);
    bar->addWidget(new QLabel(QStringLiteral("地址 "), bar));
    m_address = new QLineEdit(bar);
    m_address->setObjectName(QStringLiteral("address"));
    m_address->setClearButtonEnabled(true);
    bar->addWidget(m_address);
    connect(m_address, &QLineEdit::returnPressed, this, [this] {
        const QString text = m_address->text().trimmed();
        if (!text.isEmpty())
            m_host->OpenInCurrentPage(text);
    });
}

void CTMain::buildMenus()
{
    auto dispatch = [this](QAction *action) {
        bool ok = false;
        const int id = action->data().toInt(&ok);
        if (ok && id > 0)
            runCommand(id);
    };
    auto addCommands = [this](QMenu *menu, const QList<MenuItem> &items) {
        for (const MenuItem &item : items) {
            if (item.kind == MenuItem::Separator) {
                menu->addSeparator();
                continue;
            }
            QAction *action = menu->addAction(item.text);
            action->setData(item.id);
            action->setCheckable(item.checkable);
            if (!item.keys.isEmpty()) {
                action->setShortcuts(item.keys);
                // Keys work with the menu bar closed too.
                addAction(action);
            }
        }
    };
    for (const MenuSpec &spec : MenuTable::menus()) {
        QMenu *menu = menuBar()->addMenu(spec.title);
        connect(menu, &QMenu::triggered, this, dispatch);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenuStates(menu); });
        for (const MenuItem &item : spec.items) {
            switch (item.kind) {
            case MenuItem::Command:
            case MenuItem::Separator: addCommands(menu, {item}); break;
            case MenuItem::ClosedPages: {
                QMenu *closed = menu->addMenu(item.text);
                connect(closed, &QMenu::aboutToShow, this, [this, closed] {
                    if (m_commands)
                        m_commands->fillClosedPagesMenu(closed);
                });
                break;
            }
            case MenuItem::Encodings: {
                QMenu *encodings = menu->addMenu(item.text);
                addCommands(encodings, MenuTable::encodings());
                break;
            }
            case MenuItem::PagesList:
                // The whole menu is the list of Pages.
                connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                    if (m_commands)
                        m_commands->fillPagesMenu(menu);
                });
                break;
            }
        }
    }
}

void CTMain::updateMenuStates(QMenu *menu)
{
    if (!m_commands)
        return;
    for (QAction *action : menu->actions()) {
        bool ok = false;
        const int id = action->data().toInt(&ok);
        if (!ok || id <= 0)
            continue;
        action->setEnabled(m_commands->isEnabled(id));
        if (const auto checked = m_commands->checked(id)) {
            action->setCheckable(true);
            action->setChecked(*checked);
        }
    }
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

void CTMain::runCommand(int id)
{
    if (!m_commands)
        return;
    if (m_commands->handle(id))
        return;
    // The frame's own commands arrive with the frame's command table.
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
    return m_status->text();
}

QString CTMain::securityText() const
{
    return m_security->text();
}

void CTMain::setStatusText(const QString &text)
{
    m_status->setText(text);
}

void CTMain::setProgress(int position, int maximum)
{
    if (maximum <= 0) {
        m_progress->hide();
        return;
    }
    m_progress->setRange(0, maximum);
    m_progress->setValue(position);
    m_progress->show();
}

void CTMain::setSecurityText(const QString &text)
{
    m_security->setText(text);
}

void CTMain::setFrameTitle(const QString &pageTitle)
{
    if (pageTitle.isEmpty())
        return;
    setWindowTitle(pageTitle + kTitleSuffix);
}

void CTMain::setAddressText(const QString &address)
{
    m_address->setText(address);
    m_address->setCursorPosition(0);
}

void CTMain::focusAddressBar()
{
    m_address->setFocus();
    m_address->selectAll();
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
    const bool maximized = isMaximized();
    // Pages go before the engine profile they belong to.
    delete m_commands;
    m_commands = nullptr;
    delete m_tabs;
    m_tabs = nullptr;
    delete m_host;
    m_host = nullptr;
    m_services.settings.write(settings::bMax, maximized ? 1 : 0);
}
