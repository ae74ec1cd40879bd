#include "pages/ClosedPageList.h"

#include <QList>

void ClosedPageList::push(const QString &address, const QString &title)
{
    m_entries[static_cast<size_t>(m_head)] = {address, title};
    m_head = (m_head + 1) % kSlots;
    if (m_head == m_tail)
        m_tail = (m_tail + 1) % kSlots;
}

bool ClosedPageList::holds(int slot) const
{
    if (slot < 0 || slot >= kSlots)
        return false;
    return (slot - m_tail + kSlots) % kSlots < count();
}

QList<int> ClosedPageList::slotsNewestFirst() const
{
    QList<int> result;
    for (int slot = m_head; slot != m_tail;) {
        slot = (slot + kSlots - 1) % kSlots;
        result << slot;
    }
    return result;
}

void ClosedPageList::dropNewest()
{
    if (!isEmpty())
        m_head = newestSlot();
}

void ClosedPageList::remove(int slot)
{
    if (!holds(slot))
        return;
    int to = slot;
    for (int from = (slot + 1) % kSlots; from != m_head; from = (from + 1) % kSlots) {
        m_entries[static_cast<size_t>(to)] = m_entries[static_cast<size_t>(from)];
        to = from;
    }
    m_entries[static_cast<size_t>(to)] = {};
    m_head = (m_head + kSlots - 1) % kSlots;
}
