#include "pages/PageDropTarget.h"

#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "pages/CSaveTextDlg.h"
#include "pages/CWebBrowser2.h"
#include "pages/DroppedFile.h"
#include "pages/DroppedPicture.h"
#include "pages/DroppedText.h"
#include "pages/PageFrame.h"
#include "pages/PageHost.h"
#include "ui/MessageBoxes.h"

#include <QChildEvent>
#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

// The status text's colour while a drag is over a Page.
const QColor kDragColor(0, 0, 255);

} // namespace

PageDropTarget::PageDropTarget(PageDropParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
{
    if (!m_parts.documentsFolder)
        m_parts.documentsFolder = &PageDropTarget::desktopDocumentsFolder;
    PageList &list = m_parts.host.list();
    for (int i = 0; i < list.count(); ++i)
        attachPage(i);
    connect(&list, &PageList::inserted, this, &PageDropTarget::attachPage);
}

QString PageDropTarget::desktopDocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void PageDropTarget::attachPage(int index)
{
    if (CWebBrowser2 *page = m_parts.host.list().at(index)) {
        if (QWidget *widget = page->control()->widget()) {
            widget->setAcceptDrops(true);
            attach(widget);
        }
    }
}

void PageDropTarget::attach(QWidget *widget)
{
    // A drag's entry reaches the engine's view through the widget it draws
    // the page in, made once the page is first shown: the whole tree is
    // watched, so that no part of the engine sees a drag before we do.
    widget->installEventFilter(this);
    for (QObject *child : widget->children()) {
        if (child->isWidgetType())
            attach(static_cast<QWidget *>(child));
    }
}

bool PageDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            attach(static_cast<QWidget *>(child));
        return false;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
        offer(static_cast<QDragMoveEvent *>(event));
        return true;
    case QEvent::DragLeave:
        clearStatus();
        return true;
    case QEvent::Drop:
        drop(static_cast<QDropEvent *>(event));
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void PageDropTarget::offer(QDragMoveEvent *event)
{
    const QMimeData *data = event->mimeData();
    const Qt::DropActions ours = event->possibleActions() & (Qt::CopyAction | Qt::LinkAction);
    if (!data || !(data->hasUrls() || data->hasText()) || !ours) {
        // Taken, to be refused: a drag the Page ignored would go on to the
        // window around it.
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        return;
    }
    if (ours.testFlag(event->proposedAction()))
        event->acceptProposedAction();
    else {
        event->setDropAction(ours.testFlag(Qt::CopyAction) ? Qt::CopyAction : Qt::LinkAction);
        event->accept();
    }
    // Told again at every move: a link the drag passes over would put its
    // address there meanwhile.
    m_parts.frame.setStatusColor(kDragColor);
    m_parts.frame.setStatusText(tr("按下'CTRL' 保存选择的文字, 否则脱拽这些文字或 URL 到新标签."));
}

void PageDropTarget::clearStatus()
{
    m_parts.frame.setStatusText(QString());
    m_parts.frame.setStatusColor(QColor());
}

void PageDropTarget::drop(QDropEvent *event)
{
    clearStatus();
    const QMimeData *data = event->mimeData();
    if (!data)
        return;
    event->setDropAction(event->possibleActions().testFlag(Qt::CopyAction) ? Qt::CopyAction : Qt::LinkAction);
    event->accept();

    QStringList files;
    QString text;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
        else if (text.isEmpty())
            text = url.toString();
    }
    if (!files.isEmpty()) {
        // The engine's file of a picture dragged out of a page lasts only as
        // long as the drag: it is copied now.
        savePictures(files);
        return;
    }
    if (text.isEmpty())
        text = data->text();
    text = text.trimmed();
    if (text.isEmpty())
        return;
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        // The save dialog waits for the user: the drag is over first.
        QTimer::singleShot(0, this, [this, text] { saveText(text); });
        return;
    }
    openText(text);
}

void PageDropTarget::openText(const QString &text)
{
    const QString address = DroppedFile::openableAddress(text);
    if (address.isEmpty())
        return;
    m_parts.host.playSound(QStringLiteral("new.wav"));
    m_parts.host.CreatePage(address, PageHost::ReuseBlank, text);
}

void PageDropTarget::saveText(const QString &text)
{
    const CWebBrowser2 *page = m_parts.host.activePage();
    const QString pageName = page ? page->control()->locationName() : QString();
    // The text goes to the documents folder (the home folder without one)
    // unless the user chooses otherwise.
    QString folder = m_parts.documentsFolder();
    if (folder.isEmpty())
        folder = QDir::homePath();
    QDir().mkpath(folder);
    QString path = DroppedText::proposedPath(folder, pageName, text);
    QString content = text;
    if (m_parts.settings.read(settings::NoPromptDragSaving) != 1) {
        QPointer<PageDropTarget> self(this);
        CSaveTextDlg dialog(path, text, window());
        const bool accepted = dialog.exec() == QDialog::Accepted;
        if (!self || !accepted)
            return;
        m_parts.settings.write(settings::NoPromptDragSaving, dialog.dontShowAgain() ? 1 : 0);
        path = dialog.path();
        content = dialog.text();
    }
    path = DroppedText::targetPath(path);
    if (!DroppedText::write(path, content)) {
        m_parts.host.messages().tell(window(), tr("保存文字失败: %1").arg(QDir::toNativeSeparators(path)),
                                     MessageBoxes::Icon::Warning);
        return;
    }
    m_parts.frame.setStatusText(tr("TXT File Saved"));
    m_parts.host.playSound(QStringLiteral("UserSelect.wav"));
}

void PageDropTarget::savePictures(const QStringList &files)
{
    const QString documents = m_parts.documentsFolder();
    QString failure;
    if (documents.isEmpty()) {
        failure = tr("获得我的图片目录失败.");
    } else {
        const QString folder = QDir(documents).filePath(tr("我的图片"));
        for (const QString &file : files) {
            if (DroppedPicture::save(file, folder).outcome == DroppedPicture::Outcome::Failed)
                failure = tr("保存图像失败。");
        }
    }
    if (failure.isEmpty())
        return;
    // Told once the drag is over.
    QTimer::singleShot(0, this, [this, failure] {
        m_parts.host.messages().tell(window(), failure, MessageBoxes::Icon::Warning);
    });
}

QWidget *PageDropTarget::window() const
{
    return m_parts.host.window();
}
