// thermal-inspect: prints the data a thermal camera stores in its files as
// JSON lines, and optionally exports the infrared frame and the photo.

#include "camerafilereader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <limits>

namespace {

const char *const HelpText =
    "Usage: thermal-inspect [--export DIR] FILE...\n"
    "\n"
    "Prints what a thermal camera stored in each FILE as one JSON object per\n"
    "line, in the order the files are given.\n"
    "\n"
    "The kind follows the file name (case-sensitive): a name containing\n"
    "\".avi\" is a \"video\", else \".jpg\" a \"picture\", else \".bmp\" a\n"
    "\"bitmap\", else \"other\". Keys that do not apply to a kind are left out:\n"
    "  file          the path as given (all kinds)\n"
    "  kind          \"picture\", \"video\", \"bitmap\" or \"other\" (all kinds)\n"
    "  cameraType    camera type text, \"Q4815\" for the camera's pictures\n"
    "  captureTimeMs capture time, milliseconds since 1970-01-01 UTC (picture,\n"
    "                bitmap)\n"
    "  captureTimeUtc the same in ISO 8601 with \"Z\"; null when out of range\n"
    "  resolution    infrared resolution text\n"
    "  remark        remark text\n"
    "  hasQrText     whether a QR-code text is stored (picture, video)\n"
    "  hasSoundNote  whether a sound note is attached\n"
    "  photoWidth, photoHeight  size of the visible photo, 0 when it does not\n"
    "                decode\n"
    "  irMin, irMax  smallest and largest raw value of the 320 x 240 infrared\n"
    "                frame (compared as unsigned 32-bit numbers)\n"
    "A readable file that is not a camera file is still reported: its fields\n"
    "hold whatever its bytes give, usually empty texts and zeros.\n"
    "\n"
    "Options:\n"
    "  --export DIR  also write, for each picture named <name>.jpg, into DIR\n"
    "                (created when missing):\n"
    "                <name>.ir.png    the infrared frame as a grey picture\n"
    "                <name>.photo.jpg the photo's bytes exactly as stored\n"
    "                                 (not written when none are stored)\n"
    "                <name>.ir.csv    240 lines of 320 comma-separated raw values\n"
    "  -h, --help    show this text\n"
    "  --            end of options\n"
    "\n"
    "Exit status: 0 when every file was read (and exported); 1 when a file\n"
    "does not exist or cannot be read, or an export failed (a message naming\n"
    "it goes to stderr, the other files are still processed); 2 on a usage\n"
    "error.\n";

QString jsonString(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() == 0x2028 || c.unicode() == 0x2029)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString jsonBool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString isoUtc(qint64 ms)
{
    const QDateTime time = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
    if (!time.isValid() || time.date().year() < 1 || time.date().year() > 9999)
        return QStringLiteral("null");
    return jsonString(time.toString(ms % 1000 == 0 ? Qt::ISODate : Qt::ISODateWithMs));
}

const char *kindName(FileKind kind)
{
    switch (kind) {
    case CameraPicture: return "picture";
    case VideoFile: return "video";
    case BitmapFile: return "bitmap";
    default: return "other";
    }
}

class Inspector
{
public:
    explicit Inspector(const QString &exportDir)
        : m_exportDir(exportDir), m_out(stdout), m_err(stderr)
    {
        m_out.setCodec("UTF-8");
        m_err.setCodec("UTF-8");
    }

    // Returns false when the file could not be read or exported.
    bool inspect(const QString &path)
    {
        const QFileInfo info(path);
        if (!info.exists())
            return fail(path, QStringLiteral("no such file"));
        if (!info.isFile())
            return fail(path, QStringLiteral("not a regular file"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(path, file.errorString());

        const FileKind kind = CameraFileReader::fileKindForName(path);
        QStringList fields;
        fields << field("file", jsonString(path)) << field("kind", jsonString(QLatin1String(kindName(kind))));
        bool ok = true;
        if (kind == CameraPicture) {
            const qint64 time = CameraFileReader::readCaptureTime(file, kind);
            const QImage photo = CameraFileReader::readVisiblePhoto(file);
            const QVector<qint32> raw = CameraFileReader::readInfraredRawValues(file);
            qint32 lo = 0, hi = 0;
            rawRange(raw, &lo, &hi);
            fields << field("cameraType", jsonString(CameraFileReader::readCameraType(file, kind)))
                   << field("captureTimeMs", QString::number(time))
                   << field("captureTimeUtc", isoUtc(time))
                   << field("resolution", jsonString(CameraFileReader::readResolutionText(file)))
                   << field("remark", jsonString(CameraFileReader::readRemarkText(file)))
                   << field("hasQrText", jsonBool(CameraFileReader::hasQrText(file, kind)))
                   << field("hasSoundNote", jsonBool(CameraFileReader::hasSoundNote(file)))
                   << field("photoWidth", QString::number(photo.isNull() ? 0 : photo.width()))
                   << field("photoHeight", QString::number(photo.isNull() ? 0 : photo.height()))
                   << field("irMin", QString::number(lo))
                   << field("irMax", QString::number(hi));
            if (!m_exportDir.isEmpty())
                ok = exportPicture(file, info, raw);
        } else if (kind == VideoFile) {
            fields << field("hasQrText", jsonBool(CameraFileReader::hasQrText(file, kind)));
        } else if (kind == BitmapFile) {
            const qint64 time = CameraFileReader::readCaptureTime(file, kind);
            fields << field("captureTimeMs", QString::number(time))
                   << field("captureTimeUtc", isoUtc(time));
        }
        m_out << '{' << fields.join(QLatin1Char(',')) << "}\n";
        m_out.flush();
        return ok;
    }

    bool fail(const QString &path, const QString &why)
    {
        m_out.flush();
        m_err << "thermal-inspect: " << path << ": " << why << '\n';
        m_err.flush();
        return false;
    }

private:
    static QString field(const char *key, const QString &value)
    {
        return QLatin1Char('"') + QLatin1String(key) + QLatin1String("\":") + value;
    }

    // Chosen as unsigned numbers, like the grey mapping; shown as stored.
    static void rawRange(const QVector<qint32> &raw, qint32 *lo, qint32 *hi)
    {
        quint32 min = std::numeric_limits<quint32>::max(), max = 0;
        for (qint32 v : raw) {
            min = qMin(min, quint32(v));
            max = qMax(max, quint32(v));
        }
        *lo = qint32(min);
        *hi = qint32(max);
    }

    bool exportPicture(QFile &file, const QFileInfo &info, const QVector<qint32> &raw)
    {
        QDir dir(m_exportDir);
        if (!dir.mkpath(QStringLiteral(".")))
            return fail(m_exportDir, QStringLiteral("cannot create export folder"));
        const QString base = dir.filePath(info.completeBaseName());

        bool ok = true;
        const QImage ir = CameraFileReader::infraredImageFromRaw(raw);
        if (!ir.save(base + QLatin1String(".ir.png"), "PNG"))
            ok = fail(base + QLatin1String(".ir.png"), QStringLiteral("cannot write"));

        const QByteArray photo = CameraFileReader::readVisiblePhotoBytes(file);
        if (!photo.isEmpty() && !writeFile(base + QLatin1String(".photo.jpg"), photo))
            ok = fail(base + QLatin1String(".photo.jpg"), QStringLiteral("cannot write"));

        QByteArray csv;
        csv.reserve(raw.size() * 6);
        for (int y = 0; y < CameraFileReader::FrameHeight; ++y) {
            for (int x = 0; x < CameraFileReader::FrameWidth; ++x) {
                if (x > 0)
                    csv += ',';
                csv += QByteArray::number(raw[y * CameraFileReader::FrameWidth + x]);
            }
            csv += '\n';
        }
        if (!writeFile(base + QLatin1String(".ir.csv"), csv))
            ok = fail(base + QLatin1String(".ir.csv"), QStringLiteral("cannot write"));
        return ok;
    }

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QSaveFile out(path);
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
    }

    QString m_exportDir;
    QTextStream m_out;
    QTextStream m_err;
};

// Image decoders warn about every damaged photo; stderr is kept for the
// tool's own messages about files it could not read.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        fprintf(stderr, "%s\n", qUtf8Printable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietMessages);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    QString exportDir;
    QStringList files;
    bool optionsDone = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!optionsDone && (arg == QLatin1String("-h") || arg == QLatin1String("--help"))) {
            fputs(HelpText, stdout);
            return 0;
        }
        if (!optionsDone && arg == QLatin1String("--")) {
            optionsDone = true;
        } else if (!optionsDone && arg == QLatin1String("--export")) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                fputs("thermal-inspect: --export needs a folder\n", stderr);
                return 2;
            }
            exportDir = args.at(++i);
        } else if (!optionsDone && arg.startsWith(QLatin1String("--export="))) {
            exportDir = arg.mid(9);
            if (exportDir.isEmpty()) {
                fputs("thermal-inspect: --export needs a folder\n", stderr);
                return 2;
            }
        } else if (!optionsDone && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            fprintf(stderr, "thermal-inspect: unknown option %s (see --help)\n", qUtf8Printable(arg));
            return 2;
        } else {
            files << arg;
        }
    }
    if (files.isEmpty()) {
        fputs("thermal-inspect: no file given (see --help)\n", stderr);
        return 2;
    }

    Inspector inspector(exportDir);
    int status = 0;
    for (const QString &path : files) {
        if (!inspector.inspect(path))
            status = 1;
    }
    return status;
}
