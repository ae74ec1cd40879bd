// The privacy cleaner as the window runs it: the typed addresses and the
// address bar's list, and the clean dialog when the window closes, answered
// through the dialog's own window.
#include "FrameFixture.h"

#include "clean/CCleanDlg.h"
#include "core/FrameCommandIds.h"
#include "core/SettingsTable.h"
#include "frame/CXTFlatComboBox.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFile>
#include <QDir>
#include <QTimer>

#include <functional>

namespace {

const QString kTyped = QLatin1String(mirrored::kTypedUrls);
const QString kFormsKey = QLatin1String(mirrored::kProtectedStorage) + QStringLiteral("\\S-1-5-21\\Data\\")
                          + QLatin1String(mirrored::kFormsItemType);

class CleanCommandsTest : public FrameFixture
{
protected:
    void setTyped(const QStringList &names)
    {
        for (const QString &name : names)
            ASSERT_TRUE(registry.createAndSetValue(Hive::CurrentUser, kTyped, name,
                                                   RegValue::fromText(QStringLiteral("http://") + name)));
    }
    bool typed(const QString &name) { return mirroredValue(mirrored::kTypedUrls, name).has_value(); }

    // Traces an imported .reg file may have left: the run box's and the forms'.
    void plantTraces()
    {
        registry.createKey(Hive::CurrentUser, QLatin1String(mirrored::kRunMru) + QStringLiteral("\\sub"));
        registry.createKey(Hive::CurrentUser, kFormsKey);
    }
    bool runHistoryThere() { return registry.keyExists(Hive::CurrentUser, QLatin1String(mirrored::kRunMru)); }
    bool formsThere() { return registry.keyExists(Hive::CurrentUser, kFormsKey); }

    // Closes the window as the user does; `answer` works the clean dialog
    // through its window while it is up.
    void closeAnswering(const std::function<void(CCleanDlg &)> &answer)
    {
        frame();
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<CCleanDlg *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown = true;
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
            answer(*dialog);
        });
        frame().close();
        dialogShown = shown;
    }
    void clickBox(CCleanDlg &dialog, QCheckBox *box)
    {
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, box->mapTo(&dialog, QPoint(8, box->height() / 2)));
    }

    bool dialogShown = false;
};

TEST_F(CleanCommandsTest, TypedAddressesGoFromTheFirstUpToAGapAndTheListLosesOneEntryForEach)
{
    setTyped({QStringLiteral("url1"), QStringLiteral("url3")});
    frame().addressBar()->setEntries(
        {QStringLiteral("http://a/"), QStringLiteral("http://b/"), QStringLiteral("http://c/")});

    ASSERT_TRUE(frame().runCommand(cmd::CleanHistory));
    EXPECT_FALSE(typed(QStringLiteral("url1")));
    EXPECT_TRUE(typed(QStringLiteral("url3"))) << "url2 is missing, so the deletion stops there";
    EXPECT_EQ(frame().addressBar()->entries(), (QStringList{QStringLiteral("http://b/"), QStringLiteral("http://c/")}));

    // Addresses empties the whole list; with url1 gone, nothing more is deleted.
    ASSERT_TRUE(frame().runCommand(cmd::CleanAddresses));
    EXPECT_TRUE(frame().addressBar()->entries().isEmpty());
    EXPECT_TRUE(typed(QStringLiteral("url3")));
}

TEST_F(CleanCommandsTest, TheRegistryTargetsOfTheMenuDeleteTheirKeysAndClearAllLeavesTheForms)
{
    plantTraces();
    ASSERT_TRUE(frame().runCommand(cmd::CleanAll));
    EXPECT_FALSE(runHistoryThere());
    EXPECT_TRUE(formsThere());
    ASSERT_TRUE(frame().runCommand(cmd::CleanForms));
    EXPECT_FALSE(formsThere());
}

TEST_F(CleanCommandsTest, TheDialogStartsFromTheStoredChoiceAndSelectAllClearsAllButTheForms)
{
    settings.write(settings::cleanShow, 1);
    settings.write(settings::cleanRun, 1);
    settings.write(settings::cleanForm, 1);
    plantTraces();

    closeAnswering([&](CCleanDlg &dialog) {
        EXPECT_TRUE(dialog.box(CleanTarget::RunHistory)->isChecked());
        EXPECT_TRUE(dialog.box(CleanTarget::Forms)->isChecked());
        EXPECT_FALSE(dialog.box(CleanTarget::Cache)->isChecked());
        EXPECT_FALSE(dialog.neverAgainBox()->isChecked());
        clickBox(dialog, dialog.selectAllBox());
        for (const CleanTargetInfo &target : CleanTargets::all())
            EXPECT_TRUE(dialog.box(target.target)->isChecked()) << target.boxText;
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    });
    ASSERT_TRUE(dialogShown);
    for (const CleanTargetInfo &target : CleanTargets::all())
        EXPECT_EQ(settings.read(target.setting), 1) << target.boxText;
    EXPECT_EQ(settings.read(settings::cleanAll), 1);
    EXPECT_EQ(settings.read(settings::cleanShow), 1);
    // Select-all runs "clear all": the forms stay although their box is ticked.
    EXPECT_FALSE(runHistoryThere());
    EXPECT_TRUE(formsThere());
}

TEST_F(CleanCommandsTest, WithoutSelectAllTheTickedTargetsGoAndNeverAgainStopsTheDialog)
{
    settings.write(settings::cleanShow, 1);
    plantTraces();
    closeAnswering([&](CCleanDlg &dialog) {
        clickBox(dialog, dialog.box(CleanTarget::Forms));
        clickBox(dialog, dialog.neverAgainBox());
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    });
    ASSERT_TRUE(dialogShown);
    EXPECT_FALSE(formsThere());
    EXPECT_TRUE(runHistoryThere());
    EXPECT_EQ(settings.read(settings::cleanForm), 1);
    EXPECT_EQ(settings.read(settings::cleanShow), 0);

    m_frame.reset();
    closeAnswering([](CCleanDlg &dialog) { dialog.reject(); });
    EXPECT_FALSE(dialogShown);
}

TEST_F(CleanCommandsTest, CancelClearsNothingAndKeepsTheStoredChoice)
{
    settings.write(settings::cleanShow, 1);
    settings.write(settings::cleanRun, 1);
    plantTraces();
    closeAnswering([&](CCleanDlg &dialog) {
        clickBox(dialog, dialog.selectAllBox());
        clickBox(dialog, dialog.neverAgainBox());
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
    });
    ASSERT_TRUE(dialogShown);
    EXPECT_TRUE(runHistoryThere());
    EXPECT_TRUE(formsThere());
    EXPECT_EQ(settings.read(settings::cleanRun), 1);
    EXPECT_EQ(settings.read(settings::cleanAll), 0);
    EXPECT_EQ(settings.read(settings::cleanShow), 1);
}

TEST_F(CleanCommandsTest, ACloseOnASignalWhileTheDialogIsUpTakesItDownAndCleansNothing)
{
    settings.write(settings::cleanShow, 1);
    settings.write(settings::cleanAll, 1);
    plantTraces();
    closeAnswering([&](CCleanDlg &) { frame().closeWithoutQuestions(); });
    ASSERT_TRUE(dialogShown);
    EXPECT_TRUE(frame().isShutDown());
    EXPECT_TRUE(runHistoryThere());
}

TEST_F(CleanCommandsTest, ACloseOnASignalWhileTheTrashIsEmptiedWaitsForIt)
{
    // Enough files that the worker is still at them when the signal comes.
    const QString files = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/files/many");
    ASSERT_TRUE(QDir().mkpath(files));
    for (int i = 0; i < 20000; ++i) {
        QFile file(files + QStringLiteral("/f%1").arg(i));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    frame();
    bool closedMeanwhile = false;
    QTimer::singleShot(0, [&] {
        frame().closeWithoutQuestions();
        closedMeanwhile = frame().isShutDown();
    });
    ASSERT_TRUE(frame().runCommand(cmd::CleanRecycleBin));
    EXPECT_FALSE(closedMeanwhile) << "the window went while the cleaner still worked";
    EXPECT_FALSE(QFileInfo::exists(files));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame().isShutDown(); }, 5000));
}

TEST_F(CleanCommandsTest, ACloseOnASignalAsksNothingAndCleansNothing)
{
    settings.write(settings::cleanShow, 1);
    settings.write(settings::cleanAll, 1);
    plantTraces();
    frame();
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = QApplication::activeModalWidget()) {
            shown = true;
            dialog->close();
        }
    });
    frame().closeWithoutQuestions();
    EXPECT_FALSE(shown);
    EXPECT_TRUE(runHistoryThere());
}

} // namespace
