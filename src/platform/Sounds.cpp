#include "platform/Sounds.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

WaveSounds::WaveSounds(QString dataDir)
    : m_dataDir(std::move(dataDir))
{
}

WaveSounds::~WaveSounds()
{
    qDeleteAll(m_effects);
}

void WaveSounds::play(const QString &wave)
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
