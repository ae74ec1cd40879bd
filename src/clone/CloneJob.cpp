#include "clone/CloneJob.h"

#include "clone/CloneList.h"

#include <QPointer>
#include <QSaveFile>
#include <QTimer>

#include <algorithm>

CloneJob::CloneJob(QList<Entry> entries, Tools tools, int atOnce, QObject *parent)
    : QObject(parent)
    , m_entries(std::move(entries))
    , m_tools(std::move(tools))
    , m_atOnce(std::max(1, atOnce))
{
}

void CloneJob::start()
{
    QTimer::singleShot(0, this, &CloneJob::startMore);
}

void CloneJob::cancel()
{
    m_cancelled = true;
    QTimer::singleShot(0, this, &CloneJob::startMore);
}

void CloneJob::startMore()
{
    if (m_finished)
        return;
    while (!m_cancelled && m_running < m_atOnce && m_next < m_entries.size())
        run(m_next++);
    if (m_running == 0 && (m_cancelled || m_next == m_entries.size())) {
        m_finished = true;
        emit finished(m_notWritten);
    }
}

void CloneJob::run(int index)
{
    ++m_running;
    const Entry &entry = m_entries.at(index);
    emit entryStarted(index, int(m_entries.size()), entry.address, entry.path);
    if (entry.saveShown) {
        entry.saveShown(entry.path, endOf(index));
    } else if (CloneList::isPicture(entry.address)) {
        const Done done = endOf(index);
        const QString path = entry.path;
        m_tools.fetch(entry.address, [done, path](bool ok, const QByteArray &body) {
            // A picture that did not come writes nothing.
            done(ok ? writePicture(path, body) : Outcome::Skipped);
        });
    } else {
        m_tools.archive(entry.address, entry.path, endOf(index));
    }
}

CloneJob::Done CloneJob::endOf(int index)
{
    QPointer<CloneJob> self(this);
    return [self, index](Outcome outcome) {
        if (!self)
            return;
        QTimer::singleShot(0, self, [self, index, outcome] { self->ended(index, outcome); });
    };
}

void CloneJob::ended(int index, Outcome outcome)
{
    --m_running;
    ++m_ended;
    if (outcome == Outcome::NotWritten)
        m_notWritten << m_entries.at(index).path;
    emit progressed(m_ended, int(m_entries.size()));
    startMore();
}

CloneJob::Outcome CloneJob::writePicture(const QString &path, const QByteArray &body)
{
    // An older file of the same name is replaced whole, or left as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit())
        return Outcome::NotWritten;
    return Outcome::Written;
}
