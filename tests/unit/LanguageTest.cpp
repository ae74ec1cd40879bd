// The language the program speaks: how it is chosen, what each choice
// installs, and the frame and its help in English.
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "core/FrameCommandIds.h"
#include "core/Language.h"
#include "pages/CWebBrowser2.h"
#include "ui/UserTools.h"

#include "FrameFixture.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(Language, TheCommandLineOutranksTheSettingWhichOutranksTheDesktop)
{
    const QLocale chinaDesktop(QLocale::Chinese, QLocale::China);
    const QLocale taiwanDesktop(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
    const QLocale germanDesktop(QLocale::German, QLocale::Germany);
    struct Row
    {
        const char *commandLine;
        const char *setting;
        QLocale desktop;
        Language expected;
    };
    const Row rows[] = {
        {"", "", chinaDesktop, Language::Chinese},
        {"", "", taiwanDesktop, Language::Chinese},
        {"", "", QLocale(QStringLiteral("zh_HK")), Language::Chinese},
        {"", "", germanDesktop, Language::English},
        {"", "", QLocale::c(), Language::English},
        {"", "en", chinaDesktop, Language::English},
        {"", "EN_us", chinaDesktop, Language::English},
        {"", "zh", germanDesktop, Language::Chinese},
        {"", "zh-TW", germanDesktop, Language::Chinese},
        {"", "klingon", chinaDesktop, Language::Chinese}, // not a choice: the desktop's
        {"", "english", chinaDesktop, Language::Chinese},
        {"en", "zh", chinaDesktop, Language::English},
        {"zh", "en", germanDesktop, Language::Chinese},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.commandLine) + " / " + row.setting + " / " + row.desktop.name().toStdString());
        EXPECT_EQ(Translations::choose(QLatin1String(row.commandLine), QLatin1String(row.setting), row.desktop),
                  row.expected);
    }
}

TEST(Language, TheCommandLineTakesZhOrEnOnly)
{
    const auto english = CommandLine::parse({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("x.html")});
    EXPECT_TRUE(english.error.isEmpty());
    EXPECT_EQ(english.language, QStringLiteral("en"));
    EXPECT_EQ(english.argument, QStringLiteral("x.html"));
    EXPECT_EQ(CommandLine::parse({QStringLiteral("--lang=zh")}).language, QStringLiteral("zh"));
    EXPECT_TRUE(CommandLine::parse({}).language.isEmpty());
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--lang"), QStringLiteral("fr")}).error.isEmpty());
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("--lang=")}).error.isEmpty());
    EXPECT_TRUE(CommandLine::helpText().contains(QStringLiteral("--lang zh|en")));
}

TEST(Language, ChineseMakesQtsOwnButtonsChineseAndEnglishOurTextsEnglish)
{
    auto okText = [] {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Ok)->text();
    };
    auto ourText = [] { return QCoreApplication::translate("FavoritesMenu", "导入/导出..."); };
    ASSERT_EQ(okText(), QStringLiteral("OK"));
    {
        const Translations chinese(Language::Chinese);
        EXPECT_EQ(language::current(), Language::Chinese);
        EXPECT_TRUE(chinese.loaded().contains(QStringLiteral("qtbase_zh_CN.qm")));
        EXPECT_TRUE(chinese.loaded().contains(QStringLiteral("qtwebengine_zh_CN.qm")));
        EXPECT_EQ(okText(), QStringLiteral("确定"));
        EXPECT_EQ(ourText(), QStringLiteral("导入/导出..."));
    }
    EXPECT_EQ(okText(), QStringLiteral("OK"));
    {
        const Translations english(Language::English);
        EXPECT_TRUE(language::english());
        EXPECT_EQ(english.loaded(), QStringList{QStringLiteral("vesperal_en.qm")});
        EXPECT_EQ(ourText(), QStringLiteral("Import/Export..."));
        EXPECT_EQ(okText(), QStringLiteral("OK"));
    }
    // Gone with the translators: the language the texts are written in.
    EXPECT_EQ(language::current(), Language::Chinese);
    EXPECT_EQ(ourText(), QStringLiteral("导入/导出..."));
}

using EnglishFrameTest = FrameFixture;

TEST_F(EnglishFrameTest, MenusPanesAndMessagesSpeakEnglish)
{
    // As --lang en has it at start, before the window is made.
    const Translations english(Language::English);
    UserTools::save(settings, {{QStringLiteral("Gone"), QStringLiteral("/nonexistent/program"), QString()}});
    frame();

    // The menu bar's first title.
    auto *menuBar = frame().findChild<QMenuBar *>(QStringLiteral("menuBar"));
    ASSERT_TRUE(menuBar);
    EXPECT_EQ(menuBar->actions().value(0)->text(), QStringLiteral("&File"));

    // The Favorites menu, opened from the keyboard: its Import/Export sub-menu.
    key(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); }, 1000));
    auto *favorites = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QStringList titles;
    for (const QAction *action : favorites->actions()) {
        if (action->menu())
            titles << action->text();
    }
    EXPECT_TRUE(titles.contains(QStringLiteral("Import/Export..."))) << titles.join(u'|').toStdString();
    key(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 1000));

    // The status bar's proxy pane.
    QWidget *proxyPane = frame().statusBar()->findChild<QWidget *>(QStringLiteral("pane%1").arg(cmd::ProxyPane));
    ASSERT_TRUE(proxyPane);
    EXPECT_EQ(proxyPane->toolTip(), QStringLiteral("Double-click to turn the proxy on or off."));

    // A tool that cannot be started says so.
    EXPECT_TRUE(frame().runCommand(cmd::UserToolFirst));
    EXPECT_EQ(messages.told, QStringList{QStringLiteral("Cannot start \"/nonexistent/program\".")});
}

TEST_F(EnglishFrameTest, HelpOpensTheEnglishPageWhenThereIsOneInEnglish)
{
    const QString help = profile + QStringLiteral("/data/help");
    QDir().mkpath(help);
    auto write = [](const QString &file) {
        QFile page(file);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<title>Help</title>");
    };
    write(help + QStringLiteral("/index.html"));
    auto opened = [this] {
        host().SelectPage(0);
        frame().runCommand(cmd::Help);
        return host().activePage()->address();
    };
    auto urlOf = [&](const char *name) { return QUrl::fromLocalFile(help + QLatin1Char('/') + QLatin1String(name)).toString(); };

    {
        const Translations english(Language::English);
        // No English twin: the page there is.
        EXPECT_EQ(opened(), urlOf("index.html"));
        write(help + QStringLiteral("/index_en.html"));
        EXPECT_EQ(opened(), urlOf("index_en.html"));
    }
    // In Chinese, the Chinese page although there is an English one.
    EXPECT_EQ(opened(), urlOf("index.html"));
}

} // namespace

TEST_F(EnglishFrameTest, NoTwoItemsOfAnEnglishMenuShareTheirUnderlinedLetter)
{
    const Translations english(Language::English);
    frame();
    auto *menuBar = frame().findChild<QMenuBar *>(QStringLiteral("menuBar"));
    ASSERT_TRUE(menuBar);
    QStringList clashes;
    // The letter after a single "&".
    auto mnemonic = [](const QString &text) -> QChar {
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text.at(i) == QLatin1Char('&')) {
                if (text.at(i + 1) != QLatin1Char('&'))
                    return text.at(i + 1).toLower();
                ++i;
            }
        }
        return {};
    };
    std::function<void(QMenu *, const QString &)> check = [&](QMenu *menu, const QString &path) {
        // Menus filled when they open are filled now.
        emit menu->aboutToShow();
        QHash<QChar, QString> taken;
        for (QAction *action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QChar letter = mnemonic(action->text());
            if (!letter.isNull()) {
                if (taken.contains(letter))
                    clashes << QStringLiteral("%1: %2 / %3").arg(path, taken.value(letter), action->text());
                else
                    taken.insert(letter, action->text());
            }
            if (action->menu())
                check(action->menu(), path + QStringLiteral(" > ") + action->text());
        }
        emit menu->aboutToHide();
    };
    QHash<QChar, QString> titles;
    for (QAction *top : menuBar->actions()) {
        const QChar letter = mnemonic(top->text());
        if (titles.contains(letter))
            clashes << QStringLiteral("menu bar: %1 / %2").arg(titles.value(letter), top->text());
        titles.insert(letter, top->text());
        if (top->menu())
            check(top->menu(), top->text());
    }
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();
}
