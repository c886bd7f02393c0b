// Completeness check of the translation files, run by CTest:
//   velk_checkts <update-translations.sh> <folder of the .ts files> [lupdate]
// Copies the four .ts files to a temporary folder, lets the update script
// run lupdate over the code into the copies, then fails on every entry that
// is new, unfinished, empty, still Chinese or that lost a %1 place marker.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>

namespace {

const char *const languages[] = {"en", "de", "fr", "es"};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool hasChinese(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF)
            || (u >= 0x3000 && u <= 0x303F) || (u >= 0xFF01 && u <= 0xFF5E))
            return true;
    }
    return false;
}

QSet<QString> placeMarkers(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(?:L?\\d+|n)"));
    QSet<QString> found;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured());
    return found;
}

struct Message
{
    QString context;
    QString source;
    QString type;
    QStringList translations; // one, or the plural forms
};

// Returns the number of faults found in one file.
int checkFile(const QString &path, const QString &name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err() << name << ": cannot read\n";
        return 1;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool inMessage = false;
    int faults = 0;
    int count = 0;

    auto report = [&](const QString &why) {
        err() << name << ": [" << message.context << "] \"" << message.source << "\": " << why
              << "\n";
        ++faults;
    };

    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto tag = xml.name();
            if (tag == QLatin1String("name") && !inMessage) {
                context = xml.readElementText();
            } else if (tag == QLatin1String("message")) {
                inMessage = true;
                message = Message();
                message.context = context;
            } else if (tag == QLatin1String("source") && inMessage) {
                message.source = xml.readElementText();
            } else if (tag == QLatin1String("translation") && inMessage) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                // A plural text has one <numerusform> per form.
                QString plain;
                bool numerus = false;
                while (!xml.atEnd()) {
                    xml.readNext();
                    if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                        break;
                    if (xml.isCharacters()) {
                        plain += xml.text();
                    } else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                        numerus = true;
                        message.translations << xml.readElementText();
                    }
                }
                if (!numerus)
                    message.translations << plain;
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            inMessage = false;
            if (message.type == QLatin1String("obsolete") || message.type == QLatin1String("vanished"))
                continue;
            ++count;
            if (message.type == QLatin1String("unfinished")) {
                report(QStringLiteral("new or unfinished"));
                continue;
            }
            const QSet<QString> sourceMarkers = placeMarkers(message.source);
            for (const QString &translation : message.translations) {
                if (translation.trimmed().isEmpty())
                    report(QStringLiteral("empty translation"));
                else if (hasChinese(translation))
                    report(QStringLiteral("translation is still Chinese: ") + translation);
                else if (placeMarkers(translation) != sourceMarkers)
                    report(QStringLiteral("place markers differ: ") + translation);
            }
        }
    }
    if (xml.hasError()) {
        err() << name << ": XML error: " << xml.errorString() << "\n";
        ++faults;
    }
    if (count == 0) {
        err() << name << ": no entries\n";
        ++faults;
    }
    return faults;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        err() << "usage: velk_checkts <update-translations.sh> <ts folder> [lupdate]\n";
        return 2;
    }
    const QString script = args.at(1);
    const QDir tsDir(args.at(2));

    QTemporaryDir work;
    if (!work.isValid()) {
        err() << "cannot create a temporary folder\n";
        return 2;
    }
    for (const char *lang : languages) {
        const QString name = QStringLiteral("Main_%1.ts").arg(QLatin1String(lang));
        if (!QFile::copy(tsDir.filePath(name), work.filePath(name))) {
            err() << name << ": missing in " << tsDir.path() << "\n";
            return 1;
        }
        QFile::setPermissions(work.filePath(name),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }

    QProcess update;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (args.size() > 3)
        env.insert(QStringLiteral("LUPDATE"), args.at(3));
    update.setProcessEnvironment(env);
    update.setProcessChannelMode(QProcess::ForwardedChannels);
    update.start(QStringLiteral("bash"), {script, work.path()});
    if (!update.waitForFinished(240000) || update.exitStatus() != QProcess::NormalExit
        || update.exitCode() != 0) {
        err() << "lupdate run failed: " << update.errorString() << "\n";
        return 1;
    }

    int faults = 0;
    for (const char *lang : languages) {
        const QString name = QStringLiteral("Main_%1.ts").arg(QLatin1String(lang));
        faults += checkFile(work.filePath(name), name);
    }
    if (faults) {
        err() << faults << " translation fault(s). Run tools/update-translations.sh and "
                           "translate the entries listed above.\n";
        return 1;
    }
    QTextStream(stdout) << "All four translation files are complete.\n";
    return 0;
}
