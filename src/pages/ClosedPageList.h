#pragma once

#include <QString>

#include <array>

// The closed Pages that can be reopened: a ring of 16 (address, title) slots.
// Head equals tail when the ring is empty, so it holds at most 15 entries; a
// push onto a full ring drops the oldest one.
class ClosedPageList
{
public:
    static constexpr int kSlots = 16;

    struct Entry
    {
        QString address;
        QString title;
    };

    void push(const QString &address, const QString &title);
    bool isEmpty() const { return m_head == m_tail; }
    int count() const { return (m_head - m_tail + kSlots) % kSlots; }
    int head() const { return m_head; }
    int tail() const { return m_tail; }
    // The slot of the most recent entry; only meaningful when not empty.
    int newestSlot() const { return (m_head + kSlots - 1) % kSlots; }
    const Entry &at(int slot) const { return m_entries[static_cast<size_t>(slot % kSlots)]; }
    bool holds(int slot) const;

    // Slots from the most recent entry to the oldest.
    QList<int> slotsNewestFirst() const;

    // Forgets the most recent entry (it has been reopened).
    void dropNewest();
    // Removes the entry at slot; the entries after it close the gap.
    void remove(int slot);

private:
    std::array<Entry, kSlots> m_entries;
    int m_head = 0;
    int m_tail = 0;
};
