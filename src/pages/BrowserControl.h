#pragma once

#include "pages/ElementInfo.h"

#include <QList>
#include <QObject>
#include <QVariant>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;
class BrowserControl;

// A page's request for a new window. It is answered while the signal that
// carries it is handled: openIn() gives it a control to load into; a request
// left unopened is refused.
class NewWindowRequest
{
public:
    virtual ~NewWindowRequest() = default;
    virtual bool isUserInitiated() const = 0;
    virtual QString requestedAddress() const = 0;
    virtual void openIn(BrowserControl *control) = 0;
};

// The browser control of one Page: the operations the Pages call on the engine
// and the events it raises. One implementation drives the real engine; tests
// of the page logic use a fake that raises the events on demand.
class BrowserControl : public QObject
{
    Q_OBJECT
public:
    // Which document an event is about: the top-level one or an inner frame.
    enum class Frame { Top, Inner };
    enum class Edit { Copy, Cut, Paste, SelectAll, Undo, Redo };
    // How a page is written to disk: the document with its pictures and
    // styles in a folder beside it, the document alone, or one web archive.
    enum class SaveFormat { CompletePage, SingleHtml, Mhtml };

    struct HistoryEntry
    {
        QString title;
        QString address;
    };

    // Content the Page Host allows; the engine applies what it can of it.
    struct ContentPolicy
    {
        bool images = true;
        bool videos = true;
        bool backgroundSounds = true;
        bool scripts = true;
        bool java = true;
        bool plugins = true;
    };

    using QObject::QObject;

    // The window that shows the page.
    virtual QWidget *widget() = 0;

    virtual void navigate(const QString &address) = 0;
    virtual void stop() = 0;
    // Level 3 and above reloads without the cache.
    virtual void refresh(int level) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual bool canGoBack() const = 0;
    virtual bool canGoForward() const = 0;
    // Nearest first, at most `max` entries.
    virtual QList<HistoryEntry> backEntries(int max) const = 0;
    virtual QList<HistoryEntry> forwardEntries(int max) const = 0;
    virtual void goToBackEntry(int i) = 0;
    virtual void goToForwardEntry(int i) = 0;

    // The address shown (empty when unknown) and the page's name for it.
    virtual QString locationUrl() const = 0;
    virtual QString locationName() const = 0;

    virtual void runEdit(Edit command) = 0;
    virtual void setContentPolicy(const ContentPolicy &policy) = 0;
    // The page's zoom, 1.0 being its own size.
    virtual void setZoomFactor(double factor) = 0;
    // The text encoding used for documents that do not name their own.
    virtual void setDefaultEncoding(const QString &charset) = 0;

    // The document's focused element, as last reported by the page.
    virtual std::optional<ElementInfo> activeElement() const = 0;

    // Runs a page script on the top-level document, apart from the page's own
    // scripts (which can neither see nor change it); `done` gets its result,
    // or an invalid value when there is no document. `done` is not called once
    // the control is gone.
    using ScriptResult = std::function<void(const QVariant &result)>;
    virtual void runPageScript(const QString &source, ScriptResult done) = 0;

    // Writes the page as shown to the file; the engine does it in the
    // background. `done`, when given, gets once whether the whole file was
    // written, also when the control goes meanwhile (false when it goes
    // before the writing began).
    using SaveDone = std::function<void(bool written)>;
    virtual void savePage(const QString &path, SaveFormat format, SaveDone done = {}) = 0;
    // Prints the page; `done` gets whether it worked. The printer must stay
    // until then; `done` is not called once the control is gone.
    using PrintDone = std::function<void(bool ok)>;
    virtual void print(QPrinter *printer, PrintDone done) = 0;

signals:
    void beforeNavigate2(BrowserControl::Frame frame);
    void navigateComplete2(BrowserControl::Frame frame);
    void documentComplete(BrowserControl::Frame frame);
    void navigateError(BrowserControl::Frame frame);
    void titleChange(const QString &text);
    void statusTextChange(const QString &text);
    void progressChange(int progress, int maximum);
    void newWindow2(NewWindowRequest &request);
    void setSecureLockIcon(int level);
    // An uncaught script error in the page.
    void scriptError(const QString &message, const QString &source, int line);
    // A mouse button was released over an element.
    void elementReleased(const ElementInfo &element);
    // Enter was pressed; `active` is the focused element then.
    void enterPressed(const ElementInfo &active, bool ctrl);
    // Ctrl+Enter in a multi-line field submitted its form.
    void formSubmittedByKey();
};

using ControlFactory = std::function<std::unique_ptr<BrowserControl>(QWidget *parent)>;
