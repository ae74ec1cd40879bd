// The address bar on the real frame, driven by keys and mouse.
#include "core/FrameCommandIds.h"
#include "core/SettingsTable.h"
#include "frame/AddressCommands.h"
#include "frame/CXTFlatComboBox.h"
#include "pages/CWebBrowser2.h"

#include "FrameFixture.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCursor>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWheelEvent>

namespace {

class AddressBarTest : public FrameFixture
{
protected:
    CXTFlatComboBox &bar() { return *frame().addressBar(); }
    QLineEdit &edit() { return *bar().lineEdit(); }
    FakeControl *control(int index) { return static_cast<FakeControl *>(host().list().at(index)->control()); }

    // Alt+D, then the text typed over the selected address.
    void typeInBar(const QString &text)
    {
        key(Qt::Key_D, Qt::AltModifier);
        ASSERT_TRUE(bar().hasFocus());
        key(Qt::Key_Delete);
        type(text);
        ASSERT_EQ(edit().text(), text);
    }

    // Types a text into the emptied bar and presses Enter with the modifiers.
    void enter(const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        typeInBar(text);
        key(Qt::Key_Return, modifiers);
    }

    // The first Page shows a real address, so Enter makes new Pages.
    void startOnAPage()
    {
        host().OpenInCurrentPage(P);
        ASSERT_EQ(host().list().count(), 1);
    }

    const QString P = QStringLiteral("http://p.example/");
};

TEST_F(AddressBarTest, EnterOpensTheTypedWordOrItsCompletionInANewPage)
{
    startOnAPage();
    struct Row { Qt::KeyboardModifiers keys; const char *opened; };
    const Row rows[] = {
        {Qt::ControlModifier, "http://www.example.com"},
        {Qt::ShiftModifier, "http://www.example.net"},
        {Qt::ControlModifier | Qt::ShiftModifier, "http://www.example.org"},
        {Qt::AltModifier, "example"},
        {Qt::NoModifier, "example"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.opened);
        const int before = host().list().count();
        typeInBar(QStringLiteral("example"));
        const qsizetype sounds0 = sounds.played.count(QStringLiteral("type.wav"));
        key(Qt::Key_Return, row.keys);
        // Every key in the bar plays the typing sound, the modifier keys too.
        EXPECT_EQ(sounds.played.count(QStringLiteral("type.wav")) - sounds0,
                  1 + int(row.keys.testFlag(Qt::ControlModifier)) + int(row.keys.testFlag(Qt::ShiftModifier))
                      + int(row.keys.testFlag(Qt::AltModifier)));
        ASSERT_EQ(host().list().count(), before + 1);
        EXPECT_EQ(controls.last()->navigated.value(0), QLatin1String(row.opened));
        // The new Page stays behind; the bar shows the Page in front, selected.
        EXPECT_EQ(host().activePage()->address(), P);
        EXPECT_EQ(edit().text(), P);
        EXPECT_EQ(edit().selectedText(), P);
    }
    // Remembered newest first, "example" once.
    EXPECT_EQ(bar().entries(), (QStringList{"example", "http://www.example.org", "http://www.example.net",
                                            "http://www.example.com"}));
    // The keypad's Enter is Enter.
    typeInBar(QStringLiteral("keypad.example"));
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(controls.last()->navigated.value(0), QStringLiteral("keypad.example"));
}

TEST_F(AddressBarTest, WithoutNewPagesOrOnAnErrorPageEnterNavigatesTheActivePage)
{
    startOnAPage();
    ASSERT_EQ(frame().isChecked(cmd::NewOnAddress), std::optional<bool>(true));
    frame().runCommand(cmd::NewOnAddress);
    EXPECT_EQ(settings.read(settings::NewOnAddress), 0);
    EXPECT_EQ(frame().isChecked(cmd::NewOnAddress), std::optional<bool>(false));

    enter(QStringLiteral("example"), Qt::ControlModifier);
    EXPECT_EQ(host().list().count(), 1);
    EXPECT_EQ(control(0)->navigated.last(), QStringLiteral("http://www.example.com"));
    // The completed text replaced the typed one.
    EXPECT_EQ(edit().text(), QStringLiteral("http://www.example.com"));

    frame().runCommand(cmd::NewOnAddress);
    emit control(0)->navigateError(BrowserControl::Frame::Top);
    ASSERT_EQ(host().activePage()->state(), CWebBrowser2::Error);
    enter(QStringLiteral("http://fixed.example/"));
    EXPECT_EQ(host().list().count(), 1);
    EXPECT_EQ(control(0)->navigated.last(), QStringLiteral("http://fixed.example/"));
}

TEST_F(AddressBarTest, TheListKeepsOneOfEachAndSavesTwentyFour)
{
    startOnAPage();
    enter(QStringLiteral("http://a.example/"));
    enter(QStringLiteral("HTTP://A.EXAMPLE/"));
    enter(QStringLiteral("http://a.example"));
    EXPECT_EQ(bar().entries(), QStringList{QStringLiteral("http://a.example/")});

    QStringList thirty;
    for (int i = 1; i <= 30; ++i)
        thirty << QStringLiteral("http://site%1.example/").arg(i);
    thirty[3].clear();
    bar().setEntries(thirty);
    restart();

    const QString key = QLatin1String(mirrored::kTypedUrls);
    EXPECT_EQ(registry.values(Hive::CurrentUser, key).size(), 23);
    EXPECT_EQ(registry.query(Hive::CurrentUser, key, QStringLiteral("url4"))->text, thirty[4]);
    EXPECT_FALSE(registry.query(Hive::CurrentUser, key, QStringLiteral("url24")));
    // The next start reads them back in order.
    EXPECT_EQ(bar().entries().size(), 23);
    EXPECT_EQ(bar().entries().first(), thirty.first());
    EXPECT_EQ(bar().entries().last(), thirty[23]);
    // The completion texts were written when the frame went.
    EXPECT_EQ(registry.query(Hive::CurrentUser, settings.appKey() + QStringLiteral("\\domains"), QStringLiteral("ctrl2"))->text,
              QStringLiteral(".com"));
}

TEST_F(AddressBarTest, KeysOfTheBarAndTheWindow)
{
    startOnAPage();
    frame().setAddressText(QStringLiteral("http://www.example.com/a/b.html"));
    host().activePage()->control()->widget()->setFocus();

    // Alt+D: the focus and the whole text.
    key(Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(edit().hasFocus());
    EXPECT_EQ(edit().selectedText(), edit().text());

    // Ctrl+Right and Ctrl+Left move by parts of the address, also inside the bar.
    key(Qt::Key_Home);
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(edit().selectedText(), QStringLiteral("http:"));
    key(Qt::Key_End);
    key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(edit().selectedText(), QStringLiteral(".html"));

    // Escape gives the focus back to the Page and stops nothing.
    key(Qt::Key_Escape);
    EXPECT_TRUE(host().activePage()->control()->widget()->hasFocus());
    EXPECT_EQ(control(0)->stops, 0);
    // In the Page, Escape stops it.
    key(Qt::Key_Escape);
    EXPECT_EQ(control(0)->stops, 1);

    // Ctrl+G goes to the text as it stands: no completion, no new entry, no new Page.
    bar().setEditText(QStringLiteral("example"));
    key(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(control(0)->navigated.last(), QStringLiteral("example"));
    EXPECT_TRUE(bar().entries().isEmpty());
    EXPECT_EQ(host().list().count(), 1);

    // Tab with nothing to complete moves the focus on, as everywhere.
    key(Qt::Key_D, Qt::AltModifier);
    key(Qt::Key_Tab);
    EXPECT_FALSE(edit().hasFocus());
}

TEST_F(AddressBarTest, APageThatLoadsMeanwhileLeavesTheTypedTextAlone)
{
    startOnAPage();
    typeInBar(QStringLiteral("half typ"));
    control(0)->finishLoad(QStringLiteral("http://redirected.example/"));
    EXPECT_EQ(edit().text(), QStringLiteral("half typ"));
    EXPECT_TRUE(edit().hasFocus());
    // Another Page brought up shows its own address.
    host().CreatePage(QStringLiteral("http://other.example/"), {}, QStringLiteral("O"));
    host().SelectPage(1);
    EXPECT_EQ(edit().text(), QStringLiteral("http://other.example/"));
    host().SelectPage(0);
    typeInBar(QStringLiteral("half typ"));
    // Once confirmed, the bar follows the Page again.
    frame().runCommand(cmd::NewOnAddress);
    key(Qt::Key_Return);
    control(0)->finishLoad(QStringLiteral("http://final.example/"));
    EXPECT_EQ(edit().text(), QStringLiteral("http://final.example/"));
}

TEST_F(AddressBarTest, MouseClickWheelAndTheChoiceOfAnEntry)
{
    startOnAPage();
    bar().setEntries({QStringLiteral("http://one.example/"), QStringLiteral("http://two.example/")});
    frame().setAddressText(QStringLiteral("http://www.example.com/"));

    // The click that brings the focus selects the whole address, inside the
    // text or to the right of it; the next one places the caret.
    const QPoint inside(edit().fontMetrics().horizontalAdvance(edit().text().left(8)), edit().height() / 2);
    const QPoint right(edit().width() - 30, edit().height() / 2);
    for (const QPoint &at : {inside, right}) {
        host().activePage()->control()->widget()->setFocus();
        click(&edit(), at);
        EXPECT_TRUE(edit().hasFocus());
        EXPECT_EQ(edit().selectedText(), edit().text());
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        click(&edit(), inside);
        EXPECT_FALSE(edit().hasSelectedText());
        EXPECT_EQ(edit().cursorPosition(), 8);
    }

    // The wheel changes nothing.
    const int index = bar().currentIndex();
    const QPointF over = bar().mapTo(&frame(), QPointF(bar().rect().center()));
    QWheelEvent wheel(over, frame().mapToGlobal(over), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(window(), &wheel);
    EXPECT_EQ(bar().currentIndex(), index);
    EXPECT_EQ(edit().text(), QStringLiteral("http://www.example.com/"));

    // Alt+Down opens the list; choosing an entry navigates the active Page.
    key(Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView *list = bar().view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 1000));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(control(0)->navigated.last(), QStringLiteral("http://two.example/"));
    // So does a click on the arrow and on an entry.
    QStyleOptionComboBox option;
    option.initFrom(&bar());
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow = bar().style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, &bar());
    click(&bar(), arrow.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 1000));
    click(list->viewport(), list->visualRect(list->model()->index(0, 0)).center());
    EXPECT_EQ(control(0)->navigated.last(), QStringLiteral("http://one.example/"));
}

TEST_F(AddressBarTest, FlatUntilFocusedOrHovered)
{
    startOnAPage();
    host().activePage()->control()->widget()->setFocus();
    QCursor::setPos(frame().mapToGlobal(QPoint(frame().width() / 2, frame().height() - 5)));
    EXPECT_FALSE(bar().isRaised());

    bar().setFocus();
    EXPECT_TRUE(bar().isRaised());
    host().activePage()->control()->widget()->setFocus();
    EXPECT_FALSE(bar().isRaised());

    // The mouse over the bar raises it; once the mouse has left, the timer lays it flat.
    QCursor::setPos(bar().mapToGlobal(bar().rect().center()));
    QMouseEvent move(QEvent::MouseMove, QPointF(bar().rect().center()), bar().mapToGlobal(QPointF(bar().rect().center())),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&edit(), &move);
    EXPECT_TRUE(bar().isRaised());
    QTest::qWait(30);
    EXPECT_TRUE(bar().isRaised());
    QCursor::setPos(frame().mapToGlobal(QPoint(frame().width() / 2, frame().height() - 5)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bar().isRaised(); }, 1000));

    // Under the pink theme the outer border is light pink.
    frame().runCommand(cmd::ThemePink);
    EXPECT_EQ(bar().grab().toImage().pixelColor(0, bar().height() / 2), QColor(247, 189, 217));
    frame().runCommand(cmd::ThemeModern);
    EXPECT_NE(bar().grab().toImage().pixelColor(0, bar().height() / 2), QColor(247, 189, 217));
}

TEST_F(AddressBarTest, ASuggestionTakenWithEnterOrAClickOpens)
{
    startOnAPage();
    bar().setEntries({QStringLiteral("http://www.example.com/"), QStringLiteral("http://www.example.org/")});
    typeInBar(QStringLiteral("exa"));
    QAbstractItemView *popup = edit().completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    EXPECT_EQ(host().list().count(), 2);
    EXPECT_EQ(controls.last()->navigated.value(0), QStringLiteral("http://www.example.com/"));
    EXPECT_FALSE(popup->isVisible());

    typeInBar(QStringLiteral("exa"));
    ASSERT_TRUE(popup->isVisible());
    const QModelIndex second = popup->model()->index(1, 0);
    click(popup->viewport(), popup->visualRect(second).center());
    EXPECT_EQ(host().list().count(), 3);
    EXPECT_EQ(controls.last()->navigated.value(0), QStringLiteral("http://www.example.org/"));

    // Enter with the list open and nothing chosen in it opens what was typed.
    typeInBar(QStringLiteral("exa"));
    ASSERT_TRUE(popup->isVisible());
    key(Qt::Key_Return);
    EXPECT_EQ(controls.last()->navigated.value(0), QStringLiteral("exa"));
    // Tab takes the suggestion chosen in the list and keeps the focus.
    typeInBar(QStringLiteral("exa"));
    key(Qt::Key_Down);
    key(Qt::Key_Tab);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(edit().text(), QStringLiteral("http://www.example.com/"));
    EXPECT_TRUE(edit().hasFocus());
}

TEST_F(AddressBarTest, CompletionWhileTypingAndItsSwitch)
{
    startOnAPage();
    bar().setEntries({QStringLiteral("http://www.example.com/"), QStringLiteral("http://other.example/")});
    typeInBar(QStringLiteral("exa"));
    // Suggestions by default, nothing appended.
    EXPECT_EQ(bar().currentSuggestions(), QStringList{QStringLiteral("http://www.example.com/")});
    EXPECT_EQ(edit().text(), QStringLiteral("exa"));
    key(Qt::Key_Escape);
    // The Pages' addresses are offered too.
    host().CreatePage(QStringLiteral("http://visited.example/x"), {}, QStringLiteral("V"));
    typeInBar(QStringLiteral("vis"));
    EXPECT_EQ(bar().currentSuggestions(), QStringList{QStringLiteral("http://visited.example/x")});
    key(Qt::Key_Escape);

    // The switch: off on a new profile; on, it writes the four values and appends.
    EXPECT_EQ(frame().isChecked(cmd::AutoComplete), std::optional<bool>(false));
    frame().runCommand(cmd::AutoComplete);
    EXPECT_EQ(frame().isChecked(cmd::AutoComplete), std::optional<bool>(true));
    for (const char *name : {"Use FormSuggest", "FormSuggest Passwords"})
        EXPECT_EQ(mirroredValue(mirrored::kIEMain, QLatin1String(name))->text, QStringLiteral("yes"));
    for (const char *name : {"Append Completion", "AutoSuggest"})
        EXPECT_EQ(mirroredValue(mirrored::kAutoComplete, QLatin1String(name))->text, QStringLiteral("yes"));

    key(Qt::Key_D, Qt::AltModifier);
    key(Qt::Key_Delete);
    type(QStringLiteral("exa"));
    EXPECT_EQ(edit().text(), QStringLiteral("example.com/"));
    EXPECT_EQ(edit().selectedText(), QStringLiteral("mple.com/"));
    // Backspace takes the appended part away and appends nothing new.
    key(Qt::Key_Backspace);
    EXPECT_EQ(edit().text(), QStringLiteral("exa"));
    // Tab takes the appended completion and the focus stays for the next keys.
    type(QStringLiteral("m"));
    EXPECT_EQ(edit().text(), QStringLiteral("example.com/"));
    key(Qt::Key_Tab);
    EXPECT_FALSE(edit().hasSelectedText());
    EXPECT_EQ(edit().cursorPosition(), edit().text().size());
    EXPECT_TRUE(edit().hasFocus());
    type(QStringLiteral("x"));
    EXPECT_EQ(edit().text(), QStringLiteral("example.com/x"));

    // Off again: no suggestions, nothing appended.
    frame().runCommand(cmd::AutoComplete);
    EXPECT_EQ(mirroredValue(mirrored::kIEMain, QStringLiteral("Use FormSuggest"))->text, QStringLiteral("no"));
    typeInBar(QStringLiteral("exa"));
    EXPECT_EQ(edit().text(), QStringLiteral("exa"));
    EXPECT_TRUE(bar().currentSuggestions().isEmpty());
}

} // namespace
