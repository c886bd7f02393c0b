#include "fixturewriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <opencv2/core.hpp>
#include <opencv2/videoio.hpp>

#include <cmath>

namespace FixtureWriter {

namespace {

void appendInt32(QByteArray &out, qint32 v)
{
    uchar b[4];
    qToBigEndian(v, b);
    out.append(reinterpret_cast<const char *>(b), 4);
}

void appendField(QByteArray &out, const QByteArray &text, int length)
{
    out.append(text.left(length));
    out.append(QByteArray(length - qMin(length, text.size()), '\0'));
}

// Bytes the reader must skip: non-zero, so a misplaced read shows.
void appendUnread(QByteArray &out, int length)
{
    out.append(QByteArray(length, '\x5A'));
}

} // namespace

qint32 defaultRawValue(int x, int y)
{
    const double dx = x - 200.0, dy = y - 90.0;
    const double spot = 1800.0 * std::exp(-(dx * dx + dy * dy) / (2 * 30.0 * 30.0));
    return qint32(7000 + x * 2 + y + spot);
}

QByteArray makeJpeg(QSize size, int seed, int quality)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv((seed * 47) % 360, 180, 230));
    gradient.setColorAt(1, QColor::fromHsv((seed * 47 + 150) % 360, 200, 90));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QPen(Qt::white, 3));
    for (int i = 0; i < 12; ++i)
        painter.drawEllipse(QPoint((i * 53 + seed * 17) % qMax(1, size.width()),
                                   (i * 37 + seed * 29) % qMax(1, size.height())),
                            10 + i * 3, 8 + i * 2);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", quality);
    return bytes;
}

QByteArray cameraPictureBytes(const CameraPictureSpec &spec)
{
    QByteArray out = spec.previewJpeg.isEmpty() ? makeJpeg(spec.previewSize, 1) : spec.previewJpeg;
    if (spec.previewBytes >= 0) {
        if (out.size() > spec.previewBytes)
            out.truncate(int(spec.previewBytes));
        else
            out.append(QByteArray(int(spec.previewBytes - out.size()), '\0'));
    }

    const QByteArray photo = spec.photo.isEmpty() ? makeJpeg(spec.photoSize, 2) : spec.photo;
    appendInt32(out, qint32(spec.photoPrefixOverride.value_or(quint32(photo.size()))));
    out.append(photo);
    appendInt32(out, spec.photoLengthOverride.value_or(photo.size()));

    const int frameStart = out.size();
    out.resize(frameStart + 320 * 240 * 8);
    uchar *frame = reinterpret_cast<uchar *>(out.data()) + frameStart;
    for (int y = 0; y < 240; ++y) {
        for (int x = 0; x < 320; ++x) {
            uchar *record = frame + (y * 320 + x) * 8;
            qToBigEndian(spec.firstValue ? spec.firstValue(x, y) : qint32(x * 1000 + y), record);
            qToBigEndian(spec.rawValue ? spec.rawValue(x, y) : defaultRawValue(x, y), record + 4);
        }
    }

    appendField(out, spec.remark, 2000);
    appendField(out, spec.qrText, 1970);
    appendUnread(out, 20);
    appendField(out, spec.cameraType, 10);
    appendUnread(out, 10);
    uchar time[8];
    qToBigEndian(spec.captureTimeMs, time);
    out.append(reinterpret_cast<const char *>(time), 8);
    appendUnread(out, 30);
    appendField(out, spec.resolution, 10);

    QByteArray block;
    switch (spec.trailing) {
    case Trailing::None:
        break;
    case Trailing::SoundNote:
        appendInt32(block, spec.soundNoteLengthOverride.value_or(spec.soundNoteBytes));
        for (int i = 0; i < spec.soundNoteBytes; ++i)
            block.append(char(i * 7));
        break;
    case Trailing::Arbitrary:
        block = spec.trailingBlock;
        break;
    }
    out.append(block);
    appendInt32(out, spec.trailingCountOverride.value_or(block.size()));
    return out;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

bool writeCameraPicture(const QString &path, const CameraPictureSpec &spec)
{
    return writeBytes(path, cameraPictureBytes(spec));
}

bool writeVideo(const QString &path, const VideoSpec &spec)
{
    {
        cv::VideoWriter writer(path.toStdString(), cv::VideoWriter::fourcc('M', 'J', 'P', 'G'),
                               spec.fps, cv::Size(spec.frameSize.width(), spec.frameSize.height()));
        if (!writer.isOpened())
            return false;
        for (int i = 0; i < spec.frames; ++i) {
            cv::Mat frame(spec.frameSize.height(), spec.frameSize.width(), CV_8UC3,
                          cv::Scalar(40 + 30 * i, 120, 200 - 20 * i));
            writer.write(frame);
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::Append))
        return false;
    QByteArray tail;
    appendField(tail, spec.qrText, 1970);
    appendUnread(tail, 88);
    return file.write(tail) == tail.size();
}

bool writeBitmap(const QString &path, const BitmapSpec &spec)
{
    QImage image(spec.size, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 160));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        return false;
    uchar time[8];
    qToLittleEndian(spec.captureTimeSeconds, time);
    bytes.append(reinterpret_cast<const char *>(time), 8);
    appendUnread(bytes, 44);
    return writeBytes(path, bytes);
}

} // namespace FixtureWriter
