#include "frame/CXTFlatComboBox.h"

#include "frame/AddressRules.h"
#include "ui/Themes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStringListModel>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {

constexpr int kHoverInterval = 10;
const QColor kPinkBorder(247, 189, 217);

} // namespace

CXTFlatComboBox::CXTFlatComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(20);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    QLineEdit *edit = lineEdit();
    edit->setObjectName(QStringLiteral("address"));
    edit->setMouseTracking(true);
    edit->installEventFilter(this);

    m_suggestions = new QStringListModel(this);
    m_completer = new QCompleter(m_suggestions, this);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setMaxVisibleItems(12);
    edit->setCompleter(m_completer);
    connect(edit, &QLineEdit::textEdited, this, &CXTFlatComboBox::onTextEdited);
    // A suggestion taken with Enter or a click opens at once, as a typed
    // address does (the completer alone would only fill the field).
    QAbstractItemView *popup = m_completer->popup();
    popup->installEventFilter(this);
    connect(popup, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        lineEdit()->setText(index.data().toString());
        m_completer->popup()->hide();
        emit confirmed(QGuiApplication::keyboardModifiers());
    });

    // Only a choice in the list navigates; typing into the field does not.
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        const QString text = itemText(index);
        if (!text.isEmpty())
            emit entryChosen(text);
    });
}

QStringList CXTFlatComboBox::entries() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

namespace {

// The edit field as it stands: a change of the list must not touch it.
class KeepEditField
{
public:
    explicit KeepEditField(QLineEdit *edit)
        : m_edit(edit)
        , m_text(edit->text())
        , m_cursor(edit->cursorPosition())
        , m_selectionStart(edit->selectionStart())
        , m_selectionLength(edit->selectionLength())
    {
    }
    ~KeepEditField()
    {
        m_edit->setText(m_text);
        if (m_selectionStart >= 0 && m_cursor == m_selectionStart)
            m_edit->setSelection(m_selectionStart + m_selectionLength, -m_selectionLength);
        else if (m_selectionStart >= 0)
            m_edit->setSelection(m_selectionStart, m_selectionLength);
        else
            m_edit->setCursorPosition(m_cursor);
    }

private:
    QLineEdit *m_edit;
    QString m_text;
    int m_cursor;
    int m_selectionStart;
    int m_selectionLength;
};

} // namespace

void CXTFlatComboBox::setEntries(const QStringList &entries)
{
    KeepEditField keep(lineEdit());
    clear();
    addItems(entries);
}

void CXTFlatComboBox::remember(const QString &text)
{
    const QStringList before = entries();
    if (AddressRules::remember(before, text).size() == before.size())
        return;
    KeepEditField keep(lineEdit());
    insertItem(0, text);
}

void CXTFlatComboBox::setCompletionModes(bool suggest, bool append)
{
    m_suggest = suggest;
    m_append = append;
    if (!suggest)
        m_completer->popup()->hide();
}

QStringList CXTFlatComboBox::currentSuggestions() const
{
    return m_suggestions->stringList();
}

void CXTFlatComboBox::focusAndSelectAll()
{
    setFocus(Qt::ShortcutFocusReason);
    lineEdit()->selectAll();
}

void CXTFlatComboBox::setAddress(const QString &address)
{
    setEditText(address);
    lineEdit()->setCursorPosition(0);
}

bool CXTFlatComboBox::isBeingEdited() const
{
    return focusInside() && lineEdit()->isModified();
}

void CXTFlatComboBox::onTextEdited(const QString &text)
{
    const QStringList candidates = m_candidates ? m_candidates() : entries();
    const QStringList found = AddressRules::suggestions(candidates, text);
    m_suggestions->setStringList(m_suggest ? found : QStringList());
    if (m_suggest && !found.isEmpty())
        m_completer->complete();
    else
        m_completer->popup()->hide();
    // The rest of the first suggestion, selected, behind the caret; not
    // while the user is deleting what was there.
    if (m_append && !m_deleting && !text.isEmpty()) {
        const QString whole = AddressRules::inlineCompletion(candidates, text);
        if (whole.size() > text.size()) {
            QLineEdit *edit = lineEdit();
            edit->setText(whole);
            edit->setSelection(whole.size(), -(whole.size() - text.size()));
        }
    }
}

namespace {

// Ctrl+Left and Ctrl+Right belong to the window's commands, which move the
// selection by parts of the address.
bool isPartMove(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) && key->modifiers() == Qt::ControlModifier;
}

} // namespace

bool CXTFlatComboBox::event(QEvent *event)
{
    // A key from the keyboard arrives here, at the focus widget: the combo
    // box hands it on to its edit field directly, past any filter there.
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        auto *key = static_cast<QKeyEvent *>(event);
        // Ctrl+Left and Ctrl+Right stay the window's commands; Enter and
        // Escape are the bar's own, even where the window has a shortcut on
        // them (Escape stops the Page).
        if (isPartMove(key)) {
            event->ignore();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress:
        // Before the focus chain: Tab that takes a completion stays here.
        if (handleKey(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    default: break;
    }
    return QComboBox::event(event);
}

bool CXTFlatComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_completer->popup() && event->type() == QEvent::KeyPress) {
        // While the suggestions are open they have the keyboard; the
        // completer hands what they do not use on to the bar, where it is
        // handled as typed. Enter and Tab take the suggestion chosen here.
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab: {
            const QModelIndex current = m_completer->popup()->currentIndex();
            if (current.isValid() && m_completer->popup()->selectionModel()->isSelected(current))
                lineEdit()->setText(current.data().toString());
            return handleKey(key);
        }
        case Qt::Key_Escape: return handleKey(key);
        default: return false;
        }
    }
    if (watched != lineEdit())
        return QComboBox::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: return handlePress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
    case QEvent::Enter: hovered(); return false;
    case QEvent::Wheel: return true;
    default: return false;
    }
}

bool CXTFlatComboBox::handleKey(QKeyEvent *event)
{
    if (m_keyHook)
        m_keyHook();
    m_deleting = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_completer->popup()->hide();
        emit confirmed(event->modifiers() & ~Qt::KeypadModifier);
        return true;
    case Qt::Key_Escape:
        m_completer->popup()->hide();
        hidePopup();
        emit escaped();
        return true;
    case Qt::Key_Tab: {
        if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        // Tab takes the completion: the appended rest, or the suggestion
        // chosen in the list. With nothing to take it moves the focus on.
        QLineEdit *edit = lineEdit();
        const bool appended = edit->hasSelectedText() && edit->selectionStart() > 0
                              && edit->selectionStart() + edit->selectedText().size() == edit->text().size();
        if (!appended && !m_completer->popup()->isVisible())
            return false;
        edit->deselect();
        edit->end(false);
        m_completer->popup()->hide();
        return true;
    }
    default: return false;
    }
}

bool CXTFlatComboBox::handlePress(QMouseEvent *event)
{
    const bool firstClick = m_focusedByMouse;
    m_focusedByMouse = false;
    QLineEdit *edit = lineEdit();
    if (event->button() != Qt::LeftButton || !firstClick)
        return false;
    // The click that brings the focus into the bar selects the whole
    // address wherever it falls, so that typing replaces it; the next click
    // places the caret.
    if (edit->text().isEmpty())
        return false;
    edit->selectAll();
    return true;
}

void CXTFlatComboBox::wheelEvent(QWheelEvent *event)
{
    // The wheel never changes the chosen entry.
    event->accept();
}

void CXTFlatComboBox::focusInEvent(QFocusEvent *event)
{
    // The edit field's focus comes through here (the box is its focus proxy).
    m_focusedByMouse = event->reason() == Qt::MouseFocusReason;
    QComboBox::focusInEvent(event);
    setRaised(true);
}

void CXTFlatComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    // Its own drop-down list takes the focus for a moment: that is not leaving.
    if (event->reason() != Qt::PopupFocusReason && !focusInside())
        setRaised(false);
}

void CXTFlatComboBox::mouseMoveEvent(QMouseEvent *event)
{
    QComboBox::mouseMoveEvent(event);
    hovered();
}

void CXTFlatComboBox::hovered()
{
    if (!m_hoverTimer.isActive())
        m_hoverTimer.start(kHoverInterval, this);
    setRaised(true);
}

void CXTFlatComboBox::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_hoverTimer.timerId()) {
        QComboBox::timerEvent(event);
        return;
    }
    if (mouseInside()) {
        setRaised(true);
        if (focusInside())
            m_hoverTimer.stop();
        return;
    }
    m_hoverTimer.stop();
    if (!focusInside())
        setRaised(false);
}

bool CXTFlatComboBox::mouseInside() const
{
    return rect().contains(mapFromGlobal(QCursor::pos()));
}

bool CXTFlatComboBox::focusInside() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void CXTFlatComboBox::setRaised(bool raised)
{
    if (m_raised == raised)
        return;
    m_raised = raised;
    update();
}

void CXTFlatComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // Flat: no frame until the focus or the mouse is on the bar.
    option.frame = m_raised;
    if (!m_raised)
        option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (Themes::current() == Themes::kPink) {
        painter.setPen(kPinkBorder);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
