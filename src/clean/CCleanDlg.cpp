#include "clean/CCleanDlg.h"

#include "core/SettingsStore.h"
#include "core/SettingsTable.h"
#include "ui/OkCancelButtons.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QVBoxLayout>

namespace {

QFrame *separatorLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

CCleanDlg::CCleanDlg(SettingsStore &settings, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
{
    setWindowTitle(tr("清除你的冲浪隐私？"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    int n = 0;
    for (const CleanTargetInfo &target : CleanTargets::all()) {
        auto *box = new QCheckBox(QCoreApplication::translate("CCleanDlg", target.boxText), this);
        box->setChecked(m_settings.read(target.setting) != 0);
        m_boxes.insert(target.target, box);
        grid->addWidget(box, n / 2, n % 2);
        ++n;
    }
    layout->addLayout(grid);
    layout->addWidget(separatorLine(this));
    m_all = new QCheckBox(tr("全选(全不选)"), this);
    m_all->setChecked(m_settings.read(settings::cleanAll) != 0);
    layout->addWidget(m_all);
    // The select-all box sets every target box to its own state.
    connect(m_all, &QCheckBox::clicked, this, [this](bool on) {
        for (QCheckBox *box : std::as_const(m_boxes))
            box->setChecked(on);
    });
    layout->addWidget(separatorLine(this));
    m_neverAgain = new QCheckBox(tr("以后不再显示"), this);
    layout->addWidget(m_neverAgain);

    QDialogButtonBox *buttons = okCancelButtons(this);
    layout->addWidget(buttons);
}

bool CCleanDlg::selectAll() const
{
    return m_all->isChecked();
}

QList<CleanTarget> CCleanDlg::chosen() const
{
    QList<CleanTarget> targets;
    for (CleanTarget target : CleanTargets::exitOrder()) {
        if (m_boxes.value(target)->isChecked())
            targets << target;
    }
    return targets;
}

void CCleanDlg::accept()
{
    for (const CleanTargetInfo &target : CleanTargets::all())
        m_settings.write(target.setting, m_boxes.value(target.target)->isChecked() ? 1 : 0);
    m_settings.write(settings::cleanAll, m_all->isChecked() ? 1 : 0);
    m_settings.write(settings::cleanShow, m_neverAgain->isChecked() ? 0 : 1);
    QDialog::accept();
}
