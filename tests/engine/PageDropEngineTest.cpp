// Drags onto a Page on the real engine, delivered to the window as the
// window system delivers them: the drop is ours, not the page's.
#include "core/AppSwitches.h"
#include "core/SettingsStore.h"
#include "pages/CWebBrowser2.h"
#include "pages/EngineControl.h"
#include "pages/EnginePage.h"
#include "pages/PageDropTarget.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"

#include "EngineWait.h"
#include "LoopbackHttpServer.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TestEnvironment.h"
#include "WindowDrag.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

constexpr int kWait = 20000;

class PageDropEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registry.open(freshProfileDir() + QStringLiteral("/registry.db"));
        flags.load();
        ASSERT_TRUE(documentsDir.isValid());
        profile = new QWebEngineProfile; // off the record
        window.resize(800, 600);
        host = new PageHost(PageHostServices{EngineControl::factory(profile), switches, flags, frame, sounds,
                                             messages, [] { return QStringLiteral("about:blank"); }},
                            &window);
        host->resize(800, 600);
        new PageDropTarget(PageDropParts{*host, frame, settings, [this] { return documents; }}, host);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void TearDown() override
    {
        delete host;
        delete profile;
    }

    EngineControl *control(int i) const { return static_cast<EngineControl *>(host->list().at(i)->control()); }

    void openFirst(const QString &path)
    {
        host->CreateFirstPage(server.url(path));
        ASSERT_TRUE(waitForLoad(control(0)->page(), kWait));
    }

    QVariant run(int i, const QString &script)
    {
        auto answer = std::make_shared<std::optional<QVariant>>();
        control(i)->page()->runJavaScript(script, [answer](const QVariant &value) { *answer = value; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer->has_value(); }, kWait)) << script.toStdString();
        return answer->value_or(QVariant());
    }

    QWindow *handle() { return window.windowHandle(); }
    QPoint overPage() { return host->mapTo(&window, host->rect().center()); }

    RegistryStore registry;
    SettingsStore settings{registry};
    DownloadFlags flags{registry, settings};
    AppSwitches switches;
    RecordingFrame frame;
    RecordingSounds sounds;
    RecordingMessageBoxes messages;
    LoopbackHttpServer server;
    QTemporaryDir documentsDir;
    QString documents = documentsDir.path();
    QWebEngineProfile *profile = nullptr;
    QWidget window;
    PageHost *host = nullptr;
};

} // namespace

TEST_F(PageDropEngineTest, TextDraggedOverThePageIsOursAndNeverReachesThePage)
{
    server.page(QStringLiteral("/target"), QStringLiteral("Target page"));
    server.route(QStringLiteral("/field"),
                 "<!doctype html><html><head><title>Field</title></head>"
                 "<body style='margin:0'><textarea id=t style='width:100%;height:500px' autofocus></textarea>"
                 "<script>window.seen = [];"
                 "for (const kind of ['dragenter', 'dragover', 'drop'])"
                 "  document.addEventListener(kind, () => window.seen.push(kind), true);</script>"
                 "</body></html>");
    openFirst(QStringLiteral("/field"));
    // The engine hands drags on from a widget inside the view.
    ASSERT_NE(control(0)->view()->focusProxy(), nullptr);

    QMimeData data;
    const QString target = server.url(QStringLiteral("/target"));
    data.setText(target);
    EXPECT_EQ(WindowDrag::over(handle(), data, overPage()), Qt::CopyAction);
    EXPECT_EQ(frame.statusColor, QColor(0, 0, 255));
    ASSERT_FALSE(frame.statusTexts.isEmpty());
    EXPECT_EQ(frame.statusTexts.last(), QStringLiteral("按下'CTRL' 保存选择的文字, 否则脱拽这些文字或 URL 到新标签."));
    WindowDrag::leave(handle());
    EXPECT_FALSE(frame.statusColor.isValid());
    EXPECT_EQ(frame.statusTexts.last(), QString());

    EXPECT_TRUE(WindowDrag::drop(handle(), data, overPage()));
    ASSERT_EQ(host->list().count(), 2);
    EXPECT_EQ(host->list().current(), 0);
    EXPECT_TRUE(server.waitForRequest(QStringLiteral("/target")));
    EXPECT_EQ(sounds.played, QStringList{QStringLiteral("new.wav")});
    // Give the page the time it would take to see anything.
    QTest::qWait(300);
    EXPECT_EQ(run(0, QStringLiteral("document.getElementById('t').value")).toString(), QString());
    EXPECT_EQ(run(0, QStringLiteral("window.seen.join(',')")).toString(), QString());

    // A script dragged in does nothing at all.
    data.setText(QStringLiteral("javascript:document.title='ran'"));
    EXPECT_TRUE(WindowDrag::drop(handle(), data, overPage()));
    QTest::qWait(300);
    EXPECT_EQ(host->list().count(), 2);
    EXPECT_EQ(run(0, QStringLiteral("document.title")).toString(), QStringLiteral("Field"));
}

TEST_F(PageDropEngineTest, APictureDraggedOutOfAPageIsKeptUnderItsNameWithoutTheCounter)
{
    server.route(QStringLiteral("/pictures"),
                 "<!doctype html><html><head><title>Pictures</title></head><body>pictures</body></html>");
    openFirst(QStringLiteral("/pictures"));
    // What the engine offers for a dragged <img>: the file it wrote the
    // picture's bytes to, named after the address, and the element.
    QTemporaryDir engineDir;
    ASSERT_TRUE(engineDir.isValid());
    QFile picture(engineDir.filePath(QStringLiteral("photo[2].png")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, '\1'));
    picture.close();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(picture.fileName())});
    data.setHtml(QStringLiteral("<img src=\"%1\">").arg(server.url(QStringLiteral("/photo%5B2%5D.png"))));
    data.setText(QString());

    EXPECT_TRUE(WindowDrag::drop(handle(), data, overPage()));
    const QString kept = documents + QStringLiteral("/我的图片/photo.png");
    QFile saved(kept);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), picture.readAll());
    EXPECT_EQ(host->list().count(), 1);

    // Without a documents folder nothing is kept, and the user is told.
    documents.clear();
    EXPECT_TRUE(WindowDrag::drop(handle(), data, overPage()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.told.isEmpty(); }, kWait));
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("获得我的图片目录失败.")});
}
