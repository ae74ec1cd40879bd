#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class PageFrame;
class PageHost;
class QDragMoveEvent;
class QDropEvent;
class QWidget;
class SettingsStore;

// What the drop target works with.
struct PageDropParts
{
    PageHost &host;
    PageFrame &frame;
    SettingsStore &settings;
    // The user's documents folder; empty when there is none.
    std::function<QString()> documentsFolder;
};

// The one drop target of every Page: what is dragged onto a Page is ours,
// not the page's. While a drag is over a Page, the status text tells what a
// drop does. A dropped text opens as a new Page behind the active one, or,
// with Ctrl held, is saved as a text file in the documents folder; a dropped
// file (a picture dragged out of a page comes as a file) is kept in the
// pictures folder there.
class PageDropTarget : public QObject
{
    Q_OBJECT
public:
    explicit PageDropTarget(PageDropParts parts, QObject *parent = nullptr);

    // The user's documents folder as the desktop names it.
    static QString desktopDocumentsFolder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Drops on the widget and on everything it holds, now and later, come here.
    void attach(QWidget *widget);
    void attachPage(int index);
    void offer(QDragMoveEvent *event);
    void drop(QDropEvent *event);
    void clearStatus();
    void openText(const QString &text);
    void saveText(const QString &text);
    void savePictures(const QStringList &files);
    QWidget *window() const;

    PageDropParts m_parts;
};
