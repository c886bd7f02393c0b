#ifndef FIXTUREWRITER_H
#define FIXTUREWRITER_H

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

// Writes the camera's file layouts from chosen values, for tests and
// benchmarks. The defaults make a realistic camera picture: a 640 x 480
// JPEG at offset 0, a 640 x 480 photo, a smooth infrared frame, camera type
// "Q4815", no trailing block; about 700 KB.
namespace FixtureWriter {

enum class Trailing {
    None,       // N = 0
    SoundNote,  // L, then L bytes of sound; N = L + 4
    Arbitrary   // trailingBlock as given; N = its size
};

struct CameraPictureSpec
{
    // The ordinary JPEG at offset 0. Empty: one of previewSize is made.
    QByteArray previewJpeg;
    QSize previewSize{640, 480};
    // When >= 0, the bytes before the photo's length prefix are padded with
    // zeros or cut to exactly this many.
    qint64 previewBytes = -1;

    // The visible-light photo. Empty: a JPEG of photoSize is made. Any
    // bytes may be given, corrupt ones included.
    QByteArray photo;
    QSize photoSize{640, 480};
    // Stored values that normally follow from the photo's size; set them to
    // write inconsistent or hostile files.
    std::optional<quint32> photoPrefixOverride;
    std::optional<qint32> photoLengthOverride; // M

    // Raw value (second integer of each record) and first integer of pixel
    // (x, y). Null: defaultRawValue / x * 1000 + y.
    std::function<qint32(int x, int y)> rawValue;
    std::function<qint32(int x, int y)> firstValue;

    // Texts are written as given, cut or zero-padded to their field.
    QByteArray remark = "Pipe joint, north wall";
    QByteArray qrText;
    QByteArray cameraType = "Q4815";
    qint64 captureTimeMs = Q_INT64_C(1600000000000);
    QByteArray resolution = "320x240";

    Trailing trailing = Trailing::None;
    qint32 soundNoteBytes = 0;                 // L for Trailing::SoundNote
    std::optional<qint32> soundNoteLengthOverride; // value stored at T instead of L
    QByteArray trailingBlock;                  // for Trailing::Arbitrary
    std::optional<qint32> trailingCountOverride;   // N stored in the last 4 bytes
};

struct VideoSpec
{
    QSize frameSize{320, 240};
    int frames = 5;
    double fps = 10.0;
    QByteArray qrText; // written at S - 2058, field of 1970 bytes
};

struct BitmapSpec
{
    QSize size{64, 48};
    qint64 captureTimeSeconds = 1600000000; // little-endian at S - 52
};

// 7000..~9000, smooth and with a warm spot: looks like a real scene.
qint32 defaultRawValue(int x, int y);

// A colourful JPEG of the given size (different seeds give different pictures).
QByteArray makeJpeg(QSize size, int seed = 0, int quality = 85);

QByteArray cameraPictureBytes(const CameraPictureSpec &spec = CameraPictureSpec());
bool writeBytes(const QString &path, const QByteArray &bytes);
bool writeCameraPicture(const QString &path, const CameraPictureSpec &spec = CameraPictureSpec());
// MJPG frames written with OpenCV, then the camera's 2058-byte tail.
bool writeVideo(const QString &path, const VideoSpec &spec = VideoSpec());
// A BMP picture, then the camera's 52-byte tail.
bool writeBitmap(const QString &path, const BitmapSpec &spec = BitmapSpec());

} // namespace FixtureWriter

#endif // FIXTUREWRITER_H
