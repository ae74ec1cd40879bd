#include "frame/CXTFlatComboBox.h"

#include "frame/AddressRules.h"
#include "ui/Themes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QCursor>
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
    edit->setClearButtonEnabled(true);
    edit->setMouseTracking(true);
    edit->installEventFilter(this);

    m_suggestions = new QStringListModel(this);
    m_completer = new QCompleter(m_suggestions, this);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setMaxVisibleItems(12);
    edit->setCompleter(m_completer);
    connect(edit, &QLineEdit::textEdited, this, &CXTFlatComboBox::onTextEdited);

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

void CXTFlatComboBox::setEntries(const QStringList &entries)
{
    const QString text = currentText();
    clear();
    addItems(entries);
    // The list changes, the field does not.
    setEditText(text);
}

void CXTFlatComboBox::remember(const QString &text)
{
    const QStringList before = entries();
    const QStringList after = AddressRules::remember(before, text);
    if (after.size() != before.size()) {
        const QString shown = currentText();
        insertItem(0, text);
        setEditText(shown);
    }
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

bool CXTFlatComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lineEdit())
        return QComboBox::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        auto *key = static_cast<QKeyEvent *>(event);
        // Enter and Escape are the bar's own, even where the window has a
        // shortcut on them (Escape stops the Page). Ctrl+Left and Ctrl+Right
        // go to the window's commands, which move the selection by parts of
        // the address.
        const int k = key->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        if ((k == Qt::Key_Left || k == Qt::Key_Right) && key->modifiers() == Qt::ControlModifier) {
            event->ignore();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: return handleKey(static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonPress: return handlePress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
    case QEvent::Enter: hovered(); return false;
    case QEvent::Wheel: return true;
    case QEvent::FocusIn: setRaised(true); return false;
    case QEvent::FocusOut:
        if (!mouseInside())
            setRaised(false);
        return false;
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
        emit confirmed(event->modifiers());
        return true;
    case Qt::Key_Escape:
        m_completer->popup()->hide();
        hidePopup();
        emit escaped();
        return true;
    case Qt::Key_Tab: {
        // Tab takes the appended completion.
        QLineEdit *edit = lineEdit();
        if (edit->hasSelectedText() && edit->selectionStart() + edit->selectedText().size() == edit->text().size()
            && edit->selectionStart() > 0) {
            edit->deselect();
            edit->end(false);
            m_completer->popup()->hide();
            return true;
        }
        return false;
    }
    default: return false;
    }
}

bool CXTFlatComboBox::handlePress(QMouseEvent *event)
{
    QLineEdit *edit = lineEdit();
    if (event->button() != Qt::LeftButton || !edit->hasSelectedText() || edit->selectedText() != edit->text())
        return false;
    // The first click into a fully selected address keeps it selected.
    const int at = edit->cursorPositionAt(event->position().toPoint());
    if (at > 0 && at < edit->text().size())
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
    QComboBox::focusInEvent(event);
    setRaised(true);
}

void CXTFlatComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (!focusInside())
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
