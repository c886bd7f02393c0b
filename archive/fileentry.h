#ifndef FILEENTRY_H
#define FILEENTRY_H

#include <QFileInfo>
#include <QString>

// One camera picture of the listed folder.
struct FileEntry
{
    QFileInfo info;
    // Camera type read from the file; "Q4815" for every listed file.
    QString cameraType;
};

#endif // FILEENTRY_H
