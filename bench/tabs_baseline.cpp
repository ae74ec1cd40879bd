// The least a tabbed Qt WebEngine program can do: one window, a tab widget,
// one bare view per page. The tabs benchmark measures Vesperal against it.
// Usage: tabs_baseline PAGE COUNT STORAGE_DIR
#include "TabsMeasure.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QUrl page = QUrl::fromLocalFile(app.arguments().value(1));
    const int count = app.arguments().value(2).toInt();

    // A stored profile, as a browser has.
    auto *profile = new QWebEngineProfile(QStringLiteral("baseline"));
    profile->setPersistentStoragePath(app.arguments().value(3) + QStringLiteral("/storage"));
    profile->setCachePath(app.arguments().value(3) + QStringLiteral("/cache"));

    QTabWidget window;
    window.resize(1024, 768);
    window.show();

    QElapsedTimer clock;
    clock.start();
    int loaded = 0;
    for (int i = 0; i < count; ++i) {
        auto *view = new QWebEngineView;
        view->setPage(new QWebEnginePage(profile, view));
        QObject::connect(view, &QWebEngineView::loadFinished, &app, [&loaded](bool ok) { loaded += ok ? 1 : 0; });
        view->load(page);
        window.addTab(view, QStringLiteral("Loading..."));
    }
    while (loaded < count && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    tabsbench::report("loaded_ms", double(clock.nsecsElapsed()) / 1e6);
    tabsbench::report("pss_kb", double(tabsbench::treePssKb()));

    clock.restart();
    while (window.count() > 0) {
        QWidget *view = window.widget(window.count() - 1);
        window.removeTab(window.count() - 1);
        delete view;
    }
    QCoreApplication::processEvents();
    tabsbench::report("close_ms", double(clock.nsecsElapsed()) / 1e6);

    delete profile;
    return 0;
}
