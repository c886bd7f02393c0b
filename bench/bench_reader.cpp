// Times the camera file reader on a realistic picture, warm cache:
// the infrared frame, the visible photo, and camera type + capture time.

#include "camerafilereader.h"
#include "fixturewriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

void report(const char *what, int rounds, const std::function<void()> &work)
{
    for (int i = 0; i < rounds / 10 + 1; ++i) // warm up
        work();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        work();
    const double us = double(timer.nsecsElapsed()) / 1000.0 / rounds;
    std::printf("%-45s %10.1f us\n", what, us);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("IMG_0001.jpg");
    if (!dir.isValid() || !FixtureWriter::writeCameraPicture(path)) {
        std::fprintf(stderr, "cannot write the picture\n");
        return 1;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    std::printf("picture: %lld bytes\n", file.size());

    volatile qint64 sink = 0;
    report("readInfraredImage", 300, [&] {
        sink = sink + CameraFileReader::readInfraredImage(file).width();
    });
    report("readVisiblePhoto (640 x 480)", 100, [&] {
        sink = sink + CameraFileReader::readVisiblePhoto(file).width();
    });
    report("readCameraType + readCaptureTime (open file)", 20000, [&] {
        sink = sink + CameraFileReader::readCameraType(file, CameraPicture).size()
            + CameraFileReader::readCaptureTime(file, CameraPicture);
    });
    report("readCameraTypeAndTime (open file)", 20000, [&] {
        qint64 time = 0;
        sink = sink + CameraFileReader::readCameraTypeAndTime(file, &time).size() + time;
    });
    report("open + type + time + close", 20000, [&] {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            sink = sink + CameraFileReader::readCameraType(f, CameraPicture).size()
                + CameraFileReader::readCaptureTime(f, CameraPicture);
    });
    return 0;
}
