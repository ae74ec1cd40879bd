#pragma once

#include "pages/BrowserControl.h"

#include <QWebEngineUrlRequestInterceptor>

#include <atomic>

// Refuses the requests of one page that its content policy does not allow:
// videos, background sounds, Java and plug-in content. Images and scripts
// are switched off through the engine's own settings instead.
class MediaFilter : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setPolicy(const BrowserControl::ContentPolicy &policy);
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

    // Whether a media address names a sound rather than a video.
    static bool isSound(const QUrl &url);
    static bool isJava(const QUrl &url);

private:
    std::atomic<bool> m_videos{true};
    std::atomic<bool> m_sounds{true};
    std::atomic<bool> m_java{true};
    std::atomic<bool> m_plugins{true};
};
