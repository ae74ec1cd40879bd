// The sound module: wave files played as sound effects through Qt Multimedia.
#include "platform/Sounds.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

class WaveEffects : public SoundPlayer
{
public:
    explicit WaveEffects(QString dataDir)
        : m_dataDir(std::move(dataDir))
    {
        // The effects hang under the application, where they can be looked at by name.
        m_effects.setObjectName(QStringLiteral("vesperalWaveEffects"));
        m_effects.setParent(QCoreApplication::instance());
    }
    ~WaveEffects() override { m_effects.setParent(nullptr); }

    void play(const QString &wave) override
    {
        QSoundEffect *effect = m_byName.value(wave);
        if (!effect) {
            const QString file = m_dataDir + QLatin1Char('/') + wave;
            if (!QFileInfo(file).isFile())
                return;
            effect = new QSoundEffect(&m_effects);
            effect->setSource(QUrl::fromLocalFile(file));
            m_byName.insert(wave, effect);
        }
        effect->play();
    }

private:
    QString m_dataDir;
    QObject m_effects; // owns one effect a wave, made at its first sound
    QHash<QString, QSoundEffect *> m_byName;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundPlayer *vesperalMakeWavePlayer(const QString &dataDir)
{
    return new WaveEffects(dataDir);
}
