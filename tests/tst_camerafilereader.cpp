#include "testsupport.h"

#include "camerafilereader.h"
#include "fixturewriter.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

using namespace FixtureWriter;

Q_DECLARE_METATYPE(FileKind)

namespace {

QByteArray int32BE(qint32 v)
{
    QByteArray b(4, '\0');
    qToBigEndian(v, reinterpret_cast<uchar *>(b.data()));
    return b;
}

// Replaces the 4 bytes at `at` (negative: from the end) with v, big-endian.
QByteArray patched(QByteArray bytes, int at, qint32 v)
{
    if (at < 0)
        at += bytes.size();
    bytes.replace(at, 4, int32BE(v));
    return bytes;
}

// The listing's combined read must give what the two separate reads give.
bool typeAndTimeAgree(QFile &file)
{
    qint64 time = -7;
    const QString type = CameraFileReader::readCameraTypeAndTime(file, &time);
    return type == CameraFileReader::readCameraType(file, CameraPicture)
        && time == CameraFileReader::readCaptureTime(file, CameraPicture);
}

} // namespace

class TestCameraFileReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void kindForName_data();
    void kindForName();
    void locateField_data();
    void locateField();
    void realisticPicture();
    void trailingBlock_data();
    void trailingBlock();
    void cameraTypeText_data();
    void cameraTypeText();
    void captureTime_data();
    void captureTime();
    void bitmapCaptureTime();
    void videoFields();
    void greyMapping_data();
    void greyMapping();
    void framePartlyBeforeFileStart();
    void photoBytes_data();
    void photoBytes();
    void hostileFiles_data();
    void hostileFiles();
    void truncatedPicture_data();
    void truncatedPicture();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
    QByteArray m_picture; // the default fixture
};

void TestCameraFileReader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_picture = cameraPictureBytes();
}

QString TestCameraFileReader::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    if (!writeBytes(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestCameraFileReader::kindForName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::newRow("picture") << "/x/IMG_0001.jpg" << 0;
    QTest::newRow("video") << "clip.avi" << 1;
    QTest::newRow("bitmap") << "shot.bmp" << 2;
    QTest::newRow("video wins over jpg") << "clip.avi.jpg" << 1;
    QTest::newRow("jpg wins over bmp") << "a.bmp.jpg" << 0;
    QTest::newRow("case-sensitive") << "IMG.JPG" << -1;
    QTest::newRow("folder name ignored") << "/d.jpg/notes.txt" << -1;
    QTest::newRow("other") << "readme.txt" << -1;
}

void TestCameraFileReader::kindForName()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QCOMPARE(int(CameraFileReader::fileKindForName(name)), kind);
}

void TestCameraFileReader::locateField_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint32>("n");
    QTest::addColumn<qint64>("expected"); // with S = 1000, distance = 48
    QTest::newRow("picture N=0") << 0 << 0 << qint64(1000 - 4 - 48);
    QTest::newRow("picture N=100") << 0 << 100 << qint64(1000 - 4 - 100 - 48);
    QTest::newRow("picture N negative") << 0 << -20 << qint64(1000 - 4 + 20 - 48);
    QTest::newRow("video") << 1 << 100 << qint64(1000 - 48);
    QTest::newRow("bitmap") << 2 << 100 << qint64(1000 - 48 - 4);
    QTest::newRow("other code") << 7 << 100 << qint64(1000 - 48);
}

void TestCameraFileReader::locateField()
{
    QFETCH(int, kind);
    QFETCH(qint32, n);
    QFETCH(qint64, expected);
    QFile file(write("locate.jpg", patched(QByteArray(1000, 'x'), -4, n)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(CameraFileReader::locateField(file, 48, FileKind(kind)), expected);
}

void TestCameraFileReader::realisticPicture()
{
    QFile file(write("real.jpg", m_picture));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.size() > 650000 && file.size() < 800000);
    QCOMPARE(CameraFileReader::readCameraType(file, CameraPicture), QString("Q4815"));
    QCOMPARE(CameraFileReader::readCaptureTime(file, CameraPicture), Q_INT64_C(1600000000000));
    QCOMPARE(CameraFileReader::readResolutionText(file), QString("320x240"));
    QCOMPARE(CameraFileReader::readRemarkText(file), QString("Pipe joint, north wall"));
    QCOMPARE(CameraFileReader::hasQrText(file, CameraPicture), false);
    QCOMPARE(CameraFileReader::hasSoundNote(file), false);

    const QImage photo = CameraFileReader::readVisiblePhoto(file);
    QCOMPARE(photo.size(), QSize(640, 480));

    const QVector<qint32> raw = CameraFileReader::readInfraredRawValues(file);
    QCOMPARE(raw.size(), 76800);
    QCOMPARE(raw[0], defaultRawValue(0, 0));
    QCOMPARE(raw[5 * 320 + 7], defaultRawValue(7, 5));
    QCOMPARE(raw[76799], defaultRawValue(319, 239));

    const QImage ir = CameraFileReader::readInfraredImage(file);
    QCOMPARE(ir.size(), QSize(320, 240));
    QCOMPARE(ir.format(), QImage::Format_RGB888);
    QCOMPARE(ir.bytesPerLine(), 960);
    const auto [lo, hi] = std::minmax_element(raw.begin(), raw.end());
    const QPoint coldest((lo - raw.begin()) % 320, (lo - raw.begin()) / 320);
    const QPoint hottest((hi - raw.begin()) % 320, (hi - raw.begin()) / 320);
    QCOMPARE(ir.pixel(coldest), qRgb(0, 0, 0));
    QCOMPARE(ir.pixel(hottest), qRgb(255, 255, 255));
}

void TestCameraFileReader::trailingBlock_data()
{
    QTest::addColumn<int>("trailing");
    QTest::addColumn<int>("soundBytes");
    QTest::addColumn<int>("storedLength"); // -1: the true L
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("sound");
    QTest::newRow("none, N=0") << int(Trailing::None) << 0 << -1 << 0 << false;
    QTest::newRow("sound note of 1000") << int(Trailing::SoundNote) << 1000 << -1 << 1004 << true;
    QTest::newRow("999 stored for 1000") << int(Trailing::SoundNote) << 1000 << 999 << 1004 << false;
    QTest::newRow("empty sound note") << int(Trailing::SoundNote) << 0 << -1 << 4 << true;
    QTest::newRow("arbitrary block") << int(Trailing::Arbitrary) << 0 << -1 << 37 << false;
}

void TestCameraFileReader::trailingBlock()
{
    QFETCH(int, trailing);
    QFETCH(int, soundBytes);
    QFETCH(int, storedLength);
    QFETCH(int, n);
    QFETCH(bool, sound);

    CameraPictureSpec spec;
    spec.trailing = Trailing(trailing);
    spec.soundNoteBytes = soundBytes;
    if (storedLength >= 0)
        spec.soundNoteLengthOverride = storedLength;
    spec.trailingBlock = QByteArray(37, '\x7F');
    spec.photoSize = QSize(64, 48);
    spec.qrText = "https://example.org/q";
    const QByteArray bytes = cameraPictureBytes(spec);
    QCOMPARE(qFromBigEndian<qint32>(bytes.constData() + bytes.size() - 4), n);

    QFile file(write("trailing.jpg", bytes));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(CameraFileReader::hasSoundNote(file), sound);
    // The block's fields move with N.
    QCOMPARE(CameraFileReader::locateField(file, 48, CameraPicture), file.size() - 4 - n - 48);
    QCOMPARE(CameraFileReader::readCaptureTime(file, CameraPicture), spec.captureTimeMs);
    QCOMPARE(CameraFileReader::readCameraType(file, CameraPicture), QString("Q4815"));
    QVERIFY(typeAndTimeAgree(file));
    QCOMPARE(CameraFileReader::readResolutionText(file), QString("320x240"));
    QCOMPARE(CameraFileReader::readRemarkText(file), QString("Pipe joint, north wall"));
    QCOMPARE(CameraFileReader::hasQrText(file, CameraPicture), true);
    QCOMPARE(CameraFileReader::readVisiblePhoto(file).size(), QSize(64, 48));
    QCOMPARE(CameraFileReader::readInfraredRawValues(file).at(321), defaultRawValue(1, 1));
}

void TestCameraFileReader::cameraTypeText_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Q4815 and 5 zeros") << QByteArray("Q4815") << "Q4815";
    QTest::newRow("10 bytes, no zero") << QByteArray("Q4815ABCDE") << "Q4815ABCDE";
    QTest::newRow("longer text is cut") << QByteArray("Q4815ABCDEFGH") << "Q4815ABCDE";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("zero inside") << QByteArray("Q4\0" "815", 6) << "Q4";
    QTest::newRow("UTF-8") << QByteArray("K\xC3\xA4lte") << QString::fromUtf8("K\xC3\xA4lte");
}

void TestCameraFileReader::cameraTypeText()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);
    CameraPictureSpec spec;
    spec.cameraType = stored;
    spec.resolution = "ABCDEFGHIJ"; // 10 bytes without a zero, up to T
    spec.trailing = Trailing::SoundNote;
    spec.soundNoteBytes = 10;
    QFile file(write("type.jpg", cameraPictureBytes(spec)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(CameraFileReader::readCameraType(file, CameraPicture), expected);
    QVERIFY(typeAndTimeAgree(file));
    QCOMPARE(CameraFileReader::readResolutionText(file), QString("ABCDEFGHIJ"));
}

void TestCameraFileReader::captureTime_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("utc");
    QTest::newRow("epoch") << qint64(0) << "1970-01-01 00:00:00";
    QTest::newRow("1 600 000 000 000") << Q_INT64_C(1600000000000) << "2020-09-13 12:26:40";
    QTest::newRow("before 1970") << qint64(-1000) << "1969-12-31 23:59:59";
    QTest::newRow("all bytes used") << Q_INT64_C(0x0102030405060708) << QString();
}

void TestCameraFileReader::captureTime()
{
    QFETCH(qint64, ms);
    QFETCH(QString, utc);
    CameraPictureSpec spec;
    spec.captureTimeMs = ms;
    QFile file(write("time.jpg", cameraPictureBytes(spec)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const qint64 read = CameraFileReader::readCaptureTime(file, CameraPicture);
    QCOMPARE(read, ms);
    if (!utc.isEmpty())
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(read, Qt::UTC).toString("yyyy-MM-dd HH:mm:ss"), utc);
}

void TestCameraFileReader::bitmapCaptureTime()
{
    BitmapSpec spec;
    spec.captureTimeSeconds = 1600000000;
    const QString path = m_dir.filePath("shot.bmp");
    QVERIFY(writeBitmap(path, spec));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(CameraFileReader::readCaptureTime(file, BitmapFile), Q_INT64_C(1600000000000));
    // The same bytes as a picture would be read big-endian elsewhere.
    QVERIFY(CameraFileReader::readCaptureTime(file, CameraPicture) != Q_INT64_C(1600000000000));
    QVERIFY(!QImage(path).isNull());
}

void TestCameraFileReader::videoFields()
{
    VideoSpec spec;
    spec.qrText = "QR";
    const QString withQr = m_dir.filePath("qr.avi");
    QVERIFY(writeVideo(withQr, spec));
    spec.qrText.clear();
    const QString withoutQr = m_dir.filePath("plain.avi");
    QVERIFY(writeVideo(withoutQr, spec));

    QFile file(withQr);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.seek(123));
    QCOMPARE(CameraFileReader::readCaptureTime(file, VideoFile), qint64(0));
    QCOMPARE(file.pos(), qint64(123)); // nothing was read
    QCOMPARE(CameraFileReader::readCaptureTime(file, FileKind(9)), qint64(0));
    QCOMPARE(file.pos(), qint64(123));
    QCOMPARE(CameraFileReader::hasQrText(file, VideoFile), true);

    QFile plain(withoutQr);
    QVERIFY(plain.open(QIODevice::ReadOnly));
    QCOMPARE(CameraFileReader::hasQrText(plain, VideoFile), false);
}

void TestCameraFileReader::greyMapping_data()
{
    // Pixel 0 and pixel 1 hold a and b, every other pixel holds rest.
    QTest::addColumn<qint32>("a");
    QTest::addColumn<qint32>("b");
    QTest::addColumn<qint32>("rest");
    QTest::addColumn<int>("greyA");
    QTest::addColumn<int>("greyB");
    QTest::addColumn<int>("greyRest");
    QTest::newRow("spread") << 100 << 200 << 150 << 0 << 255 << 127;
    QTest::newRow("all equal: black") << 5000 << 5000 << 5000 << 0 << 0 << 0;
    QTest::newRow("all zero: black") << 0 << 0 << 0 << 0 << 0 << 0;
    // -1 is the largest value as unsigned; only its low 16 bits are mapped.
    QTest::newRow("negative is largest") << -1 << 0 << 0 << 0 << 0 << 0;
    // min 0x10000: the low 16 bits wrap below min; low 8 bits of g are kept.
    QTest::newRow("wrap above 16 bits") << 0x10000 << 0x10100 << 0x10080 << 0 << 255 << 127;
    QTest::newRow("low 8 bits of g") << 0x10000 << 0x20000 << 0x1FFFF << 1 << 1 << 255;
}

void TestCameraFileReader::greyMapping()
{
    QFETCH(qint32, a);
    QFETCH(qint32, b);
    QFETCH(qint32, rest);
    QFETCH(int, greyA);
    QFETCH(int, greyB);
    QFETCH(int, greyRest);
    CameraPictureSpec spec;
    spec.photoSize = QSize(16, 16);
    spec.rawValue = [=](int x, int y) { return y == 0 && x == 0 ? a : y == 0 && x == 1 ? b : rest; };
    QFile file(write("grey.jpg", cameraPictureBytes(spec)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QImage ir = CameraFileReader::readInfraredImage(file);
    QCOMPARE(ir.pixel(0, 0), qRgb(greyA, greyA, greyA));
    QCOMPARE(ir.pixel(1, 0), qRgb(greyB, greyB, greyB));
    QCOMPARE(ir.pixel(319, 239), qRgb(greyRest, greyRest, greyRest));
}

void TestCameraFileReader::framePartlyBeforeFileStart()
{
    // Drop everything before the frame and the first 100 records, plus 6
    // bytes of record 100: its raw value keeps only its last 2 bytes.
    CameraPictureSpec spec;
    spec.rawValue = [](int x, int y) { return 0x12340000 + y * 320 + x; };
    const QByteArray full = cameraPictureBytes(spec);
    const int frameStart = full.size() - 4 - 618458;
    QFile file(write("cut.jpg", full.mid(frameStart + 100 * 8 + 6)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QVector<qint32> raw = CameraFileReader::readInfraredRawValues(file);
    QCOMPARE(raw[0], 0);
    QCOMPARE(raw[99], 0);
    QCOMPARE(raw[100], 100);
    QCOMPARE(raw[101], 0x12340000 + 101);
    QCOMPARE(raw[76799], 0x12340000 + 76799);
    QCOMPARE(CameraFileReader::readCameraType(file, CameraPicture), QString("Q4815"));
    QVERIFY(CameraFileReader::readVisiblePhoto(file).isNull());
}

void TestCameraFileReader::photoBytes_data()
{
    QTest::addColumn<QByteArray>("photo");
    QTest::addColumn<bool>("decodes");
    QTest::newRow("JPEG") << makeJpeg(QSize(40, 30)) << true;
    QTest::newRow("corrupt bytes") << QByteArray("this is not a JPEG at all") << false;
    QTest::newRow("PNG is not taken") << [] {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(8, 8, QImage::Format_RGB32).save(&buffer, "PNG");
        return png;
    }() << false;
    QTest::newRow("huge declared size") << [] {
        // A valid header claiming 65000 x 65000 pixels, then nothing.
        QByteArray jpeg = makeJpeg(QSize(8, 8));
        const int sof = jpeg.indexOf("\xFF\xC0");
        jpeg[sof + 5] = char(0xFD); jpeg[sof + 6] = char(0xE8);
        jpeg[sof + 7] = char(0xFD); jpeg[sof + 8] = char(0xE8);
        return jpeg;
    }() << false;
}

void TestCameraFileReader::photoBytes()
{
    QFETCH(QByteArray, photo);
    QFETCH(bool, decodes);
    CameraPictureSpec spec;
    spec.photo = photo;
    QFile file(write("photo.jpg", cameraPictureBytes(spec)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(CameraFileReader::readVisiblePhotoBytes(file), photo);
    QCOMPARE(!CameraFileReader::readVisiblePhoto(file).isNull(), decodes);
}

void TestCameraFileReader::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("cameraType"); // what the bytes at the moved offset hold
    const QByteArray good = cameraPictureBytes([] {
        CameraPictureSpec s;
        s.photoSize = QSize(32, 32);
        return s;
    }());
    const int mAt = good.size() - 4 - 618462;
    const int photoBytes = qFromBigEndian<qint32>(good.constData() + mAt);
    const int prefixAt = mAt - photoBytes - 4;

    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("3 bytes") << QByteArray("abc") << "";
    QTest::newRow("only N") << int32BE(0) << "";
    QTest::newRow("N = INT_MIN") << patched(good, -4, std::numeric_limits<qint32>::min()) << "";
    QTest::newRow("N = INT_MAX") << patched(good, -4, std::numeric_limits<qint32>::max()) << "";
    QTest::newRow("N = -4") << patched(good, -4, -4) << "5"; // T = S
    QTest::newRow("N = -1") << patched(good, -4, -1) << "4815";
    QTest::newRow("N = file size") << patched(good, -4, good.size()) << "";
    QTest::newRow("N = file size - 4") << patched(good, -4, good.size() - 4) << "";
    QTest::newRow("M = INT_MAX") << patched(good, mAt, std::numeric_limits<qint32>::max()) << "Q4815";
    QTest::newRow("M = INT_MIN") << patched(good, mAt, std::numeric_limits<qint32>::min()) << "Q4815";
    QTest::newRow("M = -618466") << patched(good, mAt, -618466) << "Q4815";
    QTest::newRow("M = -1") << patched(good, mAt, -1) << "Q4815";
    QTest::newRow("prefix = 0xFFFFFFFF") << patched(good, prefixAt, -1) << "Q4815";
    QTest::newRow("prefix = INT_MAX") << patched(good, prefixAt, std::numeric_limits<qint32>::max()) << "Q4815";
    QTest::newRow("prefix = file size") << patched(good, prefixAt, good.size()) << "Q4815";
    QTest::newRow("prefix one past end") << patched(good, prefixAt, good.size() - prefixAt - 3) << "Q4815";
    QTest::newRow("sound note L = INT_MAX") << [] {
        CameraPictureSpec s;
        s.trailing = Trailing::SoundNote;
        s.soundNoteBytes = 4;
        s.soundNoteLengthOverride = std::numeric_limits<qint32>::max();
        s.trailingCountOverride = std::numeric_limits<qint32>::min() + 3;
        return cameraPictureBytes(s);
    }() << "";
}

void TestCameraFileReader::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, cameraType);
    QFile file(write("hostile.jpg", bytes));
    QVERIFY(file.open(QIODevice::ReadOnly));

    QCOMPARE(CameraFileReader::readCameraType(file, CameraPicture), cameraType);
    QVERIFY(typeAndTimeAgree(file));
    CameraFileReader::readCaptureTime(file, CameraPicture);
    CameraFileReader::readCaptureTime(file, BitmapFile);
    CameraFileReader::readResolutionText(file);
    CameraFileReader::readRemarkText(file);
    CameraFileReader::hasQrText(file, CameraPicture);
    CameraFileReader::hasQrText(file, VideoFile);
    CameraFileReader::hasSoundNote(file);
    const QImage ir = CameraFileReader::readInfraredImage(file);
    QCOMPARE(ir.size(), QSize(320, 240));
    const QByteArray photo = CameraFileReader::readVisiblePhotoBytes(file);
    QVERIFY(photo.size() <= bytes.size());
    CameraFileReader::readVisiblePhoto(file);
    if (bytes.size() < 4) {
        QCOMPARE(CameraFileReader::readCaptureTime(file, CameraPicture), qint64(0));
        QCOMPARE(CameraFileReader::hasSoundNote(file), false);
        QCOMPARE(CameraFileReader::hasQrText(file, CameraPicture), false);
        QVERIFY(photo.isEmpty());
        QCOMPARE(ir.pixel(0, 0), qRgb(0, 0, 0));
    }
}

void TestCameraFileReader::truncatedPicture_data()
{
    QTest::addColumn<int>("keep");
    for (int keep : {1, 4, 52, 2000, 5000, 100000, 620000, 650000})
        QTest::newRow(qPrintable(QString::number(keep))) << keep;
}

void TestCameraFileReader::truncatedPicture()
{
    // The start or the end of a picture is missing: defined values, no crash.
    QFETCH(int, keep);
    for (const QByteArray &bytes : {m_picture.left(keep), m_picture.right(keep)}) {
        QFile file(write("truncated.jpg", bytes));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(typeAndTimeAgree(file));
        CameraFileReader::readRemarkText(file);
        CameraFileReader::hasSoundNote(file);
        QCOMPARE(CameraFileReader::readInfraredImage(file).size(), QSize(320, 240));
        QVERIFY(CameraFileReader::readVisiblePhotoBytes(file).size() <= bytes.size());
        CameraFileReader::readVisiblePhoto(file);
    }
}

VELK_TEST_MAIN(TestCameraFileReader)
#include "tst_camerafilereader.moc"
