#include "frame/FindCommands.h"

#include "core/FrameCommandIds.h"
#include "pages/CWebBrowser2.h"
#include "pages/PageHost.h"

#include <QActionGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

FindCommands::FindCommands(PageHost &host, QComboBox &box, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_box(box)
{
}

bool FindCommands::handle(int id)
{
    if (id >= cmd::FindWordFirst && id <= cmd::FindWordLast) {
        chooseWord(id - cmd::FindWordFirst);
        return true;
    }
    switch (id) {
    case cmd::Highlight: highlightAll(); return true;
    case cmd::FindInPage: findCurrent(); return true;
    case cmd::ClearSearch: clear(); return true;
    default: return false;
    }
}

bool FindCommands::isEnabled(int id) const
{
    if (id == cmd::FindInPage)
        return !m_words.words.isEmpty();
    return true;
}

bool FindCommands::fillPopup(int placeholder, QMenu *menu)
{
    if (placeholder != cmd::FindInPage)
        return false;
    menu->clear();
    auto *group = new QActionGroup(menu);
    for (int i = 0; i < m_words.words.size(); ++i) {
        QAction *action = menu->addAction(m_words.words[i]);
        // Only so many words have a command; the rest are shown, not chosen.
        if (i < kMaxWordCommands)
            action->setData(cmd::FindWordFirst + i);
        else
            action->setEnabled(false);
        if (i == m_words.current) {
            action->setCheckable(true);
            action->setChecked(true);
            group->addAction(action);
        }
    }
    return true;
}

QString FindCommands::takeText(bool firstIsCurrent)
{
    const QStringList words = FindWords::split(m_box.currentText());
    const QString text = words.isEmpty() ? QString() : FindWords::trimmed(m_box.currentText());
    const bool changed = m_words.words != words;
    m_words.words = words;
    if (firstIsCurrent)
        m_words.current = 0;
    if (changed)
        emit wordsChanged();
    if (!text.isEmpty()) {
        const QStringList before = history();
        const QStringList after = FindWords::remember(before, text);
        if (after != before) {
            const QString shown = m_box.currentText();
            if (after.size() > before.size()) {
                m_box.addItem(text);
            } else {
                // The seventeenth text and later take the first place.
                m_box.removeItem(0);
                m_box.insertItem(0, text);
            }
            m_box.setEditText(shown);
        }
        const int index = m_box.findText(text, Qt::MatchFixedString);
        if (index >= 0) {
            const QString shown = m_box.currentText();
            m_box.setCurrentIndex(index);
            m_box.setEditText(shown);
        }
    }
    return text;
}

QStringList FindCommands::history() const
{
    QStringList list;
    for (int i = 0; i < m_box.count(); ++i)
        list << m_box.itemText(i);
    return list;
}

void FindCommands::highlightAll()
{
    CWebBrowser2 *page = m_host.activePage();
    if (!page)
        return;
    FindInPage::removeMarks(*page->control());
    if (takeText(false).isEmpty())
        return;
    for (const QString &word : m_words.words)
        FindInPage::markAll(*page->control(), word);
}

void FindCommands::findCurrent()
{
    if (m_words.current >= m_words.words.size())
        m_words.current = 0;
    CWebBrowser2 *page = m_host.activePage();
    if (page && !m_words.words.isEmpty())
        m_find.findNext(*page->control(), m_words.words[m_words.current]);
}

void FindCommands::chooseWord(int index)
{
    if (index < 0 || index >= m_words.words.size())
        return;
    CWebBrowser2 *page = m_host.activePage();
    if (!page)
        return;
    const QString word = m_words.words[index];
    m_find.findNext(*page->control(), word);
    m_words.current = index;
    // Only the chosen word stays highlighted.
    FindInPage::removeMarks(*page->control());
    FindInPage::markAll(*page->control(), word);
}

void FindCommands::clear()
{
    m_box.clear();
    m_box.setEditText(QString());
}
