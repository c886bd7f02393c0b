#ifndef CAMERAFILEREADER_H
#define CAMERAFILEREADER_H

#include "camerafile_global.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

class QFile;

// How distances to the camera's fields are measured in a file.
// Other codes are accepted and measured like a video.
enum FileKind : qint8 {
    CameraPicture = 0,
    VideoFile = 1,
    BitmapFile = 2,
    OtherFile = -1
};

// Reads the data the thermal camera stores in its files. Every function
// takes an open, readable file, moves its position freely and keeps no
// state. Nothing here reports an error: bytes that lie outside the file
// read as zero, so a damaged or foreign file gives empty texts, zero
// numbers and null images, never a read outside the file or an allocation
// sized by a length stored in it.
class CAMERAFILE_EXPORT CameraFileReader
{
public:
    static constexpr int FrameWidth = 320;
    static constexpr int FrameHeight = 240;
    static constexpr int FramePixels = FrameWidth * FrameHeight;

    // The kind the program gives a file name (".avi", then ".jpg", then
    // ".bmp", case-sensitive); OtherFile when none matches.
    static FileKind fileKindForName(const QString &fileName);

    // Offset of the field that lies `distance` bytes before the end of the
    // kind's data; for a camera picture this reads the trailing count N.
    static qint64 locateField(QFile &file, qint64 distance, FileKind kind);

    // Milliseconds since 1970-01-01T00:00:00 UTC; 0 for videos and other
    // kinds (nothing is read for them).
    static qint64 readCaptureTime(QFile &file, FileKind kind);
    static QString readCameraType(QFile &file, FileKind kind);
    // readCameraType and readCaptureTime of a camera picture at once, for a
    // folder listing that needs both of every file: the two fields lie 20
    // bytes apart, and a picture without a trailing block has both in its
    // last 72 bytes, so one read of the file's tail usually does.
    static QString readCameraTypeAndTime(QFile &file, qint64 *captureTime);

    // The 320 x 240 infrared frame as a grey RGB888 picture. A frame whose
    // values are all equal comes out black.
    static QImage readInfraredImage(QFile &file);
    // The frame's raw values (the second integer of each record), row by row.
    static QVector<qint32> readInfraredRawValues(QFile &file);
    // Grey mapping of raw values; `raw` must hold FramePixels values.
    static QImage infraredImageFromRaw(const QVector<qint32> &raw);

    // The visible-light photo decoded as JPEG; null when it cannot be.
    static QImage readVisiblePhoto(QFile &file);
    // The photo's bytes exactly as stored; empty when its length prefix
    // does not fit inside the file.
    static QByteArray readVisiblePhotoBytes(QFile &file);

    static QString readResolutionText(QFile &file);
    static QString readRemarkText(QFile &file);
    static bool hasQrText(QFile &file, FileKind kind);
    static bool hasSoundNote(QFile &file);
};

#endif // CAMERAFILEREADER_H
