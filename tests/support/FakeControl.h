#pragma once

#include "pages/BrowserControl.h"

#include <QStringList>
#include <QWidget>

#include <vector>

// A browser control without an engine. Navigating records the address and,
// unless told otherwise, runs the events of a quick successful top-level
// load; tests raise any other event themselves.
class FakeControl : public BrowserControl
{
    Q_OBJECT
public:
    explicit FakeControl(QWidget *parent);
    ~FakeControl() override;

    QWidget *widget() override { return m_widget; }
    void navigate(const QString &address) override;
    void stop() override { ++stops; }
    void refresh(int level) override { refreshes << level; }
    void goBack() override { ++backs; }
    void goForward() override { ++forwards; }
    bool canGoBack() const override { return !back.isEmpty(); }
    bool canGoForward() const override { return !forward.isEmpty(); }
    QList<HistoryEntry> backEntries(int max) const override { return back.mid(0, max); }
    QList<HistoryEntry> forwardEntries(int max) const override { return forward.mid(0, max); }
    void goToBackEntry(int i) override { travelledTo = back.value(i).address; }
    void goToForwardEntry(int i) override { travelledTo = forward.value(i).address; }
    QString locationUrl() const override { return location; }
    QString locationName() const override { return name; }
    void runEdit(Edit command) override { edits << command; }
    void setContentPolicy(const ContentPolicy &p) override { policy = p; ++policyChanges; }
    void setZoomFactor(double factor) override { zoom = factor; }
    void setDefaultEncoding(const QString &charset) override { encoding = charset; }
    std::optional<ElementInfo> activeElement() const override { return active; }
    void runPageScript(const QString &source, ScriptResult done) override
    {
        scripts << source;
        if (done)
            done(scriptResult);
    }
    void savePage(const QString &path, SaveFormat format, SaveDone done = {}) override
    {
        saved << Saved{path, format};
        if (done)
            done(saveWrites);
    }
    void print(QPrinter *printer, PrintDone done) override
    {
        printers << printer;
        if (done)
            done(true);
    }

    // Raises a whole top-level load of `address` with the given title.
    void finishLoad(const QString &address, const QString &title = {});
    // Raises a top-level load of `address` that commits and then ends on
    // the engine's error page, as an unreachable address does.
    void failLoad(const QString &address, const QString &errorTitle = {});

    bool completeLoads = true; // navigate() finishes the load at once
    QString location;
    QString name;
    QStringList navigated;
    QList<int> refreshes;
    QList<Edit> edits;
    int stops = 0;
    int backs = 0;
    int forwards = 0;
    QList<HistoryEntry> back;
    QList<HistoryEntry> forward;
    QString travelledTo;
    ContentPolicy policy;
    int policyChanges = 0;
    QString encoding;
    double zoom = 1.0;
    std::optional<ElementInfo> active;
    QStringList scripts;  // page scripts run, in order
    QVariant scriptResult; // what each of them returns
    struct Saved
    {
        QString path;
        SaveFormat format;
        bool operator==(const Saved &) const = default;
    };
    QList<Saved> saved;      // pages written to disk, in order
    bool saveWrites = true;  // what each save reports (no file is written)
    QList<QPrinter *> printers; // print jobs, in order

private:
    QWidget *m_widget;
};

// Hands out fake controls and keeps them, in the order made, for the test.
class FakeControls
{
public:
    ControlFactory factory();
    FakeControl *last() const { return made.empty() ? nullptr : made.back(); }
    std::vector<FakeControl *> made;
    bool failNext = false; // the next control cannot be made
    bool completeLoads = true; // what the controls made from now on do
};

// A new-window request that records where it was opened.
class FakeNewWindowRequest : public NewWindowRequest
{
public:
    explicit FakeNewWindowRequest(bool userInitiated, QString address = QStringLiteral("http://popup.example/"))
        : m_user(userInitiated), m_address(std::move(address)) {}
    bool isUserInitiated() const override { return m_user; }
    QString requestedAddress() const override { return m_address; }
    void openIn(BrowserControl *control) override { openedIn = control; }
    BrowserControl *openedIn = nullptr;

private:
    bool m_user;
    QString m_address;
};
