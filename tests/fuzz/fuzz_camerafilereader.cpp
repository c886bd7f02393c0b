// libFuzzer target: any bytes, under every file kind, through every reader
// function. Built and run by tools/fuzz-reader.sh, outside the main build.

#include "camerafilereader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}

// A plain buffer: it must outlive every exit handler.
char scratch[4096];

QString scratchPath()
{
    return QString::fromLocal8Bit(scratch);
}

void removeScratch()
{
    remove(scratch);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Decoders complain about every broken photo; that is not a finding.
    qInstallMessageHandler(quiet);
    const QByteArray path = QFile::encodeName(QDir::temp().filePath(
        QStringLiteral("velk-fuzz-%1.jpg").arg(QCoreApplication::applicationPid())));
    qstrncpy(scratch, path.constData(), sizeof scratch);
    atexit(removeScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile out(scratchPath());
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        if (out.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            abort();
    }
    QFile file(scratchPath());
    if (!file.open(QIODevice::ReadOnly))
        abort();

    CameraFileReader::fileKindForName(QString::fromUtf8(reinterpret_cast<const char *>(data),
                                                        int(qMin<size_t>(size, 64))));
    const FileKind kinds[] = {CameraPicture, VideoFile, BitmapFile, OtherFile, FileKind(5),
                              FileKind(-128)};
    for (FileKind kind : kinds) {
        CameraFileReader::locateField(file, 48, kind);
        CameraFileReader::readCaptureTime(file, kind);
        CameraFileReader::readCameraType(file, kind);
        CameraFileReader::hasQrText(file, kind);
    }
    const QImage ir = CameraFileReader::readInfraredImage(file);
    if (ir.width() != CameraFileReader::FrameWidth || ir.height() != CameraFileReader::FrameHeight)
        abort();
    if (CameraFileReader::readVisiblePhotoBytes(file).size() > qint64(size))
        abort();
    CameraFileReader::readVisiblePhoto(file);
    CameraFileReader::readResolutionText(file);
    CameraFileReader::readRemarkText(file);
    CameraFileReader::hasSoundNote(file);
    return 0;
}
