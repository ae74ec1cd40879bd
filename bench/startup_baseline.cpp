// The least a Qt WebEngine browser can do at start: one view, one page.
// The start-up benchmark measures Vesperal against this.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    view.resize(1024, 768);
    view.show();
    view.load(QUrl::fromUserInput(app.arguments().value(1)));
    return app.exec();
}
