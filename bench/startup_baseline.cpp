// The least a Qt WebEngine browser can do at start: one view, one page, on a
// profile that keeps its cookies and cache on disk (as any browser's must),
// in a window that bears the page's title.
// The start-up benchmark measures Vesperal against this.
// Usage: startup_baseline PROFILE-DIR ADDRESS
#include <QApplication>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    QWebEngineProfile profile(QStringLiteral("baseline"));
    profile.setPersistentStoragePath(args[1] + QStringLiteral("/storage"));
    profile.setCachePath(args[1] + QStringLiteral("/cache"));
    QWebEngineView view;
    QWebEnginePage page(&profile);
    view.setPage(&page);
    // As every browser's window, it is named after its page.
    QObject::connect(&page, &QWebEnginePage::titleChanged, &view, &QWidget::setWindowTitle);
    view.resize(1024, 768);
    view.show();
    view.load(QUrl::fromUserInput(args[2]));
    const int code = app.exec();
    view.setPage(nullptr);
    return code;
}
