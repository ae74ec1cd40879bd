// Vesperal's side of the tabs benchmark: the real program, started in this
// process, opens the page in COUNT Pages, waits until all have loaded, then
// closes them all.
// Usage: tabs_vesperal PAGE COUNT PROFILE_DIR
#include "TabsMeasure.h"

#include "app/Application.h"
#include "core/CommandIds.h"
#include "frame/CTMain.h"
#include "pages/CWebBrowser2.h"
#include "pages/EngineControl.h"
#include "pages/EnginePage.h"
#include "pages/PageHost.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QWebEngineView>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication qapp(argc, argv);
    const QString page = qapp.arguments().value(1);
    const int count = qapp.arguments().value(2).toInt();

    CommandLine line;
    line.profile = qapp.arguments().value(3);
    QtMessageBoxes messages;
    Application app(line, messages);
    if (!app.start())
        return 1;
    PageHost *host = app.frame()->pageHost();

    QElapsedTimer clock;
    clock.start();
    int loaded = 0;
    QList<QPointer<QWebEngineView>> views;
    auto watch = [&](CWebBrowser2 *made) {
        auto *control = static_cast<EngineControl *>(made->control());
        QObject::connect(control->page(), &QWebEnginePage::loadFinished, &qapp,
                         [&loaded](bool ok) { loaded += ok ? 1 : 0; });
        views << control->view();
    };
    // The first goes into the blank Page the program starts with.
    watch(host->activePage());
    host->CreatePage(page, PageHost::ReuseBlank, QStringLiteral("Loading..."));
    for (int i = 1; i < count; ++i)
        watch(host->CreatePage(page, {}, QStringLiteral("Loading...")));
    while (loaded < count && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    if (host->list().count() != count)
        std::fprintf(stderr, "expected %d Pages, found %d\n", count, host->list().count());
    tabsbench::report("loaded_ms", double(clock.nsecsElapsed()) / 1e6);
    tabsbench::report("pss_kb", double(tabsbench::treePssKb()));

    clock.restart();
    app.frame()->runCommand(cmd::CloseAll);
    while (std::any_of(views.cbegin(), views.cend(), [](const auto &v) { return !v.isNull(); }))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    tabsbench::report("close_ms", double(clock.nsecsElapsed()) / 1e6);
    app.frame()->closeWithoutQuestions();
    return 0;
}
