#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine
{
    bool help = false;
    bool version = false;
    bool embedding = false;   // started for embedding or automation: no window at all
    QString profile;          // --profile DIR
    QString exportRegistry;   // --export-registry FILE
    QString importRegistry;   // --import-registry FILE
    QString language;         // --lang zh|en: the language shown, whatever the settings and the desktop say
    QString argument;         // the address or file to open
    QString error;            // set when the line cannot be understood

    static CommandLine parse(const QStringList &arguments);
    static QString helpText();
    static QString versionText();
};
