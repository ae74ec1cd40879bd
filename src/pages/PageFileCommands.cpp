#include "pages/PageFileCommands.h"

#include "core/CommandIds.h"
#include "pages/BlankPage.h"
#include "pages/CCookieEditorDlg.h"
#include "pages/CPagePropertiesDlg.h"
#include "pages/CWebBrowser2.h"
#include "pages/CookieScripts.h"
#include "pages/MailtoText.h"
#include "pages/PageFileName.h"
#include "pages/PageHost.h"
#include "pages/UpLevel.h"
#include "platform/DesktopEntries.h"
#include "platform/DesktopLink.h"
#include "platform/TextEditor.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace {

QString pageScript(const QString &name)
{
    QFile file(QStringLiteral(":/js/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The folder a saved page goes to first: the user's documents, else home.
QString saveFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

struct SaveChoice
{
    QString filter;
    QString suffix;
    BrowserControl::SaveFormat format;
};

QList<SaveChoice> saveChoices()
{
    return {
        {PageFileCommands::tr("网页, 全部 (*.htm *.html)"), QStringLiteral("htm"),
         BrowserControl::SaveFormat::CompletePage},
        {PageFileCommands::tr("网页, 仅 HTML (*.htm *.html)"), QStringLiteral("htm"),
         BrowserControl::SaveFormat::SingleHtml},
        {PageFileCommands::tr("Web 档案, 单一文件 (*.mht *.mhtml)"), QStringLiteral("mht"),
         BrowserControl::SaveFormat::Mhtml},
    };
}

// The desktop's default browser: the entry `xdg-settings` names, else the
// one that opens http addresses.
std::optional<DesktopEntry> defaultBrowser()
{
    const DesktopEntries entries = DesktopEntries::load();
    const QString settings = QStandardPaths::findExecutable(QStringLiteral("xdg-settings"));
    if (!settings.isEmpty()) {
        QProcess query;
        query.start(settings, {QStringLiteral("get"), QStringLiteral("default-web-browser")});
        if (query.waitForFinished(3000) && query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0) {
            if (auto entry = entries.byId(QString::fromUtf8(query.readAllStandardOutput()).trimmed()))
                return entry;
        }
    }
    return entries.defaultFor(QStringLiteral("x-scheme-handler/http"));
}

// Whether a desktop entry starts this very program (or calls itself by our name).
bool isOurselves(const DesktopEntry &entry)
{
    const QString ours = QStringLiteral("vesperal");
    if (entry.id.contains(ours, Qt::CaseInsensitive) || entry.name.contains(ours, Qt::CaseInsensitive))
        return true;
    const QStringList words = DesktopEntries::commandLine(entry.exec);
    if (words.isEmpty())
        return false;
    const QString program =
        QFileInfo(words.first()).isAbsolute() ? words.first() : QStandardPaths::findExecutable(words.first());
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    return !program.isEmpty() && QFileInfo(program).canonicalFilePath() == self;
}

} // namespace

PageFileCommands::PageFileCommands(PageFileParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
    , m_host(m_parts.host)
    , m_window(m_parts.window)
{
}

PageFileCommands::~PageFileCommands()
{
    for (const QString &archive : std::as_const(m_mailArchives))
        QFile::remove(archive);
}

bool PageFileCommands::owns(int id)
{
    switch (id) {
    case cmd::SavePage:
    case cmd::SaveAsHtml:
    case cmd::PrintPage:
    case cmd::PrintSetup:
    case cmd::PrintPreview:
    case cmd::PageProperties:
    case cmd::MenuTabProperties:
    case cmd::ViewSource:
    case cmd::EditMode:
    case cmd::Undo:
    case cmd::Redo:
    case cmd::OneLevelUp:
    case cmd::DesktopShortcut:
    case cmd::ViewText:
    case cmd::MailAddress:
    case cmd::TellFriend:
    case cmd::CookieEditor:
    case cmd::OpenInDefaultBrowser:
    case cmd::OpenFiles:
    case cmd::SaveCopy:
    case cmd::MailPage:
    case cmd::InternetOptions:
    case cmd::AutoScroll:
        return true;
    default:
        return id >= cmd::UpEntryFirst && id <= cmd::UpEntryLast;
    }
}

bool PageFileCommands::handle(int id)
{
    if (!owns(id))
        return false;
    // Needs no Page to open into.
    if (id == cmd::OpenFiles) {
        openFiles();
        return true;
    }
    if (id == cmd::InternetOptions) {
        if (m_parts.openConnectionSettings)
            m_parts.openConnectionSettings();
        return true;
    }
    CWebBrowser2 *page = id == cmd::MenuTabProperties ? m_host.list().at(m_host.menuTab()) : m_host.activePage();
    if (!page)
        return true;
    if (id == cmd::OneLevelUp || (id >= cmd::UpEntryFirst && id <= cmd::UpEntryLast)) {
        goUp(id == cmd::OneLevelUp ? 0 : id - cmd::UpEntryFirst);
        return true;
    }
    switch (id) {
    case cmd::SavePage: save(page, SaveKind::AnyFormat); break;
    case cmd::SaveAsHtml: save(page, SaveKind::HtmlOnly); break;
    case cmd::SaveCopy: save(page, SaveKind::ArchiveCopy); break;
    case cmd::AutoScroll: toggleAutoScroll(page); break;
    case cmd::PrintPage: print(page); break;
    case cmd::PrintSetup: printSetup(); break;
    case cmd::PrintPreview: printPreview(page); break;
    case cmd::PageProperties:
    case cmd::MenuTabProperties: showProperties(page); break;
    case cmd::ViewSource: viewSource(page); break;
    case cmd::EditMode: toggleEditMode(page); break;
    case cmd::Undo: undo(page); break;
    case cmd::Redo: page->control()->runEdit(BrowserControl::Edit::Redo); break;
    case cmd::DesktopShortcut: sendDesktopShortcut(page); break;
    case cmd::ViewText: viewText(page); break;
    case cmd::MailPage: mailPage(page); break;
    case cmd::MailAddress: mailAddress(page); break;
    case cmd::TellFriend: tellFriend(page); break;
    case cmd::CookieEditor: editCookies(page); break;
    case cmd::OpenInDefaultBrowser: openInDefaultBrowser(page); break;
    default: break;
    }
    return true;
}

std::optional<bool> PageFileCommands::checked(int id) const
{
    if (id != cmd::EditMode)
        return std::nullopt;
    const CWebBrowser2 *page = m_host.activePage();
    return page && m_editing.contains(page->control());
}

bool PageFileCommands::isEnabled(int id) const
{
    if (!owns(id))
        return true;
    if (id == cmd::MenuTabProperties)
        return m_host.list().at(m_host.menuTab()) != nullptr;
    if (id == cmd::OpenFiles || id == cmd::InternetOptions)
        return true;
    if (!m_host.activePage())
        return false;
    if (id == cmd::OneLevelUp || (id >= cmd::UpEntryFirst && id <= cmd::UpEntryLast)) {
        const int n = id == cmd::OneLevelUp ? 0 : id - cmd::UpEntryFirst;
        return m_parts.addressText && UpLevel::ancestors(m_parts.addressText()).size() > n;
    }
    return true;
}

bool PageFileCommands::fillPopup(int placeholder, QMenu *menu)
{
    if (placeholder != cmd::UpPopup)
        return false;
    menu->clear();
    const QStringList above = m_parts.addressText ? UpLevel::ancestors(m_parts.addressText()) : QStringList();
    for (qsizetype i = 0; i < above.size() && cmd::UpEntryFirst + i <= cmd::UpEntryLast; ++i) {
        QAction *entry = menu->addAction(above.at(i));
        entry->setData(int(cmd::UpEntryFirst + i));
    }
    return true;
}

void PageFileCommands::save(CWebBrowser2 *page, SaveKind kind)
{
    QPointer<BrowserControl> control = page->control();
    QList<SaveChoice> choices = saveChoices();
    // Only as the page's HTML, or a copy of the page as it is in one file.
    if (kind != SaveKind::AnyFormat) {
        const auto wanted =
            kind == SaveKind::HtmlOnly ? BrowserControl::SaveFormat::SingleHtml : BrowserControl::SaveFormat::Mhtml;
        choices.removeIf([wanted](const SaveChoice &choice) { return choice.format != wanted; });
    }
    QFileDialog dialog(m_window, kind == SaveKind::ArchiveCopy ? tr("保存复制") : tr("保存网页"));
    dialog.setObjectName(QStringLiteral("savePageDialog"));
    // Our own dialog, the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const SaveChoice &choice : choices)
        filters << choice.filter;
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(choices.first().suffix);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, choices](const QString &filter) {
        for (const SaveChoice &choice : choices) {
            if (choice.filter == filter)
                dialog.setDefaultSuffix(choice.suffix);
        }
    });
    const QString folder = saveFolder();
    dialog.setDirectory(folder);
    // A name not taken yet: an older page of the same title stays.
    dialog.selectFile(
        PageFileName::freePath(folder, control->locationName(), QLatin1Char('.') + choices.first().suffix));
    if (dialog.exec() != QDialog::Accepted || !control || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    control->savePage(path, choices.value(chosen, choices.first()).format);
}

void PageFileCommands::print(CWebBrowser2 *page)
{
    QPointer<BrowserControl> control = page->control();
    // The printer lives as long as the job; the control keeps the job's end.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    applyPageLayout(*printer);
    QPrintDialog dialog(printer.get(), m_window);
    dialog.setWindowTitle(tr("打印"));
    if (dialog.exec() != QDialog::Accepted || !control)
        return;
    control->print(printer.get(), [printer](bool) {});
}

void PageFileCommands::printSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    applyPageLayout(printer);
    QPageSetupDialog dialog(&printer, m_window);
    dialog.setWindowTitle(tr("打印设置"));
    if (dialog.exec() == QDialog::Accepted)
        m_pageLayout = printer.pageLayout();
}

void PageFileCommands::applyPageLayout(QPrinter &printer) const
{
    if (m_pageLayout)
        printer.setPageLayout(*m_pageLayout);
}

void PageFileCommands::printPreview(CWebBrowser2 *page)
{
    QPointer<BrowserControl> control = page->control();
    QPrinter printer(QPrinter::HighResolution);
    applyPageLayout(printer);
    QPrintPreviewDialog preview(&printer, m_window);
    preview.setWindowTitle(tr("打印预览"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [control](QPrinter *target) {
        if (!control)
            return;
        // The preview paints at once: wait for the engine's pages here.
        QEventLoop loop;
        auto finished = std::make_shared<bool>(false);
        connect(control, &QObject::destroyed, &loop, &QEventLoop::quit);
        control->print(target, [finished, &loop](bool) {
            *finished = true;
            loop.quit();
        });
        if (!*finished)
            loop.exec();
    });
    preview.exec();
}

void PageFileCommands::showProperties(CWebBrowser2 *page)
{
    PageProperties properties;
    properties.title = page->control()->locationName();
    properties.address = page->address();
    QPointer<QWidget> window = m_window;
    page->control()->runPageScript(pageScript(QStringLiteral("page-properties.js")),
                                   [properties, window](const QVariant &result) mutable {
                                       properties.takeScriptResult(result.toMap());
                                       CPagePropertiesDlg dialog(properties, window);
                                       dialog.exec();
                                   });
}

void PageFileCommands::viewSource(CWebBrowser2 *page)
{
    const QString address = page->address();
    if (address.isEmpty())
        return;
    m_host.CreatePage(QStringLiteral("view-source:") + address, PageHost::ToFront, loadingLabel());
}

void PageFileCommands::toggleEditMode(CWebBrowser2 *page)
{
    QPointer<BrowserControl> control = page->control();
    control->runPageScript(pageScript(QStringLiteral("design-mode.js")), [this, control](const QVariant &mode) {
        // No document: nothing changed.
        if (!control || !mode.isValid())
            return;
        setEditing(control, mode.toString() == QLatin1String("on"));
    });
}

void PageFileCommands::toggleAutoScroll(CWebBrowser2 *page)
{
    page->control()->runPageScript(pageScript(QStringLiteral("auto-scroll.js")), {});
}

void PageFileCommands::setEditing(BrowserControl *control, bool on)
{
    if (!on) {
        for (const QMetaObject::Connection &connection : m_editing.take(control))
            QObject::disconnect(connection);
        return;
    }
    if (m_editing.contains(control))
        return;
    m_editing.insert(control, {connect(control, &BrowserControl::beforeNavigate2, this,
                                       [this, control](BrowserControl::Frame frame) {
                                           if (frame == BrowserControl::Frame::Top)
                                               setEditing(control, false);
                                       }),
                               connect(control, &QObject::destroyed, this,
                                       [this, control] { m_editing.remove(control); })});
}

void PageFileCommands::undo(CWebBrowser2 *page)
{
    // A field of the window (the address bar) undoes its own typing first.
    if (!m_host.focusInside()) {
        QWidget *focus = QApplication::focusWidget();
        auto *field = qobject_cast<QLineEdit *>(focus);
        // An editable combo box has the focus for its line edit.
        if (auto *combo = qobject_cast<QComboBox *>(focus))
            field = combo->lineEdit();
        if (field) {
            field->undo();
            return;
        }
    }
    page->control()->runEdit(BrowserControl::Edit::Undo);
}

void PageFileCommands::goUp(int n)
{
    if (!m_parts.addressText)
        return;
    const QString target = UpLevel::ancestors(m_parts.addressText()).value(n);
    if (target.isEmpty())
        return;
    m_host.OpenInCurrentPage(target);
    if (m_parts.showAddress)
        m_parts.showAddress(target);
}

void PageFileCommands::sendDesktopShortcut(CWebBrowser2 *page)
{
    const QString address = page->address();
    if (address.isEmpty())
        return;
    const QString title = page->control()->locationName().trimmed();
    const QString name = title.isEmpty() ? address : title;
    const QString folder = DesktopLink::desktopFolder();
    // A link made before for a page of the same title stays.
    if (!QDir().mkpath(folder)
        || !DesktopLink::write(PageFileName::freePath(folder, name, QStringLiteral(".desktop")), name, address)) {
        m_parts.messages.tell(m_window, tr("在桌面上建立快捷方式失败: %1").arg(QDir::toNativeSeparators(folder)),
                              MessageBoxes::Icon::Warning);
    }
}

QString PageFileCommands::privateFolder()
{
    if (!m_parts.tempDir.isEmpty()) {
        if (!QDir().mkpath(m_parts.tempDir))
            return {};
        // Ours alone, also when it was there before.
        QFile::setPermissions(m_parts.tempDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return m_parts.tempDir;
    }
    if (!m_fallbackTemp) {
        // An unforeseeable name, made 0700.
        m_fallbackTemp = std::make_unique<QTemporaryDir>();
        // Kept: the editor may still be reading when we end.
        m_fallbackTemp->setAutoRemove(false);
    }
    return m_fallbackTemp->isValid() ? m_fallbackTemp->path() : QString();
}

void PageFileCommands::viewText(CWebBrowser2 *page)
{
    QPointer<BrowserControl> control = page->control();
    const QString title = control->locationName();
    control->runPageScript(pageScript(QStringLiteral("body-text.js")), [this, title](const QVariant &text) {
        // No document, or one without a body: nothing to show.
        if (!text.isValid() || text.isNull())
            return;
        const QString folder = privateFolder();
        const QString path = folder.isEmpty() ? QString()
                                              : PageFileName::freePath(folder, title, QStringLiteral(".txt"));
        QSaveFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Text)) {
            m_parts.messages.tell(m_window, tr("不能写入文件 %1。").arg(QDir::toNativeSeparators(path)),
                                  MessageBoxes::Icon::Warning);
            return;
        }
        file.write(text.toString().toUtf8());
        if (!file.commit()) {
            m_parts.messages.tell(m_window, tr("不能写入文件 %1。").arg(QDir::toNativeSeparators(path)),
                                  MessageBoxes::Icon::Warning);
            return;
        }
        if (!m_parts.openInEditor || !m_parts.openInEditor(path))
            m_parts.messages.tell(m_window, TextEditor::cannotOpenMessage(path), MessageBoxes::Icon::Warning);
    });
}

void PageFileCommands::mailPage(CWebBrowser2 *page)
{
    QPointer<BrowserControl> control = page->control();
    const QString title = control->locationName().trimmed();
    const QUrl address(page->address());
    if (address.isLocalFile()) {
        attachToMail(address.toLocalFile(), title);
        return;
    }
    const QString folder = privateFolder();
    const QString archive = folder.isEmpty() ? QString() : PageFileName::freePath(folder, title, QStringLiteral(".mht"));
    if (archive.isEmpty()) {
        m_parts.messages.tell(m_window, tr("不能建立临时文件夹, 不能发送网页。"), MessageBoxes::Icon::Warning);
        return;
    }
    QPointer<PageFileCommands> self(this);
    control->savePage(archive, BrowserControl::SaveFormat::Mhtml, [self, archive, title](bool written) {
        if (!self)
            return;
        if (!written) {
            QFile::remove(archive);
            self->m_parts.messages.tell(self->m_window,
                                        tr("不能写入文件 %1。").arg(QDir::toNativeSeparators(archive)),
                                        MessageBoxes::Icon::Warning);
            return;
        }
        self->m_mailArchives << archive;
        self->attachToMail(archive, title);
    });
}

void PageFileCommands::attachToMail(const QString &file, const QString &subject)
{
    // The desktop's own way to hand a file to the user's mail program.
    const QString xdgEmail = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (xdgEmail.isEmpty()) {
        m_parts.messages.tell(m_window, tr("没有发现邮件客户程序, 不能发送网页。"), MessageBoxes::Icon::Warning);
        return;
    }
    QStringList arguments;
    if (!subject.isEmpty())
        arguments << QStringLiteral("--subject") << subject;
    arguments << QStringLiteral("--attach") << file;
    if (!QProcess::startDetached(xdgEmail, arguments))
        m_parts.messages.tell(m_window, tr("发送电子邮件失败。"), MessageBoxes::Icon::Warning);
}

void PageFileCommands::mailAddress(CWebBrowser2 *page)
{
    const QString signature = QStringLiteral("\r\n\r\n\r\n\r\n\r\n")
        + tr("Vesperal 浏览器 - 一个窗口, 许多页面") + QStringLiteral("\r\n") + m_parts.makerWebsite;
    handToMailProgram(MailtoText::forAddress(page->address(), page->control()->locationName().trimmed(), signature));
}

void PageFileCommands::tellFriend(CWebBrowser2 *page)
{
    const QString subject = tr("试试 Vesperal 浏览器");
    const QString body = tr("你好,\r\n\r\n我在用 Vesperal 浏览器上网: 一个窗口里打开许多页面, 又快又方便。"
                            "你也试试吧:\r\n%1\r\n")
                             .arg(m_parts.makerWebsite);
    page->control()->runPageScript(pageScript(QStringLiteral("mail-links.js")),
                                   [this, subject, body](const QVariant &links) {
                                       // Without a document there is no one to name: the user fills it in.
                                       handToMailProgram(MailtoText::forRecipients(
                                           MailtoText::recipients(links.toStringList()), subject, body));
                                   });
}

void PageFileCommands::handToMailProgram(const QString &mailto)
{
    const std::optional<DesktopEntry> program =
        DesktopEntries::load().defaultFor(QStringLiteral("x-scheme-handler/mailto"));
    if (!program) {
        m_parts.messages.tell(m_window, tr("没有发现邮件客户程序"), MessageBoxes::Icon::Warning);
        return;
    }
    if (!DesktopEntries::start(*program, {mailto}))
        m_parts.messages.tell(m_window, tr("发送电子邮件失败。"), MessageBoxes::Icon::Warning);
}

void PageFileCommands::openFiles()
{
    QFileDialog dialog(m_window, tr("打开文件"));
    dialog.setObjectName(QStringLiteral("openFilesDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters({tr("网页文件 (*.htm *.html *.shtml *.xht *.xhtml *.mht *.mhtml)"),
                           tr("文本文件 (*.txt)"), tr("图像文件 (*.gif *.jpg *.jpeg *.png *.bmp *.svg *.webp)"),
                           tr("所有文件 (*)")});
    dialog.setDirectory(saveFolder());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList files = dialog.selectedFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString address = QUrl::fromLocalFile(files.at(i)).toString();
        // The first takes the place of a blank active Page, else comes as a
        // new Page does; the others wait behind it.
        m_host.CreatePage(address, i == 0 ? PageHost::OpenFlags(PageHost::ReuseBlank) : PageHost::OpenFlags(),
                          loadingLabel());
    }
}

void PageFileCommands::openInDefaultBrowser(CWebBrowser2 *page)
{
    const QString address = page->address();
    if (address.isEmpty())
        return;
    const std::optional<DesktopEntry> browser = defaultBrowser();
    if (!browser) {
        m_parts.messages.tell(m_window, tr("没有发现默认浏览器。请在桌面的设置中选择一个默认浏览器。"),
                              MessageBoxes::Icon::Warning);
        return;
    }
    // Handing the page to ourselves would only open it again here.
    if (isOurselves(*browser)) {
        m_parts.messages.tell(m_window, tr("默认浏览器就是 Vesperal 本身, 当前页已经在这里打开了。"),
                              MessageBoxes::Icon::Information);
        return;
    }
    if (!DesktopEntries::start(*browser, {address}))
        m_parts.messages.tell(m_window, tr("启动默认浏览器 %1 失败。").arg(browser->name), MessageBoxes::Icon::Warning);
}

void PageFileCommands::editCookies(CWebBrowser2 *page)
{
    QPointer<BrowserControl> control = page->control();
    auto failed = [this] { m_parts.messages.tell(m_window, tr("小甜点编辑失败!"), MessageBoxes::Icon::Warning); };
    control->runPageScript(CookieScripts::readScript(), [this, control, failed](const QVariant &cookies) {
        // No document, or one that may not have cookies.
        if (!cookies.isValid() || cookies.isNull()) {
            failed();
            return;
        }
        const QString before = cookies.toString();
        CCookieEditorDlg dialog(before, m_window);
        if (dialog.exec() != QDialog::Accepted)
            return;
        // The page went meanwhile.
        if (!control) {
            failed();
            return;
        }
        control->runPageScript(CookieScripts::writeScript(before, dialog.text()), [failed](const QVariant &now) {
            if (!now.isValid() || now.isNull())
                failed();
        });
    });
}
