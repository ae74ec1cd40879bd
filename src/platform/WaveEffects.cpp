// The sound module: wave files played as sound effects through Qt Multimedia.
#include "platform/Sounds.h"

#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

class WaveEffects : public SoundPlayer
{
public:
    explicit WaveEffects(QString dataDir) : m_dataDir(std::move(dataDir)) {}
    ~WaveEffects() override { qDeleteAll(m_effects); }

    void play(const QString &wave) override
    {
        QSoundEffect *effect = m_effects.value(wave);
        if (!effect) {
            const QString file = m_dataDir + QLatin1Char('/') + wave;
            if (!QFileInfo(file).isFile())
                return;
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(file));
            m_effects.insert(wave, effect);
        }
        effect->play();
    }

private:
    QString m_dataDir;
    QHash<QString, QSoundEffect *> m_effects;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundPlayer *vesperalMakeWavePlayer(const QString &dataDir)
{
    return new WaveEffects(dataDir);
}
