#pragma once

class SettingsStore;

// The application-wide switches, read once at start. Commands that toggle one
// flip it here and write it to the settings at once.
struct AppSwitches
{
    bool bNewWindowFollow = true; // a new Page goes right after the active one
    bool bNewWindowActive = false; // a new Page is brought to the front
    bool NostatusText = false;    // only addresses are shown as status text
    bool bSound = true;
    bool bSilent = true;          // script errors are not reported
    bool KillPopup = true;        // pop-up windows are blocked
    int skin = 0;
    int startuptype = 2;
    // 0: favorites unchanged; 1: changed by the program; 2: rebuild the views when idle
    int favoritesChanged = 0;

    // Reads the start-up switches in the order the program starts with.
    void load(const SettingsStore &store);
};
