// Draws the program's artwork as plain vector shapes and writes the PNG/ICO
// files into the source tree. Usage: drawicons <repo-root>
//
// No fonts are used, so the output does not depend on what is installed.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTextStream>
#include <QVector>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kInk(41, 63, 111);      // tab-bar blue, used for toolbar and settings glyphs
const QColor kGrey(0x66, 0x66, 0x66);
const QColor kLightGrey(0x99, 0x99, 0x99);

QString g_root;
int g_failures = 0;

using DrawFn = std::function<void(QPainter &)>;

QImage render(int w, int h, const DrawFn &draw)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    draw(p);
    p.end();
    return img;
}

void saveImage(const QImage &img, const QString &rel)
{
    const QString path = g_root + QLatin1Char('/') + rel;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failures;
        return;
    }
    std::printf("%-40s %dx%d\n", qPrintable(rel), img.width(), img.height());
}

void draw(const QString &rel, int w, int h, const DrawFn &fn)
{
    saveImage(render(w, h, fn), rel);
}

QPen linePen(const QColor &c, qreal width)
{
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void strokeOnly(QPainter &p, const QColor &c, qreal width)
{
    p.setPen(linePen(c, width));
    p.setBrush(Qt::NoBrush);
}

void fillOnly(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}

QPolygonF poly(std::initializer_list<QPointF> pts)
{
    return QPolygonF(QVector<QPointF>(pts));
}

// ---------------------------------------------------------------- spinner

// The brightness pattern repeats every 4 segments, so stepping it by one
// segment per frame makes the sequence 1,2,3,4,1 loop without a jump.
void drawSpinner(QPainter &p, int frame)
{
    static const int alpha[4] = {255, 190, 130, 80};
    const QPointF c(40, 40);
    for (int k = 0; k < 8; ++k) {
        const int level = ((frame - k) % 4 + 4) % 4;
        QColor col(255, 236, 140, alpha[level]);
        const qreal a = (k * 45.0 - 90.0) * M_PI / 180.0;
        const QPointF dir(std::cos(a), std::sin(a));
        p.setPen(linePen(col, 9));
        p.drawLine(c + dir * 20, c + dir * 32);
    }
}

// ---------------------------------------------------------------- placeholder

void drawNoPicture(QPainter &p)
{
    p.fillRect(0, 0, 200, 150, QColor(0xEC, 0xEC, 0xEC));
    const QColor mid(0xA8, 0xA8, 0xA8);
    const QRectF frame(60, 45, 80, 60);
    strokeOnly(p, mid, 4);
    p.drawRoundedRect(frame, 6, 6);

    p.save();
    p.setClipRect(frame.adjusted(2, 2, -2, -2));
    fillOnly(p, mid);
    p.drawPolygon(poly({{64, 101}, {88, 70}, {104, 90}, {114, 80}, {136, 101}}));
    p.drawEllipse(QPointF(118, 63), 7, 7);
    p.restore();
}

// ---------------------------------------------------------------- gear

QPainterPath gearPath(QPointF c, qreal rOuter, qreal rInner, qreal rHole, int teeth)
{
    QPainterPath path;
    const qreal step = 2 * M_PI / teeth;
    QPolygonF pts;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * step - M_PI / 2;
        // tooth top spans ~36% of the pitch, flanks slightly tapered
        const qreal t = step * 0.18;
        const qreal b = step * 0.28;
        auto at = [&](qreal ang, qreal r) { return c + QPointF(std::cos(ang), std::sin(ang)) * r; };
        pts << at(a - b, rInner) << at(a - t, rOuter) << at(a + t, rOuter) << at(a + b, rInner);
    }
    path.addPolygon(pts);
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, rHole, rHole);
    return path.subtracted(hole);
}

// ---------------------------------------------------------------- toolbar (30x25)

const qreal kToolPen = 1.6;

void drawOpenFolder(QPainter &p)
{
    strokeOnly(p, kInk, kToolPen);
    QPainterPath back;
    back.moveTo(5, 19.5);
    back.lineTo(5, 5.5);
    back.lineTo(11, 5.5);
    back.lineTo(13, 7.5);
    back.lineTo(21.5, 7.5);
    back.lineTo(21.5, 11);
    p.drawPath(back);
    p.drawPolygon(poly({{5, 19.5}, {8.5, 11}, {25.5, 11}, {22, 19.5}}));
}

void drawCopy(QPainter &p)
{
    const QRectF front(12.5, 7.5, 11, 14);
    const QRectF back(7, 3.5, 11, 14);
    strokeOnly(p, kInk, kToolPen);
    // hide the part of the rear sheet that lies behind the front one
    QPainterPath clip;
    clip.addRect(0, 0, 30, 25);
    QPainterPath cover;
    cover.addRect(front.adjusted(-1.5, -1.5, 1.5, 1.5));
    p.setClipPath(clip.subtracted(cover));
    p.drawRoundedRect(back, 1.5, 1.5);
    p.setClipping(false);
    p.drawRoundedRect(front, 1.5, 1.5);
}

void drawPaste(QPainter &p)
{
    strokeOnly(p, kInk, kToolPen);
    p.drawRoundedRect(QRectF(8, 4.5, 14, 17.5), 1.5, 1.5);
    fillOnly(p, kInk);
    p.drawRoundedRect(QRectF(11.5, 2.5, 7, 4), 1.2, 1.2);
    strokeOnly(p, kInk, kToolPen);
    p.drawLine(QPointF(11.5, 11), QPointF(18.5, 11));
    p.drawLine(QPointF(11.5, 14.5), QPointF(18.5, 14.5));
    p.drawLine(QPointF(11.5, 18), QPointF(16, 18));
}

void drawScissors(QPainter &p)
{
    strokeOnly(p, kInk, kToolPen);
    p.drawEllipse(QPointF(10.5, 18), 3, 3);
    p.drawEllipse(QPointF(19.5, 18), 3, 3);
    p.drawLine(QPointF(12.3, 15.6), QPointF(19.5, 3.5));
    p.drawLine(QPointF(17.7, 15.6), QPointF(10.5, 3.5));
    fillOnly(p, kInk);
    p.drawEllipse(QPointF(15, 11.1), 1.1, 1.1);
}

void drawTrash(QPainter &p)
{
    strokeOnly(p, kInk, kToolPen);
    p.drawLine(QPointF(7.5, 6.5), QPointF(22.5, 6.5));
    QPainterPath handle;
    handle.moveTo(12, 6.5);
    handle.lineTo(12, 3.8);
    handle.lineTo(18, 3.8);
    handle.lineTo(18, 6.5);
    p.drawPath(handle);
    p.drawPolyline(poly({{9.5, 6.5}, {10.7, 21.5}, {19.3, 21.5}, {20.5, 6.5}}));
    p.drawLine(QPointF(13, 10), QPointF(13.3, 18));
    p.drawLine(QPointF(17, 10), QPointF(16.7, 18));
}

void drawRename(QPainter &p)
{
    strokeOnly(p, kInk, kToolPen);
    p.drawLine(QPointF(5, 21.5), QPointF(25, 21.5));
    p.save();
    p.translate(8.5, 18);
    p.rotate(-45);
    // tip at the origin, body running along +x
    p.drawPolygon(poly({{0, 0}, {4.5, -2.5}, {17, -2.5}, {17, 2.5}, {4.5, 2.5}}));
    p.drawLine(QPointF(14, -2.5), QPointF(14, 2.5));
    p.restore();
}

void drawSelectAll(QPainter &p)
{
    strokeOnly(p, kInk, kToolPen);
    p.drawRoundedRect(QRectF(7, 4.5, 16, 16), 2.5, 2.5);
    p.setPen(linePen(kInk, 2.0));
    p.drawPolyline(poly({{10.5, 12.5}, {13.8, 15.8}, {19.5, 9}}));
}

void drawDeselectAll(QPainter &p)
{
    strokeOnly(p, kInk, kToolPen);
    p.drawRoundedRect(QRectF(7, 4.5, 16, 16), 2.5, 2.5);
    p.setPen(linePen(kInk, 2.0));
    p.drawLine(QPointF(11, 12.5), QPointF(19, 12.5));
}

// ---------------------------------------------------------------- settings rows (60x30, glyph in left half)

const qreal kRowPen = 2.0;

void drawThermometer(QPainter &p)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(12, 2, 6, 20), 3, 3);
    QPainterPath bulb;
    bulb.addEllipse(QPointF(15, 23), 5, 5);
    strokeOnly(p, kInk, kRowPen);
    p.drawPath(outline.united(bulb));
    fillOnly(p, kInk);
    p.drawEllipse(QPointF(15, 23), 2.6, 2.6);
    p.setPen(linePen(kInk, 2.2));
    p.drawLine(QPointF(15, 23), QPointF(15, 10));
    p.setPen(linePen(kInk, 1.6));
    for (qreal y : {6.0, 10.0, 14.0})
        p.drawLine(QPointF(21, y), QPointF(24, y));
}

void drawRuler(QPainter &p)
{
    p.save();
    p.translate(15, 15);
    p.rotate(-45);
    strokeOnly(p, kInk, kRowPen);
    p.drawRoundedRect(QRectF(-15, -5, 30, 10), 1.5, 1.5);
    p.setPen(linePen(kInk, 1.5));
    for (int i = 0; i < 6; ++i) {
        const qreal x = -10 + i * 4;
        p.drawLine(QPointF(x, -5), QPointF(x, i % 2 ? -2.5 : -0.5));
    }
    p.restore();
}

void drawBook(QPainter &p)
{
    strokeOnly(p, kInk, kRowPen);
    QPainterPath left;
    left.moveTo(15, 7);
    left.cubicTo(11, 4, 6, 3.5, 2.5, 4.5);
    left.lineTo(2.5, 24);
    left.cubicTo(6, 23, 11, 23.5, 15, 26.5);
    left.closeSubpath();
    p.drawPath(left);
    QTransform mirror(-1, 0, 0, 1, 30, 0);
    p.drawPath(mirror.map(left));
    p.setPen(linePen(kInk, 1.4));
    for (qreal y : {10.0, 14.0, 18.0}) {
        p.drawLine(QPointF(5.5, y - 1), QPointF(12, y + 0.5));
        p.drawLine(QPointF(24.5, y - 1), QPointF(18, y + 0.5));
    }
}

void drawGlobe(QPainter &p)
{
    const QPointF c(15, 15);
    strokeOnly(p, kInk, kRowPen);
    p.drawEllipse(c, 12, 12);
    p.setPen(linePen(kInk, 1.5));
    p.drawEllipse(c, 5.5, 12);
    p.drawLine(QPointF(15, 3), QPointF(15, 27));
    p.drawLine(QPointF(3, 15), QPointF(27, 15));
    p.drawLine(QPointF(5, 9), QPointF(25, 9));
    p.drawLine(QPointF(5, 21), QPointF(25, 21));
}

void drawDocument(QPainter &p)
{
    strokeOnly(p, kInk, kRowPen);
    p.drawPolygon(poly({{6.5, 2}, {18, 2}, {24.5, 8.5}, {24.5, 28}, {6.5, 28}}));
    p.drawPolyline(poly({{18, 2}, {18, 8.5}, {24.5, 8.5}}));
    p.setPen(linePen(kInk, 1.5));
    for (qreal y : {14.0, 18.0, 22.0})
        p.drawLine(QPointF(10.5, y), QPointF(20.5, y));
}

void drawFolder(QPainter &p)
{
    strokeOnly(p, kInk, kRowPen);
    p.drawPolygon(poly({{3, 24}, {3, 6}, {11, 6}, {14, 9.5}, {27, 9.5}, {27, 24}}));
    p.drawLine(QPointF(3, 13), QPointF(27, 13));
}

// ---------------------------------------------------------------- arrows

void chevron(QPainter &p, const QColor &c, qreal width, QPolygonF pts)
{
    strokeOnly(p, c, width);
    p.drawPolyline(pts);
}

void triangle(QPainter &p, const QColor &c, bool up)
{
    fillOnly(p, c);
    if (up)
        p.drawPolygon(poly({{8, 2}, {12, 7}, {4, 7}}));
    else
        p.drawPolygon(poly({{4, 2}, {12, 2}, {8, 7}}));
}

// ---------------------------------------------------------------- thumbnail overlay marks

void overlayBase(QPainter &p)
{
    fillOnly(p, QColor(0, 0, 0, 140));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
}

void drawVideoMark(QPainter &p)
{
    overlayBase(p);
    fillOnly(p, Qt::white);
    p.setPen(linePen(Qt::white, 1.5));
    p.drawPolygon(poly({{12, 9}, {23, 16}, {12, 23}}));
}

void drawSpeakerMark(QPainter &p)
{
    overlayBase(p);
    fillOnly(p, Qt::white);
    p.drawPolygon(poly({{6, 12.5}, {10, 12.5}, {15, 8}, {15, 24}, {10, 19.5}, {6, 19.5}}));
    strokeOnly(p, Qt::white, 1.8);
    p.drawArc(QRectF(16 - 4, 16 - 4, 8, 8), -50 * 16, 100 * 16);
    p.drawArc(QRectF(16 - 8.5, 16 - 8.5, 17, 17), -50 * 16, 100 * 16);
}

void drawQrMark(QPainter &p)
{
    overlayBase(p);
    // pixel-aligned squares stay crisp at this size
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor w(Qt::white);
    auto finder = [&](int x, int y) {
        p.fillRect(x, y, 8, 2, w);
        p.fillRect(x, y + 6, 8, 2, w);
        p.fillRect(x, y, 2, 8, w);
        p.fillRect(x + 6, y, 2, 8, w);
        p.fillRect(x + 3, y + 3, 2, 2, w);
    };
    finder(6, 6);
    finder(18, 6);
    finder(6, 18);
    const QPoint modules[] = {{18, 18}, {22, 18}, {20, 20}, {24, 20}, {18, 22}, {22, 24},
                              {24, 24}, {15, 6}, {15, 10}, {6, 15}, {10, 15}, {15, 15}};
    for (const QPoint &m : modules)
        p.fillRect(m.x(), m.y(), 2, 2, w);
}

// ---------------------------------------------------------------- application icon

// Drawn in a 256-unit box; the caller scales, so each .ico size is rendered
// from the vectors rather than shrunk from one bitmap.
void drawAppIcon(QPainter &p)
{
    QLinearGradient iron(QPointF(0, 256), QPointF(256, 0));
    iron.setColorAt(0.00, QColor(0x1A, 0x05, 0x33));
    iron.setColorAt(0.30, QColor(0x6A, 0x1B, 0x9A));
    iron.setColorAt(0.55, QColor(0xD8, 0x2B, 0x3A));
    iron.setColorAt(0.78, QColor(0xF5, 0x8F, 0x12));
    iron.setColorAt(1.00, QColor(0xFF, 0xE8, 0x5C));
    p.setPen(Qt::NoPen);
    p.setBrush(iron);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);

    // camera silhouette: body, viewfinder hump and hand grip as one shape
    QPainterPath body;
    body.addRoundedRect(QRectF(40, 74, 176, 100), 22, 22);
    QPainterPath hump;
    hump.addRoundedRect(QRectF(146, 54, 50, 34), 10, 10);
    QPainterPath grip;
    grip.addRoundedRect(QRectF(96, 150, 64, 76), 16, 16);
    const QPainterPath camera = body.united(hump).united(grip);
    fillOnly(p, QColor(0xFA, 0xFA, 0xFA));
    p.drawPath(camera);

    const QPointF lens(128, 124);
    fillOnly(p, QColor(0x22, 0x10, 0x38));
    p.drawEllipse(lens, 38, 38);
    QRadialGradient hot(lens + QPointF(-6, -6), 30);
    hot.setColorAt(0.0, QColor(0xFF, 0xF6, 0xC0));
    hot.setColorAt(0.35, QColor(0xFF, 0xB3, 0x1A));
    hot.setColorAt(0.7, QColor(0xD8, 0x2B, 0x3A));
    hot.setColorAt(1.0, QColor(0x4A, 0x12, 0x6A));
    p.setBrush(hot);
    p.drawEllipse(lens, 26, 26);
    // small status light, only visible at larger sizes
    fillOnly(p, QColor(0xD8, 0x2B, 0x3A));
    p.drawEllipse(QPointF(62, 96), 7, 7);
}

QImage renderAppIcon(int size)
{
    return render(size, size, [size](QPainter &p) {
        p.scale(size / 256.0, size / 256.0);
        drawAppIcon(p);
    });
}

// ICO with PNG-compressed entries (valid for every size since Vista).
bool writeIco(const QString &rel, const QVector<int> &sizes)
{
    QVector<QByteArray> blobs;
    for (int s : sizes) {
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        if (!renderAppIcon(s).save(&buf, "PNG"))
            return false;
        blobs << png;
    }

    QByteArray out;
    QDataStream ds(&out, QIODevice::WriteOnly);
    ds.setByteOrder(QDataStream::LittleEndian);
    ds << quint16(0) << quint16(1) << quint16(sizes.size());
    quint32 offset = 6 + 16 * sizes.size();
    for (int i = 0; i < sizes.size(); ++i) {
        const int s = sizes[i];
        const quint8 dim = s >= 256 ? 0 : quint8(s); // 0 means 256
        ds << dim << dim << quint8(0) << quint8(0) << quint16(1) << quint16(32)
           << quint32(blobs[i].size()) << offset;
        offset += blobs[i].size();
    }
    for (const QByteArray &b : blobs)
        out.append(b);

    const QString path = g_root + QLatin1Char('/') + rel;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failures;
        return false;
    }
    std::printf("%-40s %d sizes\n", qPrintable(rel), int(sizes.size()));
    return true;
}

// ---------------------------------------------------------------- label tag

void drawPriceTag(QPainter &p)
{
    const QColor blue(0x2D, 0x7D, 0xD2);
    p.translate(16, 16);
    p.rotate(45);
    QPainterPath tag;
    tag.addPolygon(poly({{-13, 0}, {-6, -7}, {12, -7}, {12, 7}, {-6, 7}}));
    tag.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(-5, 0), 2.6, 2.6);
    // round the corners by stroking the outline in the fill colour
    p.setPen(linePen(blue, 2.5));
    p.setBrush(blue);
    p.drawPath(tag);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    fillOnly(p, Qt::black);
    p.drawPath(hole);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <repo-root>\n", argv[0]);
        return 2;
    }
    g_root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!QDir(g_root).exists()) {
        std::fprintf(stderr, "no such directory: %s\n", argv[1]);
        return 2;
    }

    for (int f = 0; f < 4; ++f)
        draw(QStringLiteral("resources/images/wait%1.png").arg(f + 1), 80, 80,
             [f](QPainter &p) { drawSpinner(p, f); });

    draw("resources/images/im_tpqs.png", 200, 150, drawNoPicture);

    draw("resources/images/ic_sz.png", 31, 24, [](QPainter &p) {
        fillOnly(p, Qt::white);
        p.drawPath(gearPath(QPointF(15.5, 12), 9.5, 6.8, 3.2, 8));
    });

    draw("resources/images/ic_lj_01.png", 32, 32, [](QPainter &p) {
        strokeOnly(p, kInk, 2.4);
        p.translate(16, 16);
        p.rotate(-45);
        p.drawRoundedRect(QRectF(-13, -4.5, 15, 9), 4.5, 4.5);
        p.drawRoundedRect(QRectF(-2, -4.5, 15, 9), 4.5, 4.5);
    });

    draw("resources/images/ic_dk_01.png", 30, 25, drawOpenFolder);
    draw("resources/images/ic_fz_01.png", 30, 25, drawCopy);
    draw("resources/images/ic_zt_01.png", 30, 25, drawPaste);
    draw("resources/images/ic_jq_01.png", 30, 25, drawScissors);
    draw("resources/images/ic_sc_01.png", 30, 25, drawTrash);
    draw("resources/images/ic_cxmm_01.png", 30, 25, drawRename);
    draw("resources/images/ic_qbxz_01.png", 30, 25, drawSelectAll);
    draw("resources/images/ic_qbxx_01.png", 30, 25, drawDeselectAll);

    draw("resources/images/ic_wddw.png", 60, 30, drawThermometer);
    draw("resources/images/ic_jldw.png", 60, 30, drawRuler);
    draw("resources/images/ic_syz.png", 60, 30, drawBook);
    draw("resources/images/ic_yyxz.png", 60, 30, drawGlobe);
    draw("resources/images/ic_pdf.png", 60, 30, drawDocument);
    draw("resources/images/ic_bj.png", 60, 30, drawFolder);

    draw("resources/images/ic_xyb_02.png", 30, 30, [](QPainter &p) {
        chevron(p, kLightGrey, 2.0, poly({{12, 9}, {18, 15}, {12, 21}}));
    });
    draw("resources/images/ic_xyb.png", 20, 20, [](QPainter &p) {
        chevron(p, kGrey, 1.6, poly({{8, 6}, {12, 10}, {8, 14}}));
    });
    draw("resources/images/ic_xyb_down.png", 20, 20, [](QPainter &p) {
        chevron(p, kGrey, 1.6, poly({{6, 8}, {10, 12}, {14, 8}}));
    });

    const QColor arrowNormal(0x99, 0x99, 0x99);
    const QColor arrowHover(0x5C, 0x5C, 0x5C);
    draw("resources/images/a/1.png", 16, 9, [&](QPainter &p) { triangle(p, arrowNormal, true); });
    draw("resources/images/a/2.png", 16, 9, [&](QPainter &p) { triangle(p, arrowHover, true); });
    draw("resources/images/a/3.png", 16, 9, [&](QPainter &p) { triangle(p, arrowNormal, false); });
    draw("resources/images/a/4.png", 16, 9, [&](QPainter &p) { triangle(p, arrowHover, false); });

    draw("resources/images/Album/video.png", 32, 32, drawVideoMark);
    draw("resources/images/Album/speaker.png", 32, 32, drawSpeakerMark);
    draw("resources/images/Album/qrcode.png", 32, 32, drawQrMark);

    saveImage(renderAppIcon(256), "resources/app/velk.png");
    writeIco("resources/app/velk.ico", {16, 20, 24, 32, 40, 48, 64, 96, 128, 256});

    draw("widgetkit/dynamiclabelicon.png", 32, 32, drawPriceTag);

    if (g_failures) {
        std::fprintf(stderr, "%d file(s) could not be written\n", g_failures);
        return 1;
    }
    return 0;
}
