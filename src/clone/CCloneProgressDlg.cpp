#include "clone/CCloneProgressDlg.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *line(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(360);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QGroupBox *group(const QString &title, QWidget *content, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

} // namespace

CCloneProgressDlg::CCloneProgressDlg(QWidget *parent)
    : QDialog(parent)
    , m_address(line(this))
    , m_target(line(this))
    , m_bar(new QProgressBar(this))
    , m_minimize(new QPushButton(tr("最小化(&M)"), this))
    , m_abort(new QPushButton(tr("中止(&A)"), this))
{
    setObjectName(QStringLiteral("cloneProgress"));
    setWindowTitle(tr("克隆该页..."));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // A window of its own, not one tied to the browser's: minimised, it goes
    // alone, and the browser stays where it is.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    m_address->setObjectName(QStringLiteral("cloneAddress"));
    m_target->setObjectName(QStringLiteral("cloneTarget"));
    m_bar->setRange(0, 0);
    m_bar->setValue(0);

    m_minimize->setAutoDefault(false);
    m_abort->setAutoDefault(false);
    connect(m_minimize, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_abort, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_minimize);
    buttons->addWidget(m_abort);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group(tr("克隆"), m_address, this));
    layout->addWidget(group(tr("另存为"), m_target, this));
    layout->addWidget(group(tr("进度"), m_bar, this));
    layout->addLayout(buttons);
}

void CCloneProgressDlg::showEntry(int index, int total, const QString &address, const QString &path)
{
    Q_UNUSED(index);
    m_bar->setMaximum(total);
    setWindowTitle(address);
    m_address->setText(address);
    m_target->setText(path);
}

void CCloneProgressDlg::showProgress(int count, int total)
{
    m_bar->setMaximum(total);
    m_bar->setValue(count);
}

void CCloneProgressDlg::jobEnded()
{
    m_ended = true;
    close();
}

void CCloneProgressDlg::closeEvent(QCloseEvent *event)
{
    if (!m_ended) {
        m_ended = true;
        emit aborted();
    }
    // Closed for good: the dialog's own handling would only call reject() again.
    event->accept();
}

void CCloneProgressDlg::reject()
{
    close();
}
