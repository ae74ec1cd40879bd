#include "ui/CProxyLoginDlg.h"

#include "ui/OkCancelButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CProxyLoginDlg::CProxyLoginDlg(const QString &proxyHost, const QString &realm, const QString &user, QWidget *parent)
    : QDialog(parent)
    , m_user(new QLineEdit(user, this))
    , m_password(new QLineEdit(this))
    , m_remember(new QCheckBox(tr("在本次会话中记住(&R)"), this))
{
    setWindowTitle(tr("代理服务器登录"));
    m_user->setObjectName(QStringLiteral("user"));
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_remember->setObjectName(QStringLiteral("remember"));

    auto *prompt = new QLabel(tr("代理服务器 %1 要求输入用户名和密码。").arg(proxyHost), this);
    prompt->setObjectName(QStringLiteral("prompt"));
    prompt->setTextFormat(Qt::PlainText);
    prompt->setWordWrap(true);
    auto *form = new QFormLayout;
    if (!realm.isEmpty()) {
        // The proxy's own words, shown as they are.
        auto *realmLabel = new QLabel(realm, this);
        realmLabel->setTextFormat(Qt::PlainText);
        form->addRow(tr("领域:"), realmLabel);
    }
    form->addRow(tr("用户名(&U):"), m_user);
    form->addRow(tr("密码(&P):"), m_password);

    QDialogButtonBox *buttons = okCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(form);
    layout->addWidget(m_remember);
    layout->addWidget(buttons);
    // Wide enough for the prompt and a proxy's name on one line.
    setMinimumWidth(fontMetrics().averageCharWidth() * 56);
    // A known user only needs the password.
    (user.isEmpty() ? m_user : m_password)->setFocus();
}

ProxyLogin CProxyLoginDlg::login() const
{
    return {m_user->text(), m_password->text(), m_remember->isChecked()};
}

std::optional<ProxyLogin> DialogProxyCredentials::ask(QWidget *parent, const QString &proxyHost, const QString &realm,
                                                      const QString &user)
{
    CProxyLoginDlg dialog(proxyHost, realm, user, parent ? parent->window() : nullptr);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.login();
}
