#include "testsupport.h"

#include "archivetesthelpers.h"
#include "dynamiclabel.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include <ctime>

class TestDetailsPanel : public QObject
{
    Q_OBJECT

private:
    ImageSys *page = nullptr;
    QTemporaryDir dir;

    QString value(const char *name) const
    {
        return page->findChild<DynamicLabel *>(name)->rawText();
    }
    QSize pixmapSize(const char *name) const
    {
        const QPixmap pixmap = page->findChild<QLabel *>(name)->pixmap(Qt::ReturnByValue);
        return pixmap.isNull() ? QSize() : pixmap.size();
    }
    // An item as the list makes it, for any file.
    QListWidgetItem *itemFor(const QString &path)
    {
        auto *item = new QListWidgetItem(QFileInfo(path).fileName());
        item->setData(Qt::WhatsThisRole, path);
        item->setData(Qt::UserRole, QString("Q4815"));
        page->findChild<QListWidget *>("listWidget")->addItem(item);
        return item;
    }
    void click(QListWidgetItem *item)
    {
        QMetaObject::invokeMethod(page, "folderPC_message", Q_ARG(QListWidgetItem *, item));
    }
    void reset()
    {
        page->findChild<QListWidget *>("listWidget")->clear();
        // Loading any folder empties the panel.
        page->loadFolder(dir.path() + "/none", -10);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        page = ArchiveTest::startPage();
        QVERIFY(page);
    }

    void cleanupTestCase() { delete page; }
    void init() { reset(); }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QColor>("colour");
        const QColor grey(153, 153, 153);
        const QColor dark(51, 51, 51);
        QTest::newRow("messNameN") << "messNameN" << "名称" << 129 << grey;
        QTest::newRow("messFlieResizeN") << "messFlieResizeN" << "文件大小" << 128 << grey;
        QTest::newRow("messResolutionN") << "messResolutionN" << "红外分辨率" << 128 << grey;
        QTest::newRow("messCreationTimeN") << "messCreationTimeN" << "拍摄时间" << 129 << grey;
        QTest::newRow("messModificationTimeN") << "messModificationTimeN" << "修改时间" << 129 << grey;
        QTest::newRow("messMedackN") << "messMedackN" << "备注" << 129 << grey;
        for (const char *v : {"messName", "messFlieResizeV", "messResolutionV", "messCreationTimeV",
                              "messModificationTimeV", "messMedackV"})
            QTest::newRow(v) << v << "" << 130 << dark;
    }

    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, alignment);
        QFETCH(QColor, colour);
        auto *label = page->findChild<DynamicLabel *>(name);
        QVERIFY(label);
        QCOMPARE(label->rawText(), text);
        QCOMPARE(int(label->alignment()), alignment);
        QCOMPARE(label->textColor(), colour);
        QCOMPARE(label->font().family(), QString("PingFang SC"));
        QCOMPARE(label->font().pointSize(), 10);
        if (!name.endsWith('N'))
            QCOMPARE(label->minimumHeight(), 36);
    }

    void cameraPictureFillsEveryRow()
    {
        const QString path = dir.path() + "/1.jpg";
        auto spec = ArchiveTest::smallPicture(Q_INT64_C(1600000000000));
        spec.photoSize = QSize(640, 480);
        spec.remark = "north wall";
        spec.resolution = "320x240";
        QVERIFY(FixtureWriter::writeCameraPicture(path, spec));
        click(itemFor(path));
        QCOMPARE(value("messName"), QString("1.jpg"));
        QCOMPARE(value("messFlieResizeV"), QString::number(QFileInfo(path).size() / 1024) + "KB");
        QCOMPARE(value("messResolutionV"), QString("320x240"));
        QCOMPARE(value("messCreationTimeV"), QString("2020-09-13 12:26:40"));
        QCOMPARE(value("messModificationTimeV"),
                 QFileInfo(path).lastModified().toString("yyyy-MM-dd hh:mm:ss"));
        QCOMPARE(value("messMedackV"), QString("north wall"));
        QCOMPARE(pixmapSize("tImage"), QSize(200, 150));
        QCOMPARE(pixmapSize("rImage"), QSize(200, 150));
    }

    void captureTimeInUtcModificationInLocalTime_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("UTC") << QByteArray("UTC");
        QTest::newRow("Tokyo") << QByteArray("Asia/Tokyo");
        QTest::newRow("New York") << QByteArray("America/New_York");
    }

    void captureTimeInUtcModificationInLocalTime()
    {
        QFETCH(QByteArray, zone);
        const QByteArray oldZone = qgetenv("TZ");
        qputenv("TZ", zone);
        tzset();
        const QString path = dir.path() + "/t.jpg";
        QVERIFY(FixtureWriter::writeCameraPicture(path, ArchiveTest::smallPicture(Q_INT64_C(1600000000000))));
        const QDateTime modified(QDate(2023, 1, 2), QTime(3, 4, 5), Qt::UTC);
        QVERIFY(ArchiveTest::setModified(path, modified));
        click(itemFor(path));
        const QString created = value("messCreationTimeV");
        const QString changed = value("messModificationTimeV");
        qputenv("TZ", oldZone);
        tzset();
        QCOMPARE(created, QString("2020-09-13 12:26:40"));
        const QHash<QByteArray, QString> local{{"UTC", "2023-01-02 03:04:05"},
                                               {"Asia/Tokyo", "2023-01-02 12:04:05"},
                                               {"America/New_York", "2023-01-01 22:04:05"}};
        QCOMPARE(changed, local.value(zone));
    }

    void fileSizeInWholeKilobytes_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << 0 << "0KB";
        QTest::newRow("1023") << 1023 << "0KB";
        QTest::newRow("1024") << 1024 << "1KB";
        QTest::newRow("2048") << 2048 << "2KB";
        QTest::newRow("2047") << 2047 << "1KB";
    }

    void fileSizeInWholeKilobytes()
    {
        QFETCH(int, bytes);
        QFETCH(QString, shown);
        // Not a ".jpg": name, size and modification time only.
        const QString path = dir.path() + "/data.bin";
        QVERIFY(FixtureWriter::writeBytes(path, QByteArray(bytes, 'x')));
        click(itemFor(path));
        QCOMPARE(value("messName"), QString("data.bin"));
        QCOMPARE(value("messFlieResizeV"), shown);
        QVERIFY(!value("messModificationTimeV").isEmpty());
        QCOMPARE(value("messResolutionV"), QString());
        QCOMPARE(pixmapSize("tImage"), QSize());
    }

    void undecodablePhotoStopsAfterInfrared()
    {
        const QString path = dir.path() + "/nophoto.jpg";
        auto spec = ArchiveTest::smallPicture();
        spec.photo = QByteArray("these bytes are no JPEG");
        QVERIFY(FixtureWriter::writeCameraPicture(path, spec));
        click(itemFor(path));
        QCOMPARE(value("messName"), QString("nophoto.jpg"));
        QCOMPARE(pixmapSize("tImage"), QSize(200, 150));
        QCOMPARE(pixmapSize("rImage"), QSize());
        QCOMPARE(value("messResolutionV"), QString());
        QCOMPARE(value("messCreationTimeV"), QString());
        QCOMPARE(value("messMedackV"), QString());
    }

    void sameFileIsNotReadAgain()
    {
        const QString first = dir.path() + "/1.jpg";
        const QString other = dir.path() + "/21.jpg";
        auto spec = ArchiveTest::smallPicture();
        spec.remark = "first remark";
        QVERIFY(FixtureWriter::writeCameraPicture(first, spec));
        spec.remark = "other remark";
        QVERIFY(FixtureWriter::writeCameraPicture(other, spec));
        QListWidgetItem *firstItem = itemFor(first);
        click(firstItem);
        QCOMPARE(value("messMedackV"), QString("first remark"));
        // Changed on disk: the shown file is not read again on a second click.
        spec.remark = "changed remark";
        QVERIFY(FixtureWriter::writeCameraPicture(first, spec));
        click(firstItem);
        QCOMPARE(value("messMedackV"), QString("first remark"));
        click(itemFor(other));
        QCOMPARE(value("messName"), QString("21.jpg"));
        QCOMPARE(value("messMedackV"), QString("other remark"));
    }

    void vanishedFileLeavesPanelEmptyButEnablesButtons()
    {
        const QString path = dir.path() + "/gone.jpg";
        QVERIFY(FixtureWriter::writeCameraPicture(path, ArchiveTest::smallPicture()));
        QListWidgetItem *item = itemFor(path);
        QVERIFY(QFile::remove(path));
        QVERIFY(!page->findChild<QToolButton *>("toolButton_copy")->isEnabled());
        click(item);
        for (const char *name : {"messName", "messFlieResizeV", "messModificationTimeV"})
            QCOMPARE(value(name), QString());
        for (const char *name : {"toolButton_copy", "toolButton_cut", "toolButton_del", "toolButton_rename"})
            QVERIFY(page->findChild<QToolButton *>(name)->isEnabled());
    }
};

VELK_TEST_MAIN(TestDetailsPanel)
#include "tst_detailspanel.moc"
