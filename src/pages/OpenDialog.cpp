#include "pages/OpenDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

OpenDialog::OpenDialog(const QStringList &typed, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("打开..."));
    auto *prompt = new QLabel(tr("请输入一个 URL 或者一个文件路径，然后单击确定，浏览器将打开它"), this);
    prompt->setWordWrap(true);

    m_address = new QComboBox(this);
    m_address->setObjectName(QStringLiteral("address"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->addItems(typed);
    m_address->setCurrentIndex(-1);
    m_address->setMinimumWidth(360);
    auto *completer = new QCompleter(typed, m_address);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    m_address->setCompleter(completer);
    auto *label = new QLabel(tr("URL:"), this);
    label->setBuddy(m_address);

    m_newWindow = new QCheckBox(tr("在新窗口打开"), this);
    m_newWindow->setObjectName(QStringLiteral("newWindow"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *browse = buttons->addButton(tr("浏览..."), QDialogButtonBox::ActionRole);
    browse->setObjectName(QStringLiteral("browse"));
    connect(buttons, &QDialogButtonBox::accepted, this, &OpenDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OpenDialog::reject);
    connect(browse, &QPushButton::clicked, this, &OpenDialog::browse);

    auto *grid = new QGridLayout(this);
    grid->addWidget(prompt, 0, 0, 1, 2);
    grid->addWidget(label, 1, 0);
    grid->addWidget(m_address, 1, 1);
    grid->addWidget(m_newWindow, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    m_address->setFocus();
}

QString OpenDialog::text() const
{
    return m_address->currentText();
}

void OpenDialog::setText(const QString &text)
{
    m_address->setEditText(text);
}

bool OpenDialog::inNewWindow() const
{
    return m_newWindow->isChecked();
}

void OpenDialog::setInNewWindow(bool on)
{
    m_newWindow->setChecked(on);
}

void OpenDialog::accept()
{
    done(inNewWindow() ? kNewWindow : QDialog::Accepted);
}

void OpenDialog::browse()
{
    const QString file = QFileDialog::getOpenFileName(
        this, tr("打开"), QString(),
        tr("网页文件 (*.htm *.html *.shtml *.xhtml *.mht *.mhtml);;文本文件 (*.txt);;所有文件 (*)"));
    if (!file.isEmpty())
        setText(file);
}
