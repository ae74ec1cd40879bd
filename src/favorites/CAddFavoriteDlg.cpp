#include "favorites/CAddFavoriteDlg.h"

#include "favorites/FavoriteFileName.h"
#include "favorites/FavoriteShortcut.h"
#include "favorites/FavoritesTree.h"
#include "ui/MessageBoxes.h"
#include "ui/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CAddFavoriteDlg::CAddFavoriteDlg(const QString &favoritesFolder, const QString &title, const QString &url,
                                 MessageBoxes &messages, QWidget *parent)
    : QDialog(parent)
    , m_url(FavoriteShortcut::oneLine(url))
    , m_messages(messages)
    , m_name(new QLineEdit(this))
    , m_tree(new FavoriteFolderTree(favoritesFolder, FavoriteFolderTree::FoldersOnly, this))
    , m_newFolder(new QPushButton(tr("新建文件夹(&N)..."), this))
{
    setObjectName(QStringLiteral("addFavoriteDialog"));
    setWindowTitle(tr("添加到收藏夹"));
    m_name->setObjectName(QStringLiteral("name"));
    // The title as a name can have: no line breaks, no "/".
    const QString name = title.trimmed().isEmpty() ? m_url : title;
    m_name->setText(FavoriteFileName::fit(FavoriteFileName::clean(name), QStringLiteral(".url")));
    m_name->selectAll();
    m_newFolder->setObjectName(QStringLiteral("newFolder"));
    m_newFolder->setAutoDefault(false);
    connect(m_newFolder, &QPushButton::clicked, this, [this] { m_tree->askNewFolder(m_messages); });

    auto *prompt = new QLabel(tr("把这一页添加到收藏夹。"), this);
    auto *form = new QFormLayout;
    form->addRow(tr("名称(&M):"), m_name);
    auto *where = new QLabel(tr("创建到(&I):"), this);
    where->setBuddy(m_tree);

    QDialogButtonBox *buttons = okCancelButtons(this);
    buttons->addButton(m_newFolder, QDialogButtonBox::ActionRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(form);
    layout->addWidget(where);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 56, fontMetrics().height() * 24);
    m_name->setFocus();
}

void CAddFavoriteDlg::accept()
{
    const QString name = FavoriteFolderTree::typedName(this, m_name->text(), QStringLiteral(".url"), m_messages);
    if (name.isEmpty()) {
        m_name->setFocus();
        return;
    }
    const QString path = QDir(m_tree->currentFolder()).filePath(name + QStringLiteral(".url"));
    const QFileInfo existing(path);
    if (existing.isSymLink() || existing.isDir()) {
        m_messages.tell(this, tr("“%1”已经存在，不能替换。请换一个名称。").arg(name), MessageBoxes::Icon::Warning);
        m_name->setFocus();
        return;
    }
    if (existing.exists() && !m_messages.ask(this, tr("收藏夹中已经有“%1”。要替换它吗?").arg(name))) {
        m_name->setFocus();
        m_name->selectAll();
        return;
    }
    if (!FavoriteShortcut::write(path, m_url)) {
        m_messages.tell(this, tr("不能写入“%1”。").arg(path), MessageBoxes::Icon::Error);
        return;
    }
    m_written = path;
    QDialog::accept();
}

bool CAddFavoriteDlg::ask(QWidget *parent, const QString &favoritesFolder, const QString &title, const QString &url)
{
    QtMessageBoxes messages;
    return ask(parent, favoritesFolder, title, url, messages);
}

bool CAddFavoriteDlg::ask(QWidget *parent, const QString &favoritesFolder, const QString &title, const QString &url,
                          MessageBoxes &messages)
{
    QWidget *owner = parent ? parent->window() : nullptr;
    if (!FavoriteShortcut::isAllowedUrl(url)) {
        messages.tell(owner, tr("只有 http、https、ftp 和 file 地址可以添加到收藏夹。"), MessageBoxes::Icon::Warning);
        return false;
    }
    QDir().mkpath(favoritesFolder);
    CAddFavoriteDlg dialog(favoritesFolder, title, url, messages, owner);
    return dialog.exec() == QDialog::Accepted && !dialog.writtenFile().isEmpty();
}
