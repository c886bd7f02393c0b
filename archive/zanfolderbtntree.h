#ifndef ZANFOLDERBTNTREE_H
#define ZANFOLDERBTNTREE_H

#include "foldergroupinfo.h"

#include <QList>
#include <QWidget>

class QButtonGroup;
class QScrollArea;
class QVBoxLayout;
class ZanFolderBtnItem;

// Collapsible groups of folder buttons stacked in a scroll area. At most
// one folder button is selected across all groups; every selection is
// reported by renderZanFolderBtnInfo.
class ZanFolderBtnTree : public QWidget
{
    Q_OBJECT

public:
    explicit ZanFolderBtnTree(QWidget *parent = nullptr);

    void addGroup(const FolderGroupInfo &info);
    void clearGroups();
    // Removes the selection without reporting it.
    void uncheckAll();
    // Unfolds group index, selects its first folder and reports it.
    void selectGroup(int index);
    bool isEmpty() const { return items.isEmpty(); }

    int count() const { return items.size(); }
    ZanFolderBtnItem *itemAt(int index) const { return items.value(index); }
    // Sum of the group heights.
    int contentHeight() const { return totalHeight; }

signals:
    void renderZanFolderBtnInfo(int groupId, int btnId);

public slots:
    void delUnfoldChang(int groupId, bool isUnfolded);
    void delClickSolt(int groupId, int btnId);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int groupCount;
    int totalHeight;
    QList<ZanFolderBtnItem *> items;
    QList<QButtonGroup *> groups;
    QVBoxLayout *mAreaVLayout;
    QScrollArea *mScrollArea;
    QWidget *scrollAreaWidgetContents;
};

#endif // ZANFOLDERBTNTREE_H
