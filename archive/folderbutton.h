#ifndef FOLDERBUTTON_H
#define FOLDERBUTTON_H

#include <QHash>
#include <QPushButton>
#include <QString>

class QAction;
class QMenu;

// Codes that on_trig carries for the five folder actions of the menu.
enum FolderActionCode : qint8 {
    FolderActionNew = 0,
    FolderActionRefresh = 1,
    FolderActionDelete = 2,
    FolderActionRename = 3,
    FolderActionExplorerShow = 4,
};

// A push button standing for one folder. Its text is two spaces and the
// folder name, painted elided in the middle. The context menu offers the
// five folder actions; users that do not want it set Qt::NoContextMenu.
class FolderButton : public QPushButton
{
    Q_OBJECT

public:
    explicit FolderButton(QWidget *parent = nullptr);

    // The dark style of the folder menus (the archive page's menus use it too).
    static QString menuStyleSheet();

    void setFolderName(const QString &name);
    QString folderName() const;

    // The context menu and its actions by key ("new", "refresh", "del",
    // "rename", "explorerShow").
    QMenu *contextMenu() const { return menu; }
    QAction *action(const QString &key) const { return actions.value(key); }

signals:
    // a: the button's object name when the action fires; b: FolderActionCode.
    void on_trig(QString a, qint8 b);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QMenu *menu;
    QHash<QString, QAction *> actions;
};

#endif // FOLDERBUTTON_H
