#include "ui/StatusPanes.h"

#include "core/FrameCommandIds.h"
#include "ui/PaneIcons.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QStackedLayout>
#include <QStatusBar>

namespace {

// How long a load runs before its progress is shown, and how often it moves then.
constexpr int kProgressDelay = 500;
constexpr int kProgressStep = 250;

} // namespace

StatusPane::StatusPane(int id, QWidget *parent)
    : QWidget(parent)
    , m_id(id)
    , m_icon(new QLabel(this))
    , m_text(new QLabel(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(3);
    layout->addWidget(m_icon);
    layout->addWidget(m_text, 1);
    m_icon->hide();
}

void StatusPane::setIcon(const QIcon &icon)
{
    m_icon->setPixmap(icon.pixmap(16, 16));
    m_icon->setVisible(!icon.isNull());
}

void StatusPane::setTextElastic()
{
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_text->setMinimumWidth(0);
}

void StatusPane::setText(const QString &text)
{
    m_text->setText(text);
}

QString StatusPane::text() const
{
    return m_text->text();
}

void StatusPane::setTextColor(const QColor &color)
{
    QPalette palette; // nothing of its own: all as the pane's
    if (color.isValid())
        palette.setColor(QPalette::WindowText, color);
    m_text->setPalette(palette);
}

QColor StatusPane::textColor() const
{
    return m_text->palette().color(QPalette::WindowText);
}

void StatusPane::setShown(bool shown)
{
    setVisible(shown);
}

void StatusPane::setTextShown(bool shown)
{
    m_text->setVisible(shown);
}

void StatusPane::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(m_id);
    QWidget::mouseDoubleClickEvent(event);
}

StatusPanes::StatusPanes(QStatusBar *bar)
    : QObject(bar)
    , m_bar(bar)
{
    m_progressTimer.setSingleShot(true);
    connect(&m_progressTimer, &QTimer::timeout, this, &StatusPanes::showProgress);
    StatusPane *icon = addPane(cmd::IconPane, false);
    icon->setIcon(PaneIcons::program());

    // A long status text is cut at the panes on its right, which keep their places.
    addPane(0, true)->setTextElastic();

    StatusPane *proxy = addPane(cmd::ProxyPane, false);
    proxy->setIcon(PaneIcons::proxy());
    proxy->setToolTip(tr("双击启动或取消代理."));
    proxy->setTextShown(false);

    // Pane 3 shows the free memory, or the download while the active Page loads.
    StatusPane *memory = addPane(cmd::MemoryPane, false);
    memory->setFixedWidth(memory->fontMetrics().horizontalAdvance(memoryText(99999ull * 1024000, 99999ull * 1024000))
                          + 12);
    auto *holder = new QWidget(memory);
    m_memoryStack = new QStackedLayout(holder);
    m_memory = new QLabel(holder);
    m_progress = new QProgressBar(holder);
    m_progress->setTextVisible(false);
    m_progress->setMaximumHeight(14);
    m_memoryStack->addWidget(m_memory);
    m_memoryStack->addWidget(m_progress);
    memory->layout()->addWidget(holder);

    StatusPane *editor = addPane(cmd::EditorPane, false);
    editor->setIcon(PaneIcons::editor());
    editor->setToolTip(tr("双击显示或隐藏编辑器！"));

    addPane(cmd::OfflinePane, false);
    addPane(cmd::PopupPane, false);
    StatusPane *security = addPane(cmd::SecurityPane, false);
    security->setIcon(PaneIcons::security());
    security->setToolTip(tr("浏览网页时的安全设置."));

    setOnline(true);
    setPopupsBlocked(true);
    refreshMemory();
}

StatusPane *StatusPanes::addPane(int id, bool stretch)
{
    auto *pane = new StatusPane(id, m_bar);
    pane->setObjectName(QStringLiteral("pane%1").arg(id));
    // The icon and the status text sit at the left, the others at the right,
    // so the panes keep their order.
    if (stretch)
        m_bar->addWidget(pane, 1);
    else if (id == cmd::IconPane)
        m_bar->addWidget(pane);
    else
        m_bar->addPermanentWidget(pane);
    connect(pane, &StatusPane::doubleClicked, this, &StatusPanes::paneDoubleClicked);
    m_panes << pane;
    return pane;
}

StatusPane *StatusPanes::pane(int id) const
{
    for (StatusPane *pane : m_panes) {
        if (pane->id() == id)
            return pane;
    }
    return nullptr;
}

void StatusPanes::setStatusText(const QString &text)
{
    pane(0)->setText(text);
}

QString StatusPanes::statusText() const
{
    return pane(0)->text();
}

void StatusPanes::setStatusColor(const QColor &color)
{
    pane(0)->setTextColor(color);
}

QColor StatusPanes::statusColor() const
{
    return pane(0)->textColor();
}

void StatusPanes::setProxyText(const QString &proxy)
{
    pane(cmd::ProxyPane)->setText(proxy);
}

void StatusPanes::setProxyWide(bool wide)
{
    StatusPane *p = pane(cmd::ProxyPane);
    p->setTextShown(wide);
    p->setMinimumWidth(wide ? 100 : 0);
}

void StatusPanes::setProgress(int position, int maximum)
{
    m_position = position;
    m_maximum = maximum;
    if (maximum <= 0) {
        m_progressTimer.stop();
        // Back from a download: the memory figures are read again.
        if (showsProgress()) {
            m_memoryStack->setCurrentWidget(m_memory);
            refreshMemory();
        }
        return;
    }
    if (!m_progressTimer.isActive())
        m_progressTimer.start(showsProgress() ? kProgressStep : kProgressDelay);
}

void StatusPanes::showProgress()
{
    if (m_maximum <= 0)
        return;
    m_progress->setRange(0, m_maximum);
    m_progress->setValue(std::clamp(m_position, 0, m_maximum));
    m_memoryStack->setCurrentWidget(m_progress);
}

bool StatusPanes::showsProgress() const
{
    return m_memoryStack->currentWidget() == m_progress;
}

void StatusPanes::setOnline(bool online)
{
    StatusPane *p = pane(cmd::OfflinePane);
    p->setIcon(online ? PaneIcons::online() : PaneIcons::offline());
    p->setText(online ? tr("在 线 ") : tr("离 线  "));
    p->setToolTip(online ? tr("在线，双击脱机！") : tr("离线，双击链接！"));
}

void StatusPanes::setPopupsBlocked(bool blocked)
{
    StatusPane *p = pane(cmd::PopupPane);
    p->setIcon(blocked ? PaneIcons::popupsBlocked() : PaneIcons::popupsAllowed());
    p->setText(tr("弹 出"));
    p->setToolTip(blocked ? tr("禁止跳出窗口，双击允许跳出窗口。") : tr("允许跳出窗口，双击禁止跳出窗口。"));
}

void StatusPanes::setSecurityText(const QString &text)
{
    pane(cmd::SecurityPane)->setText(text);
}

void StatusPanes::refreshMemory()
{
    const auto memory = readMemory();
    const QString text = memory ? memoryText(memory->first, memory->second) : QString();
    m_memory->setText(text);
    pane(cmd::MemoryPane)->setToolTip(text);
}

QString StatusPanes::memoryText(quint64 availableBytes, quint64 totalBytes)
{
    return tr("%1MB/%2MB physical memory free")
        .arg(availableBytes / 1024000)
        .arg(totalBytes / 1024000);
}

std::optional<std::pair<quint64, quint64>> StatusPanes::readMemory(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::optional<quint64> available, total;
    for (const QByteArray &line : in.readAll().split('\n')) {
        // "MemTotal:       16318508 kB"
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2)
            continue;
        bool ok = false;
        const quint64 kb = parts[1].toULongLong(&ok);
        if (!ok)
            continue;
        if (parts[0] == "MemAvailable:")
            available = kb * 1024;
        else if (parts[0] == "MemTotal:")
            total = kb * 1024;
    }
    if (!available || !total)
        return std::nullopt;
    return std::make_pair(*available, *total);
}
