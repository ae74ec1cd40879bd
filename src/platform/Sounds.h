#pragma once

#include <QHash>
#include <QString>

class QSoundEffect;

// Short effect sounds, played without waiting for them.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // `wave` is a file name in the data folder, such as "new.wav".
    virtual void play(const QString &wave) = 0;
};

// Plays the data folder's wave files through the desktop's sound output. A
// missing file or a machine without sound plays nothing.
class WaveSounds : public SoundPlayer
{
public:
    explicit WaveSounds(QString dataDir);
    ~WaveSounds() override;
    void play(const QString &wave) override;

private:
    QString m_dataDir;
    QHash<QString, QSoundEffect *> m_effects;
};
