#include "pages/MediaFilter.h"

#include <QFileInfo>
#include <QUrl>

void MediaFilter::setPolicy(const BrowserControl::ContentPolicy &policy)
{
    m_videos = policy.videos;
    m_sounds = policy.backgroundSounds;
    m_java = policy.java;
    m_plugins = policy.plugins;
}

bool MediaFilter::isSound(const QUrl &url)
{
    static const QStringList kinds{QStringLiteral("mp3"), QStringLiteral("wav"), QStringLiteral("ogg"),
                                   QStringLiteral("oga"), QStringLiteral("opus"), QStringLiteral("m4a"),
                                   QStringLiteral("aac"), QStringLiteral("flac"), QStringLiteral("mid"),
                                   QStringLiteral("midi"), QStringLiteral("wma")};
    return kinds.contains(QFileInfo(url.path()).suffix().toLower());
}

bool MediaFilter::isJava(const QUrl &url)
{
    const QString suffix = QFileInfo(url.path()).suffix().toLower();
    return suffix == QLatin1String("class") || suffix == QLatin1String("jar");
}

void MediaFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    bool block = false;
    switch (info.resourceType()) {
    case QWebEngineUrlRequestInfo::ResourceTypeMedia:
        block = isSound(info.requestUrl()) ? !m_sounds : !m_videos;
        break;
    case QWebEngineUrlRequestInfo::ResourceTypeObject:
    case QWebEngineUrlRequestInfo::ResourceTypePluginResource:
        block = isJava(info.requestUrl()) ? !m_java : !m_plugins;
        break;
    default:
        break;
    }
    if (block)
        info.block(true);
}
