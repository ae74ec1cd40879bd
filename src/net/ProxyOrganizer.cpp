#include "net/ProxyOrganizer.h"

#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "net/ProxyList.h"
#include "platform/BoundedFile.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kShortestInterval = 1;
constexpr int kLongestInterval = 60;

// The decimal value of a text, 0 when it is none.
int numberOf(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

// An unsigned integer as typed; nothing when it is not one.
std::optional<uint> unsignedOf(const QString &text)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok);
    return ok ? std::optional<uint>(value) : std::nullopt;
}

} // namespace

ProxyOrganizer::ProxyOrganizer(SettingsStore &settings, QString listFile, MessageBoxes &messages, ListFetch fetch,
                               QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_listFile(std::move(listFile))
    , m_messages(messages)
    , m_fetch(std::move(fetch))
    , m_enable(new QCheckBox(tr("启用代理服务器"), this))
    , m_rotation(new QCheckBox(tr("改变伪装       间隔时间"), this))
    , m_host(new QLineEdit(this))
    , m_port(new QLineEdit(this))
    , m_seconds(new QLineEdit(this))
    , m_list(new QTreeWidget(this))
    , m_import(new QPushButton(tr("输入从文件(&I)"), this))
    , m_update(new QPushButton(tr("更新代理服务器列表(&U)"), this))
{
    setWindowTitle(tr("整理代理服务器"));
    m_enable->setObjectName(QStringLiteral("enableBox"));
    m_rotation->setObjectName(QStringLiteral("rotationBox"));
    m_host->setObjectName(QStringLiteral("host"));
    m_port->setObjectName(QStringLiteral("port"));
    m_seconds->setObjectName(QStringLiteral("seconds"));
    m_list->setObjectName(QStringLiteral("list"));

    auto *current = new QGroupBox(tr("现在的代理服务器"), this);
    auto *currentLayout = new QGridLayout(current);
    currentLayout->addWidget(new QLabel(tr("地址:"), current), 0, 0);
    currentLayout->addWidget(m_host, 0, 1);
    currentLayout->addWidget(new QLabel(tr("端口:"), current), 1, 0);
    currentLayout->addWidget(m_port, 1, 1);

    auto *disguise = new QGroupBox(tr("改变伪装"), this);
    auto *disguiseLayout = new QHBoxLayout(disguise);
    disguiseLayout->addWidget(m_rotation);
    m_seconds->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    disguiseLayout->addWidget(m_seconds);
    disguiseLayout->addWidget(new QLabel(tr("秒"), disguise));
    disguiseLayout->addStretch();

    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("代理 ")});
    m_list->header()->resizeSection(0, 110);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_import, QDialogButtonBox::ActionRole);
    buttons->addButton(m_update, QDialogButtonBox::ActionRole);
    buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProxyOrganizer::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProxyOrganizer::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_enable);
    layout->addWidget(current);
    layout->addWidget(disguise);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);

    // The values kept: the current proxy split at its first colon.
    m_enable->setChecked(m_settings.read(settings::proxyEnable) != 0);
    const QString proxy = m_settings.read(settings::curProxy);
    const qsizetype colon = proxy.indexOf(QLatin1Char(':'));
    m_host->setText(colon < 0 ? QString() : proxy.left(colon));
    m_port->setText(QString::number(colon < 0 ? 0 : numberOf(proxy.mid(colon + 1))));
    m_rotation->setChecked(m_settings.read(settings::enableMulti) != 0);
    m_seconds->setText(QString::number(m_settings.read(settings::changeIpTimer) / 1000));
    const BoundedFile::Result file = BoundedFile::read(m_listFile, ProxyList::kMaxBytes);
    if (file.ok())
        fill(ProxyList::entries(ProxyList::lines(file.bytes)));
    applyEnabling();

    connect(m_enable, &QCheckBox::clicked, this, &ProxyOrganizer::applyEnabling);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &ProxyOrganizer::takeEntry);
    connect(m_import, &QPushButton::clicked, this, &ProxyOrganizer::chooseFile);
    connect(m_update, &QPushButton::clicked, this, &ProxyOrganizer::update);
}

bool ProxyOrganizer::proxyEnabled() const
{
    return m_enable->isChecked();
}

bool ProxyOrganizer::rotationEnabled() const
{
    return m_rotation->isChecked();
}

int ProxyOrganizer::seconds() const
{
    return numberOf(m_seconds->text());
}

QStringList ProxyOrganizer::listed() const
{
    QStringList entries;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        entries << m_list->topLevelItem(i)->text(0);
    return entries;
}

void ProxyOrganizer::applyEnabling()
{
    const bool on = m_enable->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_host), static_cast<QWidget *>(m_port),
                       static_cast<QWidget *>(m_seconds), static_cast<QWidget *>(m_rotation)})
        w->setEnabled(on);
}

void ProxyOrganizer::fill(const QStringList &entries)
{
    m_list->clear();
    for (const QString &entry : entries)
        m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{entry}));
}

void ProxyOrganizer::takeEntry()
{
    const QTreeWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    const QString entry = item->text(0);
    const qsizetype colon = entry.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return;
    m_host->setText(entry.left(colon));
    m_port->setText(entry.mid(colon + 1).trimmed());
}

void ProxyOrganizer::chooseFile()
{
    QFileDialog dialog(this, QString(), QString(), tr("Text File (*.txt);;All Files (*)"));
    dialog.setObjectName(QStringLiteral("importDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        importFrom(dialog.selectedFiles().constFirst());
}

void ProxyOrganizer::importFrom(const QString &file)
{
    const BoundedFile::Result read = BoundedFile::read(file, ProxyList::kMaxBytes);
    if (!read.ok()) {
        m_messages.tell(this, tr("无法读取 %1, 它不是一个不大于 4 MB 的文本文件.").arg(file),
                        MessageBoxes::Icon::Warning);
        return;
    }
    fill(ProxyList::entries(ProxyList::lines(read.bytes)));
}

void ProxyOrganizer::update()
{
    if (!m_fetch)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_update->setEnabled(false);
    m_fetch(this, [this](std::optional<QByteArray> body) {
        QApplication::restoreOverrideCursor();
        m_update->setEnabled(true);
        if (const auto failure = ProxyList::keepUpdate(m_listFile, body)) {
            m_messages.tell(this, *failure, MessageBoxes::Icon::Warning);
            return;
        }
        QStringList taken;
        for (const QString &line : ProxyList::lines(*body)) {
            if (ProxyList::holdsColon(line))
                taken << line;
        }
        fill(taken);
    });
}

void ProxyOrganizer::accept()
{
    const auto port = unsignedOf(m_port->text());
    const auto seconds = unsignedOf(m_seconds->text());
    if (!port || !seconds) {
        m_messages.tell(this, tr("请输入一个正的整数。"), MessageBoxes::Icon::Warning);
        return;
    }
    if (*seconds < kShortestInterval || *seconds > kLongestInterval) {
        m_messages.tell(this, tr("请输入一个整数在之间 %1 和 %2.").arg(kShortestInterval).arg(kLongestInterval),
                        MessageBoxes::Icon::Warning);
        return;
    }
    const QString host = m_host->text();
    if (m_enable->isChecked()) {
        if (host.isEmpty() || !host.contains(QLatin1Char('.'))) {
            m_messages.tell(this, tr("代理地址不能为空的或'.'"), MessageBoxes::Icon::Warning);
            return;
        }
        // A proxy in use needs a port it can be reached at.
        if (*port < 1 || *port > 65535) {
            m_messages.tell(this, tr("请输入一个整数在之间 %1 和 %2.").arg(1).arg(65535), MessageBoxes::Icon::Warning);
            return;
        }
    }
    // The list first: when it cannot be written, nothing is kept and the
    // dialog stays, so what the user typed is not lost.
    if (!ProxyList::save(m_listFile, ProxyList::format(listed()))) {
        m_messages.tell(this, ProxyList::cannotWrite(m_listFile), MessageBoxes::Icon::Warning);
        return;
    }
    m_settings.write(settings::proxyEnable, m_enable->isChecked() ? 1 : 0);
    m_settings.write(settings::enableMulti, m_rotation->isChecked() ? 1 : 0);
    m_settings.write(settings::changeIpTimer, int(*seconds) * 1000);
    m_settings.write(settings::curProxy, QStringLiteral("%1:%2").arg(host).arg(*port));
    QDialog::accept();
}
