// The engine menus and the Find Box on the real frame: what the menus hold,
// what their commands open, and what find and highlight ask of the Page.
#include "core/FrameCommandIds.h"
#include "frame/EngineMenus.h"
#include "frame/FindBox.h"
#include "frame/FindCommands.h"
#include "pages/CWebBrowser2.h"

#include "FrameFixture.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <functional>
#include <sys/stat.h>

namespace {

class EngineMenusTest : public FrameFixture
{
protected:
    void write(const QString &name, const QByteArray &content)
    {
        const QString file = profile + QStringLiteral("/data/") + name;
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    // The menu of a placeholder as the user sees it: texts and commands, "-" for separators.
    QStringList popup(int placeholder)
    {
        QMenu menu;
        frame().fillPopup(placeholder, &menu);
        QStringList items;
        for (QAction *a : menu.actions())
            items << (a->isSeparator() ? QStringLiteral("-")
                                       : a->text() + QLatin1Char('=') + (a->isEnabled() ? a->data().toString() : QStringLiteral("off")));
        return items;
    }

    void typeInFindBox(const QString &text) { frame().findBox()->setEditText(text); }

    // A click into the Find Box, the text typed over what was there, Enter.
    void searchFromFindBox(const QString &text)
    {
        QLineEdit *edit = frame().findBox()->lineEdit();
        click(edit, edit->rect().center());
        ASSERT_TRUE(frame().findBox()->hasFocus());
        key(Qt::Key_A, Qt::ControlModifier);
        type(text);
        ASSERT_EQ(edit->text(), text);
        key(Qt::Key_Return);
    }

    // The Pages opened after the first, in the order made: address and label.
    QStringList opened()
    {
        QStringList pages;
        for (size_t c = 1; c < controls.made.size(); ++c) {
            for (int i = 0; i < host().list().count(); ++i) {
                const CWebBrowser2 *page = host().list().at(i);
                if (page->control() == controls.made[c])
                    pages << page->address() + QLatin1Char(' ') + page->tabLabel();
            }
        }
        return pages;
    }

    FakeControl *active() { return static_cast<FakeControl *>(host().activePage()->control()); }

    // The first Page shows the address; the Pages opened later keep their labels.
    void startOn(const QString &address)
    {
        host().OpenInCurrentPage(address);
        controls.completeLoads = false;
        messages.told.clear();
    }
};

TEST_F(EngineMenusTest, TwoEnginesAroundABarAndTheirSearches)
{
    write(QStringLiteral("SearchEngines.ini"), "A|https://a.example/?q={keywords}\n|\nB|https://b.example/s/{keywords}\n");
    startOn(QStringLiteral("https://start.example/"));
    EXPECT_EQ(popup(cmd::SearchPopup), (QStringList{"全部搜索=61223", "-", "A=28672", "-", "B=28673", "-",
                                                    "清除搜索=32893", "自定义引擎=32998"}));

    typeInFindBox(QStringLiteral("  red  car "));
    frame().runCommand(cmd::SearchFirst + 1);
    EXPECT_EQ(opened(), QStringList{"https://b.example/s/red%20%20car Loading..."});
    // The words, for highlighting and finding; the text, in the box's list.
    EXPECT_EQ(frame().findCommands()->words().words, (QStringList{"red", "car"}));
    EXPECT_EQ(frame().findCommands()->history(), QStringList{"red  car"});

    // All engines, one Page each, in file order.
    frame().runCommand(cmd::SearchAll);
    EXPECT_EQ(opened().mid(1), (QStringList{"https://a.example/?q=red%20%20car Loading...",
                                            "https://b.example/s/red%20%20car Loading..."}));

    // The default engine, by key and by Enter in the box.
    key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(opened().last(), QStringLiteral("https://www.bing.com/search?q=red%20%20car red  car"));
    searchFromFindBox(QStringLiteral("blue"));
    EXPECT_EQ(opened().last(), QStringLiteral("https://www.bing.com/search?q=blue blue"));
    EXPECT_EQ(frame().findCommands()->history(), (QStringList{"red  car", "blue"}));
    // An earlier text searched again: one search, one Page.
    const int pages = host().list().count();
    searchFromFindBox(QStringLiteral("blue"));
    EXPECT_EQ(host().list().count(), pages + 1);
    // Choosing an earlier text from the list searches for it.
    frame().findBox()->setCurrentIndex(0);
    emit frame().findBox()->activated(0);
    EXPECT_EQ(opened().last(), QStringLiteral("https://www.bing.com/search?q=red%20%20car red  car"));

    // A command past the file's entries opens nothing.
    const int before = host().list().count();
    frame().runCommand(cmd::SearchFirst + 2);
    EXPECT_EQ(host().list().count(), before);
}

TEST_F(EngineMenusTest, AnEmptyFindBoxOpensOnlyAHostName)
{
    write(QStringLiteral("SearchEngines.ini"), "A|https://a.example/search?q={keywords}\n");
    startOn(QStringLiteral("https://start.example/"));
    typeInFindBox(QStringLiteral("   "));
    frame().runCommand(cmd::SearchFirst);
    frame().runCommand(cmd::DefaultSearch);
    frame().runCommand(cmd::SearchAll);
    EXPECT_EQ(opened(), (QStringList{"a.example Loading...", "www.bing.com Loading...", "www.bing.com Loading..."}));
    EXPECT_TRUE(frame().findCommands()->history().isEmpty());
    EXPECT_FALSE(frame().action(cmd::FindInPage)->isEnabled());
}

TEST_F(EngineMenusTest, GoToTranslateAndTheWebDirectory)
{
    write(QStringLiteral("Goto.ini"), "Whois|https://whois.example/{域}    \nArchive|https://archive.example/web/{url}\n");
    write(QStringLiteral("TranslateEngines.ini"), "Into English|https://tr.example/?tl=en&u={url}\n");
    write(QStringLiteral("webdir/RECREATION.ini"), "Travel|https://travel.example/\n");
    EXPECT_EQ(popup(cmd::GotoPopup), (QStringList{"Whois=29696", "Archive=29697"}));
    EXPECT_EQ(popup(cmd::TranslatePopup), (QStringList{"Into English=25344", "-", "自定义...=33041"}));
    // The category's file is found whatever the letter case of its name.
    EXPECT_EQ(popup(33091), (QStringList{"自定义...=33091", "-", "Travel=14848"}));
    // A missing category file: its popup and nothing more, no message.
    EXPECT_EQ(popup(33083), (QStringList{"自定义...=33083", "-"}));
    EXPECT_TRUE(messages.told.isEmpty());

    // The domain placeholder on an address that is none opens nothing.
    ASSERT_EQ(host().activePage()->address(), QStringLiteral("about:blank"));
    frame().runCommand(cmd::GotoFirst);
    EXPECT_TRUE(opened().isEmpty());

    startOn(QStringLiteral("https://site.example/a?b=1"));
    frame().runCommand(cmd::GotoFirst);
    frame().runCommand(cmd::GotoFirst + 1);
    frame().runCommand(cmd::TranslateFirst);
    frame().runCommand(14848);
    EXPECT_EQ(opened(), (QStringList{"https://whois.example/site.example Whois...",
                                     "https://archive.example/web/https://site.example/a?b=1 Go to ...",
                                     "https://tr.example/?tl=en&u=https%3A%2F%2Fsite.example%2Fa%3Fb%3D1 翻译...",
                                     "https://travel.example/ Travel"}));

    // The customise commands open the files in the text editor.
    for (int id : {cmd::CustomizeSearch, cmd::CustomizeTranslate, 33091})
        frame().runCommand(id);
    EXPECT_EQ(editedFiles, (QStringList{profile + "/data/SearchEngines.ini", profile + "/data/TranslateEngines.ini",
                                        profile + "/data/webdir/RECREATION.ini"}));
}

TEST_F(EngineMenusTest, FilesThatCannotBeReadAndHostileFiles)
{
    frame();
    EXPECT_EQ(popup(cmd::SearchPopup), (QStringList{"全部搜索=61223", "-", "-", "清除搜索=32893", "自定义引擎=32998"}));
    EXPECT_EQ(popup(cmd::GotoPopup), QStringList());
    popup(cmd::TranslatePopup);
    EXPECT_EQ(messages.told, (QStringList{profile + "/data/SearchEngines.ini 错误！\n请重新安装！",
                                          "goto.ini 错误！\n请重新安装！",
                                          profile + "/data/TranslateEngines.ini 错误！\n请重新安装！"}));

    // Binary garbage, a 1 MB line and 10,000 entries show, none of them for long.
    QByteArray garbage;
    for (int i = 0; i < 65536; ++i)
        garbage += char((i * 131) % 251);
    write(QStringLiteral("Goto.ini"), garbage);
    EXPECT_FALSE(popup(cmd::GotoPopup).isEmpty());
    write(QStringLiteral("Goto.ini"), QByteArray(1024 * 1024, 'x') + "|https://long.example/\nB|https://b.example/\n");
    EXPECT_EQ(popup(cmd::GotoPopup).size(), 2);
    QByteArray many;
    for (int i = 0; i < 10000; ++i)
        many += "Engine " + QByteArray::number(i) + "|https://e" + QByteArray::number(i) + ".example/?q={keywords}\n";
    write(QStringLiteral("SearchEngines.ini"), many);
    const QStringList items = popup(cmd::SearchPopup);
    // The menu ends with its 513 commands (another entry's number would be
    // another menu's command), marked as going on.
    EXPECT_EQ(items.size(), 513 + 6);
    EXPECT_EQ(items[2 + 512], QStringLiteral("Engine 512=29184"));
    EXPECT_EQ(items[2 + 513], QStringLiteral("…=off"));
    // Nor do separators make a menu without end.
    write(QStringLiteral("Goto.ini"), QByteArray(200000, '\n'));
    EXPECT_LT(popup(cmd::GotoPopup).size(), 300);

    // A file that is no regular file, or too big, is not read: no hang, no
    // endless memory, and the menu says the file is wrong.
    const QString search = profile + QStringLiteral("/data/SearchEngines.ini");
    for (const auto &make : std::initializer_list<std::function<bool()>>{
             [&] { return QFile::link(QStringLiteral("/dev/zero"), search); },
             [&] { return ::mkfifo(QFile::encodeName(search).constData(), 0600) == 0; },
             [&] { QFile f(search); return f.open(QIODevice::WriteOnly) && f.resize(5 * 1024 * 1024); },
         }) {
        QFile::remove(search);
        ASSERT_TRUE(make());
        messages.told.clear();
        EXPECT_EQ(popup(cmd::SearchPopup), (QStringList{"全部搜索=61223", "-", "-", "清除搜索=32893", "自定义引擎=32998"}));
        EXPECT_EQ(messages.told.size(), 1);
    }
}

TEST_F(EngineMenusTest, HighlightFindAndChooseAWord)
{
    startOn(QStringLiteral("https://page.example/"));
    EXPECT_FALSE(frame().action(cmd::FindInPage)->isEnabled());
    typeInFindBox(QStringLiteral("alpha beta"));
    key(Qt::Key_M, Qt::ControlModifier);
    // The old marks go, then each word is marked.
    ASSERT_EQ(active()->scripts.size(), 3);
    EXPECT_TRUE(active()->scripts[0].contains(QLatin1String("\"VesperalFindInPage\"")));
    EXPECT_TRUE(active()->scripts[1].contains(QLatin1String("\"alpha\",\"VesperalFindInPage\",\"000000\",\"ffff00\"")));
    EXPECT_TRUE(active()->scripts[2].contains(QLatin1String("\"beta\"")));
    EXPECT_TRUE(frame().action(cmd::FindInPage)->isEnabled());
    EXPECT_EQ(frame().findCommands()->history(), QStringList{"alpha beta"});

    // Find goes to the current word; the drop-down lists the words, the current one marked.
    frame().runCommand(cmd::FindInPage);
    EXPECT_TRUE(active()->scripts.last().contains(QLatin1String("(\"alpha\",null)")));
    EXPECT_EQ(popup(cmd::FindInPage), (QStringList{"alpha=24576", "beta=24577"}));

    // Choosing a word: find it, then only it stays highlighted.
    active()->scripts.clear();
    frame().runCommand(cmd::FindWordFirst + 1);
    ASSERT_EQ(active()->scripts.size(), 3);
    EXPECT_TRUE(active()->scripts[0].contains(QLatin1String("(\"beta\",null)")));
    EXPECT_TRUE(active()->scripts[1].contains(QLatin1String("(\"VesperalFindInPage\")")));
    EXPECT_TRUE(active()->scripts[2].contains(QLatin1String("\"beta\",\"VesperalFindInPage\"")));
    QMenu words;
    frame().fillPopup(cmd::FindInPage, &words);
    EXPECT_TRUE(words.actions()[1]->isChecked());
    EXPECT_FALSE(words.actions()[0]->isChecked());
    frame().runCommand(cmd::FindWordFirst + 7); // no such word
    EXPECT_EQ(active()->scripts.size(), 3);

    // A word that looks like script goes in as a JSON string, not as code.
    active()->scripts.clear();
    typeInFindBox(QStringLiteral("\");alert(1);//"));
    frame().runCommand(cmd::Highlight);
    EXPECT_TRUE(active()->scripts[1].contains(QLatin1String("(\"\\\");alert(1);//\",")));

    // More words than commands: the rest are listed, not chosen.
    QStringList many;
    for (int i = 0; i < 90; ++i)
        many << QStringLiteral("w%1").arg(i);
    typeInFindBox(many.join(QLatin1Char(' ')));
    frame().runCommand(cmd::Highlight);
    const QStringList items = popup(cmd::FindInPage);
    EXPECT_EQ(items.size(), 90);
    EXPECT_EQ(items[80], QStringLiteral("w80=24656"));
    EXPECT_EQ(items[81], QStringLiteral("w81=off"));

    // Clearing the search empties the box and its list.
    frame().runCommand(cmd::ClearSearch);
    EXPECT_TRUE(frame().findBox()->currentText().isEmpty());
    EXPECT_EQ(frame().findBox()->count(), 0);
}

} // namespace
