#include "testsupport.h"

#include "videowidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVideoSurfaceFormat>

Q_DECLARE_METATYPE(QImage::Format)
Q_DECLARE_METATYPE(QEvent::Type)

namespace {

const QRgb background = qRgb(255, 255, 255);

// Left half red, right half blue: shows both scaling and turning.
QImage splitImage(const QSize &size, QImage::Format format)
{
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height(), Qt::red);
    painter.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), Qt::blue);
    painter.end();
    return image.convertToFormat(format);
}

// What the widget paints itself, over a white background.
QImage paintedImage(VideoWidget &widget)
{
    QImage canvas(widget.size(), QImage::Format_ARGB32);
    canvas.fill(background);
    widget.render(&canvas, QPoint(), QRegion(), QWidget::RenderFlags());
    return canvas;
}

// Bounding box of everything that is not background.
QRect paintedRect(const QImage &canvas)
{
    QRect box;
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (line[x] != background)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }
bool isBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; }

// A planar YUV 4:2:0 frame of one flat colour.
QVideoFrame flatYuvFrame(const QSize &size, uchar y, uchar u, uchar v)
{
    const int lumaBytes = size.width() * size.height();
    const int chromaBytes = lumaBytes / 4;
    QVideoFrame frame(lumaBytes + 2 * chromaBytes, size, size.width(), QVideoFrame::Format_YUV420P);
    if (!frame.map(QAbstractVideoBuffer::WriteOnly))
        return QVideoFrame();
    uchar *bits = frame.bits();
    memset(bits, y, lumaBytes);
    memset(bits + lumaBytes, u, chromaBytes);
    memset(bits + lumaBytes + chromaBytes, v, chromaBytes);
    frame.unmap();
    return frame;
}

} // namespace

class TestVideoWidget : public QObject
{
    Q_OBJECT

private slots:
    void pixelFormats_data();
    void pixelFormats();
    void presentAndPaint_data();
    void presentAndPaint();
    void yuvFrame();
    void rawFrames_data();
    void rawFrames();
    void paintsNothingWithoutImage();
    void invalidFrame();
    void rotateAppliesToNextFrame();
    void eventHandling_data();
    void eventHandling();
    void doubleClickReachesPage_data();
    void doubleClickReachesPage();
};

void TestVideoWidget::pixelFormats_data()
{
    QTest::addColumn<int>("handleType");
    QTest::newRow("no handle") << int(QAbstractVideoBuffer::NoHandle);
    QTest::newRow("texture") << int(QAbstractVideoBuffer::GLTextureHandle);
    QTest::newRow("user") << int(QAbstractVideoBuffer::UserHandle);
}

void TestVideoWidget::pixelFormats()
{
    QFETCH(int, handleType);
    VideoWidget widget(nullptr);
    QList<QVideoFrame::PixelFormat> expected;
    for (int f = QVideoFrame::Format_ARGB32; f <= QVideoFrame::Format_AdobeDng; ++f)
        expected << QVideoFrame::PixelFormat(f);
    QCOMPARE(expected.size(), 32);
    QCOMPARE(widget.supportedPixelFormats(QAbstractVideoBuffer::HandleType(handleType)), expected);

    // The camera may start in any of them.
    QVERIFY(widget.isFormatSupported(QVideoSurfaceFormat(QSize(640, 480), QVideoFrame::Format_YUYV)));
    QVERIFY(widget.start(QVideoSurfaceFormat(QSize(640, 480), QVideoFrame::Format_RGB32)));
    QVERIFY(widget.isActive());
}

void TestVideoWidget::presentAndPaint_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<bool>("rotate");
    QTest::addColumn<QSize>("widgetSize");
    QTest::addColumn<QSize>("storedSize");
    QTest::addColumn<QRect>("target");

    const QSize vga(640, 480);
    QTest::newRow("argb32 wide widget") << QImage::Format_ARGB32 << vga << false << QSize(1000, 500)
                                        << vga << QRect(167, 0, 666, 500);
    QTest::newRow("rgb32 wide widget") << QImage::Format_RGB32 << vga << false << QSize(1000, 500)
                                       << vga << QRect(167, 0, 666, 500);
    QTest::newRow("rgb888 tall widget") << QImage::Format_RGB888 << vga << false << QSize(400, 600)
                                        << vga << QRect(0, 150, 400, 300);
    QTest::newRow("rgb16 exact fit") << QImage::Format_RGB16 << vga << false << QSize(640, 480)
                                     << vga << QRect(0, 0, 640, 480);
    QTest::newRow("premultiplied upscaled") << QImage::Format_ARGB32_Premultiplied << QSize(64, 48)
                                            << false << QSize(1000, 500)
                                            << QSize(64, 48) << QRect(167, 0, 666, 500);
    QTest::newRow("odd sizes") << QImage::Format_RGB32 << QSize(100, 100) << false << QSize(101, 51)
                               << QSize(100, 100) << QRect(25, 0, 51, 51);
    // Halves truncate separately: 50 - 24, not (101 - 50) / 2.
    QTest::newRow("odd widget, even image") << QImage::Format_RGB32 << QSize(100, 100) << false
                                            << QSize(101, 50) << QSize(100, 100)
                                            << QRect(26, 0, 50, 50);
    QTest::newRow("rotated rgb32") << QImage::Format_RGB32 << vga << true << QSize(1000, 500)
                                   << QSize(480, 640) << QRect(312, 0, 375, 500);
    QTest::newRow("rotated rgb888") << QImage::Format_RGB888 << vga << true << QSize(480, 640)
                                    << QSize(480, 640) << QRect(0, 0, 480, 640);
}

void TestVideoWidget::presentAndPaint()
{
    QFETCH(QImage::Format, format);
    QFETCH(QSize, frameSize);
    QFETCH(bool, rotate);
    QFETCH(QSize, widgetSize);
    QFETCH(QSize, storedSize);
    QFETCH(QRect, target);

    VideoWidget widget(nullptr);
    widget.resize(widgetSize);
    widget.setRotate(rotate);
    QVideoFrame frame(splitImage(frameSize, format));
    QVERIFY(frame.isValid());

    QVERIFY(widget.present(frame));
    QCOMPARE(widget.currentImage().size(), storedSize);

    const QImage canvas = paintedImage(widget);
    QCOMPARE(paintedRect(canvas), target);

    // Unturned: red left, blue right. Turned a quarter counter-clockwise,
    // the left edge goes to the bottom: blue on top, red below.
    const QPoint centre = target.center();
    const int dx = target.width() / 4;
    const int dy = target.height() / 4;
    if (rotate) {
        QVERIFY(isBlue(canvas.pixel(centre.x(), centre.y() - dy)));
        QVERIFY(isRed(canvas.pixel(centre.x(), centre.y() + dy)));
    } else {
        QVERIFY(isRed(canvas.pixel(centre.x() - dx, centre.y())));
        QVERIFY(isBlue(canvas.pixel(centre.x() + dx, centre.y())));
    }
}

void TestVideoWidget::yuvFrame()
{
    VideoWidget widget(nullptr);
    widget.resize(320, 240);
    const QVideoFrame frame = flatYuvFrame(QSize(64, 48), 128, 128, 128);
    QVERIFY(frame.isValid());
    QVERIFY(widget.present(frame));
    QCOMPARE(widget.currentImage().size(), QSize(64, 48));

    const QImage canvas = paintedImage(widget);
    QCOMPARE(paintedRect(canvas), QRect(0, 0, 320, 240));
    const QRgb grey = canvas.pixel(160, 120);
    QVERIFY(qAbs(qRed(grey) - 130) < 12);
    QVERIFY(qAbs(qGreen(grey) - qRed(grey)) < 6);
    QVERIFY(qAbs(qBlue(grey) - qRed(grey)) < 6);
}

void TestVideoWidget::rawFrames_data()
{
    QTest::addColumn<int>("pixelFormat");
    QTest::addColumn<int>("bytesPerLine");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("fill");
    // Expected grey level of the picture; -1: no picture.
    QTest::addColumn<int>("grey");

    const int w = 64;
    const int h = 48;
    QTest::newRow("yuyv") << int(QVideoFrame::Format_YUYV) << 2 * w << 2 * w * h << 128 << 130;
    QTest::newRow("nv12") << int(QVideoFrame::Format_NV12) << w << w * h * 3 / 2 << 128 << 130;
    QTest::newRow("rgb32") << int(QVideoFrame::Format_RGB32) << 4 * w << 4 * w * h << 200 << 200;
    QTest::newRow("y8") << int(QVideoFrame::Format_Y8) << w << w * h << 200 << 200;
    QTest::newRow("y8 padded lines") << int(QVideoFrame::Format_Y8) << w + 16 << (w + 16) * h
                                     << 90 << 90;
    QTest::newRow("y16") << int(QVideoFrame::Format_Y16) << 2 * w << 2 * w * h << 200 << 200;
    QTest::newRow("y8 short buffer") << int(QVideoFrame::Format_Y8) << w << w * h / 2 << 200 << -1;
    QTest::newRow("y16 lines too short") << int(QVideoFrame::Format_Y16) << w << 2 * w * h << 200
                                         << -1;
    QTest::newRow("imc1 unconvertible") << int(QVideoFrame::Format_IMC1) << w << 2 * w * h << 128
                                        << -1;
    QTest::newRow("camera raw") << int(QVideoFrame::Format_CameraRaw) << w << w * h << 128 << -1;
}

// Frames in the camera's own formats, converted or shown as no picture.
void TestVideoWidget::rawFrames()
{
    QFETCH(int, pixelFormat);
    QFETCH(int, bytesPerLine);
    QFETCH(int, bytes);
    QFETCH(int, fill);
    QFETCH(int, grey);

    QVideoFrame frame(bytes, QSize(64, 48), bytesPerLine, QVideoFrame::PixelFormat(pixelFormat));
    QVERIFY(frame.map(QAbstractVideoBuffer::WriteOnly));
    memset(frame.bits(), fill, size_t(frame.mappedBytes()));
    frame.unmap();

    VideoWidget widget(nullptr);
    widget.resize(128, 96);
    QVERIFY(widget.present(frame));
    if (grey < 0) {
        QVERIFY(widget.currentImage().isNull());
        QVERIFY(paintedRect(paintedImage(widget)).isNull());
        return;
    }
    QCOMPARE(widget.currentImage().size(), QSize(64, 48));
    const QImage canvas = paintedImage(widget);
    QCOMPARE(paintedRect(canvas), QRect(0, 0, 128, 96));
    const QRgb pixel = canvas.pixel(64, 48);
    QVERIFY2(qAbs(qRed(pixel) - grey) < 12, qPrintable(QString::number(qRed(pixel))));
    QVERIFY(qAbs(qGreen(pixel) - qRed(pixel)) < 6);
    QVERIFY(qAbs(qBlue(pixel) - qRed(pixel)) < 6);

    // Turned like any other picture.
    widget.setRotate(true);
    QVERIFY(widget.present(frame));
    QCOMPARE(widget.currentImage().size(), QSize(48, 64));
}

void TestVideoWidget::paintsNothingWithoutImage()
{
    VideoWidget widget(nullptr);
    widget.resize(200, 100);
    QVERIFY(widget.currentImage().isNull());
    QVERIFY(paintedRect(paintedImage(widget)).isNull());

    QVERIFY(widget.present(QVideoFrame(splitImage(QSize(40, 20), QImage::Format_RGB32))));
    QCOMPARE(paintedRect(paintedImage(widget)), QRect(0, 0, 200, 100));

    widget.clearImage();
    QVERIFY(widget.currentImage().isNull());
    QVERIFY(paintedRect(paintedImage(widget)).isNull());
}

void TestVideoWidget::invalidFrame()
{
    VideoWidget widget(nullptr);
    widget.resize(1000, 500);
    QVERIFY(widget.start(QVideoSurfaceFormat(QSize(640, 480), QVideoFrame::Format_RGB32)));
    QVERIFY(widget.present(QVideoFrame(splitImage(QSize(640, 480), QImage::Format_RGB32))));
    const QImage before = paintedImage(widget);

    QSignalSpy active(&widget, &QAbstractVideoSurface::activeChanged);
    QVERIFY(!widget.present(QVideoFrame()));
    QVERIFY(!widget.isActive());
    QCOMPARE(active.count(), 1);
    QCOMPARE(widget.currentImage().size(), QSize(640, 480));
    QCOMPARE(paintedImage(widget), before);
}

void TestVideoWidget::rotateAppliesToNextFrame()
{
    VideoWidget widget(nullptr);
    const QVideoFrame frame(splitImage(QSize(64, 48), QImage::Format_RGB32));
    QVERIFY(widget.present(frame));
    widget.setRotate(true);
    // The stored frame keeps its orientation until the next one arrives.
    QCOMPARE(widget.currentImage().size(), QSize(64, 48));
    QVERIFY(widget.present(frame));
    QCOMPARE(widget.currentImage().size(), QSize(48, 64));
    widget.setRotate(false);
    QVERIFY(widget.present(frame));
    QCOMPARE(widget.currentImage().size(), QSize(64, 48));
}

void TestVideoWidget::eventHandling_data()
{
    QTest::addColumn<QEvent::Type>("type");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("handled");
    QTest::newRow("double-click, no camera") << QEvent::MouseButtonDblClick << false << false;
    QTest::newRow("key, no camera") << QEvent::KeyPress << false << false;
    QTest::newRow("double-click, camera") << QEvent::MouseButtonDblClick << true << true;
    QTest::newRow("key, camera") << QEvent::KeyPress << true << true;
    QTest::newRow("press, no camera") << QEvent::MouseButtonPress << false << true;
}

void TestVideoWidget::eventHandling()
{
    QFETCH(QEvent::Type, type);
    QFETCH(bool, connected);
    QFETCH(bool, handled);

    VideoWidget widget(nullptr);
    widget.resize(100, 100);
    widget.setConnected(connected);
    QWidget *asWidget = &widget;
    bool result = false;
    if (type == QEvent::KeyPress) {
        QKeyEvent key(type, Qt::Key_F, Qt::NoModifier, QStringLiteral("f"));
        result = QCoreApplication::sendEvent(asWidget, &key);
    } else {
        QMouseEvent mouse(type, QPointF(10, 10), QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        result = QCoreApplication::sendEvent(asWidget, &mouse);
    }
    QCOMPARE(result, handled);
}


void TestVideoWidget::doubleClickReachesPage_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("reachesPage");
    QTest::newRow("no camera") << false << 1;
    QTest::newRow("camera") << true << 0;
}

void TestVideoWidget::doubleClickReachesPage()
{
    QFETCH(bool, connected);
    QFETCH(int, reachesPage);

    QWidget page;
    page.resize(300, 200);
    auto *widget = new VideoWidget(&page);
    widget->setGeometry(10, 10, 200, 150);
    widget->setConnected(connected);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    EventCounter counter(QEvent::MouseButtonDblClick);
    page.installEventFilter(&counter);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QCOMPARE(counter.count, reachesPage);
}

VELK_TEST_MAIN(TestVideoWidget)
#include "tst_videowidget.moc"
