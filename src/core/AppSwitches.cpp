#include "core/AppSwitches.h"

#include "core/SettingsStore.h"

void AppSwitches::load(const SettingsStore &store)
{
    bNewWindowFollow = store.read(settings::bNewWindowFollow) != 0;
    bNewWindowActive = store.read(settings::bNewWindowActive) != 0;
    NostatusText = store.read(settings::NostatusText) != 0;
    startuptype = store.read(settings::startuptype);
    bSound = store.read(settings::bSound) != 0;
    bSilent = store.read(settings::bSilent) != 0;
    KillPopup = store.read(settings::KillPopup) != 0;
    skin = store.read(settings::skin);
    favoritesChanged = 0;
}
