#include "zanfolderbtntree.h"

#include "zanfolderbtnitem.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QScrollArea>
#include <QVBoxLayout>

ZanFolderBtnTree::ZanFolderBtnTree(QWidget *parent)
    : QWidget(parent)
    , groupCount(0)
    , totalHeight(0)
{
    mAreaVLayout = new QVBoxLayout(this);
    mAreaVLayout->setObjectName(QStringLiteral("mAreaVLayout"));
    mAreaVLayout->setSpacing(0);
    mAreaVLayout->setContentsMargins(0, 0, 0, 0);
    mScrollArea = new QScrollArea(this);
    mScrollArea->setObjectName(QStringLiteral("mScrollArea"));
    mScrollArea->setWidgetResizable(true);
    scrollAreaWidgetContents = new QWidget;
    scrollAreaWidgetContents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    mScrollArea->setWidget(scrollAreaWidgetContents);
    mAreaVLayout->addWidget(mScrollArea);
}

void ZanFolderBtnTree::addGroup(const FolderGroupInfo &info)
{
    auto *item = new ZanFolderBtnItem(groupCount, scrollAreaWidgetContents);
    ++groupCount;

    const int w = mScrollArea->width();
    const int h = item->setGroupInfo(w, info.title, info.folderNames);
    item->setGeometry(0, totalHeight, w, h);
    item->show();

    items.append(item);
    groups.append(item->buttonGroup());

    totalHeight += h;
    scrollAreaWidgetContents->setMinimumHeight(totalHeight);

    connect(item, &ZanFolderBtnItem::unfoldChang, this, &ZanFolderBtnTree::delUnfoldChang);
    connect(item, &ZanFolderBtnItem::zanFolderBtnClicked, this, &ZanFolderBtnTree::delClickSolt);
}

void ZanFolderBtnTree::clearGroups()
{
    for (ZanFolderBtnItem *item : qAsConst(items)) {
        item->close();
        item->deleteLater();
    }
    items.clear();
    groups.clear();
    groupCount = 0;
    totalHeight = 0;
    scrollAreaWidgetContents->setMinimumHeight(0);
}

void ZanFolderBtnTree::uncheckAll()
{
    for (ZanFolderBtnItem *item : qAsConst(items))
        item->deselect();
}

void ZanFolderBtnTree::selectGroup(int index)
{
    // Out-of-range indexes are ignored rather than crashing.
    if (index < 0 || index >= items.size())
        return;
    uncheckAll();
    items.at(index)->unfold();
    QAbstractButton *first = groups.at(index)->button(0);
    // A group without folders has nothing to select or report.
    if (!first)
        return;
    ZanFolderBtnItem::checkFolderButton(first);
    emit renderZanFolderBtnInfo(index, 0);
}

void ZanFolderBtnTree::delUnfoldChang(int groupId, bool isUnfolded)
{
    if (groupId < 0 || groupId >= items.size())
        return;
    int d = items.at(groupId)->btnAreaHeight();
    if (!isUnfolded)
        d = -d;
    for (int i = groupId + 1; i < items.size(); ++i) {
        ZanFolderBtnItem *item = items.at(i);
        item->move(item->pos() + QPoint(0, d));
    }
    totalHeight += d;
    scrollAreaWidgetContents->setMinimumHeight(totalHeight);
}

void ZanFolderBtnTree::delClickSolt(int groupId, int btnId)
{
    for (int i = 0; i < items.size(); ++i) {
        if (i != groupId)
            items.at(i)->deselect();
    }
    emit renderZanFolderBtnInfo(groupId, btnId);
}

void ZanFolderBtnTree::resizeEvent(QResizeEvent *event)
{
    const int w = mScrollArea->width();
    int y = 0;
    for (ZanFolderBtnItem *item : qAsConst(items)) {
        const int h = item->height();
        item->setGeometry(0, y, w, h);
        y += h;
    }
    QWidget::resizeEvent(event);
}
