#pragma once

#include "clean/CleanTargets.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class SettingsStore;

// Asks at exit which traces to clear. The boxes start as they were last
// confirmed; OK stores them, Cancel stores nothing.
class CCleanDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CCleanDlg(SettingsStore &settings, QWidget *parent = nullptr);

    // What the user chose, once the dialog was confirmed.
    bool selectAll() const;
    // The ticked targets, in the order the exit check runs them.
    QList<CleanTarget> chosen() const;

    QCheckBox *box(CleanTarget target) const { return m_boxes.value(target); }
    QCheckBox *selectAllBox() const { return m_all; }
    QCheckBox *neverAgainBox() const { return m_neverAgain; }

    void accept() override;

private:
    SettingsStore &m_settings;
    QHash<CleanTarget, QCheckBox *> m_boxes;
    QCheckBox *m_all = nullptr;
    QCheckBox *m_neverAgain = nullptr;
};
