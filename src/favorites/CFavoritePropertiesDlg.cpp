#include "favorites/CFavoritePropertiesDlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

namespace {

QLineEdit *readOnlyField(const QString &text, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setReadOnly(true);
    field->setCursorPosition(0);
    field->setMinimumWidth(360);
    return field;
}

} // namespace

CFavoritePropertiesDlg::CFavoritePropertiesDlg(const QString &name, const QString &path, bool isFolder,
                                               const QString &address, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("%1 属性").arg(name));
    auto *form = new QFormLayout;
    form->addRow(tr("名称:"), readOnlyField(name, this));
    form->addRow(tr("类型:"), readOnlyField(isFolder ? tr("文件夹") : tr("Internet 快捷方式"), this));
    if (!isFolder) {
        m_address = readOnlyField(address, this);
        form->addRow(tr("URL:"), m_address);
    }
    m_path = readOnlyField(path, this);
    form->addRow(tr("位置:"), m_path);
    const QFileInfo info(path);
    if (info.exists())
        form->addRow(tr("修改时间:"),
                     readOnlyField(QLocale().toString(info.lastModified(), QLocale::LongFormat), this));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}
