#pragma once

#include <QString>

class SettingsStore;

// Every address of the maker's that the program uses, in one place. Each can
// be overridden by a text value of the same name in the section "addresses"
// of the program's key (tests point them at a loopback server this way).
struct MakerAddresses
{
    QString website;     // the maker's home page
    QString download;    // where a new version is downloaded
    QString clientInfo;  // the page that shows the client's address and proxy
    QString versionFile; // the file that names the newest build
    QString proxyList;   // the public proxy list
    QString supportMail; // the support e-mail address

    static MakerAddresses defaults();
    static MakerAddresses load(const SettingsStore &store);
};
