#pragma once

#include "pages/ClosedPageList.h"

#include <QObject>

#include <memory>
#include <vector>

class CWebBrowser2;

// The open Pages in tab order, the active and the previously active one, and
// the closed Pages that can be reopened. The tab strip and the frame observe
// it; the Page Host changes it.
class PageList : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~PageList() override;

    int count() const { return static_cast<int>(m_pages.size()); }
    bool isEmpty() const { return m_pages.empty(); }
    CWebBrowser2 *at(int index) const;
    int indexOf(const CWebBrowser2 *page) const;

    int current() const { return m_current; }
    int previous() const { return m_previous; }
    CWebBrowser2 *active() const { return at(m_current); }
    void setCurrent(int index);
    void setPrevious(int index) { m_previous = index; }

    // Inserts at position and renumbers the Pages from there on.
    void insert(int position, std::unique_ptr<CWebBrowser2> page);
    // Takes the Page out and renumbers the Pages after it; current and
    // previous are the caller's to adjust.
    std::unique_ptr<CWebBrowser2> take(int index);

    ClosedPageList &closed() { return m_closed; }
    const ClosedPageList &closed() const { return m_closed; }
    // Tells observers that the closed list changed.
    void closedChanged() { emit closedListChanged(); }

signals:
    void inserted(int index);
    void removed(int index);
    void currentChanged(int index);
    void tabChanged(int index);
    void closedListChanged();

private:
    void renumberFrom(int index);

    std::vector<std::unique_ptr<CWebBrowser2>> m_pages;
    int m_current = 0;
    int m_previous = 0;
    ClosedPageList m_closed;
};
