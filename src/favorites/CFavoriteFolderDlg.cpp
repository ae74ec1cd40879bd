#include "favorites/CFavoriteFolderDlg.h"

#include "favorites/FavoritesTree.h"
#include "ui/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CFavoriteFolderDlg::CFavoriteFolderDlg(const QString &favoritesFolder, const QString &title, const QString &prompt,
                                       MessageBoxes &messages, QWidget *parent)
    : QDialog(parent)
    , m_tree(new FavoriteFolderTree(favoritesFolder, FavoriteFolderTree::FoldersOnly, this))
    , m_newFolder(new QPushButton(tr("新建文件夹(&N)..."), this))
{
    setObjectName(QStringLiteral("favoriteFolderDialog"));
    setWindowTitle(title);
    m_newFolder->setObjectName(QStringLiteral("newFolder"));
    m_newFolder->setAutoDefault(false);
    connect(m_newFolder, &QPushButton::clicked, this, [this, &messages] { m_tree->askNewFolder(messages); });

    auto *label = new QLabel(prompt, this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QDialogButtonBox *buttons = okCancelButtons(this);
    buttons->addButton(m_newFolder, QDialogButtonBox::ActionRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 48, fontMetrics().height() * 24);
    m_tree->setFocus();
}

QString CFavoriteFolderDlg::folder() const
{
    return m_tree->currentFolder();
}

QString CFavoriteFolderDlg::choose(QWidget *parent, const QString &favoritesFolder, const QString &title,
                                   const QString &prompt, MessageBoxes &messages, const QString &selected)
{
    CFavoriteFolderDlg dialog(favoritesFolder, title, prompt, messages, parent ? parent->window() : nullptr);
    dialog.tree()->select(selected);
    return dialog.exec() == QDialog::Accepted ? dialog.folder() : QString();
}
