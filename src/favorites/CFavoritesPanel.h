#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class AppSwitches;
class MessageBoxes;
class QMimeData;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct FavoriteEntry;

// What the favorites panel works with.
struct FavoritesPanelParts
{
    QString folder; // the favorites folder on disk
    AppSwitches &switches;
    MessageBoxes &messages;
    // Opens a link's address in a Page (the frame reuses a blank one).
    std::function<void(const QString &address)> open;
    // Runs one of the window's commands (adding and organising favorites).
    std::function<void(int id)> runCommand;
};

// The favorites as a tree in the Explorer Bar: a click opens a link or
// opens and closes a folder; delete, rename, properties and dropped links
// change the shortcut files and folders on disk at once.
class CFavoritesPanel : public QWidget
{
    Q_OBJECT
public:
    // What each tree item holds besides its text.
    enum Role { KindRole = Qt::UserRole, PathRole };

    explicit CFavoritesPanel(FavoritesPanelParts parts, QWidget *parent = nullptr);
    ~CFavoritesPanel() override;

    // Empties the tree and shows the model's folders and links in its order.
    void fill(const FavoriteEntry &root);

    QTreeWidget *tree() const { return m_tree; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *organizeButton() const { return m_organize; }
    // The item's folder or ".url" file.
    static QString pathOf(const QTreeWidgetItem *item);
    static bool isFolder(const QTreeWidgetItem *item);

    // The context menu's commands, on one item.
    void deleteItem(QTreeWidgetItem *item);
    void startRename(QTreeWidgetItem *item);
    void showProperties(QTreeWidgetItem *item);
    // Keeps a dropped link as a shortcut where it was dropped (a point of the
    // tree's viewport); the new item, or none when nothing was kept.
    QTreeWidgetItem *dropLink(const QMimeData &data, const QPoint &at);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class LabelDelegate;

    void addEntries(QTreeWidgetItem *parent, const FavoriteEntry &folder);
    void itemClicked(QTreeWidgetItem *item);
    void showContextMenu(const QPoint &at);
    // The end of a label's editing: renames on disk, then the label.
    void renameTo(QTreeWidgetItem *item, const QString &name);
    // Moves the file or folder to the Trash, else deletes it; false when it
    // is still there.
    bool removeFromDisk(const QString &path);
    // The panel changed the disk; the menu is made anew when it next opens.
    void markChanged(int level = 1);

    FavoritesPanelParts m_parts;
    QPushButton *m_add = nullptr;
    QPushButton *m_organize = nullptr;
    QTreeWidget *m_tree = nullptr;
    bool m_doubleClicked = false; // the release that ends a double click is no second click
    int m_fills = 0;              // how often the tree was filled: items made before are gone
};
