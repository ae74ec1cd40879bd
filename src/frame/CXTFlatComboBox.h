#pragma once

#include <QBasicTimer>
#include <QComboBox>

#include <functional>

class QCompleter;
class QStringListModel;

// The address bar: an editable drop-down of the typed addresses, newest
// first, drawn flat until it has the focus or the mouse, with completion
// while typing. It decides nothing about addresses itself: Enter, Escape and
// the choice of an entry are signalled.
class CXTFlatComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CXTFlatComboBox(QWidget *parent = nullptr);

    // The typed list, top first.
    QStringList entries() const;
    void setEntries(const QStringList &entries);
    // Puts the text on top of the list unless it, or its slash twin, is there.
    void remember(const QString &text);

    // What completion offers: called with the text typed so far.
    using CandidateSource = std::function<QStringList()>;
    void setCandidateSource(CandidateSource source) { m_candidates = std::move(source); }
    // The drop-down of suggestions, and the suggestion's rest appended
    // (selected) behind the typed text.
    void setCompletionModes(bool suggest, bool append);
    QStringList currentSuggestions() const;

    // Called at every key press (the key sound).
    void setKeyHook(std::function<void()> hook) { m_keyHook = std::move(hook); }

    // Focus and the whole text selected.
    void focusAndSelectAll();
    // Shows a Page's address (what was typed and not confirmed goes).
    void setAddress(const QString &address);
    // The user has typed in the bar and not confirmed it yet.
    bool isBeingEdited() const;

    bool isRaised() const { return m_raised; }

signals:
    // Enter, with the modifier keys held.
    void confirmed(Qt::KeyboardModifiers modifiers);
    void escaped();
    // An entry of the drop-down list was chosen.
    void entryChosen(const QString &text);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool handleKey(QKeyEvent *event);
    bool handlePress(QMouseEvent *event);
    void hovered();
    void setRaised(bool raised);
    bool mouseInside() const;
    bool focusInside() const;
    void onTextEdited(const QString &text);

    std::function<void()> m_keyHook;
    CandidateSource m_candidates;
    QCompleter *m_completer = nullptr;
    QStringListModel *m_suggestions = nullptr;
    bool m_suggest = true;
    bool m_append = false;
    bool m_deleting = false;
    bool m_raised = false;
    bool m_focusedByMouse = false;
    QBasicTimer m_hoverTimer;
};
