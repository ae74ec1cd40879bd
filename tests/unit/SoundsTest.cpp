#include "platform/Sounds.h"

#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// The sounds the module was asked for: the files of the effects it made.
QStringList effectFiles()
{
    QStringList files;
    if (const QObject *effects = QCoreApplication::instance()->findChild<QObject *>(
            QStringLiteral("vesperalWaveEffects"), Qt::FindDirectChildrenOnly)) {
        for (const QObject *effect : effects->children())
            files << effect->property("source").toUrl().toLocalFile();
    }
    return files;
}

// The sound module is found beside the program and loaded at the first
// sound, not before; a file that is not there plays nothing and breaks
// nothing; a wave played again is the same effect.
TEST(WaveSounds, LoadsTheSoundModuleAtTheFirstSoundAndPlaysTheDataFoldersWaves)
{
    const QString data = QStringLiteral(SHIPPED_DATA);
    {
        WaveSounds sounds(data);
        EXPECT_FALSE(sounds.outputLoaded());
        sounds.play(QStringLiteral("no-such-sound.wav"));
        ASSERT_TRUE(sounds.outputLoaded());
        EXPECT_TRUE(effectFiles().isEmpty());
        sounds.play(QStringLiteral("UserSelect.wav"));
        sounds.play(QStringLiteral("UserSelect.wav"));
        sounds.play(QStringLiteral("new.wav"));
        EXPECT_EQ(effectFiles(), (QStringList{data + QStringLiteral("/UserSelect.wav"), data + QStringLiteral("/new.wav")}));
    }
    // The effects go with the player.
    EXPECT_TRUE(effectFiles().isEmpty());
}

} // namespace
