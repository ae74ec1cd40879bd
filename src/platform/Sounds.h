#pragma once

#include <QString>

#include <memory>

class QLibrary;

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
// The sound output lives in a module of its own ("vesperal-sound" beside the
// program), loaded at the first sound: the audio libraries it pulls in are
// not worth loading at every start, for a sound most starts never play.
class WaveSounds : public SoundPlayer
{
public:
    explicit WaveSounds(QString dataDir);
    ~WaveSounds() override;
    void play(const QString &wave) override;

    // Whether the sound module has been found and loaded (after a first play).
    bool outputLoaded() const { return m_output != nullptr; }

private:
    void loadOutput();

    QString m_dataDir;
    bool m_tried = false;
    std::unique_ptr<QLibrary> m_library;
    std::unique_ptr<SoundPlayer> m_output;
};

// What the sound module exports: a player for the files of `dataDir`.
extern "C" using MakeWavePlayer = SoundPlayer *(const QString &dataDir);
