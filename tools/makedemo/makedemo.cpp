// Writes a demo album and a folder that looks like the camera's volume, so
// the program can be tried without a camera:
//   makedemo HOME CAMERA
// HOME receives Documents/VELKThermal/Users Files/<folders>, CAMERA receives
// DCIM/sys.ini and the camera's pictures, a video and a bitmap.

#include "fixturewriter.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

using Field = std::function<double(int x, int y)>;

// Smooth warm spot: 1 at the centre, falling off with the given radii.
double blob(double x, double y, double cx, double cy, double rx, double ry)
{
    const double dx = (x - cx) / rx;
    const double dy = (y - cy) / ry;
    return qExp(-(dx * dx + dy * dy));
}

// A mug of hot tea on a table, steam rising.
double cupScene(int x, int y, double shift)
{
    double t = 0.15 * y / 240.0;                                  // room gradient
    if (y > 170)
        t += 0.08;                                                // table top
    const double cx = 150 + shift;
    if (qAbs(x - cx) < 42 && y > 95 && y < 185)
        t = qMax(t, 0.78 + 0.12 * (1.0 - qAbs(x - cx) / 42.0));   // the mug
    const double handle = qAbs(qSqrt((x - cx - 52) * (x - cx - 52) + (y - 140.0) * (y - 140.0)) - 18);
    if (handle < 5 && x > cx + 40)
        t = qMax(t, 0.55);
    t = qMax(t, 0.6 * blob(x, y, cx + 8 * qSin(y / 14.0), 70, 22, 30)); // steam
    return t;
}

// A radiator under a window: warm vertical fins, a hot inlet pipe.
double radiatorScene(int x, int y, double warmth)
{
    double t = 0.2 + 0.05 * qSin(x / 50.0);
    if (y < 70 && x > 60 && x < 260)
        t = 0.05;                                                 // cold window
    if (y > 110 && y < 210 && x > 40 && x < 280) {
        const double fin = 0.5 + 0.5 * qCos((x - 40) * M_PI / 12.0);
        t = (0.45 + 0.35 * fin) * warmth * (1.0 - 0.25 * (y - 110) / 100.0);
    }
    if (y > 205 && y < 215 && x > 20 && x < 60)
        t = 0.95 * warmth;                                        // inlet pipe
    return t;
}

// A running electric motor with a hot bearing.
double motorScene(int x, int y)
{
    double t = 0.12;
    if (x > 70 && x < 250 && y > 80 && y < 190)
        t = 0.45 + 0.1 * qSin(y / 6.0);
    t = qMax(t, 0.98 * blob(x, y, 235, 135, 18, 22));
    t = qMax(t, 0.5 * blob(x, y, 90, 135, 20, 30));
    return t;
}

qint32 rawFromLevel(double level)
{
    return qint32(7000 + 2200 * qBound(0.0, level, 1.0));
}

// A warm-looking false colour for the picture the camera itself shows.
QRgb cameraColour(double level)
{
    static const QColor stops[] = {QColor(0, 0, 20), QColor(80, 0, 130), QColor(200, 30, 60),
                                   QColor(250, 150, 0), QColor(255, 255, 210)};
    const double pos = qBound(0.0, level, 1.0) * 4.0;
    const int i = qMin(3, int(pos));
    const double f = pos - i;
    const QColor &a = stops[i];
    const QColor &b = stops[i + 1];
    return qRgb(int(a.red() + f * (b.red() - a.red())), int(a.green() + f * (b.green() - a.green())),
                int(a.blue() + f * (b.blue() - a.blue())));
}

QByteArray jpegBytes(const QImage &image, int quality = 85)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", quality);
    return bytes;
}

QByteArray thermalPreview(const Field &field)
{
    QImage small(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            small.setPixel(x, y, cameraColour(field(x, y)));
    return jpegBytes(small.scaled(640, 480, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

// The visible-light photo: a plain drawing of the same scene.
QByteArray visiblePhoto(const QString &scene, int seed)
{
    QImage photo(640, 480, QImage::Format_RGB32);
    QPainter p(&photo);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(photo.rect(), QColor(226, 220, 205));
    if (scene == "cup") {
        p.fillRect(0, 340, 640, 140, QColor(150, 110, 70));
        const int cx = 300 + seed * 16;
        p.setBrush(QColor(240, 240, 235));
        p.setPen(QPen(QColor(120, 120, 120), 3));
        p.drawRoundedRect(cx - 84, 190, 168, 180, 14, 14);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(240, 240, 235), 16));
        p.drawArc(cx + 70, 235, 70, 90, -90 * 16, 180 * 16);
    } else if (scene == "radiator") {
        p.fillRect(120, 20, 400, 120, QColor(170, 200, 230));
        p.setPen(QPen(QColor(200, 200, 200), 2));
        for (int i = 0; i < 20; ++i) {
            p.setBrush(QColor(245, 245, 245));
            p.drawRoundedRect(80 + i * 24, 220, 20, 200, 6, 6);
        }
        p.fillRect(40, 410, 80, 20, QColor(190, 190, 190));
    } else {
        p.fillRect(0, 400, 640, 80, QColor(90, 90, 95));
        p.setBrush(QColor(40, 90, 150));
        p.setPen(QPen(Qt::black, 3));
        p.drawRoundedRect(140, 160, 360, 220, 20, 20);
        p.setBrush(QColor(120, 120, 120));
        p.drawEllipse(QPoint(470, 270), 36, 44);
    }
    p.end();
    return jpegBytes(photo);
}

struct Shot
{
    QString folder;
    QString name;
    QString scene;
    Field field;
    QByteArray remark;
    QByteArray qrText;
    int soundNoteBytes;
    QDateTime taken;
};

bool writeShot(const QString &dir, const Shot &shot, int seed)
{
    FixtureWriter::CameraPictureSpec spec;
    spec.previewJpeg = thermalPreview(shot.field);
    spec.photo = visiblePhoto(shot.scene, seed);
    const Field field = shot.field;
    spec.rawValue = [field](int x, int y) { return rawFromLevel(field(x, y)); };
    spec.remark = shot.remark;
    spec.qrText = shot.qrText;
    spec.captureTimeMs = shot.taken.toMSecsSinceEpoch();
    if (shot.soundNoteBytes > 0) {
        spec.trailing = FixtureWriter::Trailing::SoundNote;
        spec.soundNoteBytes = shot.soundNoteBytes;
    }
    QDir().mkpath(dir);
    return FixtureWriter::writeCameraPicture(dir + "/" + shot.name, spec);
}

QList<Shot> albumShots()
{
    const QDateTime base(QDate(2026, 11, 3), QTime(9, 12, 0), Qt::UTC);
    QList<Shot> shots;
    for (int i = 0; i < 4; ++i) {
        const double shift = i * 12.0;
        shots << Shot{"Kitchen", QString("IR_%1.jpg").arg(101 + i, 4, 10, QChar('0')), "cup",
                      [shift](int x, int y) { return cupScene(x, y, shift); },
                      i == 0 ? QByteArray("Fresh tea, 2 minutes after pouring") : QByteArray("Mug on the worktop"),
                      i == 2 ? QByteArray("https://example.org/asset/KT-0042") : QByteArray(),
                      i == 1 ? 24000 : 0, base.addSecs(i * 95)};
    }
    for (int i = 0; i < 5; ++i) {
        const double warmth = 0.55 + 0.1 * i;
        shots << Shot{"Heating", QString("IR_%1.jpg").arg(201 + i, 4, 10, QChar('0')), "radiator",
                      [warmth](int x, int y) { return radiatorScene(x, y, warmth); },
                      QByteArray("Living room radiator, valve at ") + QByteArray::number(i + 1),
                      QByteArray(), i == 4 ? 16000 : 0, base.addDays(2).addSecs(i * 300)};
    }
    return shots;
}

QList<Shot> cameraShots()
{
    const QDateTime base(QDate(2026, 12, 10), QTime(14, 30, 0), Qt::UTC);
    QList<Shot> shots;
    for (int i = 0; i < 6; ++i) {
        const int kind = i % 3;
        Field field = kind == 0 ? Field([](int x, int y) { return motorScene(x, y); })
                    : kind == 1 ? Field([i](int x, int y) { return radiatorScene(x, y, 0.7 + 0.05 * i); })
                                : Field([i](int x, int y) { return cupScene(x, y, i * 5.0); });
        shots << Shot{"", QString("IR_%1.jpg").arg(i + 1, 4, 10, QChar('0')),
                      kind == 0 ? "motor" : kind == 1 ? "radiator" : "cup", field,
                      kind == 0 ? QByteArray("Pump motor, bearing side") : QByteArray("Check after service"),
                      i == 3 ? QByteArray("PUMP-07") : QByteArray(), i == 0 ? 20000 : 0,
                      base.addSecs(i * 420)};
    }
    return shots;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makedemo HOME CAMERA\n");
        return 2;
    }
    const QString home = QString::fromLocal8Bit(argv[1]);
    const QString camera = QString::fromLocal8Bit(argv[2]);
    const QString album = home + "/Documents/VELKThermal/Users Files";

    bool ok = true;
    int seed = 0;
    for (const Shot &shot : albumShots())
        ok &= writeShot(album + "/" + shot.folder, shot, seed++ % 4);
    QDir().mkpath(album + "/Empty folder");

    const QString dcim = camera + "/DCIM";
    for (const Shot &shot : cameraShots())
        ok &= writeShot(dcim, shot, seed++ % 4);
    FixtureWriter::VideoSpec video;
    video.frameSize = QSize(320, 240);
    video.frames = 10;
    ok &= FixtureWriter::writeVideo(dcim + "/VID_0001.avi", video);
    ok &= FixtureWriter::writeBitmap(dcim + "/BMP_0001.bmp", FixtureWriter::BitmapSpec());
    ok &= FixtureWriter::writeBytes(dcim + "/sys.ini", "[Q4815]\nversion=1.1\nlanguage=English\n");

    if (!ok) {
        std::fprintf(stderr, "makedemo: could not write every demo file\n");
        return 1;
    }
    std::printf("Album:  %s\nCamera: %s\n", qPrintable(album), qPrintable(camera));
    return 0;
}
