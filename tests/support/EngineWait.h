#pragma once

#include <QSignalSpy>
#include <QWebEnginePage>

// Waits for the page's next load to finish; the result is the load's own ok.
inline bool waitForLoad(QWebEnginePage *page, int timeoutMs = 20000)
{
    QSignalSpy spy(page, &QWebEnginePage::loadFinished);
    if (!spy.wait(timeoutMs))
        return false;
    return spy.last().value(0).toBool();
}
