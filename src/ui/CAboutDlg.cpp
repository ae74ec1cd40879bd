#include "ui/CAboutDlg.h"

#include "core/BuildInfo.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

#include <sqlite3.h>

namespace {

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(const QString &releaseDate, const QString &supportMail, QWidget *parent)
    : QDialog(parent)
    , m_product(plainLabel(tr("Vesperal 浏览器版本 %1").arg(QLatin1String(kVersion)), this))
    , m_date(plainLabel(releaseDate, this))
    , m_engine(plainLabel(engineVersion(), this))
    , m_mail(new QLabel(this))
    , m_credits(new QPlainTextEdit(credits(), this))
{
    setWindowTitle(tr("关于 Vesperal 浏览器"));
    m_product->setObjectName(QStringLiteral("product"));
    m_date->setObjectName(QStringLiteral("releaseDate"));
    m_engine->setObjectName(QStringLiteral("engineVersion"));
    m_mail->setObjectName(QStringLiteral("supportMail"));
    m_credits->setObjectName(QStringLiteral("credits"));

    const QString mail = supportMail.toHtmlEscaped();
    m_mail->setText(QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(mail));
    m_mail->setTextFormat(Qt::RichText);
    m_mail->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_mail->setOpenExternalLinks(true);

    m_credits->setReadOnly(true);
    m_credits->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto *icon = new QLabel(this);
    QIcon appIcon = QApplication::windowIcon();
    if (appIcon.isNull())
        appIcon = style()->standardIcon(QStyle::SP_ComputerIcon);
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(appIcon.pixmap(side, side));
    icon->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto *facts = new QGridLayout;
    facts->addWidget(m_product, 0, 0, 1, 2);
    facts->addWidget(plainLabel(tr("发布日期:"), this), 1, 0);
    facts->addWidget(m_date, 1, 1);
    facts->addWidget(plainLabel(tr("Qt WebEngine 版本:"), this), 2, 0);
    facts->addWidget(m_engine, 2, 1);
    facts->addWidget(m_mail, 3, 0, 1, 2);
    facts->setColumnStretch(1, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(facts, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_credits, 1);
    layout->addWidget(buttons);

    // 260 by 184 dialog units: a quarter of the average character's width
    // and an eighth of the font's height each.
    const QFontMetrics metrics = fontMetrics();
    resize(260 * metrics.averageCharWidth() / 4, 184 * metrics.height() / 8);
}

QString CAboutDlg::engineVersion()
{
    return QStringLiteral("%1 (Chromium %2)")
        .arg(QLatin1String(qWebEngineVersion()), QLatin1String(qWebEngineChromiumVersion()));
}

QString CAboutDlg::credits()
{
    return tr("The user interface of this product is built on Qt %1\n"
              "https://www.qt.io/\n"
              "\n"
              "网页由 Qt WebEngine %2 显示, 它建立在 Chromium %3 之上 (https://www.chromium.org/)。"
              "设置和历史记录保存在 SQLite %4 数据库中 (https://www.sqlite.org/)。"
              "工具栏的图标取自 Qt 自带的样式图片。\n"
              "\n"
              "Qt 和 Qt WebEngine 以 GNU LGPL 第 3 版发布, Chromium 以 BSD 许可证发布, SQLite 属于公共领域。")
        .arg(QLatin1String(qVersion()), QLatin1String(qWebEngineVersion()),
             QLatin1String(qWebEngineChromiumVersion()), QLatin1String(sqlite3_libversion()));
}
