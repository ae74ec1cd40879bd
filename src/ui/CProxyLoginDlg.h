#pragma once

#include "ui/ProxyCredentials.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// The dialog a proxy's demand for credentials brings up: user name,
// password and whether to remember them for this session.
class CProxyLoginDlg : public QDialog
{
    Q_OBJECT
public:
    CProxyLoginDlg(const QString &proxyHost, const QString &realm, const QString &user, QWidget *parent = nullptr);

    ProxyLogin login() const;

    QLineEdit *userEdit() const { return m_user; }
    QLineEdit *passwordEdit() const { return m_password; }
    QCheckBox *rememberBox() const { return m_remember; }

private:
    QLineEdit *m_user;
    QLineEdit *m_password;
    QCheckBox *m_remember;
};

// Proxy credentials asked for with that dialog, modal over the window.
class DialogProxyCredentials : public ProxyCredentials
{
protected:
    std::optional<ProxyLogin> ask(QWidget *parent, const QString &proxyHost, const QString &realm,
                                  const QString &user) override;
};
