#include "testsupport.h"

#include "archivetesthelpers.h"
#include "folderbutton.h"
#include "privatemount.h"

#include <QButtonGroup>
#include <QMap>
#include <QTemporaryDir>

// Pastes into folders that fail: a file system too small for the files
// and a read-only one. Each such folder is a tmpfs mounted on a folder of
// the album, inside a private mount namespace.
namespace {

const char *const NamespaceMarker = "VELK_PASTEFAULTS_NAMESPACE";

qint64 pageRounded(qint64 bytes)
{
    return (bytes + 4095) / 4096 * 4096;
}

} // namespace

class TestPasteFaults : public QObject
{
    Q_OBJECT

private:
    ImageSys *page = nullptr;
    QTemporaryDir scratch;
    QString album;
    QString sources;
    QString target;
    bool mounted = false;

    QListWidget *list() const { return page->findChild<QListWidget *>("listWidget"); }
    void call(const char *slot) { QMetaObject::invokeMethod(page, slot); }

    // A camera picture of about the given size (its photo carries the bulk).
    QByteArray picture(int seed, QSize photo)
    {
        FixtureWriter::CameraPictureSpec spec = ArchiveTest::smallPicture(1600000000000 - seed);
        spec.photo = FixtureWriter::makeJpeg(photo, seed, 100);
        return FixtureWriter::cameraPictureBytes(spec);
    }

    QMap<QString, QByteArray> writeSources(const QStringList &names, QSize photo)
    {
        QMap<QString, QByteArray> written;
        int seed = 1;
        for (const QString &name : names) {
            const QByteArray bytes = picture(seed++, photo);
            if (!FixtureWriter::writeBytes(sources + "/" + name, bytes))
                return {};
            written.insert(name, bytes);
        }
        return written;
    }

    bool mountTarget(qint64 bytes)
    {
        mounted = PrivateMount::mountTmpfs(target, QString("size=%1").arg(pageRounded(bytes)));
        return mounted;
    }

    void listTarget()
    {
        call("on_pcUpData_clicked");
        for (QAbstractButton *button : page->pcFolderButtons()->buttons()) {
            if (qobject_cast<FolderButton *>(button)->folderName() == "target")
                QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(page->currentFolder(), target + "/");
    }

    // Takes the named sources into the clipboard, lists the target and pastes.
    void paste(const QStringList &names, bool cut, const QString &answer = QString())
    {
        ArchiveTest::openFolderByDialog(page, sources);
        ArchiveTest::selectNames(list(), names);
        call(cut ? "on_toolButton_cut_clicked" : "on_toolButton_copy_clicked");
        QCOMPARE(page->clipboard().size(), names.size());
        listTarget();
        if (!answer.isEmpty())
            TestSupport::clickInNextMessageBox(answer);
        call("on_toolButton_paste_clicked");
    }

    // Every source is as it was; what reached the target is whole.
    int verifySourcesKept(const QMap<QString, QByteArray> &files)
    {
        int pasted = 0;
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            const QString copy = target + "/" + it.key();
            if (QFile::exists(copy)) {
                ++pasted;
                if (ArchiveTest::fileBytes(copy) != it.value())
                    return -1;
            }
            if (ArchiveTest::fileBytes(sources + "/" + it.key()) != it.value())
                return -1;
        }
        return pasted;
    }

private slots:
    void initTestCase()
    {
        const QString problem = PrivateMount::problem(NamespaceMarker);
        if (!problem.isEmpty())
            QSKIP(qPrintable(problem));
        QVERIFY(scratch.isValid());
        page = ArchiveTest::startPage();
        QVERIFY(page);
        album = albumFolderPath();
        sources = scratch.path() + "/sources";
        target = album + "/target";
    }

    void cleanupTestCase() { delete page; }

    void init()
    {
        QVERIFY(QDir(sources).removeRecursively());
        QVERIFY(QDir().mkpath(sources));
        QVERIFY(QDir().mkpath(target));
    }

    void cleanup()
    {
        if (mounted)
            PrivateMount::unmount(target);
        mounted = false;
        QDir(target).removeRecursively();
    }

    void cutIntoFullFileSystem_data()
    {
        QTest::addColumn<double>("room"); // in files
        QTest::newRow("room for none") << 0.5;
        QTest::newRow("room for one and a half") << 1.5;
    }

    void cutIntoFullFileSystem()
    {
        QFETCH(double, room);
        const QStringList names{"a.jpg", "b.jpg", "c.jpg"};
        const QMap<QString, QByteArray> files = writeSources(names, QSize(800, 600));
        QCOMPARE(files.size(), 3);
        const qint64 largest = qMax(files["a.jpg"].size(), qMax(files["b.jpg"].size(), files["c.jpg"].size()));
        QVERIFY(mountTarget(qint64(largest * room)));

        paste(names, true);
        // A cut that could not paste everything removes no source.
        const int pasted = verifySourcesKept(files);
        QCOMPARE(pasted, room < 1 ? 0 : 1);
        // No partial or temporary file is left.
        const QStringList left = ArchiveTest::allEntries(target);
        QCOMPARE(left.size(), pasted);
    }

    void pasteIntoReadOnlyFolder_data()
    {
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QString>("answer");
        QTest::newRow("copy") << false << "";
        QTest::newRow("cut") << true << "";
        QTest::newRow("cut, overwrite") << true << "是";
        QTest::newRow("cut, keep both") << true << "新建";
    }

    void pasteIntoReadOnlyFolder()
    {
        QFETCH(bool, cut);
        QFETCH(QString, answer);
        const QMap<QString, QByteArray> files = writeSources({"a.jpg", "b.jpg"}, QSize(64, 48));
        QVERIFY(mountTarget(4 * 1024 * 1024));
        const QByteArray old = picture(99, QSize(64, 48));
        if (!answer.isEmpty())
            QVERIFY(FixtureWriter::writeBytes(target + "/a.jpg", old));
        QVERIFY(PrivateMount::remountReadOnly(target));
        const QStringList before = ArchiveTest::allEntries(target);

        paste({"a.jpg", "b.jpg"}, cut, answer);
        QCOMPARE(ArchiveTest::allEntries(target), before);
        if (!answer.isEmpty())
            QCOMPARE(ArchiveTest::fileBytes(target + "/a.jpg"), old);
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            QCOMPARE(ArchiveTest::fileBytes(sources + "/" + it.key()), it.value());
    }

    void overwriteThatFailsKeepsTheOldTarget_data()
    {
        QTest::addColumn<bool>("cut");
        QTest::newRow("copy") << false;
        QTest::newRow("cut") << true;
    }

    void overwriteThatFailsKeepsTheOldTarget()
    {
        QFETCH(bool, cut);
        const QMap<QString, QByteArray> files = writeSources({"x.jpg"}, QSize(800, 600));
        const QByteArray old = picture(77, QSize(64, 48));
        // Room for the old file, not for it and the new one side by side.
        QVERIFY(mountTarget(pageRounded(old.size()) + files["x.jpg"].size() / 2));
        QVERIFY(FixtureWriter::writeBytes(target + "/x.jpg", old));

        paste({"x.jpg"}, cut, "是");
        QCOMPARE(ArchiveTest::fileBytes(target + "/x.jpg"), old);
        QCOMPARE(ArchiveTest::allEntries(target), QStringList{"x.jpg"});
        QCOMPARE(ArchiveTest::fileBytes(sources + "/x.jpg"), files["x.jpg"]);
    }

    void overwriteWithRoomReplacesTheTarget()
    {
        const QMap<QString, QByteArray> files = writeSources({"x.jpg"}, QSize(800, 600));
        const QByteArray old = picture(77, QSize(64, 48));
        QVERIFY(mountTarget(pageRounded(old.size()) + 2 * files["x.jpg"].size()));
        QVERIFY(FixtureWriter::writeBytes(target + "/x.jpg", old));
        paste({"x.jpg"}, true, "是");
        QCOMPARE(ArchiveTest::fileBytes(target + "/x.jpg"), files["x.jpg"]);
        QCOMPARE(ArchiveTest::allEntries(target), QStringList{"x.jpg"});
        QVERIFY(!QFile::exists(sources + "/x.jpg"));
    }
};

VELK_PRIVATE_MOUNT_TEST_MAIN(TestPasteFaults, NamespaceMarker)
#include "tst_pastefaults.moc"
