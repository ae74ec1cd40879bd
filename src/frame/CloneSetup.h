#pragma once

#include <memory>

class CloneCommands;
class MessageBoxes;
class PageHost;
class ProxyCredentials;
class QObject;
class QWebEngineProfile;
class QWidget;
class SettingsStore;

// What the clone commands are made with in the window.
struct CloneSetup
{
    PageHost &host;
    QWidget *window;
    MessageBoxes &messages;
    const SettingsStore &settings; // the fetches' time limit
    QWebEngineProfile *profile;    // where unseen pages load (none: nothing is loaded)
    std::shared_ptr<ProxyCredentials> credentials;
};

// The clone commands over the window's Pages, the engine and the network.
CloneCommands *makeCloneCommands(const CloneSetup &setup, QObject *parent);
