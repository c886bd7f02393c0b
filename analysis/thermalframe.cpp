#include "thermalframe.h"

#include "camerafilereader.h"

#include <QFile>

namespace {

constexpr qint64 FrameBytes = qint64(ThermalFrame::Width) * ThermalFrame::Height * 8;
// From the start of the frame to the end of the camera block.
constexpr qint64 FrameDistance = 618458;

// The frame and the photo length before it must lie inside the file;
// otherwise the reader would give zeros that look like a frame.
bool holdsFrame(QFile &file)
{
    const qint64 size = file.size();
    if (size < FrameBytes + 8)
        return false;
    const qint64 frameStart = CameraFileReader::locateField(file, FrameDistance, CameraPicture);
    return frameStart >= 4 && frameStart + FrameBytes <= size - 4;
}

} // namespace

ThermalFrame ThermalFrame::fromRaw(const QVector<qint32> &raw)
{
    ThermalFrame frame;
    if (raw.size() != Width * Height)
        return frame;
    frame.raw = raw;
    frame.findExtremes();
    return frame;
}

ThermalFrame ThermalFrame::load(const QString &path)
{
    ThermalFrame frame;
    frame.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !holdsFrame(file))
        return frame;

    frame.raw = CameraFileReader::readInfraredRawValues(file);
    if (frame.raw.size() != Width * Height) {
        frame.raw.clear();
        return frame;
    }
    frame.findExtremes();
    frame.photo = CameraFileReader::readVisiblePhoto(file);
    frame.cameraType = CameraFileReader::readCameraType(file, CameraPicture);
    frame.captureTimeMs = CameraFileReader::readCaptureTime(file, CameraPicture);
    frame.resolution = CameraFileReader::readResolutionText(file);
    frame.remark = CameraFileReader::readRemarkText(file);
    frame.soundNote = CameraFileReader::hasSoundNote(file);
    frame.qrText = CameraFileReader::hasQrText(file, CameraPicture);
    return frame;
}

void ThermalFrame::findExtremes()
{
    int coldIndex = 0;
    int hotIndex = 0;
    bool anyNonZero = false;
    for (int i = 0; i < raw.size(); ++i) {
        const qint32 v = raw.at(i);
        anyNonZero = anyNonZero || v != 0;
        if (v < raw.at(coldIndex))
            coldIndex = i;
        if (v > raw.at(hotIndex))
            hotIndex = i;
    }
    minimum = raw.at(coldIndex);
    maximum = raw.at(hotIndex);
    coldest = QPoint(coldIndex % Width, coldIndex / Width);
    hottest = QPoint(hotIndex % Width, hotIndex / Width);
    status = anyNonZero ? Ok : AllZero;
}

bool ThermalFrame::contains(const QPoint &pixel) const
{
    return raw.size() == Width * Height && pixel.x() >= 0 && pixel.y() >= 0
        && pixel.x() < Width && pixel.y() < Height;
}

qint32 ThermalFrame::valueAt(const QPoint &pixel) const
{
    return contains(pixel) ? raw.at(pixel.y() * Width + pixel.x()) : 0;
}
