#pragma once

#include <QString>

// What the Pages know of a document element: an identity that is unique
// within its document's life, its tag name (upper case) and its inner text.
struct ElementInfo
{
    QString id;
    QString tag;
    QString text;

    bool sameElement(const ElementInfo &other) const { return !id.isEmpty() && id == other.id; }
};
