// The privacy cleaner's file targets on fixture trees: the temporary
// folders, the trash, and the safe removal of a folder tree under them.
#include "clean/TempCleaner.h"
#include "clean/TrashCleaner.h"
#include "platform/MountTable.h"
#include "platform/SafeTree.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

constexpr time_t kHour = 3600;
// A user who owns nothing here.
constexpr uid_t kStranger = 4242;

// Builds fixture trees below one folder, by relative names.
class Tree
{
public:
    explicit Tree(const QString &root)
        : m_root(root)
    {
        QDir().mkpath(root);
    }
    QString root() const { return m_root; }
    QString path(const QString &name) const { return m_root + QLatin1Char('/') + name; }
    QByteArray native(const QString &name) const { return QFile::encodeName(path(name)); }

    void file(const QString &name, const QByteArray &content = "content")
    {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile out(path(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << name.toStdString();
        out.write(content);
    }
    void folder(const QString &name) { ASSERT_TRUE(QDir().mkpath(path(name))); }
    void link(const QString &name, const QString &target)
    {
        QDir().mkpath(QFileInfo(path(name)).path());
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), native(name).constData()), 0);
    }
    void fifo(const QString &name) { ASSERT_EQ(::mkfifo(native(name).constData(), 0600), 0); }
    void socket(const QString &name)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray where = native(name);
        ASSERT_LT(size_t(where.size()), sizeof address.sun_path);
        std::memcpy(address.sun_path, where.constData(), size_t(where.size()));
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        ::close(fd);
    }
    void setModified(const QString &name, time_t when)
    {
        const timespec times[2] = {{when, 0}, {when, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, native(name).constData(), times, AT_SYMLINK_NOFOLLOW), 0);
    }
    void setMode(const QString &name, mode_t mode) { ASSERT_EQ(::chmod(native(name).constData(), mode), 0); }
    void giveAway(const QString &name) { ASSERT_EQ(::lchown(native(name).constData(), kStranger, kStranger), 0); }
    bool has(const QString &name) const
    {
        struct stat status;
        return ::lstat(native(name).constData(), &status) == 0;
    }
    bool isEmptyFolder(const QString &name) const
    {
        const QDir dir(path(name));
        return dir.exists() && dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).isEmpty();
    }

private:
    QString m_root;
};

QString fixtureRoot()
{
    return freshProfileDir();
}

TempCleaner::Setup tempSetup(const Tree &tmp, const QString &own, time_t now)
{
    TempCleaner::Setup setup;
    setup.tmpdir = QFile::encodeName(tmp.root());
    setup.homes = {qEnvironmentVariable("HOME")};
    setup.ownFolder = own;
    setup.user = ::geteuid();
    setup.now = now;
    return setup;
}

// Two hours on: everything made by a test has been idle for an hour.
time_t later()
{
    return std::time(nullptr) + 2 * kHour;
}

} // namespace

TEST(CleanTempFiles, SharedFolderLosesOnlyTheUsersIdleFilesAndLinks)
{
    const QString root = fixtureRoot();
    Tree outside(root + QStringLiteral("/outside"));
    outside.file(QStringLiteral("target.txt"));
    outside.file(QStringLiteral("inner/reached.txt"));
    Tree tmp(root + QStringLiteral("/tmp"));
    tmp.setMode({}, 0700);
    const time_t now = later();

    tmp.file(QStringLiteral("old.txt"));
    tmp.file(QStringLiteral("read-only.txt"));
    tmp.setMode(QStringLiteral("read-only.txt"), 0444);
    tmp.file(QStringLiteral("nested/a/b/deep.txt"));
    tmp.folder(QStringLiteral("empty"));
    tmp.file(QStringLiteral("recent.txt"));
    tmp.setModified(QStringLiteral("recent.txt"), now - kHour / 6);
    tmp.link(QStringLiteral("link-to-file"), outside.path(QStringLiteral("target.txt")));
    tmp.link(QStringLiteral("recent-link"), outside.path(QStringLiteral("target.txt")));
    tmp.setModified(QStringLiteral("recent-link"), now - 60);
    tmp.link(QStringLiteral("linked-folder"), outside.path(QStringLiteral("inner")));
    tmp.fifo(QStringLiteral("pipe"));
    tmp.socket(QStringLiteral("sock"));
    const bool root0 = ::geteuid() == 0;
    if (root0) {
        // Only the superuser can make files of someone else's.
        tmp.file(QStringLiteral("foreign.txt"));
        tmp.giveAway(QStringLiteral("foreign.txt"));
        tmp.file(QStringLiteral("foreign-folder/mine.txt"));
        tmp.giveAway(QStringLiteral("foreign-folder"));
        tmp.link(QStringLiteral("foreign-link"), outside.path(QStringLiteral("target.txt")));
        tmp.giveAway(QStringLiteral("foreign-link"));
    }

    const TempCleaner::Result result = TempCleaner(tempSetup(tmp, {}, now)).run();
    EXPECT_EQ(result.shared, tmp.root());
    EXPECT_EQ(result.outcome.failed, 0);

    EXPECT_FALSE(tmp.has(QStringLiteral("old.txt")));
    EXPECT_FALSE(tmp.has(QStringLiteral("read-only.txt")));
    EXPECT_FALSE(tmp.has(QStringLiteral("nested/a/b/deep.txt")));
    EXPECT_TRUE(tmp.isEmptyFolder(QStringLiteral("nested/a/b"))) << "folders stay";
    EXPECT_TRUE(tmp.isEmptyFolder(QStringLiteral("empty")));
    EXPECT_TRUE(tmp.has(QStringLiteral("recent.txt")));
    // The user's links go as links; what they point at stays.
    EXPECT_FALSE(tmp.has(QStringLiteral("link-to-file")));
    EXPECT_FALSE(tmp.has(QStringLiteral("linked-folder")));
    EXPECT_TRUE(tmp.has(QStringLiteral("recent-link")));
    EXPECT_TRUE(outside.has(QStringLiteral("target.txt")));
    EXPECT_TRUE(outside.has(QStringLiteral("inner/reached.txt")));
    EXPECT_TRUE(tmp.has(QStringLiteral("pipe")));
    EXPECT_TRUE(tmp.has(QStringLiteral("sock")));
    if (root0) {
        EXPECT_TRUE(tmp.has(QStringLiteral("foreign.txt")));
        EXPECT_TRUE(tmp.has(QStringLiteral("foreign-link")));
        EXPECT_TRUE(tmp.has(QStringLiteral("foreign-folder/mine.txt"))) << "another's folder is not entered";
    }
    EXPECT_EQ(result.outcome.removedFiles, 5);
    EXPECT_EQ(result.outcome.removedFolders, 0);
}

TEST(CleanTempFiles, AFileWhoseStatusChangedWithinTheHourStays)
{
    // Its content is dated two hours back, but setting that date changed its
    // status just now, as a program at work on the file would.
    const QString root = fixtureRoot();
    Tree tmp(root + QStringLiteral("/tmp"));
    tmp.setMode({}, 0700);
    tmp.file(QStringLiteral("touched.txt"));
    tmp.setModified(QStringLiteral("touched.txt"), std::time(nullptr) - 2 * kHour);

    TempCleaner(tempSetup(tmp, {}, std::time(nullptr))).run();
    EXPECT_TRUE(tmp.has(QStringLiteral("touched.txt")));

    TempCleaner(tempSetup(tmp, {}, later())).run();
    EXPECT_FALSE(tmp.has(QStringLiteral("touched.txt")));
}

TEST(CleanTempFiles, OnlyTheGivenUsersFilesGo)
{
    // A shared temporary folder as /tmp is; the cleaning user owns nothing in it.
    const QString root = fixtureRoot();
    Tree tmp(root + QStringLiteral("/tmp"));
    tmp.setMode({}, 01777);
    tmp.file(QStringLiteral("a.txt"));
    tmp.file(QStringLiteral("sub/b.txt"));
    tmp.link(QStringLiteral("link"), tmp.path(QStringLiteral("a.txt")));

    TempCleaner::Setup setup = tempSetup(tmp, {}, later());
    setup.user = ::geteuid() == kStranger ? kStranger + 1 : kStranger;
    const TempCleaner::Result result = TempCleaner(setup).run();
    EXPECT_EQ(result.shared, tmp.root());
    EXPECT_TRUE(tmp.has(QStringLiteral("a.txt")));
    EXPECT_TRUE(tmp.has(QStringLiteral("sub/b.txt")));
    EXPECT_TRUE(tmp.has(QStringLiteral("link")));
    EXPECT_EQ(result.outcome.removedFiles, 0);
}

TEST(CleanTempFiles, TenThousandFiles)
{
    const QString root = fixtureRoot();
    Tree tmp(root + QStringLiteral("/tmp"));
    tmp.setMode({}, 0700);
    for (int i = 0; i < 10000; ++i)
        tmp.file(QStringLiteral("d%1/f%2.tmp").arg(i % 10).arg(i), {});

    const TempCleaner::Result result = TempCleaner(tempSetup(tmp, {}, later())).run();
    EXPECT_EQ(result.outcome.removedFiles, 10000);
    EXPECT_EQ(result.outcome.failed, 0);
    for (int d = 0; d < 10; ++d)
        EXPECT_TRUE(tmp.isEmptyFolder(QStringLiteral("d%1").arg(d)));
}

TEST(CleanTempFiles, OwnFolderIsEmptiedWholeAndTmpdirAtHomeOrAboveIsLeftAlone)
{
    const QString root = fixtureRoot();
    const QString home = qEnvironmentVariable("HOME");
    Tree homeTree(home);
    homeTree.file(QStringLiteral("document.txt"));
    homeTree.file(QStringLiteral("folder/notes.txt"));
    Tree outside(root + QStringLiteral("/outside"));
    outside.file(QStringLiteral("target.txt"));
    Tree links(root + QStringLiteral("/links"));
    links.link(QStringLiteral("to-home"), home);

    const QString homeAbove = QFileInfo(home).path();
    const QList<QByteArray> refused{home.toUtf8(), links.native(QStringLiteral("to-home")), QFile::encodeName(homeAbove),
                                    QByteArray(), QByteArray("relative/tmp")};
    for (const QByteArray &tmpdir : refused) {
        SCOPED_TRACE(tmpdir.toStdString());
        Tree own(root + QStringLiteral("/own"));
        own.file(QStringLiteral("speech.wav"));
        own.file(QStringLiteral("a/b/c.part"));
        own.fifo(QStringLiteral("pipe"));
        own.link(QStringLiteral("out"), outside.path(QStringLiteral("target.txt")));
        own.link(QStringLiteral("out-folder"), outside.root());

        TempCleaner::Setup setup;
        setup.tmpdir = tmpdir;
        setup.homes = {home};
        setup.ownFolder = own.root();
        setup.user = ::geteuid();
        setup.now = later();
        const TempCleaner::Result result = TempCleaner(setup).run();

        EXPECT_TRUE(result.shared.isEmpty());
        EXPECT_TRUE(result.ownCleaned);
        EXPECT_TRUE(own.isEmptyFolder({}));
        EXPECT_TRUE(homeTree.has(QStringLiteral("document.txt")));
        EXPECT_TRUE(homeTree.has(QStringLiteral("folder/notes.txt")));
        EXPECT_TRUE(outside.has(QStringLiteral("target.txt")));
        EXPECT_TRUE(links.has(QStringLiteral("to-home")));
    }
}

TEST(CleanTempFiles, TheRootFolderIsNeverTheTemporaryFolder)
{
    // Judged as a user who owns nothing, so even a wrong verdict removes nothing.
    TempCleaner::Setup setup;
    setup.tmpdir = QByteArray("/");
    setup.homes = {qEnvironmentVariable("HOME")};
    setup.user = kStranger;
    setup.now = later();
    EXPECT_TRUE(TempCleaner(setup).run().shared.isEmpty());
    setup.tmpdir = QByteArray("/.");
    EXPECT_TRUE(TempCleaner(setup).run().shared.isEmpty());
}

TEST(CleanTempFiles, OwnFolderThatIsALinkIsLeftAlone)
{
    const QString root = fixtureRoot();
    Tree elsewhere(root + QStringLiteral("/elsewhere"));
    elsewhere.file(QStringLiteral("keep.txt"));
    Tree profile(root + QStringLiteral("/profile"));
    profile.link(QStringLiteral("temp"), elsewhere.root());

    TempCleaner::Setup setup;
    setup.tmpdir = QByteArray();
    setup.ownFolder = TempCleaner::ownFolderIn(profile.root());
    setup.user = ::geteuid();
    setup.now = later();
    EXPECT_FALSE(TempCleaner(setup).run().ownCleaned);
    EXPECT_TRUE(elsewhere.has(QStringLiteral("keep.txt")));
}

TEST(CleanTempFiles, WhichFolderTmpdirNames)
{
    EXPECT_EQ(TempCleaner::sharedFolderPath(std::nullopt), QStringLiteral("/tmp"));
    EXPECT_EQ(TempCleaner::sharedFolderPath(QByteArray("/var/tmp")), QStringLiteral("/var/tmp"));
    EXPECT_EQ(TempCleaner::sharedFolderPath(QByteArray("")), QString());
    EXPECT_EQ(TempCleaner::sharedFolderPath(QByteArray("tmp")), QString());
    EXPECT_EQ(TempCleaner::sharedFolderPath(QByteArray("./tmp")), QString());
}

TEST(CleanTempFiles, WhatMayBeCleanedAsTheTemporaryFolder)
{
    struct Row
    {
        mode_t mode;
        uid_t owner;
        uid_t user;
        bool homeOrAbove;
        TempCleaner::Verdict verdict;
    };
    using V = TempCleaner::Verdict;
    const Row rows[] = {
        {01777, 0, 1000, false, V::Clean},           // /tmp
        {01777, 0, 0, false, V::Clean},              // /tmp, as the superuser
        {0700, 1000, 1000, false, V::Clean},         // the user's private one
        {0755, 1000, 1000, false, V::Clean},         // ~/tmp
        {0775, 1000, 1000, false, V::NotTemporary},  // the group may write
        {0757, 1000, 1000, false, V::NotTemporary},  // anyone may write, no sticky bit
        {0755, 0, 1000, false, V::NotTemporary},     // /usr
        {0755, 0, 0, false, V::NotTemporary},        // /usr, as the superuser
        {0700, 0, 0, false, V::Clean},               // the superuser's private one
        {01755, 0, 1000, false, V::NotTemporary},    // sticky, but nobody else may write
        {01777, 1000, 1000, true, V::HomeOrAbove},
        {0700, 1000, 1000, true, V::HomeOrAbove},
    };
    for (const Row &row : rows) {
        struct stat folder{};
        folder.st_mode = S_IFDIR | row.mode;
        folder.st_uid = row.owner;
        EXPECT_EQ(TempCleaner::judge(folder, row.homeOrAbove, row.user), row.verdict)
            << std::oct << row.mode << std::dec << " owner " << row.owner << " user " << row.user;
    }
}

namespace {

// Lowers the number of descriptors the process may open to those open now
// and a few more, while it lives.
class DescriptorLimit
{
public:
    explicit DescriptorLimit(int more)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        int highest = 0;
        for (const QString &name : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System))
            highest = std::max(highest, name.toInt());
        rlimit lowered = m_saved;
        lowered.rlim_cur = rlim_t(highest + 1 + more);
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~DescriptorLimit() { ::setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    rlimit m_saved{};
};

} // namespace

TEST(CleanTempFiles, DeepTreesAreWalkedWithoutRunningOutOfDescriptors)
{
    // Deeper than the folders the walk keeps open at once.
    const QString root = fixtureRoot();
    QString deep;
    for (int level = 0; level < 300; ++level)
        deep += QStringLiteral("d/");
    Tree tmp(root + QStringLiteral("/tmp"));
    tmp.setMode({}, 0700);
    tmp.file(deep + QStringLiteral("bottom.txt"));
    tmp.file(QStringLiteral("d/d/after.txt"));

    // Far fewer descriptors than levels are left to the walk.
    DescriptorLimit limit(48);
    const TempCleaner::Result shared = TempCleaner(tempSetup(tmp, {}, later())).run();
    EXPECT_EQ(shared.outcome.removedFiles, 2);
    EXPECT_EQ(shared.outcome.failed, 0);
    EXPECT_TRUE(tmp.isEmptyFolder(deep));

    tmp.file(deep + QStringLiteral("bottom.txt"));
    SafeTree::Outcome outcome;
    EXPECT_TRUE(SafeTree::removeTree(tmp.path(QStringLiteral("d")), &outcome));
    EXPECT_EQ(outcome.removedFolders, 300);
    EXPECT_FALSE(tmp.has(QStringLiteral("d")));
}

TEST(CleanTempFiles, AnotherMountInsideIsNotEntered)
{
    // A bind mount of the same file system: the device numbers match, only
    // the mount tells it apart.
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting needs the superuser";
    const QString root = fixtureRoot();
    Tree outside(root + QStringLiteral("/outside"));
    outside.file(QStringLiteral("precious.txt"));
    Tree own(root + QStringLiteral("/own"));
    own.folder(QStringLiteral("mounted"));
    own.file(QStringLiteral("scratch.txt"));
    if (::mount(QFile::encodeName(outside.root()).constData(), own.native(QStringLiteral("mounted")).constData(),
                nullptr, MS_BIND, nullptr)
        != 0)
        GTEST_SKIP() << "cannot mount here: " << std::strerror(errno);
    struct Unmount
    {
        QByteArray where;
        ~Unmount() { ::umount2(where.constData(), MNT_DETACH); }
    } unmount{own.native(QStringLiteral("mounted"))};

    TempCleaner::Setup setup;
    setup.tmpdir = QByteArray();
    setup.ownFolder = own.root();
    setup.user = ::geteuid();
    setup.now = later();
    TempCleaner(setup).run();
    EXPECT_FALSE(own.has(QStringLiteral("scratch.txt")));
    EXPECT_TRUE(outside.has(QStringLiteral("precious.txt")));

    EXPECT_FALSE(SafeTree::removeTree(own.root()));
    EXPECT_TRUE(outside.has(QStringLiteral("precious.txt")));
}

TEST(CleanTempFiles, RemoveTreeRemovesLinksAsLinks)
{
    const QString root = fixtureRoot();
    Tree outside(root + QStringLiteral("/outside"));
    outside.file(QStringLiteral("target.txt"));
    outside.file(QStringLiteral("inner/reached.txt"));
    Tree cache(root + QStringLiteral("/cache"));
    cache.file(QStringLiteral("Cache_Data/data_0"), QByteArray(4096, 'x'));
    cache.file(QStringLiteral("Cache_Data/index-dir/the-real-index"));
    cache.link(QStringLiteral("Cache_Data/link"), outside.path(QStringLiteral("target.txt")));
    cache.link(QStringLiteral("folder-link"), outside.path(QStringLiteral("inner")));
    cache.file(QStringLiteral("locked/inside.txt"));
    cache.setMode(QStringLiteral("locked"), 0555);
    cache.fifo(QStringLiteral("pipe"));

    SafeTree::Outcome outcome;
    EXPECT_TRUE(SafeTree::removeTree(cache.root(), &outcome));
    EXPECT_FALSE(QFileInfo::exists(cache.root()));
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_TRUE(outside.has(QStringLiteral("target.txt")));
    EXPECT_TRUE(outside.has(QStringLiteral("inner/reached.txt")));

    // A link in the tree's place goes, and only the link.
    Tree place(root + QStringLiteral("/place"));
    place.link(QStringLiteral("cache"), outside.root());
    EXPECT_TRUE(SafeTree::removeTree(place.path(QStringLiteral("cache"))));
    EXPECT_FALSE(place.has(QStringLiteral("cache")));
    EXPECT_TRUE(outside.has(QStringLiteral("target.txt")));
    EXPECT_TRUE(outside.has(QStringLiteral("inner/reached.txt")));

    EXPECT_TRUE(SafeTree::removeTree(place.path(QStringLiteral("never-made"))));
}

namespace {

struct TrashFixture
{
    explicit TrashFixture(const QString &root)
        : outside(root + QStringLiteral("/outside"))
        , trash(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash"))
    {
        outside.file(QStringLiteral("target.txt"));
        outside.file(QStringLiteral("inner/reached.txt"));
    }

    // A trash with a bit of everything in it.
    void fill(Tree &t)
    {
        t.file(QStringLiteral("files/report.odt"));
        t.file(QStringLiteral("info/report.odt.trashinfo"));
        t.file(QStringLiteral("files/photos/2024/a.jpg"));
        t.file(QStringLiteral("info/photos.trashinfo"));
        t.link(QStringLiteral("files/link"), outside.path(QStringLiteral("target.txt")));
        t.link(QStringLiteral("files/folder-link"), outside.path(QStringLiteral("inner")));
        t.file(QStringLiteral("files/read-only/inside.txt"));
        t.setMode(QStringLiteral("files/read-only"), 0555);
        t.file(QStringLiteral("expunged/half-gone"));
        t.file(QStringLiteral("directorysizes"), "4096 1700000000 photos\n");
    }

    void expectEmptied(const Tree &t)
    {
        for (const QString &part : {QStringLiteral("files"), QStringLiteral("info"), QStringLiteral("expunged")})
            EXPECT_TRUE(t.isEmptyFolder(part)) << (t.path(part)).toStdString();
        EXPECT_FALSE(t.has(QStringLiteral("directorysizes")));
    }

    void expectOutsideIntact()
    {
        EXPECT_TRUE(outside.has(QStringLiteral("target.txt")));
        EXPECT_TRUE(outside.has(QStringLiteral("inner/reached.txt")));
    }

    Tree outside;
    Tree trash;
};

QByteArray deviceOf(const QString &path)
{
    struct stat status;
    ::stat(QFile::encodeName(path).constData(), &status);
    return QByteArray::number(major(status.st_dev)) + ':' + QByteArray::number(minor(status.st_dev));
}

} // namespace

TEST(CleanRecycleBin, TheHomeTrashIsEmptiedAndNothingOutsideIt)
{
    TrashFixture fixture(fixtureRoot());
    fixture.fill(fixture.trash);
    fixture.trash.file(QStringLiteral("unrelated.txt"));

    TrashCleaner::Setup setup;
    setup.homeTrash = fixture.trash.root();
    setup.user = ::geteuid();
    const TrashCleaner::Result result = TrashCleaner(setup).run();
    EXPECT_EQ(result.trashes, QStringList{fixture.trash.root()});
    EXPECT_EQ(result.outcome.failed, 0);
    fixture.expectEmptied(fixture.trash);
    fixture.expectOutsideIntact();
    EXPECT_TRUE(fixture.trash.has(QStringLiteral("unrelated.txt")));
    EXPECT_EQ(TrashCleaner::forThisUser().homeTrash, fixture.trash.root());
}

TEST(CleanRecycleBin, OtherDisksTrashesAreFoundThroughTheMountTable)
{
    const QString root = fixtureRoot();
    TrashFixture fixture(root);
    Tree disk(root + QStringLiteral("/disk"));
    const QByteArray uid = QByteArray::number(::geteuid());
    Tree own(disk.path(QStringLiteral(".Trash-") + QLatin1String(uid)));
    fixture.fill(own);
    disk.folder(QStringLiteral(".Trash"));
    disk.setMode(QStringLiteral(".Trash"), 01777);
    Tree shared(disk.path(QStringLiteral(".Trash/") + QLatin1String(uid)));
    fixture.fill(shared);

    // A disk whose own trash is a link to somewhere else, and one whose
    // shared trash lacks the sticky bit: neither is used.
    Tree elsewhere(root + QStringLiteral("/elsewhere"));
    elsewhere.file(QStringLiteral("files/keep.txt"));
    Tree linked(root + QStringLiteral("/linked"));
    linked.link(QStringLiteral(".Trash-") + QLatin1String(uid), elsewhere.root());
    Tree unsafe(root + QStringLiteral("/unsafe"));
    unsafe.file(QStringLiteral(".Trash/") + QLatin1String(uid) + QStringLiteral("/files/keep.txt"));
    unsafe.setMode(QStringLiteral(".Trash"), 0777);
    // Skipped by what the mount table says of them.
    Tree skipped(root + QStringLiteral("/skipped"));
    skipped.file(QStringLiteral(".Trash-") + QLatin1String(uid) + QStringLiteral("/files/keep.txt"));

    const QByteArray device = deviceOf(disk.root());
    const auto line = [&](const Tree &top, const QByteArray &dev, const char *root, const char *type) {
        return "30 1 " + dev + ' ' + root + ' ' + QFile::encodeName(top.root()) + " rw shared:1 - " + type + " /dev/sdb1 rw\n";
    };
    TrashCleaner::Setup setup;
    setup.homeTrash = fixture.trash.path(QStringLiteral("missing"));
    setup.user = ::geteuid();
    // Each disk is looked at once: the linked one has the same device.
    setup.mounts = MountTable::parse(line(disk, device, "/", "ext4") + line(linked, device, "/", "ext4"));
    const TrashCleaner::Result result = TrashCleaner(setup).run();
    EXPECT_EQ(result.trashes, (QStringList{own.root(), shared.root()}));
    fixture.expectEmptied(own);
    fixture.expectEmptied(shared);
    fixture.expectOutsideIntact();

    const QByteArray otherDevice("4095:4095");
    const QList<QByteArray> unused{
        line(linked, device, "/", "ext4"),        // a link is not followed
        line(unsafe, device, "/", "vfat"),        // no sticky bit on the shared trash
        line(skipped, device, "/", "proc"),       // not a disk
        line(skipped, device, "/sub", "ext4"),    // not the top of its file system
        line(skipped, otherDevice, "/", "ext4"), // another file system is mounted over it
    };
    for (const QByteArray &mount : unused) {
        SCOPED_TRACE(mount.toStdString());
        setup.mounts = MountTable::parse(mount);
        EXPECT_TRUE(TrashCleaner(setup).run().trashes.isEmpty());
    }
    EXPECT_TRUE(elsewhere.has(QStringLiteral("files/keep.txt")));
    EXPECT_TRUE(unsafe.has(QStringLiteral(".Trash/") + QLatin1String(uid) + QStringLiteral("/files/keep.txt")));
    EXPECT_TRUE(skipped.has(QStringLiteral(".Trash-") + QLatin1String(uid) + QStringLiteral("/files/keep.txt")));
}

TEST(CleanRecycleBin, AnotherUsersTrashIsNotEmptied)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can make a folder of someone else's";
    TrashFixture fixture(fixtureRoot());
    fixture.fill(fixture.trash);
    ASSERT_EQ(::chown(QFile::encodeName(fixture.trash.root()).constData(), kStranger, kStranger), 0);

    TrashCleaner::Setup setup;
    setup.homeTrash = fixture.trash.root();
    setup.user = ::geteuid();
    EXPECT_TRUE(TrashCleaner(setup).run().trashes.isEmpty());
    EXPECT_TRUE(fixture.trash.has(QStringLiteral("files/report.odt")));
}

TEST(CleanRecycleBin, MountTableLines)
{
    const QByteArray text = "26 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                            "40 26 8:17 / /media/me/My\\040Disk rw,nosuid shared:7 master:2 - vfat /dev/sdb1 rw\n"
                            "41 26 0:50 /home /srv/home\\134x rw - btrfs /dev/sdc rw\n"
                            "garbage line\n"
                            "42 26 0:51 / relative rw - ext4 /dev/x rw\n"
                            "43 26 0:52 / /no-type rw -\n";
    const QList<MountTable::Mount> mounts = MountTable::parse(text);
    ASSERT_EQ(mounts.size(), 3);
    EXPECT_EQ(mounts[0].mountPoint, QStringLiteral("/"));
    EXPECT_EQ(mounts[0].device, QByteArray("254:0"));
    EXPECT_EQ(mounts[1].mountPoint, QStringLiteral("/media/me/My Disk"));
    EXPECT_EQ(mounts[1].type, QStringLiteral("vfat"));
    EXPECT_EQ(mounts[1].root, QStringLiteral("/"));
    EXPECT_EQ(mounts[2].mountPoint, QStringLiteral("/srv/home\\x"));
    EXPECT_EQ(mounts[2].root, QStringLiteral("/home"));

    for (const char *type : {"ext4", "vfat", "exfat", "btrfs", "xfs", "fuseblk", "ntfs3", "tmpfs"})
        EXPECT_TRUE(MountTable::isLocalStorage(QLatin1String(type))) << type;
    for (const char *type : {"proc", "sysfs", "cgroup2", "nfs4", "cifs", "fuse.sshfs", "fuse.gvfsd-fuse", "squashfs", ""})
        EXPECT_FALSE(MountTable::isLocalStorage(QLatin1String(type))) << type;
}
