#pragma once

#include "pages/ClosedPageList.h"

#include <QObject>

#include <memory>
#include <vector>

class CWebBrowser2;

// The open Pages in tab order, the active Page and the previous one (the
// Page to come back to when the active one closes), and the closed Pages
// that can be reopened. It holds the rules for where a new Page goes and
// which Page comes up when one closes. The Page Host changes it; the tab
// strip and the frame observe it through one signal per change.
class PageList : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~PageList() override;

    int count() const { return static_cast<int>(m_pages.size()); }
    bool isEmpty() const { return m_pages.empty(); }
    CWebBrowser2 *at(int index) const;

    int current() const { return m_current; }
    int previous() const { return m_previous; }
    CWebBrowser2 *active() const { return at(m_current); }

    // Where a new Page goes: right after the active one when new Pages
    // follow it, else at the end.
    int placeForNew(bool followActive) const;
    // Puts the Page at position and renumbers the Pages from there on; the
    // active and the previous Page stay the same Pages. The first Page of an
    // empty list becomes the active and the previous one.
    void insert(int position, std::unique_ptr<CWebBrowser2> page);

    // The Page at index becomes the active one and the one active so far the
    // previous one (a tab click, a Page brought up when it is made).
    void select(int index);
    // The Page `step` places along, round the list; -1 with fewer than two.
    int neighbour(int step) const;
    // That Page becomes the active one; the previous one stays (F2, F3).
    void selectNeighbour(int step);

    // Set before a close asked for in one of these ways, each with its rule
    // for the Page that comes back.
    // The tab strip closes a tab other than the active one: with fewer than
    // three Pages the first becomes the active and the previous one; else the
    // active Page becomes previous, or the one left of it when it is the last.
    void prepareTabClose();
    // A middle click on a tab: the active Page becomes previous; with fewer
    // than three Pages and a close to follow, the first one does.
    void prepareMiddleClickClose(bool closing);
    // Every Page but keep closes: keep is the Page to come back to.
    void prepareCloseAllBut(int keep);

    // Takes the Page out and renumbers the Pages after it. The previous Page
    // stays the same Page, or the one left of it when it goes itself. When
    // the active Page goes, the previous one comes up in its place, not a
    // neighbour; a list left empty has none.
    std::unique_ptr<CWebBrowser2> take(int index);

    const ClosedPageList &closed() const { return m_closed; }
    // Remembers the Page at index as closed, titled by its address when it
    // has no title; a Page showing "about:blank" or nothing is not.
    void rememberClosed(int index);
    // Remembers an address as closed whatever it is (the last exit's Pages).
    void addClosed(const QString &address, const QString &title);
    // The most recent closed Page, or the one at slot, has been reopened.
    void forgetNewestClosed();
    void forgetClosed(int slot);

signals:
    void inserted(int index);
    void removed(int index);
    // Another Page is the active one, or the active one moved.
    void currentChanged(int index);
    // The tab of the Page at index shows something new.
    void tabChanged(int index);
    void closedListChanged();

private:
    void setCurrent(int index);
    void renumberFrom(int index);

    std::vector<std::unique_ptr<CWebBrowser2>> m_pages;
    int m_current = 0;
    int m_previous = 0;
    ClosedPageList m_closed;
};
