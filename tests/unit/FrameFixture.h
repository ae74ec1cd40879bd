#pragma once
// A real main frame over fake controls, in a fresh profile: for tests that
// drive it by command id, key and mouse.

#include "app/AppSwitches.h"
#include "app/SettingsStore.h"
#include "frame/CTMain.h"
#include "pages/DownloadFlags.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"

#include "FakeControl.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

class FrameFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        profile = freshProfileDir();
        registry.open(profile + QStringLiteral("/registry.db"));
        switches.load(settings);
        flags.load();
    }

    CTMain &frame()
    {
        if (!m_frame) {
            m_frame = std::make_unique<CTMain>(FrameServices{controls.factory(), settings, switches, flags, sounds,
                                                             messages, QStringLiteral("http://maker.example/"),
                                                             profile + QStringLiteral("/data"), nullptr, startAddress,
                                                             [this](const QString &file) {
                                                                 editedFiles << file;
                                                                 return editorInstalled;
                                                             }});
            m_frame->show();
            // Keys reach the window's shortcuts only while it is the active one.
            QApplication::setActiveWindow(m_frame.get());
        }
        return *m_frame;
    }

    PageHost &host() { return *frame().pageHost(); }

    std::optional<RegValue> mirroredValue(const char *key, const QString &name)
    {
        return registry.query(Hive::CurrentUser, QLatin1String(key), name);
    }

    // Closes the frame as the user does and drops it; the next frame() is a new start.
    void restart()
    {
        m_frame->closeWithoutQuestions();
        m_frame.reset();
        controls.made.clear();
    }

    QString profile;
    QString startAddress; // what the program was started with
    QStringList editedFiles; // files handed to the text editor
    bool editorInstalled = true;
    RegistryStore registry;
    SettingsStore settings{registry};
    AppSwitches switches;
    DownloadFlags flags{registry, settings};
    FakeControls controls;
    RecordingSounds sounds;
    RecordingMessageBoxes messages;
    std::unique_ptr<CTMain> m_frame;
};
