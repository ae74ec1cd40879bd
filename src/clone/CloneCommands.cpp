#include "clone/CloneCommands.h"

#include "clone/CCloneDlg.h"
#include "clone/CCloneProgressDlg.h"
#include "core/CommandIds.h"
#include "ui/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>

namespace {

QString linkScript()
{
    QFile file(QStringLiteral(":/js/clone-links.js"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

CloneCommands::CloneCommands(CloneParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
{
}

CloneCommands::~CloneCommands()
{
    // Jobs under way end here, telling nobody.
    for (CloneJob *job : std::as_const(m_jobs)) {
        job->disconnect();
        delete job;
    }
}

bool CloneCommands::handle(int id)
{
    switch (id) {
    case cmd::ClonePage: clone(); return true;
    case cmd::SaveAllPages: saveAll(); return true;
    default: return false;
    }
}

bool CloneCommands::isEnabled(int id) const
{
    switch (id) {
    case cmd::ClonePage: return m_parts.activePage && m_parts.activePage().has_value();
    case cmd::SaveAllPages: return m_parts.openPages && !m_parts.openPages().isEmpty();
    default: return true;
    }
}

int CloneCommands::running() const
{
    return int(m_jobs.size());
}

QString CloneCommands::documentsDir() const
{
    if (!m_parts.documentsDir.isEmpty())
        return m_parts.documentsDir;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void CloneCommands::clone()
{
    const std::optional<ClonePage> page = m_parts.activePage ? m_parts.activePage() : std::nullopt;
    if (!page)
        return;
    QPointer<CloneCommands> self(this);
    const QString name = page->name;
    const QString address = page->address;
    page->runScript(linkScript(), [self, name, address](const QVariant &links) {
        if (!self)
            return;
        const CloneList::NameRule &rule = self->m_parts.nameRule;
        const QString folder = QDir(self->documentsDir()).filePath(CloneList::pageName(name, rule));
        self->chooseAndRun(CloneList::forPage(name, address, CloneList::linksFrom(links), rule), folder, {});
    });
}

void CloneCommands::saveAll()
{
    const QList<ClonePage> pages = m_parts.openPages ? m_parts.openPages() : QList<ClonePage>();
    if (pages.isEmpty())
        return;
    QList<CloneEntry> shown;
    for (const ClonePage &page : pages)
        shown.append({page.name, page.address});
    const QList<CloneEntry> entries = CloneList::forOpenPages(shown, m_parts.nameRule);
    if (entries.isEmpty()) {
        m_parts.messages.tell(m_parts.window, tr("没有网页保存!"), MessageBoxes::Icon::Information);
        return;
    }
    chooseAndRun(entries, QDir(documentsDir()).filePath(QStringLiteral("My webs")), pages);
}

void CloneCommands::chooseAndRun(const QList<CloneEntry> &entries, const QString &folder,
                                 const QList<ClonePage> &pages)
{
    CCloneDlg dialog(entries, QDir::toNativeSeparators(folder), m_parts.messages, m_parts.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QList<CloneEntry> chosen = dialog.chosen();
    const QStringList paths = CloneList::targets(dialog.folder(), chosen, m_parts.nameRule);
    QList<CloneJob::Entry> work;
    for (qsizetype i = 0; i < chosen.size(); ++i) {
        const int page = chosen.at(i).page;
        work.append({chosen.at(i).address, paths.at(i),
                     page >= 0 && page < pages.size() ? pages.at(page).save : CloneJob::SaveShown()});
    }
    CloneJob::Tools tools{m_parts.archive, m_parts.newFetch ? m_parts.newFetch() : CloneJob::Fetch()};
    if (!tools.archive)
        tools.archive = [](const QString &, const QString &, CloneJob::Done done) { done(CloneJob::Outcome::Skipped); };
    if (!tools.fetch)
        tools.fetch = [](const QString &, CloneJob::Fetched done) { done(false, {}); };
    auto *job = new CloneJob(std::move(work), std::move(tools), CloneJob::kAtOnce, this);
    m_jobs << job;

    // The window and the job only signal each other.
    auto *progress = new CCloneProgressDlg(m_parts.window);
    connect(job, &CloneJob::entryStarted, progress, &CCloneProgressDlg::showEntry, Qt::QueuedConnection);
    connect(job, &CloneJob::progressed, progress, &CCloneProgressDlg::showProgress, Qt::QueuedConnection);
    connect(job, &CloneJob::finished, progress, &CCloneProgressDlg::jobEnded, Qt::QueuedConnection);
    connect(progress, &CCloneProgressDlg::aborted, job, &CloneJob::cancel, Qt::QueuedConnection);
    connect(
        job, &CloneJob::finished, this,
        [this, job](const QStringList &notWritten) {
            m_jobs.removeOne(job);
            job->deleteLater();
            if (!notWritten.isEmpty()) {
                m_parts.messages.tell(m_parts.window,
                                      tr("下列文件不能写入:\n%1").arg(notWritten.join(QLatin1Char('\n'))),
                                      MessageBoxes::Icon::Warning);
            }
            emit jobEnded();
        },
        Qt::QueuedConnection);
    progress->show();
    job->start();
}
