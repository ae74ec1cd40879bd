#include "pages/CSaveTextDlg.h"

#include "ui/OkCancelButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSaveTextDlg::CSaveTextDlg(const QString &path, const QString &text, QWidget *parent)
    : QDialog(parent)
    , m_path(new QLineEdit(path, this))
    , m_text(new QPlainTextEdit(text, this))
    , m_dontShow(new QCheckBox(tr("以后不再显示"), this))
    , m_browse(new QPushButton(tr("浏览..."), this))
{
    setObjectName(QStringLiteral("saveTextDialog"));
    setWindowTitle(tr("另存为..."));
    setSizeGripEnabled(true);
    m_path->setObjectName(QStringLiteral("path"));
    m_text->setObjectName(QStringLiteral("text"));
    m_browse->setAutoDefault(false);

    auto *where = new QHBoxLayout;
    where->addWidget(m_path, 1);
    where->addWidget(m_browse);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_dontShow);
    bottom->addStretch();
    bottom->addWidget(okCancelButtons(this));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(where);
    layout->addWidget(m_text, 1);
    layout->addLayout(bottom);
    connect(m_browse, &QPushButton::clicked, this, &CSaveTextDlg::browse);
    resize(480, 320);
}

QString CSaveTextDlg::path() const
{
    return m_path->text().trimmed();
}

QString CSaveTextDlg::text() const
{
    return m_text->toPlainText();
}

bool CSaveTextDlg::dontShowAgain() const
{
    return m_dontShow->isChecked();
}

void CSaveTextDlg::browse()
{
    QFileDialog dialog(this, windowTitle(), QString(), tr("Text File (*.txt)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    const QFileInfo proposed(path() + QStringLiteral(".txt"));
    dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        m_path->setText(dialog.selectedFiles().constFirst());
}
