#include "pages/CCookieEditorDlg.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CCookieEditorDlg::CCookieEditorDlg(const QString &cookies, QWidget *parent)
    : QDialog(parent)
    , m_edit(new QPlainTextEdit(cookies, this))
    , m_ok(new QPushButton(tr("更改小甜点"), this))
    , m_cancel(new QPushButton(tr("取消"), this))
{
    setObjectName(QStringLiteral("cookieEditor"));
    setWindowTitle(tr("小甜点编辑器"));
    setSizeGripEnabled(true);
    // The edit takes the width and the height above the buttons; the
    // buttons keep their size, OK 20 pixels left of Cancel, Cancel 10
    // pixels from the right edge.
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(20);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_edit, 1);
    layout->addLayout(buttons);
    m_ok->setDefault(false);
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(480, 300);
}

QString CCookieEditorDlg::text() const
{
    return m_edit->toPlainText();
}
