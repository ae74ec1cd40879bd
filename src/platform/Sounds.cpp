#include "platform/Sounds.h"

#include <QCoreApplication>
#include <QLibrary>

WaveSounds::WaveSounds(QString dataDir)
    : m_dataDir(std::move(dataDir))
{
}

WaveSounds::~WaveSounds()
{
    // The player's code is in the module: it goes first. The module itself
    // stays mapped until the process ends (its classes may have registered
    // themselves with Qt).
    m_output.reset();
}

void WaveSounds::play(const QString &wave)
{
    if (!m_tried)
        loadOutput();
    if (m_output)
        m_output->play(wave);
}

void WaveSounds::loadOutput()
{
    m_tried = true;
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString &candidate : {appDir + QStringLiteral("/vesperal-sound"),
                                     appDir + QStringLiteral("/../vesperal-sound"),
                                     appDir + QStringLiteral("/../lib/vesperal/vesperal-sound")}) {
        auto library = std::make_unique<QLibrary>(candidate);
        auto *make = reinterpret_cast<MakeWavePlayer *>(library->resolve("vesperalMakeWavePlayer"));
        if (!make)
            continue;
        m_output.reset(make(m_dataDir));
        m_library = std::move(library);
        return;
    }
}
