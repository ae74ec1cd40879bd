#include "app/Application.h"

#include "app/BuildStamp.h"
#include "app/CStartupLogo.h"
#include "app/DataSeeder.h"
#include "app/ShutdownSignals.h"
#include "app/StoreMessages.h"
#include "app/Translations.h"
#include "clean/EngineDataSweep.h"
#include "clean/TempCleaner.h"
#include "core/SettingsTable.h"
#include "favorites/FavoritesSeed.h"
#include "frame/CTMain.h"
#include "history/HistoryMessages.h"
#include "history/HistoryStore.h"
#include "net/SessionProxy.h"
#include "pages/DownloadFlags.h"
#include "pages/EngineControl.h"
#include "platform/InternetShortcut.h"
#include "platform/SingleInstance.h"
#include "platform/Sounds.h"
#include "platform/TextEditor.h"
#include "ui/CProxyLoginDlg.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QWebEngineProfile>

namespace {

// A relative file name means nothing to another process with another
// working directory: hand over the full path.
QString absoluteIfFile(const QString &argument)
{
    const QFileInfo info(argument);
    if (!argument.isEmpty() && info.isRelative() && info.exists())
        return info.absoluteFilePath();
    return argument;
}

} // namespace

Application::Application(CommandLine commandLine, MessageBoxes &messages, QObject *parent)
    : QObject(parent)
    , m_commandLine(std::move(commandLine))
    , m_messages(messages)
    , m_paths(Paths::resolve(m_commandLine.profile))
    , m_settings(m_registry)
{
}

Application::~Application()
{
    // Pages, then the engine profile they use, then the rest.
    m_frame.reset();
    delete m_profile;
    m_profile = nullptr;
    if (m_instance)
        m_instance->stop();
}

bool Application::start()
{
    // Started for embedding or automation: there is nothing to show.
    if (m_commandLine.embedding)
        return false;

    m_instance = std::make_unique<SingleInstance>(
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), m_paths.profileDir());
    switch (m_instance->claim()) {
    case SingleInstance::Role::Secondary:
        handOffToRunningInstance();
        return false;
    case SingleInstance::Role::Unreachable:
        // Never a second browser on the same profile.
        m_messages.tell(nullptr,
                        tr("Vesperal 浏览器已经在运行, 但是没有回应.\n"
                           "Vesperal is already running on this profile but does not answer."),
                        MessageBoxes::Icon::Error);
        m_exitCode = 1;
        return false;
    case SingleInstance::Role::Alone:
        m_instance.reset();
        break;
    case SingleInstance::Role::Primary:
        // Whatever sent a malformed record is no start of ours: noted, not shown.
        connect(m_instance.get(), &SingleInstance::brokenRecord, this,
                [] { qWarning("vesperal: a malformed hand-off from another start was dropped"); });
        break;
    }

    openStore();
    openHistory();
    std::unique_ptr<CStartupLogo> logo;
    QString lowVersion;
    {
        // A first start writes a few defaults: one wait for the disk for all.
        RegistryStore::Batch batch(m_registry);
        const QString logoFile = CStartupLogo::chooseImage(m_registry, m_paths.dataDir());
        logo = std::make_unique<CStartupLogo>(logoFile);
        logo->showNow();

        m_switches.load(m_settings);
        if (m_switches.bSilent) {
            m_registry.createAndSetValue(Hive::CurrentUser, QLatin1String(mirrored::kIEMain),
                                         QLatin1String(mirrored::kDisableScriptDebugger),
                                         RegValue::fromText(QStringLiteral("yes")));
        }
        m_addresses = MakerAddresses::load(m_settings);
        lowVersion = BuildStamp::check(m_settings, m_addresses.download);
    }

    // The engine takes the session's proxy when its network starts, which
    // the first Page does: the saved proxy has to be in place before it.
    applySavedProxy();
    createFrame();

    if (!lowVersion.isEmpty())
        m_messages.tell(logo.get(), lowVersion, MessageBoxes::Icon::Warning);

    // A frame that starts in full screen stays in it.
    if (m_frame->isFullScreen())
        m_frame->show();
    else if (m_settings.read(settings::bMax))
        m_frame->showMaximized();
    else
        m_frame->show();
    if (m_instance) {
        CTMain *frame = m_frame.get();
        m_instance->setHandler([frame](const QString &text) { return frame->receiveHandOff(text); });
    }

    logo.reset();
    return true;
}

void Application::handOffToRunningInstance()
{
    const QString argument = absoluteIfFile(m_commandLine.argument);
    const bool fits = SingleInstance::fits(argument);
    // Too long to hand over: the running window still comes up, with nothing opened.
    const auto result = m_instance->handOff(fits ? argument : QString());
    if (result == SingleInstance::HandOffResult::Failed) {
        m_messages.tell(nullptr, tr("App:Fail to create share memory!"), MessageBoxes::Icon::Error);
        m_exitCode = 1;
        return;
    }
    if (!fits) {
        m_messages.tell(nullptr,
                        tr("地址太长, 不能交给正在运行的 Vesperal 浏览器 (最多 %1 字节).\n"
                           "The address is too long to hand to the running Vesperal (at most %1 bytes).")
                            .arg(SingleInstance::kMaxRecord),
                        MessageBoxes::Icon::Warning);
        m_exitCode = 1;
    }
}

void Application::openStore()
{
    bool profileOk = m_paths.ensureProfile();
    const auto opened = m_registry.open(m_paths.registryFile());
    // The language is settled before the first window of this start: the
    // command line's, else the setting's, else the desktop's.
    m_translations = std::make_unique<Translations>(
        Translations::choose(m_commandLine.language, m_settings.read(settings::language), QLocale::system()));
    if (opened.status == RegistryStore::OpenStatus::Recovered)
        m_messages.tell(nullptr, StoreMessages::recovered(opened.movedTo), MessageBoxes::Icon::Warning);
    if (!m_registry.isWritable())
        profileOk = false;
    if (profileOk) {
        profileOk = DataSeeder::seed(Paths::shippedDataDir(), m_paths.dataDir()).ok;
        // A new profile starts with a few favorites; they are never put back once deleted.
        FavoritesSeed::seedIfAbsent(m_paths.dataDir() + QStringLiteral("/Favorites"));
    }
    if (!profileOk)
        m_messages.tell(nullptr, StoreMessages::unavailable(m_paths.registryFile()), MessageBoxes::Icon::Warning);
}

void Application::openHistory()
{
    // Opened and checked on the history's own thread while the window is made.
    m_history = std::make_unique<HistoryStore>();
    connect(m_history.get(), &HistoryStore::opened, this, [this](const HistoryStore::OpenResult &result) {
        if (result.status == HistoryStore::OpenStatus::Recovered)
            m_messages.tell(m_frame.get(), HistoryMessages::recovered(result.movedTo), MessageBoxes::Icon::Warning);
    });
    m_history->open(m_paths.profileDir() + QStringLiteral("/history.db"), m_settings.read(settings::HistoryDays));
}

void Application::createFrame()
{
    // What the cleaner asked to go and the engine could not drop while it ran.
    EngineDataSweep::runPending(m_settings, m_paths.engineStorageDir(), m_paths.engineCacheDir());
    m_profile = new QWebEngineProfile(QStringLiteral("vesperal"));
    m_profile->setPersistentStoragePath(m_paths.engineStorageDir());
    m_profile->setCachePath(m_paths.engineCacheDir());
    // The address the program was started with is the first Page's own.
    const QString firstAddress =
        m_commandLine.argument.isEmpty() ? QString() : InternetShortcut::resolve(m_commandLine.argument);
    // A proxy that asks the Pages for credentials asks the user.
    m_proxyCredentials = std::make_shared<DialogProxyCredentials>();
    ControlFactory controls = EngineControl::factory(m_profile, m_proxyCredentials);
    m_downloadFlags = std::make_unique<DownloadFlags>(m_registry, m_settings);
    m_downloadFlags->load();
    m_sounds = std::make_unique<WaveSounds>(m_paths.dataDir());
    m_frame = std::make_unique<CTMain>(FrameServices{std::move(controls), m_settings, m_switches,
                                                     *m_downloadFlags, *m_sounds, m_messages, m_addresses,
                                                     m_paths.dataDir(), m_profile, firstAddress,
                                                     [](const QString &file) { return TextEditor::open(file); },
                                                     m_proxyCredentials, m_history.get(),
                                                     TempCleaner::ownFolderIn(m_paths.profileDir())});
    connect(m_frame.get(), &CTMain::closing, this, [this] {
        // The window takes no more hand-offs; a later start becomes the instance.
        if (m_instance)
            m_instance->stop();
    });
    m_signals = std::make_unique<ShutdownSignals>();
    connect(m_signals.get(), &ShutdownSignals::requested, this, &Application::onQuitSignal);
}

void Application::onQuitSignal()
{
    if (m_frame && !m_frame->isShutDown())
        m_frame->closeWithoutQuestions();
    QApplication::quit();
}

void Application::applySavedProxy()
{
    const QString proxy = m_settings.read(settings::curProxy);
    if (m_settings.read(settings::proxyEnable) == 1 && !proxy.isEmpty()) {
        if (!SessionProxy::setNamed(proxy))
            m_messages.tell(nullptr, tr("设定代理失败."), MessageBoxes::Icon::Warning);
        return;
    }
    SessionProxy::setDirect();
}
