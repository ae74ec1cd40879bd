#pragma once

#include "clone/CloneJob.h"
#include "clone/CloneList.h"
#include "core/CommandHandler.h"

#include <QList>
#include <QObject>
#include <QVariant>

#include <functional>
#include <optional>

class MessageBoxes;
class QWidget;

// An open Page as the clone commands see it.
struct ClonePage
{
    QString name;    // its location name
    QString address; // what it shows
    // Runs a page script on its document; done gets the result (invalid
    // without a document).
    std::function<void(const QString &source, std::function<void(const QVariant &result)> done)> runScript;
    // Writes it to a file as it is shown, as a web archive.
    CloneJob::SaveShown save;
};

// What the clone commands work with.
struct CloneParts
{
    QWidget *window; // what the dialogs belong to
    MessageBoxes &messages;
    CloneList::NameRule nameRule;
    // The active Page; nothing without one.
    std::function<std::optional<ClonePage>()> activePage;
    // Every open Page, in tab order.
    std::function<QList<ClonePage>()> openPages;
    // Loads an address unseen and writes it as a web archive.
    CloneJob::Archive archive;
    // A fetch of pictures for one job.
    std::function<CloneJob::Fetch()> newFetch;
    // The folder the clones go into; empty: the user's documents folder.
    QString documentsDir;
};

// Clone the page (the page and the pages it links to, written to a folder
// of its own) and save all open Pages (into "My webs"): a dialog to choose
// the pages and the folder, then a job with a progress window.
class CloneCommands : public QObject, public CommandHandler
{
    Q_OBJECT
public:
    explicit CloneCommands(CloneParts parts, QObject *parent = nullptr);
    ~CloneCommands() override;

    bool handle(int id) override;
    // Clone needs an active Page, save all any Page.
    bool isEnabled(int id) const override;

    // Jobs under way.
    int running() const;

signals:
    // A job has ended (tests wait for it).
    void jobEnded();

private:
    void clone();
    void saveAll();
    // The clone dialog over the list; the job when the user says OK.
    void chooseAndRun(const QList<CloneEntry> &entries, const QString &folder, const QList<ClonePage> &pages);
    QString documentsDir() const;

    CloneParts m_parts;
    QList<CloneJob *> m_jobs;
};
