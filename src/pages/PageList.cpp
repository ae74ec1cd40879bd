#include "pages/PageList.h"

#include "pages/CWebBrowser2.h"

PageList::~PageList() = default;

CWebBrowser2 *PageList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_pages[static_cast<size_t>(index)].get();
}

int PageList::indexOf(const CWebBrowser2 *page) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_pages[static_cast<size_t>(i)].get() == page)
            return i;
    }
    return -1;
}

void PageList::setCurrent(int index)
{
    if (index == m_current)
        return;
    m_current = index;
    emit currentChanged(index);
}

void PageList::insert(int position, std::unique_ptr<CWebBrowser2> page)
{
    position = std::clamp(position, 0, count());
    CWebBrowser2 *raw = page.get();
    m_pages.insert(m_pages.begin() + position, std::move(page));
    renumberFrom(position);
    connect(raw, &CWebBrowser2::tabChanged, this, [this](CWebBrowser2 *changed) {
        const int index = indexOf(changed);
        if (index >= 0)
            emit tabChanged(index);
    });
    emit inserted(position);
}

std::unique_ptr<CWebBrowser2> PageList::take(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    auto page = std::move(m_pages[static_cast<size_t>(index)]);
    m_pages.erase(m_pages.begin() + index);
    page->disconnect(this);
    renumberFrom(index);
    emit removed(index);
    return page;
}

void PageList::renumberFrom(int index)
{
    for (int i = index; i < count(); ++i)
        m_pages[static_cast<size_t>(i)]->setIndex(i);
}
