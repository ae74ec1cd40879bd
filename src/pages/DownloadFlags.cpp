#include "pages/DownloadFlags.h"

#include "core/CommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "platform/RegistryStore.h"

namespace {

// The engine's own names for the media switches, padding included.
constexpr const char *kImages = "显示内部影像         ";
constexpr const char *kVideos = "显示内部视频         ";
constexpr const char *kSounds = "Play_Background_Sounds";
constexpr const char *kAnimations = "Play_Animations";

QString mainKey()
{
    return QLatin1String(mirrored::kIEMain);
}

} // namespace

DownloadFlags::DownloadFlags(RegistryStore &registry, SettingsStore &settings)
    : m_registry(registry)
    , m_settings(settings)
{
}

bool DownloadFlags::mediaIsYes(const char *valueName, bool whenMissing) const
{
    const auto value = m_registry.query(Hive::CurrentUser, mainKey(), QString::fromUtf8(valueName));
    if (!value)
        return whenMissing;
    return value->type == RegType::Sz && value->text == QLatin1String("yes");
}

void DownloadFlags::load()
{
    m_bits = 0;
    if (mediaIsYes(kImages, true))
        m_bits |= Images;
    if (mediaIsYes(kVideos, true))
        m_bits |= Videos;
    if (mediaIsYes(kSounds, true))
        m_bits |= BackgroundSounds;
    if (m_settings.read(settings::NoScript) != 0)
        m_bits |= NoScripts;
    if (m_settings.read(settings::NoJava) != 0)
        m_bits |= NoJava;
    if (m_settings.read(settings::NoActivex) != 0)
        m_bits |= NoActiveX;
}

BrowserControl::ContentPolicy DownloadFlags::policy() const
{
    BrowserControl::ContentPolicy policy;
    policy.images = has(Images);
    policy.videos = has(Videos);
    policy.backgroundSounds = has(BackgroundSounds);
    policy.scripts = !has(NoScripts);
    policy.java = !has(NoJava);
    policy.plugins = !has(NoActiveX);
    return policy;
}

bool DownloadFlags::writeMedia(const char *valueName, bool yes)
{
    return m_registry.createAndSetValue(Hive::CurrentUser, mainKey(), QString::fromUtf8(valueName),
                                        RegValue::fromText(yes ? QStringLiteral("yes") : QStringLiteral("no")));
}

bool DownloadFlags::toggle(int command)
{
    auto flipSetting = [this](const IntSetting &setting, Bit bit) {
        m_bits ^= bit;
        m_settings.write(setting, has(bit) ? 1 : 0);
        return true;
    };
    // The value follows the bit, so that a missing value (read as "yes")
    // is written as "no" when the user turns the switch off.
    auto flipMediaBit = [this](const char *name, Bit bit) {
        m_bits ^= bit;
        writeMedia(name, has(bit));
        return true;
    };
    switch (command) {
    case cmd::NoScript: return flipSetting(settings::NoScript, NoScripts);
    case cmd::NoActiveX: return flipSetting(settings::NoActivex, NoActiveX);
    case cmd::NoJava: return flipSetting(settings::NoJava, NoJava);
    case cmd::LoadSounds: return flipMediaBit(kSounds, BackgroundSounds);
    case cmd::LoadImages: return flipMediaBit(kImages, Images);
    case cmd::LoadVideos: return flipMediaBit(kVideos, Videos);
    case cmd::LoadAnimations: writeMedia(kAnimations, !mediaIsYes(kAnimations, false)); return false;
    default: return false;
    }
}

bool DownloadFlags::isChecked(int command) const
{
    switch (command) {
    case cmd::NoScript: return has(NoScripts);
    case cmd::NoActiveX: return has(NoActiveX);
    case cmd::NoJava: return has(NoJava);
    case cmd::LoadSounds: return has(BackgroundSounds);
    case cmd::LoadImages: return has(Images);
    case cmd::LoadVideos: return has(Videos);
    case cmd::LoadAnimations: return mediaIsYes(kAnimations, false);
    default: return false;
    }
}

bool DownloadFlags::isSwitch(int command)
{
    return command >= cmd::LoadSounds && command <= cmd::LoadAnimations;
}
