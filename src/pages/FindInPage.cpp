#include "pages/FindInPage.h"

#include "pages/BrowserControl.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString resource(const QString &name)
{
    QFile file(QStringLiteral(":/js/") + name);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// The shared text index, then the job called with its arguments; the
// arguments go in as JSON, never as script text of their own.
QString call(const QString &job, const QJsonArray &arguments)
{
    static const QString text = resource(QStringLiteral("find-text.js"));
    const QString args = QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact));
    return text + QLatin1Char('\n') + job + QLatin1Char('(') + args.mid(1, args.size() - 2) + QStringLiteral(");");
}

} // namespace

QString FindInPage::markScript(const QString &word)
{
    static const QString job = resource(QStringLiteral("find-mark.js"));
    return call(job, {word, kMarkId, kTextColour, kBackground});
}

QString FindInPage::unmarkScript()
{
    static const QString job = resource(QStringLiteral("find-unmark.js"));
    return call(job, {kMarkId});
}

QString FindInPage::nextScript(const QString &word, const QVariant &bookmark)
{
    static const QString job = resource(QStringLiteral("find-next.js"));
    return call(job, {word, bookmark.isValid() ? QJsonValue::fromVariant(bookmark) : QJsonValue()});
}

void FindInPage::markAll(BrowserControl &control, const QString &word, Done done)
{
    if (word.isEmpty())
        return;
    control.runPageScript(markScript(word), [done](const QVariant &result) {
        if (done)
            done(result.toInt());
    });
}

void FindInPage::removeMarks(BrowserControl &control, Done done)
{
    control.runPageScript(unmarkScript(), [done](const QVariant &result) {
        if (done)
            done(result.toInt());
    });
}

void FindInPage::findNext(BrowserControl &control, const QString &word, std::function<void(bool)> done)
{
    if (word != m_word)
        m_bookmark = QVariant();
    m_word = word;
    search(control, word, false, std::move(done));
}

void FindInPage::search(BrowserControl &control, const QString &word, bool wrapped, std::function<void(bool)> done)
{
    const bool hadBookmark = m_bookmark.isValid();
    BrowserControl *target = &control;
    control.runPageScript(nextScript(word, m_bookmark), [this, target, word, wrapped, hadBookmark,
                                                         done](const QVariant &result) {
        const QVariantMap answer = result.toMap();
        // Another search may have started meanwhile: it owns the position now.
        if (word != m_word) {
            if (done)
                done(false);
            return;
        }
        if (answer.value(QStringLiteral("found")).toBool()) {
            m_bookmark = answer.value(QStringLiteral("bookmark"));
            if (done)
                done(true);
            return;
        }
        const bool restored = answer.value(QStringLiteral("restored")).toBool();
        m_bookmark = QVariant();
        // Nothing more after the last match: once more from the top. A
        // bookmark this document could not take finds nothing this time.
        if (hadBookmark && restored && !wrapped) {
            search(*target, word, true, done);
            return;
        }
        if (done)
            done(false);
    });
}
