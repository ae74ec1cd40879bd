#pragma once

#include "pages/BrowserControl.h"

#include <QString>

class RegistryStore;
class SettingsStore;

// What the Pages may download and run: images, videos, background sounds,
// scripts, Java and plug-ins. The media switches live as "yes"/"no" texts in
// the engine's main key, the others as settings of our own.
class DownloadFlags
{
public:
    enum Bit : unsigned {
        Images = 0x10,
        Videos = 0x20,
        BackgroundSounds = 0x40,
        NoScripts = 0x80,
        NoJava = 0x100,
        NoActiveX = 0x200,
    };

    DownloadFlags(RegistryStore &registry, SettingsStore &settings);

    // Reads every source. A missing media value counts as "yes": a new
    // profile shows images, videos and sounds.
    void load();

    unsigned bits() const { return m_bits; }
    bool has(Bit bit) const { return (m_bits & bit) != 0; }
    BrowserControl::ContentPolicy policy() const;

    // The switch commands: flip, write at once. True when a bit changed.
    bool toggle(int command);
    // Whether a switch command shows a check mark.
    bool isChecked(int command) const;
    static bool isSwitch(int command);

private:
    bool writeMedia(const char *valueName, bool yes);
    bool mediaIsYes(const char *valueName, bool whenMissing) const;

    RegistryStore &m_registry;
    SettingsStore &m_settings;
    unsigned m_bits = 0;
};
