#include "testsupport.h"

#include "archivetesthelpers.h"
#include "thumbnailmaker.h"

#include <QImageReader>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include <unistd.h>

namespace {

const QDateTime BaseTime = QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);

// Mean absolute difference of two pictures of equal size, per channel.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return double(sum) / (3.0 * x.width() * x.height());
}

} // namespace

class TestThumbnailList : public QObject
{
    Q_OBJECT

private:
    ImageSys *page = nullptr;
    QTemporaryDir dir;

    QListWidget *list() const { return page->findChild<QListWidget *>("listWidget"); }
    QToolButton *tool(const char *name) const { return page->findChild<QToolButton *>(name); }
    QString folder(const QString &name) const
    {
        const QString path = dir.path() + "/" + name;
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        return path;
    }
    void scrollToEnd()
    {
        QMetaObject::invokeMethod(page, "on_valueChanged",
                                  Q_ARG(int, list()->verticalScrollBar()->maximum()));
    }
    QList<bool> fileButtonsEnabled() const
    {
        return {tool("toolButton_copy")->isEnabled(), tool("toolButton_cut")->isEnabled(),
                tool("toolButton_del")->isEnabled(), tool("toolButton_rename")->isEnabled()};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        page = ArchiveTest::startPage();
        QVERIFY(page);
    }

    void cleanupTestCase() { delete page; }

    void batchesWhileScrolling_data()
    {
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QList<int>>("countsAfterEachScroll");
        QTest::newRow("300") << 300 << QList<int>{128, 256, 300, 300};
        QTest::newRow("exactly 128") << 128 << QList<int>{128, 128};
        QTest::newRow("129") << 129 << QList<int>{128, 129, 129};
        QTest::newRow("none") << 0 << QList<int>{0, 0};
    }

    void batchesWhileScrolling()
    {
        QFETCH(int, pictures);
        QFETCH(QList<int>, countsAfterEachScroll);
        const QString path = folder("batches");
        // One written picture, hard-linked under the other names: the list
        // does not care that they share their content.
        const QString first = path + "/p000.jpg";
        if (pictures > 0)
            QVERIFY(FixtureWriter::writeCameraPicture(first, ArchiveTest::smallPicture()));
        for (int i = 1; i < pictures; ++i) {
            const QString name = path + QString("/p%1.jpg").arg(i, 3, 10, QChar('0'));
            QCOMPARE(::link(QFile::encodeName(first).constData(), QFile::encodeName(name).constData()), 0);
        }
        page->loadFolder(path + "/", -10);
        QCOMPARE(page->entries().size(), pictures);
        QCOMPARE(list()->count(), countsAfterEachScroll.first());
        QCOMPARE(page->loadedThumbnails(), countsAfterEachScroll.first());
        for (int i = 1; i < countsAfterEachScroll.size(); ++i) {
            scrollToEnd();
            QCOMPARE(list()->count(), countsAfterEachScroll.at(i));
            QCOMPARE(page->loadedThumbnails(), countsAfterEachScroll.at(i));
        }
    }

    void scrollFarFromEndLoadsNothing()
    {
        const QString path = folder("far");
        const QString first = path + "/p000.jpg";
        QVERIFY(FixtureWriter::writeCameraPicture(first, ArchiveTest::smallPicture()));
        for (int i = 1; i < 200; ++i)
            QCOMPARE(::link(QFile::encodeName(first).constData(),
                            QFile::encodeName(path + QString("/p%1.jpg").arg(i, 3, 10, QChar('0'))).constData()), 0);
        page->loadFolder(path, -10);
        QScrollBar *bar = list()->verticalScrollBar();
        QVERIFY(bar->maximum() > 151);
        QMetaObject::invokeMethod(page, "on_valueChanged", Q_ARG(int, bar->maximum() - 151));
        QCOMPARE(list()->count(), 128);
        QMetaObject::invokeMethod(page, "on_valueChanged", Q_ARG(int, bar->maximum() - 150));
        QCOMPARE(list()->count(), 200);
    }

    void orderNewestCaptureFirst_data()
    {
        // name, capture time (s after 1600000000), modification (s after BaseTime)
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("captureOffsets");
        QTest::addColumn<QList<int>>("modifiedOffsets");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("capture time, not modification")
            << QStringList{"a.jpg", "b.jpg", "c.jpg"} << QList<int>{10, 30, 20} << QList<int>{3, 2, 1}
            << QStringList{"b.jpg", "c.jpg", "a.jpg"};
        QTest::newRow("equal capture times keep newest modification first")
            << QStringList{"a.jpg", "b.jpg", "c.jpg", "d.jpg"} << QList<int>{5, 5, 5, 9}
            << QList<int>{1, 3, 2, 0} << QStringList{"d.jpg", "b.jpg", "c.jpg", "a.jpg"};
        QTest::newRow("equal capture and modification times go by name, case first")
            << QStringList{"c.jpg", "b.jpg", "B.jpg", "a.jpg", "z.jpg"} << QList<int>{5, 5, 5, 5, 4}
            << QList<int>{2, 2, 2, 2, 9} << QStringList{"B.jpg", "a.jpg", "b.jpg", "c.jpg", "z.jpg"};
        QTest::newRow("avi in the name sorts with capture time 0")
            << QStringList{"clip.avi.jpg", "x.jpg"} << QList<int>{99, 1} << QList<int>{5, 1}
            << QStringList{"x.jpg", "clip.avi.jpg"};
        QTest::newRow("spaces, non-Latin and long names")
            << QStringList{"with space.jpg", QString::fromUtf8("热像图.jpg"), QString(246, 'n') + ".jpg"}
            << QList<int>{1, 2, 3} << QList<int>{1, 2, 3}
            << QStringList{QString(246, 'n') + ".jpg", QString::fromUtf8("热像图.jpg"), "with space.jpg"};
    }

    void orderNewestCaptureFirst()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<int>, captureOffsets);
        QFETCH(QList<int>, modifiedOffsets);
        QFETCH(QStringList, expected);
        const QString path = folder("order");
        for (int i = 0; i < names.size(); ++i) {
            const QString file = path + "/" + names.at(i);
            const qint64 capture = (Q_INT64_C(1600000000) + captureOffsets.at(i)) * 1000;
            QVERIFY(FixtureWriter::writeCameraPicture(file, ArchiveTest::smallPicture(capture)));
            QVERIFY(ArchiveTest::setModified(file, BaseTime.addSecs(modifiedOffsets.at(i))));
        }
        page->loadFolder(path + "/", -10);
        QCOMPARE(ArchiveTest::shownNames(list()), expected);
    }

    void onlyCameraPicturesListed()
    {
        const QString path = folder("filter");
        const auto camera = ArchiveTest::smallPicture();
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/good.jpg", camera));
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/upper.JPG", camera));
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/picture.jpeg", camera));
        auto other = camera;
        other.cameraType = "Q4816";
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/othercamera.jpg", other));
        // A plain JPEG, an empty file and a camera picture cut short.
        QVERIFY(FixtureWriter::writeBytes(path + "/plain.jpg", FixtureWriter::makeJpeg(QSize(64, 48))));
        QVERIFY(FixtureWriter::writeBytes(path + "/empty.jpg", QByteArray()));
        const QByteArray whole = FixtureWriter::cameraPictureBytes(camera);
        QVERIFY(FixtureWriter::writeBytes(path + "/truncated.jpg", whole.left(whole.size() / 2)));
        QVERIFY(FixtureWriter::writeBitmap(path + "/still.bmp"));
        QVERIFY(QDir(path).mkpath("folder.jpg"));
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/locked.jpg", camera));
        QFile(path + "/locked.jpg").setPermissions(QFileDevice::Permissions());
        page->loadFolder(path, -10);
        QStringList expected{"good.jpg"};
        if (geteuid() == 0) // root reads a file without read permission
            expected << "locked.jpg";
        QStringList shown = ArchiveTest::shownNames(list());
        shown.sort();
        QCOMPARE(shown, expected);
    }

    void itemRoles()
    {
        const QString path = folder("roles");
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/one.jpg", ArchiveTest::smallPicture()));
        page->loadFolder(path + "/", -10);
        QCOMPARE(list()->count(), 1);
        QListWidgetItem *item = list()->item(0);
        QVERIFY(!item->icon().isNull());
        QCOMPARE(item->data(Qt::FontRole).value<QFont>().family(), QString("agency fb"));
        QCOMPARE(item->data(Qt::FontRole).value<QFont>().pointSize(), 11);
        QCOMPARE(item->text(), QString("one.jpg"));
        QCOMPARE(item->data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0, 255));
        QCOMPARE(item->sizeHint(), QSize(157, 130));
        QCOMPARE(item->data(Qt::WhatsThisRole).toString(), path + "/one.jpg");
        QCOMPARE(item->data(Qt::UserRole).toString(), QString("Q4815"));
        QCOMPARE(item->toolTip(), QString("one.jpg"));
        QCOMPARE(list()->viewMode(), QListView::IconMode);
        QCOMPARE(list()->iconSize(), QSize(157, 110));
        QCOMPARE(list()->movement(), QListView::Static);
    }

    void positiveSourceFlagListsNothing()
    {
        const QString path = folder("flag");
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/one.jpg", ArchiveTest::smallPicture()));
        page->loadFolder(path, -10);
        QCOMPARE(list()->count(), 1);
        page->loadFolder(path, 1);
        QCOMPARE(list()->count(), 0);
        QVERIFY(page->entries().isEmpty());
        page->loadFolder(path, 0);
        QCOMPARE(list()->count(), 1);
    }

    void missingOrVanishingFolder()
    {
        page->loadFolder(dir.path() + "/does-not-exist/", -10);
        QCOMPARE(list()->count(), 0);
        const QString path = folder("vanish");
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/one.jpg", ArchiveTest::smallPicture()));
        // Gone while the load lets events through.
        QTimer::singleShot(0, [path]() { QDir(path).removeRecursively(); });
        page->loadFolder(path, -10);
        QCOMPARE(list()->count(), 0);
    }

    void loadStartedDuringLoadWins()
    {
        const QString first = folder("first");
        const QString second = folder("second");
        QVERIFY(FixtureWriter::writeCameraPicture(first + "/a.jpg", ArchiveTest::smallPicture()));
        QVERIFY(FixtureWriter::writeCameraPicture(second + "/b.jpg", ArchiveTest::smallPicture()));
        QTimer::singleShot(0, page, [this, second]() { page->loadFolder(second, -10); });
        page->loadFolder(first, -10);
        QCOMPARE(ArchiveTest::shownNames(list()), QStringList{"b.jpg"});
    }

    void selectionButtons()
    {
        page->loadFolder(folder("empty"), -10);
        QCOMPARE(list()->count(), 0);
        const QList<bool> off{false, false, false, false};
        const QList<bool> on{true, true, true, true};
        QTest::mouseClick(tool("toolButton_all"), Qt::LeftButton);
        QCOMPARE(fileButtonsEnabled(), off);

        const QString path = folder("select");
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/a.jpg", ArchiveTest::smallPicture(1000)));
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/b.jpg", ArchiveTest::smallPicture(2000)));
        page->loadFolder(path, -10);
        QCOMPARE(fileButtonsEnabled(), off);
        QTest::mouseClick(tool("toolButton_all"), Qt::LeftButton);
        QCOMPARE(list()->selectedItems().size(), 2);
        QCOMPARE(fileButtonsEnabled(), on);
        QTest::mouseClick(tool("toolButton_allcancel"), Qt::LeftButton);
        QCOMPARE(list()->selectedItems().size(), 0);
        QCOMPARE(fileButtonsEnabled(), off);

        // Clicking an item enables them; ctrl-clicking it away disables them.
        const QPoint centre = list()->visualItemRect(list()->item(0)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(fileButtonsEnabled(), on);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier, centre);
        QCOMPARE(list()->selectedItems().size(), 0);
        QCOMPARE(fileButtonsEnabled(), off);
    }

    void doubleClickAsksForAnalysis()
    {
        const QString path = folder("double");
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/a.jpg", ArchiveTest::smallPicture()));
        page->loadFolder(path, -10);
        QSignalSpy spy(page, &ImageSys::imageSysAnalysis);
        QListWidgetItem *item = list()->item(0);
        const QPoint centre = list()->visualItemRect(item).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
        auto *name = page->findChild<QWidget *>("messName");
        QCOMPARE(name->property("mRawText").toString(), QString("a.jpg"));
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), path + "/a.jpg");
        QCOMPARE(spy.at(0).at(1).toString(), QString("Q4815"));
        // The details empty shortly after, not at once.
        QCOMPARE(name->property("mRawText").toString(), QString("a.jpg"));
        QTRY_COMPARE_WITH_TIMEOUT(name->property("mRawText").toString(), QString(), 1000);
        QCOMPARE(page->findChild<QWidget *>("messModificationTimeV")->property("mRawText").toString(),
                 QString());

        // A file that has vanished is not offered for analysis.
        QVERIFY(QFile::remove(path + "/a.jpg"));
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(spy.count(), 1);
    }

    void pictureThumbnail_data()
    {
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QSize>("thumbnailSize");
        QTest::newRow("4:3") << QSize(640, 480) << QSize(160, 120);
        QTest::newRow("wide") << QSize(400, 100) << QSize(160, 40);
        QTest::newRow("tall") << QSize(90, 360) << QSize(30, 120);
        QTest::newRow("small is enlarged") << QSize(80, 60) << QSize(160, 120);
    }

    void pictureThumbnail()
    {
        QFETCH(QSize, pictureSize);
        QFETCH(QSize, thumbnailSize);
        const QString path = folder("thumb") + "/p.jpg";
        auto spec = ArchiveTest::smallPicture();
        spec.previewSize = pictureSize;
        QVERIFY(FixtureWriter::writeCameraPicture(path, spec));
        const QImage thumbnail = ThumbnailMaker::picture(path).toImage();
        QCOMPARE(thumbnail.size(), thumbnailSize);
        // Decoding at the final size looks like decoding in full and scaling.
        const QImage reference = QImage(path).scaled(160, 120, Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation);
        QCOMPARE(reference.size(), thumbnailSize);
        QVERIFY2(meanDifference(thumbnail, reference) < 6.0,
                 qPrintable(QString::number(meanDifference(thumbnail, reference))));
    }

    void overlayMarks_data()
    {
        QTest::addColumn<bool>("soundNote");
        QTest::addColumn<bool>("qrText");
        QTest::newRow("none") << false << false;
        QTest::newRow("sound note") << true << false;
        QTest::newRow("qr text") << false << true;
        QTest::newRow("both") << true << true;
    }

    void overlayMarks()
    {
        QFETCH(bool, soundNote);
        QFETCH(bool, qrText);
        const QString path = folder("marks");
        auto spec = ArchiveTest::smallPicture();
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/plain.jpg", spec));
        if (soundNote) {
            spec.trailing = FixtureWriter::Trailing::SoundNote;
            spec.soundNoteBytes = 1000;
        }
        if (qrText)
            spec.qrText = "https://example.org/site";
        QVERIFY(FixtureWriter::writeCameraPicture(path + "/marked.jpg", spec));
        QImage expected = ThumbnailMaker::picture(path + "/plain.jpg").toImage();
        QVERIFY(!QImage(":images/Album/speaker.png").isNull());
        QVERIFY(!QImage(":images/Album/qrcode.png").isNull());
        {
            QPainter painter(&expected);
            if (soundNote)
                painter.drawImage(0, 0, QImage(":images/Album/speaker.png"));
            if (qrText)
                painter.drawImage(0, 0, QImage(":images/Album/qrcode.png"));
        }
        const QImage marked = ThumbnailMaker::picture(path + "/marked.jpg").toImage();
        QCOMPARE(marked.convertToFormat(QImage::Format_ARGB32),
                 expected.convertToFormat(QImage::Format_ARGB32));
    }

    void videoThumbnail()
    {
        const QString path = folder("video");
        FixtureWriter::VideoSpec spec;
        spec.frameSize = QSize(320, 240);
        QVERIFY(FixtureWriter::writeVideo(path + "/clip.avi", spec));
        spec.qrText = "qr";
        QVERIFY(FixtureWriter::writeVideo(path + "/qr.avi", spec));
        const QImage plain = ThumbnailMaker::video(path + "/clip.avi").toImage();
        QCOMPARE(plain.size(), QSize(160, 120));
        QVERIFY(!ThumbnailMaker::firstVideoFrame(path + "/clip.avi").isNull());
        QImage expected = plain;
        {
            QPainter painter(&expected);
            painter.drawImage(0, 0, QImage(":images/Album/qrcode.png"));
        }
        QCOMPARE(ThumbnailMaker::video(path + "/qr.avi").toImage().convertToFormat(QImage::Format_ARGB32),
                 expected.convertToFormat(QImage::Format_ARGB32));
    }

    void unreadableFilesShowThePlaceholder_data()
    {
        QTest::addColumn<int>("flag");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing picture") << 0 << QByteArray();
        QTest::newRow("missing video") << 2 << QByteArray();
        QTest::newRow("not a picture") << 0 << QByteArray("not a picture at all");
        QTest::newRow("not a video") << 2 << QByteArray("not a video at all");
    }

    void unreadableFilesShowThePlaceholder()
    {
        QFETCH(int, flag);
        QFETCH(QByteArray, content);
        const QString path = folder("bad") + "/bad.jpg";
        if (!content.isEmpty())
            QVERIFY(FixtureWriter::writeBytes(path, content));
        const QPixmap thumbnail = ThumbnailMaker::create(path, qint8(flag));
        QCOMPARE(thumbnail.toImage(), ThumbnailMaker::placeholder().toImage());
    }
};

VELK_TEST_MAIN(TestThumbnailList)
#include "tst_thumbnaillist.moc"
