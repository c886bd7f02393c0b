#ifndef FOLDERGROUPINFO_H
#define FOLDERGROUPINFO_H

#include <QString>
#include <QStringList>

// One group of the folder tree: its title and its folders in button order.
struct FolderGroupInfo
{
    QString title;
    QStringList folderNames;
};

#endif // FOLDERGROUPINFO_H
