#include "ui/MessageBoxes.h"

#include "core/BuildInfo.h"

#include <QMessageBox>

#include <cstdio>

namespace {

QString titleOr(const QString &title)
{
    return title.isEmpty() ? QString::fromLatin1(kAppName) : title;
}

} // namespace

void QtMessageBoxes::tell(QWidget *parent, const QString &text, Icon icon, const QString &title)
{
    std::fprintf(stderr, "vesperal: %s\n", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    std::fflush(stderr);
    QMessageBox::Icon qtIcon = QMessageBox::Information;
    if (icon == Icon::Warning)
        qtIcon = QMessageBox::Warning;
    else if (icon == Icon::Error)
        qtIcon = QMessageBox::Critical;
    QMessageBox box(qtIcon, titleOr(title), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtMessageBoxes::ask(QWidget *parent, const QString &text, const QString &title)
{
    return QMessageBox::question(parent, titleOr(title), text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}
