#pragma once

#include <QString>
#include <QWebEngineDownloadRequest>

#include <functional>

class QWebEnginePage;

// The engine writes a page to disk as a download of the page's profile. This
// starts that download and follows it to its end.
namespace SavedPage {

// How long the engine may take to begin writing before the save counts as failed.
inline constexpr int kStartLimitMs = 30000;

using Done = std::function<void(bool written)>;

// Writes what the page shows to path in the format. done gets, once, whether
// the whole file was written; false also when the page goes, or the engine
// does not begin, before the writing has started. A page that goes while its
// file is being written still has its end reported.
void write(QWebEnginePage *page, const QString &path, QWebEngineDownloadRequest::SavePageFormat format,
           Done done);

} // namespace SavedPage
