#include "platform/Sounds.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

// The sound module is found beside the program and loaded at the first
// sound, not before; a file that is not there plays nothing and breaks nothing.
TEST(WaveSounds, LoadsTheSoundModuleAtTheFirstSound)
{
    WaveSounds sounds(QStringLiteral(SHIPPED_DATA));
    EXPECT_FALSE(sounds.outputLoaded());
    sounds.play(QStringLiteral("no-such-sound.wav"));
    EXPECT_TRUE(sounds.outputLoaded());
    sounds.play(QStringLiteral("UserSelect.wav"));
    sounds.play(QStringLiteral("UserSelect.wav"));
}

} // namespace
