#include "pages/StartupPages.h"

#include "core/FrameCommandIds.h"
#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "pages/BlankPage.h"
#include "pages/CWebBrowser2.h"
#include "pages/LastVisit.h"
#include "pages/PageHost.h"
#include "pages/UrlList.h"
#include "platform/BackgroundStoreWriter.h"
#include "platform/BoundedFile.h"
#include "platform/RegistryStore.h"
#include "platform/TextEditor.h"
#include "ui/MessageBoxes.h"


namespace {

// Addresses of the last exit that go onto the closed-Page list; its ring
// keeps the newest 15 of them.
constexpr int kClosedTaken = 16;
// Past this many restored Pages, each loads only when first shown: a long
// session would otherwise start dozens of engine processes at once.
constexpr int kLoadedAtOnce = 10;
// How soon a write of the open Pages that failed is tried again.
constexpr int kRetryInterval = 5000;

} // namespace

StartupPages::StartupPages(PageHost &host, SettingsStore &settings, MessageBoxes &messages, QString dataDir,
                           EditorLauncher editor, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_settings(settings)
    , m_messages(messages)
    , m_dataDir(std::move(dataDir))
    , m_editor(std::move(editor))
    , m_window(window)
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(1000);
    connect(&m_saveTimer, &QTimer::timeout, this, &StartupPages::keep);
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setInterval(kRetryInterval);
    connect(&m_retryTimer, &QTimer::timeout, this, &StartupPages::keep);
    const QString store = m_settings.registry().fileName();
    if (m_settings.registry().isWritable() && !store.isEmpty())
        m_writer = std::make_unique<BackgroundStoreWriter>(store);
}

StartupPages::~StartupPages() = default;

QString StartupPages::urlListFile() const
{
    return m_dataDir + QLatin1Char('/') + urlListName();
}

void StartupPages::open(const QString &argument)
{
    using settings::StartupType;
    const auto type = static_cast<StartupType>(m_settings.read(settings::startuptype));
    const QByteArray stored = m_settings.read(settings::lastvisit);
    m_saved = stored;
    const QStringList lastPages = LastVisit::parse(stored);
    openLastVisit(lastPages, type == StartupType::LastVisit);

    switch (type) {
    case StartupType::LastVisit:
        break;
    case StartupType::Home:
        m_host.CreateFirstPage(kBlankAddress);
        if (CWebBrowser2 *page = m_host.activePage())
            m_host.goHome(page);
        break;
    case StartupType::UrlList: openUrlList(); break;
    default: break;
    }
    // Whatever happened above, there is a Page. A blank one takes the
    // program's address itself.
    if (m_host.list().isEmpty())
        m_host.CreateFirstPage(argument.isEmpty() ? kBlankAddress : argument);
    else if (!argument.isEmpty())
        m_host.CreatePage(argument, PageHost::ToFront | PageHost::ReuseBlank, loadingLabel());

    PageList &list = m_host.list();
    connect(&list, &PageList::inserted, this, &StartupPages::scheduleSave);
    connect(&list, &PageList::removed, this, &StartupPages::scheduleSave);
    connect(&list, &PageList::tabChanged, this, &StartupPages::scheduleSave);
    // The Pages open now may already differ from the stored ones.
    scheduleSave();
}

void StartupPages::openLastVisit(const QStringList &addresses, bool asPages)
{
    const bool whenShown = m_settings.read(settings::LoadWhenShown) != 0;
    // The value holds the last tab first: the tabs come back in the order
    // they had.
    if (asPages) {
        int made = 0;
        for (auto it = addresses.crbegin(); it != addresses.crend(); ++it, ++made)
            m_host.appendPage(*it, loadingLabel(), whenShown || made >= kLoadedAtOnce);
    }
    int taken = 0;
    for (const QString &address : addresses) {
        if (taken < kClosedTaken) {
            m_host.list().addClosed(address, address);
            ++taken;
        }
    }
}

void StartupPages::openUrlList()
{
    const BoundedFile::Result file = BoundedFile::read(urlListFile(), BoundedFile::kListLimit);
    if (!file.ok()) {
        m_host.CreateFirstPage(kBlankAddress);
        const QString message = (file.status == BoundedFile::Status::Missing
                                     ? tr("%1/startuplist.txt not found.\n你可以删除它!")
                                     : tr("%1/startuplist.txt 不是一个不大于 4 MB 的文本文件, 没有打开."))
                                    .arg(m_dataDir);
        m_messages.tell(m_window, message, MessageBoxes::Icon::Warning);
        return;
    }
    const bool whenShown = m_settings.read(settings::LoadWhenShown) != 0;
    int made = 0;
    for (const QString &address : UrlList::parse(file.bytes)) {
        m_host.appendPage(address, loadingLabel(), whenShown || made >= kLoadedAtOnce);
        ++made;
    }
}

QByteArray StartupPages::currentValue() const
{
    QStringList addresses;
    const PageList &list = m_host.list();
    for (int i = list.count() - 1; i >= 0; --i) {
        if (const CWebBrowser2 *page = list.at(i))
            addresses << page->address();
    }
    return LastVisit::format(addresses);
}

void StartupPages::keep()
{
    const QByteArray value = currentValue();
    // Unchanged addresses are not written again.
    if (value == m_saved)
        return;
    if (!m_writer) {
        save();
        return;
    }
    const BinarySetting &setting = settings::lastvisit;
    m_writer->write(m_settings.keyOf(QLatin1String(setting.section)), QLatin1String(setting.value), value,
                    [this, value](bool landed) {
                        QMetaObject::invokeMethod(
                            this, [this, value, landed] { kept(value, landed); }, Qt::QueuedConnection);
                    });
    m_saved = value;
}

void StartupPages::kept(const QByteArray &value, bool landed)
{
    if (landed) {
        m_failureTold = false;
        return;
    }
    // Not on disk: the next change, or the retry, writes it again.
    if (m_saved == value)
        m_saved.clear();
    m_retryTimer.start();
    if (m_failureTold)
        return;
    m_failureTold = true;
    m_messages.tell(m_window,
                    tr("打开的页面不能保存到 %1 (磁盘满了吗?). 浏览器会继续尝试.\n"
                       "The open Pages cannot be saved (is the disk full?); Vesperal keeps trying.")
                        .arg(m_settings.registry().fileName()),
                    MessageBoxes::Icon::Warning);
}

void StartupPages::save()
{
    m_saveTimer.stop();
    // What is still on its way to the disk goes first: it is older.
    if (m_writer)
        m_writer->flush();
    const QByteArray value = currentValue();
    if (m_settings.write(settings::lastvisit, value))
        m_saved = value;
}

void StartupPages::scheduleSave()
{
    if (!m_saveTimer.isActive())
        m_saveTimer.start();
}

std::optional<bool> StartupPages::checked(int id) const
{
    if (id == cmd::LoadRestoredWhenShown)
        return m_settings.read(settings::LoadWhenShown) != 0;
    return std::nullopt;
}

bool StartupPages::handle(int id)
{
    if (id == cmd::LoadRestoredWhenShown) {
        m_host.playSound(QStringLiteral("UserSelect.wav"));
        m_settings.write(settings::LoadWhenShown, m_settings.read(settings::LoadWhenShown) != 0 ? 0 : 1);
        return true;
    }
    if (id != cmd::EditUrlList)
        return false;
    if (!m_editor || !m_editor(urlListFile())) {
        m_messages.tell(m_window, TextEditor::cannotOpenMessage(urlListFile()),
                        MessageBoxes::Icon::Warning);
    }
    return true;
}
