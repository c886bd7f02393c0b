#include "camerafilereader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Distances before the end T of a camera picture's block.
constexpr qint64 PhotoLengthDistance = 618462;  // M, then the frame
constexpr qint64 PhotoPrefixDistance = 618466;  // + M: the photo's length prefix
constexpr qint64 FrameDistance = 618458;
constexpr qint64 FrameBytes = qint64(CameraFileReader::FramePixels) * 8;
constexpr qint64 RemarkDistance = 4058;
constexpr int RemarkBytes = 2000;
constexpr qint64 QrDistance = 2058;
constexpr qint64 CameraTypeDistance = 68;
constexpr int CameraTypeBytes = 10;
constexpr qint64 CaptureTimeDistance = 48;
constexpr qint64 ResolutionDistance = 10;
constexpr int ResolutionBytes = 10;
constexpr qint64 BitmapTimeDistance = 52;

// A photo is decoded only when its declared size is plausible: a corrupt
// header must not make the decoder allocate gigabytes.
constexpr qint64 MaxPhotoPixels = 50 * 1000 * 1000;
constexpr qint64 MaxPixelsPerPhotoByte = 4096;

constexpr qint64 Int64Max = std::numeric_limits<qint64>::max();
constexpr qint64 Int64Min = std::numeric_limits<qint64>::min();

// Offsets come from lengths stored in the file or given by callers;
// saturate instead of overflowing.
qint64 subSat(qint64 a, qint64 b)
{
    if (b > 0 && a < Int64Min + b)
        return Int64Min;
    if (b < 0 && a > Int64Max + b)
        return Int64Max;
    return a - b;
}

// Copies the bytes of [offset, offset + length) that lie inside the file to
// dest + (their distance from offset); the rest of dest is left untouched.
// Returns false when the read itself failed. `size` is the file's size,
// asked once per operation: every QFile::size() is a system call.
bool readInto(QFile &file, qint64 size, qint64 offset, char *dest, qint64 length)
{
    if (length <= 0 || offset >= size || offset <= -length)
        return true;
    const qint64 begin = qMax<qint64>(offset, 0);
    const qint64 end = qMin(size, offset + length); // no overflow: offset < size
    if (!file.seek(begin))
        return false;
    const qint64 want = end - begin;
    qint64 done = 0;
    while (done < want) {
        const qint64 got = file.read(dest + (begin - offset) + done, want - done);
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

// A small fixed-size field; bytes outside the file read as zero.
QByteArray readField(QFile &file, qint64 size, qint64 offset, int length)
{
    QByteArray bytes(length, '\0');
    readInto(file, size, offset, bytes.data(), length);
    return bytes;
}

qint32 readInt32(QFile &file, qint64 size, qint64 offset)
{
    uchar b[4] = {0, 0, 0, 0};
    readInto(file, size, offset, reinterpret_cast<char *>(b), 4);
    return qFromBigEndian<qint32>(b);
}

QString readText(QFile &file, qint64 size, qint64 offset, int length)
{
    const QByteArray bytes = readField(file, size, offset, length);
    const int end = bytes.indexOf('\0');
    return QString::fromUtf8(bytes.constData(), end < 0 ? bytes.size() : end);
}

qint32 trailingCount(QFile &file, qint64 size)
{
    return readInt32(file, size, size - 4);
}

// Offset of the field `distance` bytes before the end of the kind's data.
qint64 fieldAt(QFile &file, qint64 size, qint64 distance, FileKind kind)
{
    switch (kind) {
    case CameraPicture:
        return subSat(size - 4 - trailingCount(file, size), distance);
    case BitmapFile:
        return subSat(subSat(size, distance), 4);
    default:
        return subSat(size, distance);
    }
}

// End T of a camera picture's block.
qint64 blockEnd(QFile &file, qint64 size)
{
    return fieldAt(file, size, 0, CameraPicture);
}

} // namespace

FileKind CameraFileReader::fileKindForName(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    if (name.contains(QLatin1String(".avi")))
        return VideoFile;
    if (name.contains(QLatin1String(".jpg")))
        return CameraPicture;
    if (name.contains(QLatin1String(".bmp")))
        return BitmapFile;
    return OtherFile;
}

qint64 CameraFileReader::locateField(QFile &file, qint64 distance, FileKind kind)
{
    return fieldAt(file, file.size(), distance, kind);
}

qint64 CameraFileReader::readCaptureTime(QFile &file, FileKind kind)
{
    uchar b[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    if (kind == CameraPicture) {
        const qint64 size = file.size();
        readInto(file, size, fieldAt(file, size, CaptureTimeDistance, kind),
                 reinterpret_cast<char *>(b), 8);
        return qFromBigEndian<qint64>(b);
    }
    if (kind == BitmapFile) {
        const qint64 size = file.size();
        readInto(file, size, size - BitmapTimeDistance, reinterpret_cast<char *>(b), 8);
        // Seconds; a value too large for milliseconds wraps like the camera's
        // own 64-bit arithmetic would, without undefined behaviour.
        return qint64(quint64(qFromLittleEndian<qint64>(b)) * 1000u);
    }
    return 0;
}

QString CameraFileReader::readCameraType(QFile &file, FileKind kind)
{
    const qint64 size = file.size();
    return readText(file, size, fieldAt(file, size, CameraTypeDistance, kind), CameraTypeBytes);
}

QString CameraFileReader::readCameraTypeAndTime(QFile &file, qint64 *captureTime)
{
    constexpr int FieldsBytes = int(CameraTypeDistance - CaptureTimeDistance) + 8;
    constexpr int TailBytes = int(CameraTypeDistance) + 4;
    const qint64 size = file.size();
    // Bytes outside the file stay zero, as in the separate reads.
    char tail[TailBytes] = {};
    readInto(file, size, size - TailBytes, tail, TailBytes);
    const qint32 n = qFromBigEndian<qint32>(tail + TailBytes - 4);
    char fields[FieldsBytes] = {};
    if (n == 0)
        std::memcpy(fields, tail, FieldsBytes);
    else
        readInto(file, size, subSat(size - 4 - n, CameraTypeDistance), fields, FieldsBytes);
    if (captureTime)
        *captureTime = qFromBigEndian<qint64>(fields + (CameraTypeDistance - CaptureTimeDistance));
    const int end = int(std::find(fields, fields + CameraTypeBytes, '\0') - fields);
    return QString::fromUtf8(fields, end);
}

QVector<qint32> CameraFileReader::readInfraredRawValues(QFile &file)
{
    QVector<qint32> raw(FramePixels, 0);
    const qint64 size = file.size();
    const qint64 start = subSat(blockEnd(file, size), FrameDistance);
    if (start >= size || start <= -FrameBytes)
        return raw;

    // One read of the part of the frame that lies inside the file; the
    // buffer is never larger than the file.
    const qint64 begin = qMax<qint64>(start, 0);
    const qint64 end = qMin(size, start + FrameBytes);
    QByteArray block(int(end - begin), Qt::Uninitialized);
    if (!readInto(file, size, begin, block.data(), block.size()))
        return raw;

    const uchar *data = reinterpret_cast<const uchar *>(block.constData());
    const qint64 skip = begin - start; // frame bytes before the file's start
    qint32 *out = raw.data();
    // Only the records whose value overlaps the bytes read.
    const qint64 first = skip / 8;
    const qint64 past = block.size() + skip - 4 > 0 ? (block.size() + skip + 3) / 8 : 0;
    for (int i = int(qMin<qint64>(first, FramePixels)), last = int(qMin<qint64>(past, FramePixels));
         i < last; ++i) {
        const qint64 at = qint64(i) * 8 + 4 - skip;
        if (at >= 0 && at + 4 <= block.size()) {
            out[i] = qFromBigEndian<qint32>(data + at);
        } else {
            uchar b[4] = {0, 0, 0, 0};
            for (int k = 0; k < 4; ++k) {
                if (at + k >= 0 && at + k < block.size())
                    b[k] = data[at + k];
            }
            out[i] = qFromBigEndian<qint32>(b);
        }
    }
    return raw;
}

QImage CameraFileReader::infraredImageFromRaw(const QVector<qint32> &raw)
{
    QImage image(FrameWidth, FrameHeight, QImage::Format_RGB888);
    if (raw.size() != FramePixels || image.isNull())
        return QImage();

    quint32 min = std::numeric_limits<quint32>::max();
    quint32 max = 0;
    for (qint32 v : raw) {
        min = qMin(min, quint32(v));
        max = qMax(max, quint32(v));
    }
    const quint32 range = max - min;
    if (range == 0) {
        // All-equal frames (such as one read past the end of the file) have
        // no range to spread: they come out black.
        image.fill(Qt::black);
        return image;
    }
    const qint32 *values = raw.constData();
    for (int y = 0; y < FrameHeight; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < FrameWidth; ++x) {
            const quint32 p = quint32(values[y * FrameWidth + x]) & 0xFFFFu;
            const quint8 g = quint8(((p - min) * 255u) / range);
            line[3 * x] = line[3 * x + 1] = line[3 * x + 2] = g;
        }
    }
    return image;
}

QImage CameraFileReader::readInfraredImage(QFile &file)
{
    return infraredImageFromRaw(readInfraredRawValues(file));
}

QByteArray CameraFileReader::readVisiblePhotoBytes(QFile &file)
{
    const qint64 size = file.size();
    const qint64 end = blockEnd(file, size);
    const qint32 m = readInt32(file, size, subSat(end, PhotoLengthDistance));
    const qint64 prefixAt = subSat(subSat(end, PhotoPrefixDistance), m);
    // The prefix must lie wholly inside the file, and the bytes it counts
    // too: a stored length is never trusted beyond the file's own size.
    if (prefixAt < 0 || prefixAt > size - 4)
        return QByteArray();
    const quint32 length = quint32(readInt32(file, size, prefixAt));
    if (length == 0xFFFFFFFFu || qint64(length) > size - prefixAt - 4
        || qint64(length) > std::numeric_limits<int>::max() - 32)
        return QByteArray();
    QByteArray bytes(int(length), Qt::Uninitialized);
    if (!readInto(file, size, prefixAt + 4, bytes.data(), length))
        return QByteArray();
    return bytes;
}

QImage CameraFileReader::readVisiblePhoto(QFile &file)
{
    QByteArray bytes = readVisiblePhotoBytes(file);
    if (bytes.isEmpty())
        return QImage();
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return QImage();
    QImageReader reader(&buffer, "JPEG");
    const QSize declared = reader.size();
    const qint64 pixels = qint64(declared.width()) * declared.height();
    if (declared.isEmpty() || pixels > MaxPhotoPixels
        || pixels > MaxPixelsPerPhotoByte * bytes.size())
        return QImage();
    return reader.read();
}

QString CameraFileReader::readResolutionText(QFile &file)
{
    const qint64 size = file.size();
    return readText(file, size, subSat(blockEnd(file, size), ResolutionDistance), ResolutionBytes);
}

QString CameraFileReader::readRemarkText(QFile &file)
{
    const qint64 size = file.size();
    return readText(file, size, subSat(blockEnd(file, size), RemarkDistance), RemarkBytes);
}

bool CameraFileReader::hasQrText(QFile &file, FileKind kind)
{
    // Only emptiness matters: a text is empty exactly when its first byte is zero.
    char first = 0;
    const qint64 size = file.size();
    readInto(file, size, fieldAt(file, size, QrDistance, kind), &first, 1);
    return first != 0;
}

bool CameraFileReader::hasSoundNote(QFile &file)
{
    const qint64 size = file.size();
    const qint32 n = trailingCount(file, size);
    if (n == 0)
        return false;
    const qint32 l = readInt32(file, size, size - 4 - qint64(n));
    return qint64(l) + 4 == qint64(n);
}
