#include "clean/CleanCommands.h"

#include "clean/CCleanDlg.h"
#include "clean/EngineDataSweep.h"
#include "clean/RecentDocuments.h"
#include "clean/RegistryTraces.h"
#include "clean/TempCleaner.h"
#include "clean/TrashCleaner.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QScopedValueRollback>
#include <QThread>
#include <QTimer>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

#include <cstdio>
#include <memory>

namespace {

void reportFailures(const char *what, const SafeTree::Outcome &outcome)
{
    if (outcome.failed > 0)
        std::fprintf(stderr, "vesperal: %s: %lld entries could not be removed\n", what,
                     static_cast<long long>(outcome.failed));
}

} // namespace

CleanCommands::CleanCommands(CleanParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
{
}

CleanCommands::~CleanCommands() = default;

bool CleanCommands::handle(int id)
{
    if (id == cmd::CleanAll) {
        WaitCursor wait;
        run(CleanTargets::clearAllOrder());
        return true;
    }
    const CleanTargetInfo *target = CleanTargets::forCommand(id);
    if (!target)
        return false;
    run({target->target});
    return true;
}

void CleanCommands::run(const QList<CleanTarget> &targets)
{
    for (CleanTarget target : targets)
        runOne(target);
}

void CleanCommands::exitCheck()
{
    if (m_parts.settings.read(settings::cleanShow) == 0)
        return;
    CCleanDlg dialog(m_parts.settings, m_parts.window);
    m_exitDialog = &dialog;
    const int answer = dialog.exec();
    m_exitDialog = nullptr;
    if (answer != QDialog::Accepted)
        return;
    WaitCursor wait;
    // Under select-all the exit check clears what "clear all" does, which
    // leaves the forms in place even though their box shows ticked.
    run(dialog.selectAll() ? CleanTargets::clearAllOrder() : dialog.chosen());
}

void CleanCommands::cancelExitCheck()
{
    if (m_exitDialog)
        m_exitDialog->reject();
}

void CleanCommands::runOne(CleanTarget target)
{
    RegistryStore &registry = m_parts.settings.registry();
    switch (target) {
    case CleanTarget::Cookies:
        // The cookies go now; what the sites stored besides (local storage,
        // databases, service workers) the engine cannot drop while it runs:
        // it goes at the next start, before the engine opens its profile.
        if (m_parts.profile)
            m_parts.profile->cookieStore()->deleteAllCookies();
        EngineDataSweep::request(m_parts.settings, EngineDataSweep::SiteData);
        break;
    case CleanTarget::Cache:
        // The engine empties its cache without saying when it is done; the
        // cache folder goes at the next start as well.
        if (m_parts.profile)
            m_parts.profile->clearHttpCache();
        EngineDataSweep::request(m_parts.settings, EngineDataSweep::Cache);
        break;
    case CleanTarget::History:
        if (m_parts.clearHistory)
            m_parts.clearHistory();
        if (m_parts.profile)
            m_parts.profile->clearAllVisitedLinks();
        if (m_parts.clearTypedValues)
            m_parts.clearTypedValues();
        break;
    case CleanTarget::Addresses:
        if (m_parts.clearAddresses)
            m_parts.clearAddresses();
        break;
    case CleanTarget::SearchWords:
        if (m_parts.clearSearchWords)
            m_parts.clearSearchWords();
        break;
    case CleanTarget::TempFiles: {
        const TempCleaner cleaner(TempCleaner::forThisUser(m_parts.ownTempFolder));
        runOffThread([cleaner] { reportFailures("temporary files", cleaner.run().outcome); });
        break;
    }
    case CleanTarget::RecycleBin: {
        const TrashCleaner cleaner(TrashCleaner::forThisUser());
        runOffThread([cleaner] { reportFailures("trash", cleaner.run().outcome); });
        break;
    }
    case CleanTarget::RecentDocuments: {
        const QString file = RecentDocuments::listFile();
        if (RecentDocuments::clear(file) == RecentDocuments::Result::Failed)
            std::fprintf(stderr, "vesperal: could not empty %s\n", qPrintable(file));
        break;
    }
    case CleanTarget::RunHistory: RegistryTraces::clearRunHistory(registry); break;
    case CleanTarget::FoundFiles: RegistryTraces::clearFoundFiles(registry); break;
    case CleanTarget::FormPasswords: RegistryTraces::clearFormPasswords(registry); break;
    case CleanTarget::Forms: RegistryTraces::clearForms(registry, RegistryTraces::currentUserName()); break;
    case CleanTarget::FoundComputers: RegistryTraces::clearFoundComputers(registry); break;
    }
}

void CleanCommands::runOffThread(const std::function<void()> &work)
{
    const QScopedValueRollback busy(m_busy, true);
    std::unique_ptr<QThread> worker(QThread::create(work));
    QEventLoop loop;
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    // A box that only says to wait, from half a second on; the window paints meanwhile.
    QProgressDialog box(tr("正在清除..."), QString(), 0, 0, m_parts.window);
    box.setWindowModality(Qt::WindowModal);
    box.setCancelButton(nullptr);
    QTimer::singleShot(500, &box, &QProgressDialog::show);
    if (!worker->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
}
