#ifndef PASTETASK_H
#define PASTETASK_H

#include <QFuture>
#include <QString>
#include <QStringList>
#include <QVector>

// The copying of one paste. It runs on a thread of the global pool and
// works only on what it was given: its own list of files and the
// clipboard mode as it was when the paste started.
class PasteTask
{
public:
    enum Mode : qint8 { ModeNone = 0, ModeCopy = 1, ModeCut = 2 };

    struct Item
    {
        QString source;
        QString target;
        // The target exists and the user chose to overwrite it.
        bool replace = false;
    };

    struct Result
    {
        int pasted = 0;
        int failed = 0;
    };

    PasteTask(QVector<Item> items, qint8 mode);

    // Starts run() on QThreadPool::globalInstance(). In cut mode the
    // sources are removed once every copy is complete and of its source's
    // size; when any copy failed, no source is removed.
    QFuture<Result> start() const;
    Result run() const;

    // Copies source to target through a temporary file in the target's
    // folder: the target appears, or replaces the old one, only once the
    // copy is complete, on disk and of the source's size. A failed copy
    // leaves the old target as it was and no temporary file behind.
    // Without replace an existing target is never touched. A target that
    // is a link is replaced by the copy; what it points to stays as it was.
    static bool copyFile(const QString &source, const QString &target, bool replace);

    // The name for keeping both files: "<base>_N<n><ext>" in targetFolder
    // with the smallest n >= 1 that exists neither on disk nor in taken
    // (compared case-sensitively). targetFolder ends in "/".
    static QString keepBothTarget(const QString &targetFolder, const QString &fileName,
                                  const QStringList &taken);

private:
    QVector<Item> items;
    qint8 mode;
};

#endif // PASTETASK_H
