// Times browsing a folder of camera pictures on the archive page against the
// floor: the least work any program must do to show the same first page
// (open every file, read camera type and capture time, sort, decode the
// first 128 JPEGs at thumbnail size). Warm cache: the pictures are written
// first and stay in the page cache. Prints one line per figure, then the
// goals met.
//
//   bench_browse [--count N] [--rounds R] [--folder PATH]
//
// --folder keeps the pictures in PATH (written only if missing), so repeated
// runs on large folders skip writing them.

#include "archivetesthelpers.h"
#include "camerafilereader.h"
#include "fixturewriter.h"
#include "imagesys.h"
#include "testsupport.h"
#include "thumbnailmaker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QListWidget>
#include <QMainWindow>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Waits the page itself spends by design in a load (20 ms before, 50 ms
// after) and before a further batch (50 ms). They are reported apart.
constexpr double LoadFixedWaitMs = 70.0;
constexpr double BatchFixedWaitMs = 50.0;

// Goals on this machine, N = 2000.
constexpr double LoadRatioGoal = 1.5;
constexpr double BatchRatioGoal = 1.5;
constexpr double DetailsGoalMs = 15.0;
constexpr double GapGoalMs = 50.0;
constexpr double MemoryGoalMb = 200.0;

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

struct Options
{
    int count = 2000;
    int rounds = 3;
    QString folder;
};

bool parse(const QStringList &args, Options &options)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--count") && hasValue)
            options.count = args.at(++i).toInt();
        else if (arg == QLatin1String("--rounds") && hasValue)
            options.rounds = args.at(++i).toInt();
        else if (arg == QLatin1String("--folder") && hasValue)
            options.folder = args.at(++i);
        else
            return false;
    }
    return options.count > 0 && options.rounds > 0;
}

// The pictures: the realistic default picture, each with its own capture
// time (a scrambled order, so the sort has work to do).
bool writePictures(const QString &folder, int count)
{
    QDir().mkpath(folder);
    if (QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files).size() == count)
        return true;
    QByteArray bytes = FixtureWriter::cameraPictureBytes();
    // No trailing block: the capture time lies 4 + 48 bytes before the end.
    const int timeAt = bytes.size() - 4 - 48;
    const qint64 base = Q_INT64_C(1600000000000);
    for (int i = 0; i < count; ++i) {
        const qint64 scrambled = (qint64(i) * 7919) % count;
        qToBigEndian(base + scrambled * 1000, reinterpret_cast<uchar *>(bytes.data()) + timeAt);
        const QString name = QStringLiteral("%1/IMG_%2.jpg").arg(folder).arg(i, 5, 10, QLatin1Char('0'));
        if (!FixtureWriter::writeBytes(name, bytes))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------- floor

struct FloorResult
{
    QStringList order; // paths, newest capture first
    qint64 readNs = 0;
    qint64 sortNs = 0;
    qint64 decodeNs = 0;
    qint64 totalNs() const { return readNs + sortNs + decodeNs; }
};

// Straight-line: readdir, and per file open + two preads + close, with no
// library in between; then a sort and 128 scaled decodes.
FloorResult measureFloor(const QString &folder)
{
    FloorResult result;
    struct Keyed
    {
        qint64 time;
        QString path;
    };
    QVector<Keyed> keyed;
    QElapsedTimer clock;
    clock.start();
    const QByteArray dirName = QFile::encodeName(folder);
    DIR *dir = ::opendir(dirName.constData());
    if (!dir)
        return result;
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (!std::strstr(name, ".jpg"))
            continue;
        const QByteArray path = dirName + '/' + name;
        const int fd = ::open(path.constData(), O_RDONLY);
        if (fd < 0)
            continue;
        struct stat st;
        uchar tail[4];
        char fields[28]; // camera type at T - 68, capture time at T - 48
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 4
            && ::pread(fd, tail, 4, st.st_size - 4) == 4) {
            const qint64 end = st.st_size - 4 - qFromBigEndian<qint32>(tail);
            if (end >= 68 && end <= st.st_size && ::pread(fd, fields, 28, end - 68) == 28
                && std::strncmp(fields, "Q4815", 10) == 0)
                keyed.append({qFromBigEndian<qint64>(fields + 20), QFile::decodeName(path)});
        }
        ::close(fd);
    }
    ::closedir(dir);
    result.readNs = clock.nsecsElapsed();

    clock.restart();
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed &a, const Keyed &b) { return a.time > b.time; });
    result.sortNs = clock.nsecsElapsed();

    clock.restart();
    const int first = qMin(ImageSys::BatchSize, keyed.size());
    for (int i = 0; i < first; ++i) {
        QImageReader reader(keyed.at(i).path);
        reader.setScaledSize(ThumbnailMaker::fittedSize(reader.size()));
        if (reader.read().isNull())
            std::fprintf(stderr, "floor: cannot decode %s\n", qPrintable(keyed.at(i).path));
    }
    result.decodeNs = clock.nsecsElapsed();

    for (const Keyed &k : qAsConst(keyed))
        result.order << k.path;
    return result;
}

// ---------------------------------------------------------------- page

// Records the longest stretch in which the event loop did not turn: a 0 ms
// timer fires on every turn.
class GapMeter : public QObject
{
public:
    GapMeter()
    {
        timer.setInterval(0);
        connect(&timer, &QTimer::timeout, this, [this]() { tick(); });
    }
    void start()
    {
        clock.start();
        last = 0;
        worst = 0;
        timer.start();
    }
    qint64 stop()
    {
        tick();
        timer.stop();
        return worst;
    }

private:
    void tick()
    {
        const qint64 now = clock.nsecsElapsed();
        worst = qMax(worst, now - last);
        last = now;
    }
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 worst = 0;
};

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

qint64 peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // A /proc file reports no size: read it whole.
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

const char *verdict(bool met)
{
    return met ? "PASS" : "FAIL";
}

} // namespace

int main(int argc, char *argv[])
{
    TestSupport::prepareEnvironment();
    QApplication app(argc, argv);
    Options options;
    if (!parse(app.arguments(), options)) {
        std::fprintf(stderr, "usage: bench_browse [--count N] [--rounds R] [--folder PATH]\n");
        return 2;
    }

    QTemporaryDir temp;
    const QString folder = options.folder.isEmpty() ? temp.filePath(QStringLiteral("DCIM"))
                                                    : QDir(options.folder).absolutePath();
    std::fprintf(stderr, "writing %d pictures to %s ...\n", options.count, qPrintable(folder));
    if (!writePictures(folder, options.count)) {
        std::fprintf(stderr, "cannot write the pictures\n");
        return 1;
    }

    ArchiveTest::loadSettings();
    QMainWindow window;
    auto *page = new ImageSys;
    window.setCentralWidget(page);
    window.resize(1280, 800);
    window.show();
    std::fprintf(stderr, "starting the page ...\n");
    if (!ArchiveTest::waitForStart(page)) {
        std::fprintf(stderr, "the page did not start\n");
        return 1;
    }
    auto *list = page->findChild<QListWidget *>(QStringLiteral("listWidget"));

    // Floor, best of the rounds (the first also warms the cache).
    FloorResult floor;
    for (int r = 0; r < options.rounds + 1; ++r) {
        FloorResult f = measureFloor(folder);
        if (r == 0 || f.totalNs() < floor.totalNs())
            floor = f;
    }
    const int listed = floor.order.size();

    // Load and next batch, best of the rounds; the gaps in a round of their own.
    qint64 loadNs = -1, batchNs = -1;
    bool sameList = true;
    int afterLoad = 0, afterBatch = 0;
    for (int r = 0; r < options.rounds; ++r) {
        settle();
        QElapsedTimer clock;
        clock.start();
        page->loadFolder(folder + QLatin1Char('/'), -10);
        const qint64 load = clock.nsecsElapsed();
        afterLoad = list->count();
        QStringList shown;
        for (const FileEntry &entry : page->entries())
            shown << entry.info.absoluteFilePath();
        sameList = sameList && shown == floor.order;

        settle();
        const int end = list->verticalScrollBar()->maximum();
        clock.restart();
        QMetaObject::invokeMethod(page, "on_valueChanged", Q_ARG(int, end));
        const qint64 batch = clock.nsecsElapsed();
        afterBatch = list->count();
        loadNs = loadNs < 0 ? load : qMin(loadNs, load);
        batchNs = batchNs < 0 ? batch : qMin(batchNs, batch);
    }

    settle();
    GapMeter gaps;
    gaps.start();
    page->loadFolder(folder + QLatin1Char('/'), -10);
    const qint64 loadGapNs = gaps.stop();
    settle();
    gaps.start();
    QMetaObject::invokeMethod(page, "on_valueChanged",
                              Q_ARG(int, list->verticalScrollBar()->maximum()));
    const qint64 batchGapNs = gaps.stop();
    settle();

    // Details: one click each on 50 different pictures, with the repaint.
    const int clicks = qMin(50, list->count());
    qint64 detailsNs = 0, detailsWorstNs = 0;
    for (int i = 0; i < clicks; ++i) {
        QListWidgetItem *item = list->item((i * 5) % list->count());
        QElapsedTimer clock;
        clock.start();
        emit list->itemClicked(item);
        QCoreApplication::processEvents();
        const qint64 one = clock.nsecsElapsed();
        detailsNs += one;
        detailsWorstNs = qMax(detailsWorstNs, one);
    }
    const double detailsMs = clicks > 0 ? ms(detailsNs) / clicks : 0.0;

    const double floorMs = ms(floor.totalNs());
    const double decodeMs = ms(floor.decodeNs);
    const double loadMs = ms(loadNs);
    const double loadWorkMs = loadMs - LoadFixedWaitMs;
    const double batchMs = ms(batchNs);
    const double batchWorkMs = batchMs - BatchFixedWaitMs;
    const double memoryMb = peakMemoryKb() / 1024.0;
    const int expectedFirst = qMin(ImageSys::BatchSize, listed);
    const int expectedSecond = qMin(2 * ImageSys::BatchSize, listed);

    std::printf("pictures    %d files, %d listed, %.0f KB each, best of %d rounds\n", options.count,
                listed, QFileInfo(floor.order.value(0)).size() / 1024.0, options.rounds);
    std::printf("floor       %8.1f ms  (open+read %d files %.1f ms = %.1f us/file, sort %.2f ms, "
                "decode %d at %dx%d %.1f ms)\n",
                floorMs, options.count, ms(floor.readNs), ms(floor.readNs) * 1000.0 / options.count,
                ms(floor.sortNs), expectedFirst, ThumbnailMaker::MaxWidth, ThumbnailMaker::MaxHeight,
                decodeMs);
    std::printf("load        %8.1f ms  ratio %.2f x floor; without the %.0f ms of fixed waits "
                "%.1f ms, ratio %.2f  (%d thumbnails, list %s)\n",
                loadMs, loadMs / floorMs, LoadFixedWaitMs, loadWorkMs, loadWorkMs / floorMs,
                afterLoad, sameList ? "same as floor" : "DIFFERS from floor");
    std::printf("next batch  %8.1f ms  ratio %.2f x floor's decode; without the %.0f ms fixed wait "
                "%.1f ms, ratio %.2f  (%d -> %d thumbnails)\n",
                batchMs, batchMs / decodeMs, BatchFixedWaitMs, batchWorkMs, batchWorkMs / decodeMs,
                afterLoad, afterBatch);
    std::printf("details     %8.2f ms  per click, mean of %d pictures (worst %.2f ms)\n", detailsMs,
                clicks, ms(detailsWorstNs));
    std::printf("gap         %8.1f ms  longest without an event-loop turn during the load "
                "(%.1f ms during a batch)\n",
                ms(loadGapNs), ms(batchGapNs));
    std::printf("memory      %8.1f MB  peak resident (VmHWM)\n", memoryMb);

    const bool countsRight = afterLoad == expectedFirst && afterBatch == expectedSecond && sameList;
    const bool loadMet = loadWorkMs <= LoadRatioGoal * floorMs;
    const bool batchMet = batchWorkMs <= BatchRatioGoal * decodeMs;
    const bool detailsMet = detailsMs <= DetailsGoalMs;
    const bool gapMet = ms(loadGapNs) <= GapGoalMs;
    const bool memoryMet = memoryMb <= MemoryGoalMb;
    // Fixed waits apart; the per-file figure is the load without them and
    // without the floor's decode, over N: flat when the load grows linearly.
    std::printf("summary     N=%d  load<=%.1fxfloor %s  next<=%.1fxdecode %s  details<=%.0fms %s  "
                "gap<=%.0fms %s  memory<=%.0fMB %s  lists %s  per-file %.1f us\n",
                options.count, LoadRatioGoal, verdict(loadMet), BatchRatioGoal, verdict(batchMet),
                DetailsGoalMs, verdict(detailsMet), GapGoalMs, verdict(gapMet), MemoryGoalMb,
                verdict(memoryMet), verdict(countsRight),
                (loadWorkMs - decodeMs) * 1000.0 / options.count);
    return countsRight ? 0 : 1;
}
