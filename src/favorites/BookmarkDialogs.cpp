#include "favorites/BookmarkDialogs.h"

#include "favorites/BookmarkFile.h"
#include "favorites/BookmarkTransfer.h"
#include "favorites/CFavoriteFolderDlg.h"
#include "platform/BoundedFile.h"
#include "ui/MessageBoxes.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QProgressDialog>
#include <QSaveFile>
#include <QThread>
#include <QWidget>

#include <memory>

namespace {

QWidget *ownerOf(QWidget *parent)
{
    return parent ? parent->window() : nullptr;
}

bool holdsAnything(const BookmarkFile::Node &root)
{
    return !root.children.empty();
}

// Each shortcut is written whole and synced to disk, a millisecond or more
// apiece: a big file is written by a worker while the window keeps painting
// (input waits) and, after a moment, a box says what is going on.
BookmarkTransfer::Result importInWorker(QWidget *owner, BookmarkFile::Node root, const QString &target)
{
    auto result = std::make_shared<BookmarkTransfer::Result>();
    std::unique_ptr<QThread> worker(QThread::create([root = std::move(root), target, result] {
        *result = BookmarkTransfer::importInto(root, target);
    }));
    QProgressDialog wait(BookmarkDialogs::tr("正在导入收藏夹..."), QString(), 0, 0, owner);
    wait.setObjectName(QStringLiteral("importWait"));
    wait.setWindowTitle(BookmarkDialogs::tr("导入收藏夹"));
    wait.setCancelButton(nullptr);
    wait.setMinimumDuration(500);
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return *result;
}

} // namespace

bool BookmarkDialogs::importFavorites(QWidget *parent, const QString &favoritesFolder, MessageBoxes &messages)
{
    QFileDialog dialog(ownerOf(parent), tr("导入收藏夹"), QDir::homePath(), tr("书签文件 (*.htm *.html)"));
    dialog.setObjectName(QStringLiteral("importFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return importFile(parent, dialog.selectedFiles().constFirst(), favoritesFolder, messages);
}

bool BookmarkDialogs::importFile(QWidget *parent, const QString &file, const QString &favoritesFolder,
                                 MessageBoxes &messages)
{
    QWidget *owner = ownerOf(parent);
    const BoundedFile::Result read = BoundedFile::read(file, kFileLimit);
    if (!read.ok()) {
        messages.tell(owner,
                      read.status == BoundedFile::Status::TooLarge ? tr("“%1”太大，不是书签文件。").arg(file)
                                                                   : tr("不能读取“%1”。").arg(file),
                      MessageBoxes::Icon::Error);
        return false;
    }
    BookmarkFile::Node root = BookmarkFile::parse(read.bytes);
    if (!holdsAnything(root)) {
        messages.tell(owner, tr("“%1”中没有可以导入的书签。").arg(file), MessageBoxes::Icon::Warning);
        return false;
    }
    QDir().mkpath(favoritesFolder);
    const QString target = CFavoriteFolderDlg::choose(owner, favoritesFolder, tr("导入收藏夹"),
                                                      tr("选择要把书签导入到哪个文件夹:"), messages);
    if (target.isEmpty())
        return false;
    const BookmarkTransfer::Result result = importInWorker(owner, std::move(root), target);
    QString report = tr("已导入 %n 个链接。", nullptr, result.links);
    if (result.present > 0)
        report += QLatin1Char('\n') + tr("%n 个链接已经在收藏夹中。", nullptr, result.present);
    if (result.failed > 0)
        report += QLatin1Char('\n') + tr("%n 个书签不能写入。", nullptr, result.failed);
    messages.tell(owner, report, result.failed > 0 ? MessageBoxes::Icon::Warning : MessageBoxes::Icon::Information);
    return result.links + result.folders > 0;
}

void BookmarkDialogs::exportFavorites(QWidget *parent, const QString &favoritesFolder, MessageBoxes &messages)
{
    QFileDialog dialog(ownerOf(parent), tr("导出收藏夹"), QDir::home().filePath(QStringLiteral("bookmarks.html")),
                       tr("书签文件 (*.htm *.html)"));
    dialog.setObjectName(QStringLiteral("exportFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("html"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportTo(parent, dialog.selectedFiles().constFirst(), favoritesFolder, messages);
}

bool BookmarkDialogs::exportTo(QWidget *parent, const QString &file, const QString &favoritesFolder,
                               MessageBoxes &messages)
{
    const QByteArray bytes = BookmarkFile::write(BookmarkTransfer::exportFolder(favoritesFolder));
    QSaveFile out(file);
    const bool written = out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
    if (!written)
        messages.tell(ownerOf(parent), tr("不能写入“%1”。").arg(file), MessageBoxes::Icon::Error);
    return written;
}
