#include "pages/PageList.h"

#include "pages/BlankPage.h"
#include "pages/CWebBrowser2.h"

#include <algorithm>

PageList::~PageList() = default;

CWebBrowser2 *PageList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_pages[static_cast<size_t>(index)].get();
}

int PageList::placeForNew(bool followActive) const
{
    return followActive && !isEmpty() ? m_current + 1 : count();
}

void PageList::insert(int position, std::unique_ptr<CWebBrowser2> page)
{
    const bool first = isEmpty();
    position = std::clamp(position, 0, count());
    CWebBrowser2 *raw = page.get();
    m_pages.insert(m_pages.begin() + position, std::move(page));
    renumberFrom(position);
    connect(raw, &CWebBrowser2::tabChanged, this,
            [this](CWebBrowser2 *changed) { emit tabChanged(changed->index()); });
    if (!first && m_previous >= position)
        ++m_previous;
    emit inserted(position);
    if (first) {
        m_current = m_previous = 0;
        emit currentChanged(0);
    } else if (m_current >= position) {
        setCurrent(m_current + 1);
    }
}

void PageList::select(int index)
{
    if (!at(index))
        return;
    m_previous = m_current;
    setCurrent(index);
}

int PageList::neighbour(int step) const
{
    const int n = count();
    if (n < 2)
        return -1;
    return ((m_current + step) % n + n) % n;
}

void PageList::selectNeighbour(int step)
{
    const int index = neighbour(step);
    if (index >= 0)
        setCurrent(index);
}

void PageList::prepareTabClose()
{
    const int n = count();
    if (n < 3) {
        setCurrent(0);
        m_previous = 0;
    } else {
        m_previous = m_current == n - 1 ? m_current - 1 : m_current;
    }
}

void PageList::prepareMiddleClickClose(bool closing)
{
    m_previous = closing && count() < 3 ? 0 : m_current;
}

void PageList::prepareCloseAllBut(int keep)
{
    if (at(keep))
        m_previous = keep;
}

std::unique_ptr<CWebBrowser2> PageList::take(int index)
{
    if (!at(index))
        return nullptr;
    auto page = std::move(m_pages[static_cast<size_t>(index)]);
    m_pages.erase(m_pages.begin() + index);
    page->disconnect(this);
    renumberFrom(index);
    if (m_previous >= index && m_previous > 0)
        --m_previous;
    m_previous = std::min(m_previous, std::max(count() - 1, 0));
    emit removed(index);

    if (m_current > index) {
        setCurrent(m_current - 1);
    } else if (m_current == index && !isEmpty()) {
        // Another Page comes up, even where the index stays the same.
        m_current = m_previous;
        emit currentChanged(m_current);
    }
    return page;
}

void PageList::rememberClosed(int index)
{
    const CWebBrowser2 *page = at(index);
    if (!page)
        return;
    const QString address = page->address();
    if (address.isEmpty() || address == kBlankAddress)
        return;
    addClosed(address, page->title().isEmpty() ? address : page->title());
}

void PageList::addClosed(const QString &address, const QString &title)
{
    m_closed.push(address, title);
    emit closedListChanged();
}

void PageList::forgetNewestClosed()
{
    if (m_closed.isEmpty())
        return;
    m_closed.dropNewest();
    emit closedListChanged();
}

void PageList::forgetClosed(int slot)
{
    if (!m_closed.holds(slot))
        return;
    m_closed.remove(slot);
    emit closedListChanged();
}

void PageList::setCurrent(int index)
{
    if (index == m_current)
        return;
    m_current = index;
    emit currentChanged(index);
}

void PageList::renumberFrom(int index)
{
    for (int i = index; i < count(); ++i)
        m_pages[static_cast<size_t>(i)]->setIndex(i);
}
