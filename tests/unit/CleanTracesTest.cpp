// The privacy cleaner's targets that are not trees of files: the desktop's
// recent documents list and the keys of the registry.
#include "clean/RecentDocuments.h"
#include "clean/RegistryTraces.h"
#include "core/SettingsTable.h"
#include "platform/RegistryStore.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const QByteArray kFullList =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\" xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\" "
    "xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    "  <bookmark href=\"file:///home/me/secret-plans.odt\" added=\"2024-01-01T10:00:00Z\" "
    "modified=\"2024-01-01T10:00:00Z\" visited=\"2024-01-01T10:00:00Z\">\n"
    "    <info><metadata owner=\"http://freedesktop.org\"><mime:mime-type type=\"application/pdf\"/>"
    "<bookmark:applications><bookmark:application name=\"Viewer\" exec=\"viewer %u\" "
    "modified=\"2024-01-01T10:00:00Z\" count=\"1\"/></bookmark:applications></metadata></info>\n"
    "  </bookmark>\n"
    "</xbel>\n";

QByteArray contentOf(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void write(const QString &file, const QByteArray &content)
{
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(content);
}

} // namespace

TEST(CleanRecentDocuments, TheListIsReplacedByAnEmptyValidOne)
{
    const QString file = RecentDocuments::listFile();
    QFile::remove(file);
    EXPECT_EQ(file, qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/recently-used.xbel"));
    write(file, kFullList);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0600), 0);

    EXPECT_EQ(RecentDocuments::clear(file), RecentDocuments::Result::Emptied);
    const QByteArray content = contentOf(file);
    EXPECT_EQ(content, RecentDocuments::emptyList());
    EXPECT_FALSE(content.contains("secret-plans"));
    struct stat status;
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u) << "the list keeps its permissions";

    QXmlStreamReader xml(content);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QLatin1String("xbel"));
    EXPECT_EQ(xml.attributes().value(QLatin1String("version")), QLatin1String("1.0"));
    EXPECT_EQ(xml.namespaceDeclarations().size(), 2);
    EXPECT_FALSE(xml.readNextStartElement()) << "no bookmark in it";
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();

    // No half-written list is left beside it.
    const QStringList beside = QFileInfo(file).dir().entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(beside, QStringList{QStringLiteral("recently-used.xbel")});
}

TEST(CleanRecentDocuments, NoListIsMadeWhereThereWasNone)
{
    const QString file = RecentDocuments::listFile();
    QFile::remove(file);
    EXPECT_EQ(RecentDocuments::clear(file), RecentDocuments::Result::Missing);
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST(CleanRecentDocuments, ALinkIsNotWrittenThrough)
{
    const QString file = RecentDocuments::listFile();
    QFile::remove(file);
    const QString target = freshProfileDir() + QStringLiteral("/synced.xbel");
    write(target, kFullList);
    ASSERT_TRUE(QFile::link(target, file));

    EXPECT_EQ(RecentDocuments::clear(file), RecentDocuments::Result::NotAFile);
    EXPECT_TRUE(QFileInfo(file).isSymLink());
    EXPECT_EQ(contentOf(target), kFullList);
}

namespace {

const QString kSid = QStringLiteral("S-1-5-21-1004336348-1177238915-682003330-1001");

QString under(const char *key, const QString &sub = {})
{
    return sub.isEmpty() ? QLatin1String(key) : QLatin1String(key) + QLatin1Char('\\') + sub;
}

QString formsUnder(const QString &userKey)
{
    return under(mirrored::kProtectedStorage, userKey + QStringLiteral("\\Data\\") + QLatin1String(mirrored::kFormsItemType));
}

class CleanRegistryTraces : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(store.open(freshProfileDir() + QStringLiteral("/registry.db")).status, RegistryStore::OpenStatus::Created);
        // Every key the targets know, with something below it, as an
        // imported .reg would leave them, and neighbours that must stay.
        const QString explorer = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer");
        const QString bars = QStringLiteral("Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
                                            "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}");
        for (const char *key : {mirrored::kRunMru, mirrored::kDocFindSpecMru, mirrored::kFindComputerMru,
                                mirrored::kContainingTextMru, mirrored::kFilesNamedMru, mirrored::kComputerNameMru,
                                mirrored::kIntelliForms}) {
            value(Hive::CurrentUser, under(key), QStringLiteral("a"));
            value(Hive::CurrentUser, under(key, QStringLiteral("Deeper")), QStringLiteral("b"));
        }
        value(Hive::CurrentUser, explorer, QStringLiteral("ShellState"));
        value(Hive::CurrentUser, explorer + QStringLiteral("\\RunMRU2"), QStringLiteral("a"));
        value(Hive::CurrentUser, explorer + QStringLiteral("\\RecentDocs"), QStringLiteral("a"));
        value(Hive::CurrentUser, bars, QStringLiteral("Width"));
        value(Hive::CurrentUser, bars + QStringLiteral("\\Other"), QStringLiteral("a"));
        value(Hive::CurrentUser, QLatin1String(mirrored::kTypedUrls), QStringLiteral("url1"));
        value(Hive::CurrentUser, QStringLiteral("Software\\Microsoft\\Internet Explorer\\IntelliFormsX"),
              QStringLiteral("a"));
        value(Hive::LocalMachine, under(mirrored::kRunMru), QStringLiteral("a"));
        value(Hive::LocalMachine, under(mirrored::kIntelliForms), QStringLiteral("a"));
        for (const QString &userKey : {kSid, QStringLiteral("S-1-5-18")}) {
            value(Hive::CurrentUser, formsUnder(userKey) + QStringLiteral("\\Entry"), QStringLiteral("a"));
            value(Hive::CurrentUser, under(mirrored::kProtectedStorage, userKey + QStringLiteral("\\Data")),
                  QStringLiteral("kept"));
            value(Hive::CurrentUser,
                  under(mirrored::kProtectedStorage, userKey + QStringLiteral("\\Data\\5e7e8100-9138-11d1-945a-00c04fc308ff")),
                  QStringLiteral("other item type"));
        }
        for (const QString &name : {QStringLiteral("me"), QStringLiteral("somebody")}) {
            value(Hive::LocalMachine, formsUnder(name) + QStringLiteral("\\Entry"), QStringLiteral("a"));
            value(Hive::LocalMachine, under(mirrored::kProtectedStorage, name + QStringLiteral("\\Data")),
                  QStringLiteral("kept"));
        }
        value(Hive::LocalMachine, formsUnder(kSid), QStringLiteral("a"));
    }

    void value(Hive hive, const QString &key, const QString &name)
    {
        ASSERT_TRUE(store.createAndSetValue(hive, key, name, RegValue::fromText(QStringLiteral("x"))));
    }

    // Every key and value of both hives, one line each.
    QStringList contents() const
    {
        QStringList lines;
        for (Hive hive : {Hive::CurrentUser, Hive::LocalMachine}) {
            store.walk(hive, {}, [&](const QString &path, const QList<NamedValue> &values) {
                const QString key = RegistryStore::hiveName(hive) + QLatin1Char('\\') + path;
                lines << key;
                for (const NamedValue &v : values)
                    lines << key + QStringLiteral(" = ") + v.name;
            });
        }
        return lines;
    }

    // What is left of lines when the keys given go, with all below them.
    static QStringList without(QStringList lines, const QStringList &keys)
    {
        lines.removeIf([&](const QString &line) {
            for (const QString &key : keys) {
                if (line.compare(key, Qt::CaseInsensitive) == 0
                    || line.startsWith(key + QLatin1Char('\\'), Qt::CaseInsensitive)
                    || line.startsWith(key + QStringLiteral(" = "), Qt::CaseInsensitive))
                    return true;
            }
            return false;
        });
        return lines;
    }

    RegistryStore store;
};

} // namespace

TEST_F(CleanRegistryTraces, EachTargetDeletesItsKeysAndNothingElse)
{
    const QString hkcu = RegistryStore::hiveName(Hive::CurrentUser) + QLatin1Char('\\');
    const QString hklm = RegistryStore::hiveName(Hive::LocalMachine) + QLatin1Char('\\');
    struct Row
    {
        const char *name;
        std::function<void(RegistryStore &)> clear;
        QStringList gone;
    };
    const Row rows[] = {
        {"run history", RegistryTraces::clearRunHistory, {hkcu + QLatin1String(mirrored::kRunMru)}},
        {"found files",
         RegistryTraces::clearFoundFiles,
         {hkcu + QLatin1String(mirrored::kDocFindSpecMru), hkcu + QLatin1String(mirrored::kContainingTextMru),
          hkcu + QLatin1String(mirrored::kFilesNamedMru)}},
        {"found computers",
         RegistryTraces::clearFoundComputers,
         {hkcu + QLatin1String(mirrored::kFindComputerMru), hkcu + QLatin1String(mirrored::kComputerNameMru)}},
        {"form passwords", RegistryTraces::clearFormPasswords, {hkcu + QLatin1String(mirrored::kIntelliForms)}},
        {"forms",
         [](RegistryStore &registry) { RegistryTraces::clearForms(registry, QStringLiteral("me")); },
         {hkcu + formsUnder(kSid), hkcu + formsUnder(QStringLiteral("S-1-5-18")), hklm + formsUnder(QStringLiteral("me"))}},
    };
    const QStringList before = contents();
    ASSERT_GT(before.size(), 60);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QStringList expected = without(contents(), row.gone);
        ASSERT_LT(expected.size(), contents().size()) << "the fixture holds the target's keys";
        row.clear(store);
        EXPECT_EQ(contents(), expected);
        // Again: nothing left to do, nothing else touched.
        row.clear(store);
        EXPECT_EQ(contents(), expected);
    }
}

TEST_F(CleanRegistryTraces, AUserNameThatWouldNameAnotherKeyIsNotUsed)
{
    const QStringList before = contents();
    RegistryTraces::clearForms(store, QStringLiteral("me\\..\\somebody"));
    RegistryTraces::clearForms(store, QString());
    // Only the current user's hive lost its forms.
    const QString hkcu = RegistryStore::hiveName(Hive::CurrentUser) + QLatin1Char('\\');
    for (const QString &line : contents())
        EXPECT_FALSE(line.startsWith(hkcu + formsUnder(kSid), Qt::CaseInsensitive));
    const QString hklm = RegistryStore::hiveName(Hive::LocalMachine) + QLatin1Char('\\');
    EXPECT_TRUE(contents().contains(hklm + formsUnder(QStringLiteral("me")) + QStringLiteral("\\Entry")));
    EXPECT_TRUE(contents().contains(hklm + formsUnder(QStringLiteral("somebody")) + QStringLiteral("\\Entry")));
    EXPECT_FALSE(RegistryTraces::currentUserName().isEmpty());
}
