#include "pastetask.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

const qint64 BlockSize = 256 * 1024;

// Copies all of in to out and puts it on the disk; false on any read or
// write error or when the bytes copied are not the source's size.
bool copyContent(QFile &in, QFileDevice &out)
{
    const qint64 expected = in.size();
    QByteArray block(int(BlockSize), Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = in.read(block.data(), BlockSize);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (out.write(block.constData(), got) != got)
            return false;
        total += got;
    }
    if (total != expected || !out.flush())
        return false;
    // A cut removes the source next: the copy must survive a power cut.
#ifdef Q_OS_WIN
    return _commit(out.handle()) == 0;
#else
    return ::fsync(out.handle()) == 0;
#endif
}

bool sameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

PasteTask::PasteTask(QVector<Item> items, qint8 mode)
    : items(std::move(items))
    , mode(mode)
{
}

QFuture<PasteTask::Result> PasteTask::start() const
{
    const PasteTask task = *this;
    return QtConcurrent::run(QThreadPool::globalInstance(), [task]() { return task.run(); });
}

PasteTask::Result PasteTask::run() const
{
    Result result;
    QVector<const Item *> moved;
    for (const Item &item : items) {
        // The same file under another spelling of its folder: copying it
        // onto itself gains nothing, and a cut would then remove it.
        if (sameFile(item.source, item.target))
            continue;
        if (!copyFile(item.source, item.target, item.replace)) {
            ++result.failed;
            continue;
        }
        ++result.pasted;
        moved.append(&item);
    }
    // A cut that could not paste everything keeps every source: the user
    // finds all of them where they were and nothing is lost.
    if (mode != ModeCut || result.failed > 0)
        return result;
    for (const Item *item : qAsConst(moved)) {
        const QFileInfo source(item->source);
        const QFileInfo copied(item->target);
        if (copied.isFile() && copied.size() == source.size())
            QFile::remove(item->source);
    }
    return result;
}

bool PasteTask::copyFile(const QString &source, const QString &target, bool replace)
{
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly))
        return false;

    // A linked target is replaced as a link: the file it points to lies
    // outside the chosen folder and is never written.
    const bool replaceLink = replace && QFileInfo(target).isSymLink();
    if (replace && !replaceLink) {
        // The save file writes beside the target and renames over it only
        // on commit; until then the old target stays as it was.
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly))
            return false;
        if (!copyContent(in, out)) {
            out.cancelWriting();
            return false;
        }
        return out.commit();
    }

    if (!replace && QFileInfo::exists(target))
        return false;
    const QString folder = QFileInfo(target).absolutePath();
    QTemporaryFile out(folder + QStringLiteral("/.velk-paste-XXXXXX"));
    out.setAutoRemove(true);
    if (!out.open())
        return false;
    if (!copyContent(in, out))
        return false;
    out.setPermissions(in.permissions());
    // The link goes only once its replacement is complete.
    if (replaceLink && !QFile::remove(target))
        return false;
    // Renaming a temporary file never overwrites an existing one.
    if (!out.rename(target))
        return false;
    // The file now has the target's name: it must stay.
    out.setAutoRemove(false);
    return true;
}

QString PasteTask::keepBothTarget(const QString &targetFolder, const QString &fileName,
                                  const QStringList &taken)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : fileName.mid(dot);
    const QString base = targetFolder + (dot < 0 ? fileName : fileName.left(dot));
    for (int n = 1;; ++n) {
        const QString candidate = base + QStringLiteral("_N%1").arg(n) + extension;
        if (!QFileInfo::exists(candidate) && !taken.contains(candidate, Qt::CaseSensitive))
            return candidate;
    }
}
