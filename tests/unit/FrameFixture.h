#pragma once
// A real main frame over fake controls, in a fresh profile: for tests that
// drive it by command id, key and mouse.

#include "core/AppSwitches.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "frame/CTMain.h"
#include "pages/CWebBrowser2.h"
#include "pages/DownloadFlags.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"

#include "FakeControl.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class FrameFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        profile = freshProfileDir();
        registry.open(profile + QStringLiteral("/registry.db"));
        // The clean dialog at close is the cleaner's tests' business.
        settings.write(settings::cleanShow, 0);
        switches.load(settings);
        flags.load();
    }

    CTMain &frame()
    {
        if (!m_frame) {
            m_frame = std::make_unique<CTMain>(FrameServices{controls.factory(), settings, switches, flags, sounds,
                                                             messages, addresses,
                                                             profile + QStringLiteral("/data"), nullptr, startAddress,
                                                             [this](const QString &file) {
                                                                 editedFiles << file;
                                                                 return editorInstalled;
                                                             }});
            m_frame->show();
            // Keys reach the window's shortcuts only while it is the active one.
            QApplication::setActiveWindow(m_frame.get());
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
        }
        return *m_frame;
    }

    PageHost &host() { return *frame().pageHost(); }

    // The active Page's control.
    FakeControl *activeControl() { return static_cast<FakeControl *>(host().activePage()->control()); }
    // The active Page shows a page with this address and title.
    FakeControl *showPage(const QString &address, const QString &title)
    {
        frame();
        FakeControl *control = activeControl();
        control->name = title;
        control->finishLoad(address, title);
        return control;
    }

    // Answers the next modal dialog of type T with `answer`, from the event
    // loop that the dialog runs; `seen` tells whether one came up.
    template<typename T>
    void answerNextDialog(std::function<void(T *)> answer, bool *seen)
    {
        *seen = false;
        auto *timer = new QTimer(&frame());
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, answer, seen] {
            if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                *seen = true;
                answer(dialog);
            }
        });
        timer->start();
    }

    // Input the way the window system delivers it: to the frame's window,
    // from where Qt hands keys to the focus widget (or an open popup) after
    // the shortcuts have had them, and clicks to the widget under the point.
    QWindow *window() { return frame().windowHandle(); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window(), key, modifiers);
    }
    void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClick(window(), c.toLatin1());
    }
    // A click at a point of a widget, in the top-level window that holds it
    // (the frame or a popup).
    void click(QWidget *widget, const QPoint &at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *top = widget->window();
        QTest::mouseClick(top->windowHandle(), button, modifiers, widget->mapTo(top, at));
    }

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
    // The maker's servers; tests point them where they need.
    MakerAddresses addresses{QStringLiteral("http://maker.example/"), QStringLiteral("http://maker.example/download"),
                             QStringLiteral("http://maker.example/clientinfo/"),
                             QStringLiteral("http://maker.example/version.txt"),
                             QStringLiteral("http://maker.example/software/anonproxylist.sia"),
                             QStringLiteral("support@maker.example")};
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
