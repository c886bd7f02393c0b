#include "testsupport.h"

#include "fixturewriter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

using namespace FixtureWriter;

class TestThermalInspect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fields_data();
    void fields();
    void missingFileDoesNotStopTheRest();
    void exportFiles();
    void usage_data();
    void usage();

private:
    struct Run {
        int status = -1;
        QList<QJsonObject> lines;
        QString err;
        QByteArray out;
    };
    Run run(const QStringList &args);
    QString m_binary;
    QTemporaryDir m_dir;
};

void TestThermalInspect::initTestCase()
{
    const QString buildDir = qEnvironmentVariable("VELK_BUILD_DIR");
    QVERIFY2(!buildDir.isEmpty(), "VELK_BUILD_DIR is not set");
    m_binary = buildDir + "/bin/thermal-inspect";
    QVERIFY2(QFileInfo(m_binary).isExecutable(), qPrintable(m_binary));
    QVERIFY(m_dir.isValid());
}

TestThermalInspect::Run TestThermalInspect::run(const QStringList &args)
{
    Run result;
    QProcess process;
    process.start(m_binary, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    for (const QByteArray &line : result.out.split('\n')) {
        if (!line.isEmpty())
            result.lines << QJsonDocument::fromJson(line).object();
    }
    return result;
}

void TestThermalInspect::fields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty: made by the fixture writer by name
    QTest::addColumn<QJsonObject>("expected"); // every key of the line

    CameraPictureSpec sound;
    sound.trailing = Trailing::SoundNote;
    sound.soundNoteBytes = 1000;
    sound.qrText = "QR";
    sound.remark = "Quote \" back\\slash\nline \xC3\xA4";
    sound.captureTimeMs = 0;
    sound.rawValue = [](int x, int y) { return 6000 + x + y; };
    QTest::newRow("picture with sound note") << "a.jpg" << cameraPictureBytes(sound)
        << QJsonObject{{"kind", "picture"}, {"cameraType", "Q4815"},
                       {"captureTimeMs", 0}, {"captureTimeUtc", "1970-01-01T00:00:00Z"},
                       {"resolution", "320x240"}, {"remark", QString::fromUtf8(sound.remark)},
                       {"hasQrText", true}, {"hasSoundNote", true},
                       {"photoWidth", 640}, {"photoHeight", 480},
                       {"irMin", 6000}, {"irMax", 6000 + 319 + 239}};

    CameraPictureSpec corrupt;
    corrupt.photo = "broken";
    corrupt.captureTimeMs = Q_INT64_C(1600000000000);
    corrupt.rawValue = [](int x, int) { return x == 5 ? -3 : 10; };
    QTest::newRow("corrupt photo") << "b.jpg" << cameraPictureBytes(corrupt)
        << QJsonObject{{"kind", "picture"}, {"cameraType", "Q4815"},
                       {"captureTimeMs", 1600000000000.0}, {"captureTimeUtc", "2020-09-13T12:26:40Z"},
                       {"resolution", "320x240"}, {"remark", "Pipe joint, north wall"},
                       {"hasQrText", false}, {"hasSoundNote", false},
                       {"photoWidth", 0}, {"photoHeight", 0},
                       {"irMin", 10}, {"irMax", -3}};

    QTest::newRow("not a camera picture") << "plain.jpg" << QByteArray("hello")
        << QJsonObject{{"kind", "picture"}, {"cameraType", ""},
                       {"captureTimeMs", 0}, {"captureTimeUtc", "1970-01-01T00:00:00Z"},
                       {"resolution", ""}, {"remark", ""},
                       {"hasQrText", false}, {"hasSoundNote", false},
                       {"photoWidth", 0}, {"photoHeight", 0},
                       {"irMin", 0}, {"irMax", 0}};
    QTest::newRow("empty picture") << "empty.jpg" << QByteArray()
        << QJsonObject{{"kind", "picture"}, {"cameraType", ""},
                       {"captureTimeMs", 0}, {"captureTimeUtc", "1970-01-01T00:00:00Z"},
                       {"resolution", ""}, {"remark", ""},
                       {"hasQrText", false}, {"hasSoundNote", false},
                       {"photoWidth", 0}, {"photoHeight", 0},
                       {"irMin", 0}, {"irMax", 0}};
    QTest::newRow("video") << "clip.avi" << QByteArray()
        << QJsonObject{{"kind", "video"}, {"hasQrText", true}};
    QTest::newRow("bitmap") << "shot.bmp" << QByteArray()
        << QJsonObject{{"kind", "bitmap"}, {"captureTimeMs", 1600000000000.0},
                       {"captureTimeUtc", "2020-09-13T12:26:40Z"}};
    QTest::newRow("other") << "notes.txt" << QByteArray("text")
        << QJsonObject{{"kind", "other"}};
}

void TestThermalInspect::fields()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QJsonObject, expected);
    const QString path = m_dir.filePath(name);
    if (name.endsWith(".avi")) {
        VideoSpec video;
        video.qrText = "QR";
        QVERIFY(writeVideo(path, video));
    } else if (name.endsWith(".bmp")) {
        QVERIFY(writeBitmap(path, BitmapSpec()));
    } else {
        QVERIFY(writeBytes(path, bytes));
    }

    const Run result = run({path});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.lines.size(), 1);
    expected.insert("file", path);
    QCOMPARE(result.lines.first(), expected);
    QVERIFY(result.out.startsWith("{\"file\":"));
}

void TestThermalInspect::missingFileDoesNotStopTheRest()
{
    const QString good = m_dir.filePath("good.jpg");
    QVERIFY(writeCameraPicture(good));
    const QString missing = m_dir.filePath("missing.jpg");
    const Run result = run({missing, good, m_dir.path()});
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains(missing), qPrintable(result.err));
    QVERIFY2(result.err.contains(m_dir.path() + ": not a regular file"), qPrintable(result.err));
    QCOMPARE(result.lines.size(), 1);
    QCOMPARE(result.lines.first().value("file").toString(), good);
    QCOMPARE(result.lines.first().value("cameraType").toString(), QString("Q4815"));
}

void TestThermalInspect::exportFiles()
{
    CameraPictureSpec spec;
    spec.photo = makeJpeg(QSize(50, 40), 7);
    spec.rawValue = [](int x, int y) { return x * 10 + y; };
    spec.trailing = Trailing::SoundNote;
    spec.soundNoteBytes = 12;
    const QString picture = m_dir.filePath("IMG_0007.jpg");
    QVERIFY(writeCameraPicture(picture, spec));
    const QString video = m_dir.filePath("clip2.avi");
    QVERIFY(writeVideo(video));
    const QString out = m_dir.filePath("export/sub");

    const Run result = run({"--export", out, picture, video});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.lines.size(), 2);

    QFile photo(out + "/IMG_0007.photo.jpg");
    QVERIFY(photo.open(QIODevice::ReadOnly));
    QCOMPARE(photo.readAll(), spec.photo);

    const QImage ir(out + "/IMG_0007.ir.png");
    QCOMPARE(ir.size(), QSize(320, 240));
    QCOMPARE(qGray(ir.pixel(0, 0)), 0);        // smallest value
    QCOMPARE(qGray(ir.pixel(319, 239)), 255);  // largest
    QCOMPARE(qGray(ir.pixel(160, 0)), 1600 * 255 / 3429);
    QVERIFY(ir.allGray());

    QFile csv(out + "/IMG_0007.ir.csv");
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = csv.readAll().split('\n');
    QCOMPARE(rows.size(), 241); // 240 lines ended by a newline
    QVERIFY(rows.last().isEmpty());
    for (int y : {0, 17, 239}) {
        const QList<QByteArray> values = rows.at(y).split(',');
        QCOMPARE(values.size(), 320);
        QCOMPARE(values.at(3).toInt(), 30 + y);
    }
    QCOMPARE(rows.at(239).split(',').last(), QByteArray("3429"));

    QVERIFY(!QFile::exists(out + "/clip2.ir.png")); // only pictures are exported
}

void TestThermalInspect::usage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stdoutHas");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--export DIR";
    QTest::newRow("-h") << QStringList{"-h"} << 0 << "irMin";
    QTest::newRow("no file") << QStringList{} << 2 << "";
    QTest::newRow("export without folder") << QStringList{"--export"} << 2 << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate", "x.jpg"} << 2 << "";
}

void TestThermalInspect::usage()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, stdoutHas);
    const Run result = run(args);
    QCOMPARE(result.status, status);
    if (status == 0)
        QVERIFY(QString::fromUtf8(result.out).contains(stdoutHas));
    else
        QVERIFY(!result.err.isEmpty());
}

VELK_TEST_MAIN(TestThermalInspect)
#include "tst_thermalinspect.moc"
