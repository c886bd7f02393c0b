#include "testsupport.h"

#include "archivetesthelpers.h"
#include "cameravolumes.h"
#include "privatemount.h"
#include "zanfolderbtnitem.h"
#include "zanfolderbtntree.h"

#include <QButtonGroup>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <memory>

// The scan looks at the system's real mounted volumes, so each camera is a
// small tmpfs mounted inside a private mount namespace: nothing is seen
// outside this process. main() re-runs the program under unshare for that.
namespace {

const char *const NamespaceMarker = "VELK_CAMERASCAN_NAMESPACE";
const QByteArray CameraIni = "[Q4815]\nversion=1\n";

// One mounted camera volume holding DCIM.
class Volume
{
public:
    bool mount()
    {
        if (!dir.isValid())
            return false;
        mounted = PrivateMount::mountTmpfs(dir.path(), QStringLiteral("size=32m"),
                                           QStringLiteral("velkcam"));
        return mounted && QDir(dir.path()).mkpath(QStringLiteral("DCIM"));
    }
    void unmount()
    {
        if (mounted)
            PrivateMount::unmount(dir.path());
        mounted = false;
    }
    ~Volume() { unmount(); }

    QString root() const { return dir.path() + QLatin1Char('/'); }
    QString dcim() const { return dir.path() + QStringLiteral("/DCIM"); }
    bool writeSysIni(const QByteArray &content) const
    {
        return FixtureWriter::writeBytes(dcim() + QStringLiteral("/sys.ini"), content);
    }
    bool writePictures(const QStringList &names) const
    {
        qint64 time = Q_INT64_C(1600000000000);
        for (const QString &name : names) {
            if (!FixtureWriter::writeCameraPicture(dcim() + QLatin1Char('/') + name,
                                                   ArchiveTest::smallPicture(time)))
                return false;
            time -= 1000; // first name newest
        }
        return true;
    }

private:
    QTemporaryDir dir;
    bool mounted = false;
};

} // namespace

class TestCameraScan : public QObject
{
    Q_OBJECT

private:
    ImageSys *page = nullptr;
    ZanFolderBtnTree *tree() const { return page->findChild<ZanFolderBtnTree *>("folderBtnTree"); }
    QListWidget *list() const { return page->findChild<QListWidget *>("listWidget"); }
    QString copyPath() const { return settingsFolderPath() + "/sys.ini"; }

    QStringList groupTitles() const
    {
        QStringList titles;
        for (int i = 0; i < tree()->count(); ++i)
            titles << tree()->itemAt(i)->titleWidget()->text();
        return titles;
    }

    std::unique_ptr<Volume> camera(const QByteArray &sysIni, const QStringList &pictures)
    {
        auto volume = std::make_unique<Volume>();
        if (!volume->mount() || !volume->writeSysIni(sysIni) || !volume->writePictures(pictures))
            return nullptr;
        return volume;
    }

    void rescan() { page->folderInit_K41(1, QStringLiteral("Q4815")); }

private slots:
    void initTestCase()
    {
        const QString problem = PrivateMount::problem(NamespaceMarker);
        if (!problem.isEmpty())
            QSKIP(qPrintable(problem));
        page = ArchiveTest::startPage();
        QVERIFY(page);
    }

    void cleanupTestCase() { delete page; }

    void volumeRootsEndInSlash_data()
    {
        QTest::addColumn<QString>("rootPath");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("mount point") << "/media/user/CAM" << "/media/user/CAM/";
        QTest::newRow("system root") << "/" << "/";
        QTest::newRow("already slashed") << "/mnt/cam/" << "/mnt/cam/";
    }

    void volumeRootsEndInSlash()
    {
        QFETCH(QString, rootPath);
        QFETCH(QString, normalised);
        QCOMPARE(CameraVolumes::normalisedRoot(rootPath), normalised);
    }

    void noCamera()
    {
        rescan();
        QVERIFY(tree()->isEmpty());
        QCOMPARE(list()->count(), 0);
        QVERIFY(page->cameraFolders().isEmpty());
        QVERIFY(!QFile::exists(copyPath()));
    }

    void oneCamera()
    {
        auto cam = camera("[Q4815]\nversion=1\n", {"b.jpg", "a.jpg", "c.jpg"});
        QVERIFY(cam);
        rescan();
        QCOMPARE(groupTitles(), QStringList{"Q4815(" + cam->root() + ")"});
        ZanFolderBtnItem *group = tree()->itemAt(0);
        QVERIFY(group->unfolded());
        QAbstractButton *allPhotos = group->buttonGroup()->button(0);
        QCOMPARE(allPhotos->text(), QString("  ALL Photos"));
        QVERIFY(allPhotos->isChecked());
        QCOMPARE(page->cameraFolders(), QStringList{cam->dcim()});
        QCOMPARE(page->currentFolder(), cam->dcim() + "/");
        QCOMPARE(int(page->currentSourceFlag()), 0);
        QCOMPARE(ArchiveTest::shownNames(list()), (QStringList{"b.jpg", "a.jpg", "c.jpg"}));
        QVERIFY(!QFile::exists(copyPath()));
    }

    void twoCamerasInMountOrder()
    {
        auto first = camera(CameraIni, {"one.jpg"});
        auto second = camera(CameraIni, {"two.jpg"});
        QVERIFY(first && second);
        rescan();
        QCOMPARE(groupTitles(), (QStringList{"Q4815(" + first->root() + ")",
                                             "Q4815(" + second->root() + ")"}));
        QCOMPARE(page->cameraFolders(), (QStringList{first->dcim(), second->dcim()}));
        QCOMPARE(ArchiveTest::shownNames(list()), QStringList{"one.jpg"});

        // The second camera's button lists its folder and unchecks the first.
        tree()->itemAt(1)->unfold();
        QAbstractButton *secondButton = tree()->itemAt(1)->buttonGroup()->button(0);
        QTest::mouseClick(secondButton, Qt::LeftButton);
        QCOMPARE(ArchiveTest::shownNames(list()), QStringList{"two.jpg"});
        QVERIFY(!tree()->itemAt(0)->buttonGroup()->button(0)->isChecked());
        QVERIFY(secondButton->isChecked());
    }

    void unrecognisedSysIni_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("other camera type") << QByteArray("[Q4816]\nversion=1\n");
        QTest::newRow("no section") << QByteArray("version=1\n");
        QTest::newRow("garbage") << QByteArray("\x01\xff\xfe garbage \x00 [", 16);
        QTest::newRow("empty") << QByteArray();
    }

    void unrecognisedSysIni()
    {
        QFETCH(QByteArray, content);
        auto foreign = camera(content, {"x.jpg"});
        auto good = camera(CameraIni, {"y.jpg"});
        QVERIFY(foreign && good);
        QString title;
        TestSupport::answerNextModal([&title](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            QCOMPARE(box->text(), QString("设备已失去连接!"));
            QCOMPARE(box->informativeText(), QString("请拔下USB数据线，重新连接并重新启动软件。"));
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Yes));
            box->button(QMessageBox::Yes)->click();
        }, 10000);
        rescan();
        QCOMPARE(title, QString("相机断开连接"));
        // The scan went on with the next volume.
        QCOMPARE(groupTitles(), QStringList{"Q4815(" + good->root() + ")"});
        QCOMPARE(page->cameraFolders(), QStringList{good->dcim()});
        QVERIFY(!QFile::exists(copyPath()));
    }

    void volumeWithoutSysIniIsSkippedQuietly()
    {
        Volume stick;
        QVERIFY(stick.mount());
        QVERIFY(QDir(stick.dcim()).mkpath("sys.ini")); // a folder, not a file
        rescan();
        QVERIFY(tree()->isEmpty());
    }

    void cameraUnpluggedDuringScan()
    {
        auto cam = camera(CameraIni, {"a.jpg"});
        QVERIFY(cam);
        // Unplugged while the scan waits before it looks at the volumes.
        QTimer::singleShot(300, [&cam]() { cam->unmount(); });
        rescan();
        QVERIFY(tree()->isEmpty());
        QCOMPARE(list()->count(), 0);
    }

    void goneCameraFolderListsNothing()
    {
        auto cam = camera(CameraIni, {"a.jpg"});
        QVERIFY(cam);
        rescan();
        QCOMPARE(list()->count(), 1);
        cam->unmount();
        page->CurrentIndex(0);
        QCOMPARE(list()->count(), 0);
        QCOMPARE(page->currentFolder(), cam->dcim() + "/");
    }

    void pcAndCameraFoldersUncheckEachOther()
    {
        const QString album = albumFolderPath();
        QVERIFY(QDir(album).mkpath("pc"));
        QVERIFY(FixtureWriter::writeCameraPicture(album + "/pc/p.jpg", ArchiveTest::smallPicture()));
        QTest::mouseClick(page->findChild<QPushButton *>("pcUpData"), Qt::LeftButton);
        auto cam = camera(CameraIni, {"c.jpg"});
        QVERIFY(cam);
        rescan();
        QAbstractButton *cameraButton = tree()->itemAt(0)->buttonGroup()->button(0);
        QAbstractButton *pcButton = page->pcFolderButtons()->button(0);
        QVERIFY(cameraButton->isChecked());

        QTest::mouseClick(pcButton, Qt::LeftButton);
        QVERIFY(pcButton->isChecked());
        QVERIFY(!cameraButton->isChecked());
        QCOMPARE(int(page->currentSourceFlag()), -10);
        QCOMPARE(ArchiveTest::shownNames(list()), QStringList{"p.jpg"});

        QTest::mouseClick(cameraButton, Qt::LeftButton);
        QVERIFY(cameraButton->isChecked());
        QVERIFY(!pcButton->isChecked());
        QVERIFY(!pcButton->isCheckable());
        QCOMPARE(int(page->currentSourceFlag()), 0);
        QCOMPARE(ArchiveTest::shownNames(list()), QStringList{"c.jpg"});
        QVERIFY(QDir(album + "/pc").removeRecursively());
    }

    void scanAskedForDuringScanRunsAfterIt()
    {
        auto cam = camera(CameraIni, {"a.jpg"});
        QVERIFY(cam);
        int rescans = 0;
        QTimer::singleShot(300, [this, &rescans]() {
            ++rescans;
            rescan();
        });
        rescan();
        QCOMPARE(rescans, 1);
        QCOMPARE(groupTitles(), QStringList{"Q4815(" + cam->root() + ")"});
        QCOMPARE(page->cameraFolders().size(), 1);
    }
};

VELK_PRIVATE_MOUNT_TEST_MAIN(TestCameraScan, NamespaceMarker)

#include "tst_camerascan.moc"
