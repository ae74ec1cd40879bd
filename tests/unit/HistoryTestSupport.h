#pragma once
// Reading a history store from a test: its answers come back through the
// event loop.

#include "history/HistoryStore.h"

#include <QTest>

#include <gtest/gtest.h>

#include <optional>

inline HistoryStore::Entries readHistory(HistoryStore &store, const QDateTime &from = {})
{
    std::optional<HistoryStore::Entries> read;
    store.readSince(from, nullptr, [&read](HistoryStore::Entries entries) { read = std::move(entries); });
    if (!QTest::qWaitFor([&read] { return read.has_value(); }, 10000))
        ADD_FAILURE() << "the history store did not answer";
    return read.value_or(HistoryStore::Entries());
}

// "address title count" per entry, latest visit first.
inline QStringList describeHistory(const HistoryStore::Entries &entries)
{
    QStringList lines;
    for (const HistoryEntry &entry : entries)
        lines << QStringLiteral("%1 %2 %3").arg(entry.address, entry.title.isEmpty() ? QStringLiteral("-") : entry.title)
                     .arg(entry.visitCount);
    return lines;
}
