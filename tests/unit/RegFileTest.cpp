#include "platform/RegFile.h"
#include "platform/RegistryStore.h"

#include "TestEnvironment.h"

#include <atomic>
#include <dlfcn.h>
#include <sqlite3.h>

#include <gtest/gtest.h>

// Every step the store takes through SQLite, counted on its way to the real
// library: the work of an export, measured without a clock.
namespace {
std::atomic<qint64> sqliteSteps{0};
}

extern "C" int sqlite3_step(sqlite3_stmt *statement)
{
    using Step = int (*)(sqlite3_stmt *);
    static const auto real = reinterpret_cast<Step>(::dlsym(RTLD_NEXT, "sqlite3_step"));
    ++sqliteSteps;
    return real(statement);
}

namespace {

struct Stores
{
    Stores()
    {
        a.open(freshProfileDir() + QStringLiteral("/registry.db"));
        b.open(freshProfileDir() + QStringLiteral("/registry.db"));
    }
    RegistryStore a;
    RegistryStore b;
};

// Every key and value of a store, in order, as text.
QString dump(const RegistryStore &store)
{
    QString out;
    std::function<void(Hive, const QString &)> walk = [&](Hive hive, const QString &path) {
        out += RegistryStore::hiveName(hive) + QLatin1Char('\\') + path + QLatin1Char('\n');
        for (const NamedValue &nv : store.values(hive, path)) {
            out += QStringLiteral("  %1 %2 %3 %4 %5\n")
                       .arg(nv.name)
                       .arg(int(nv.value.type))
                       .arg(nv.value.dword)
                       .arg(nv.value.text, QString::fromLatin1(nv.value.binary.toHex()));
        }
        for (const QString &sub : store.subkeys(hive, path))
            walk(hive, path.isEmpty() ? sub : path + QLatin1Char('\\') + sub);
    };
    for (Hive hive : {Hive::CurrentUser, Hive::LocalMachine, Hive::ClassesRoot})
        walk(hive, QString());
    return out;
}

TEST(RegFile, ExportUsesTheRegistryEditorFormat)
{
    Stores s;
    const QString key = QStringLiteral("Software\\Larkspurware\\Vesperal\\option");
    s.a.createAndSetValue(Hive::CurrentUser, key, QStringLiteral("bSound"), RegValue::fromDword(10));
    s.a.createAndSetValue(Hive::CurrentUser, key, QStringLiteral("logo"),
                          RegValue::fromText(QStringLiteral("C:\\pics\\\"a\".gif")));
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("Software\\Larkspurware\\Vesperal\\navigate"),
                          QStringLiteral("lastvisit"), RegValue::fromBinary(QByteArray("a\n\0", 3)));
    const QString text = QString::fromUtf8(RegFile::exportAll(s.a));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Windows Registry Editor Version 5.00\n\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[HKEY_CURRENT_USER\\Software\\Larkspurware\\Vesperal\\option]\n"
                                             "\"bSound\"=dword:0000000a\n"
                                             "\"logo\"=\"C:\\\\pics\\\\\\\"a\\\".gif\"\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\"lastvisit\"=hex:61,0a,00\n")));
    // Parent keys appear as sections of their own, as the editor writes them.
    EXPECT_TRUE(text.contains(QStringLiteral("[HKEY_CURRENT_USER\\Software]\n")));
}

TEST(RegFile, RoundTripGivesTheSameStore)
{
    Stores s;
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("Software\\Microsoft\\Internet Explorer\\Main"),
                          QStringLiteral("显示内部影像         "), RegValue::fromText(QStringLiteral("yes")));
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("A"), QString(), RegValue::fromText(QStringLiteral("dflt")));
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("A"), QStringLiteral("multi"),
                          RegValue::fromText(QStringLiteral("line one\r\nline two")));
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("A"), QStringLiteral("big"),
                          RegValue::fromBinary(QByteArray(300, '\x7f')));
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("A"), QStringLiteral("empty"), RegValue::fromBinary({}));
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("A"), QStringLiteral("max"), RegValue::fromDword(0xffffffff));
    s.a.createKey(Hive::LocalMachine, QStringLiteral("SOFTWARE\\Clients\\Mail\\Empty Key"));
    s.a.createAndSetValue(Hive::ClassesRoot, QStringLiteral(".htm"), QStringLiteral("Content Type"),
                          RegValue::fromText(QStringLiteral("text/html")));

    const QByteArray exported = RegFile::exportAll(s.a);
    const auto result = RegFile::import(s.b, exported);
    ASSERT_TRUE(result.ok) << result.line << ": " << result.error.toStdString();
    EXPECT_EQ(dump(s.b), dump(s.a));
    EXPECT_EQ(RegFile::exportAll(s.b), exported);
}

TEST(RegFile, ImportReadsWhatTheEditorWrites)
{
    Stores s;
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("Gone"), QStringLiteral("x"), RegValue::fromDword(1));
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("Keep"), QStringLiteral("drop"), RegValue::fromDword(1));
    const QString file = QStringLiteral(
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "; a comment\r\n"
        "[HKEY_CURRENT_USER\\Keep]\r\n"
        "\"drop\"=-\r\n"
        "\"wrapped\"=hex:01,02,\\\r\n"
        "  03,04\r\n"
        "@=\"default\"\r\n"
        "\r\n"
        "[-HKEY_CURRENT_USER\\Gone]\r\n"
        "[HKCU\\Short]\r\n"
        "\"n\"=dword:00000002\r\n");
    // As the editor saves it: UTF-16 with a byte order mark.
    QByteArray utf16("\xff\xfe", 2);
    utf16 += QByteArray(reinterpret_cast<const char *>(file.utf16()), file.size() * 2);
    const auto result = RegFile::import(s.a, utf16);
    ASSERT_TRUE(result.ok) << result.line << ": " << result.error.toStdString();
    EXPECT_FALSE(s.a.query(Hive::CurrentUser, QStringLiteral("Keep"), QStringLiteral("drop")));
    EXPECT_EQ(s.a.query(Hive::CurrentUser, QStringLiteral("Keep"), QStringLiteral("wrapped"))->binary,
              QByteArray("\x01\x02\x03\x04", 4));
    EXPECT_EQ(s.a.query(Hive::CurrentUser, QStringLiteral("Keep"), QString())->text, QStringLiteral("default"));
    EXPECT_FALSE(s.a.keyExists(Hive::CurrentUser, QStringLiteral("Gone")));
    EXPECT_EQ(s.a.query(Hive::CurrentUser, QStringLiteral("Short"), QStringLiteral("n"))->dword, 2u);
}

TEST(RegFile, AMalformedLineNamesItsNumberAndWritesNothing)
{
    struct Case { const char *text; int line; };
    const Case cases[] = {
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"ok\"=dword:00000001\n\"bad\"=dword:12\n", 4},
        {"Windows Registry Editor Version 5.00\n\n[HKEY_NOWHERE\\A]\n", 3},
        {"Windows Registry Editor Version 5.00\n\"orphan\"=\"value\"\n", 2},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"open=\"x\"\n", 3},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex:zz\n", 3},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"x\"=hex(7):00,00\n", 3},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A\n", 2},
        {"[HKEY_CURRENT_USER\\A]\n", 1},
        {"Windows Registry Editor Version 5.00\n[-HKEY_CURRENT_USER]\n", 2},
    };
    for (const Case &c : cases) {
        Stores s;
        const auto result = RegFile::import(s.a, QByteArray(c.text));
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.line, c.line) << c.text;
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_FALSE(s.a.keyExists(Hive::CurrentUser, QStringLiteral("A"))) << c.text;
        // Reading without a store finds the same fault.
        const auto checked = RegFile::check(QByteArray(c.text));
        EXPECT_FALSE(checked.ok);
        EXPECT_EQ(checked.line, c.line) << c.text;
        EXPECT_EQ(checked.error, result.error);
    }
}

TEST(RegFile, ImportRefusesKeyPathsBeyondTheRegistryLimits)
{
    QStringList levels;
    for (int i = 0; i <= RegistryStore::kMaxKeyDepth; ++i)
        levels << QStringLiteral("d");
    const QByteArray header = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=dword:00000001\n\n";
    const QByteArray tooDeep = header + "[HKEY_CURRENT_USER\\" + levels.join(QLatin1Char('\\')).toUtf8() + "]\n";
    const QByteArray tooLong = header + "[HKEY_CURRENT_USER\\A\\" + QByteArray(RegistryStore::kMaxKeyNameLength + 1, 'n') + "]\n";
    for (const QByteArray &content : {tooDeep, tooLong}) {
        Stores s;
        const auto result = RegFile::import(s.a, content);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.line, 6);
        EXPECT_TRUE(result.error.contains(QLatin1String("512")) || result.error.contains(QLatin1String("255")))
            << result.error.toStdString();
        EXPECT_FALSE(s.a.keyExists(Hive::CurrentUser, QStringLiteral("A")));
    }

    // The limits themselves are allowed.
    levels.removeLast();
    Stores s;
    const QByteArray deepest = header + "[HKEY_CURRENT_USER\\" + levels.join(QLatin1Char('\\')).toUtf8() + "]\n"
                               + "[HKEY_CURRENT_USER\\A\\" + QByteArray(RegistryStore::kMaxKeyNameLength, 'n') + "]\n";
    const auto result = RegFile::import(s.a, deepest);
    EXPECT_TRUE(result.ok) << result.line << ": " << result.error.toStdString();
    EXPECT_TRUE(s.a.keyExists(Hive::CurrentUser, levels.join(QLatin1Char('\\'))));
}

TEST(RegFile, ExportWorkGrowsWithTheNumberOfKeysNotWithTheirDepth)
{
    // A chain of keys, each with a value: twice the keys may cost twice the
    // steps, not four times as many.
    auto stepsToExport = [](int depth) {
        RegistryStore store;
        store.open(freshProfileDir() + QStringLiteral("/registry.db"));
        QString path = QStringLiteral("Chain");
        for (int i = 1; i < depth; ++i)
            path += QStringLiteral("\\k");
        store.createKey(Hive::CurrentUser, path);
        for (QString p = path; !p.isEmpty(); p = p.section(QLatin1Char('\\'), 0, -2))
            store.setValue(Hive::CurrentUser, p, QStringLiteral("v"), RegValue::fromDword(1));
        const qint64 before = sqliteSteps;
        const QByteArray text = RegFile::exportAll(store);
        const qint64 steps = sqliteSteps - before;
        EXPECT_EQ(text.count("\"v\"=dword:00000001"), depth);
        return steps;
    };
    const qint64 half = stepsToExport(RegistryStore::kMaxKeyDepth / 2);
    const qint64 full = stepsToExport(RegistryStore::kMaxKeyDepth);
    EXPECT_GT(half, RegistryStore::kMaxKeyDepth / 2); // the counter sees the store's steps
    EXPECT_LT(full, 3 * half) << half << " steps for " << RegistryStore::kMaxKeyDepth / 2 << " keys, " << full
                              << " for " << RegistryStore::kMaxKeyDepth;
}

TEST(RegFile, Utf16WithoutAByteOrderMarkIsReadToo)
{
    const QString file = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                        "[HKEY_CURRENT_USER\\Software\\中文]\r\n\"名\"=\"值\"\r\n");
    QByteArray little;
    QByteArray big;
    for (const QChar c : file) {
        little += char(c.unicode() & 0xff);
        little += char(c.unicode() >> 8);
        big += char(c.unicode() >> 8);
        big += char(c.unicode() & 0xff);
    }
    for (const QByteArray &content : {little, big}) {
        Stores s;
        const auto result = RegFile::import(s.a, content);
        ASSERT_TRUE(result.ok) << result.line << ": " << result.error.toStdString();
        EXPECT_EQ(s.a.query(Hive::CurrentUser, QStringLiteral("Software\\中文"), QStringLiteral("名"))->text,
                  QStringLiteral("值"));
    }
    // Cut in the middle of a character: named for what it seems to be.
    Stores s;
    const auto result = RegFile::import(s.a, little.left(little.size() - 1));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QLatin1String("UTF-16 without a byte order mark"))) << result.error.toStdString();
}

TEST(RegFile, ImportNamesEverythingItDeleted)
{
    Stores s;
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("Software\\App"), QStringLiteral("x"), RegValue::fromDword(1));
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("Software\\App"), QString(), RegValue::fromDword(2));
    s.a.createAndSetValue(Hive::CurrentUser, QStringLiteral("Software\\App\\Sub"), QStringLiteral("z"), RegValue::fromDword(3));
    s.a.createAndSetValue(Hive::LocalMachine, QStringLiteral("Other"), QStringLiteral("w"), RegValue::fromDword(4));
    s.a.createAndSetValue(Hive::LocalMachine, QStringLiteral("Other"), QStringLiteral("kept"), RegValue::fromDword(5));
    const auto result = RegFile::import(s.a, "Windows Registry Editor Version 5.00\n\n"
                                             "[-HKEY_CURRENT_USER\\software]\n"
                                             "[-HKEY_CURRENT_USER\\NotThere]\n"
                                             "[HKEY_LOCAL_MACHINE\\Other]\n"
                                             "\"W\"=-\n"
                                             "\"absent\"=-\n");
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    QStringList deleted;
    for (const RegFile::Deleted &d : result.deleted)
        deleted << (d.isKey ? d.key : d.key + QStringLiteral(" : ") + d.value);
    EXPECT_EQ(deleted, (QStringList{QStringLiteral("HKEY_CURRENT_USER\\Software"),
                                    QStringLiteral("HKEY_CURRENT_USER\\Software\\App"),
                                    QStringLiteral("HKEY_CURRENT_USER\\Software\\App : x"),
                                    QStringLiteral("HKEY_CURRENT_USER\\Software\\App : "),
                                    QStringLiteral("HKEY_CURRENT_USER\\Software\\App\\Sub"),
                                    QStringLiteral("HKEY_CURRENT_USER\\Software\\App\\Sub : z"),
                                    QStringLiteral("HKEY_LOCAL_MACHINE\\Other : W")}));
    EXPECT_TRUE(s.a.query(Hive::LocalMachine, QStringLiteral("Other"), QStringLiteral("kept")));

    // A failed import deleted nothing, and says so.
    const auto failed = RegFile::import(s.a, "Windows Registry Editor Version 5.00\n\n"
                                             "[-HKEY_LOCAL_MACHINE\\Other]\n"
                                             "[HKEY_CURRENT_USER\\Software\\" + QByteArray(300, 'n') + "]\n");
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(failed.deleted.isEmpty());
    EXPECT_TRUE(s.a.query(Hive::LocalMachine, QStringLiteral("Other"), QStringLiteral("kept")));
}

} // namespace
