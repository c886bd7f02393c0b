#include "testsupport.h"

#include "analysisview.h"
#include "fixturewriter.h"
#include "imageanalysisk52.h"
#include "reportwriter.h"
#include "thermalframe.h"
#include "thermalimagewidget.h"
#include "thermalpalette.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <limits>

Q_DECLARE_METATYPE(ThermalPalette::Kind)
Q_DECLARE_METATYPE(ThermalFrame::Status)

namespace {

// Raw values that differ in every pixel and include negative ones.
qint32 rampValue(int x, int y)
{
    return x * 7 + y * 3001 - 250;
}

QString iniPath()
{
    return TestSupport::documentsPath() + "/VELKThermal/SystemCON/IniFormat.ini";
}

void setSetting(const QString &key, const QString &value)
{
    QSettings ini(iniPath(), QSettings::IniFormat);
    ini.setValue("setting/" + key, value);
    ini.sync();
}

QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    const QString info = runTool("pdfinfo", {path});
    const QRegularExpressionMatch match =
        QRegularExpression("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

class TestImageAnalysis : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString rampPicture()
    {
        const QString path = dir.filePath("ramp.jpg");
        if (!QFile::exists(path)) {
            FixtureWriter::CameraPictureSpec spec;
            spec.rawValue = rampValue;
            spec.remark = "Valve 7, left side";
            spec.qrText = "QR";
            spec.trailing = FixtureWriter::Trailing::SoundNote;
            spec.soundNoteBytes = 100;
            FixtureWriter::writeCameraPicture(path, spec);
        }
        return path;
    }

private slots:
    void init()
    {
        QFile::remove(iniPath());
    }

    void paletteMapping_data()
    {
        QTest::addColumn<ThermalPalette::Kind>("kind");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("expected");
        QTest::addColumn<int>("tolerance");
        const QPoint coldest(0, 0), hottest(319, 239), middle(10, 10);
        QTest::newRow("iron min") << ThermalPalette::Iron << coldest << QColor(0, 0, 0) << 0;
        QTest::newRow("iron max") << ThermalPalette::Iron << hottest << QColor(255, 255, 255) << 0;
        QTest::newRow("iron middle is red") << ThermalPalette::Iron << middle << QColor(200, 45, 60) << 30;
        QTest::newRow("rainbow min") << ThermalPalette::Rainbow << coldest << QColor(0, 0, 143) << 0;
        QTest::newRow("rainbow max") << ThermalPalette::Rainbow << hottest << QColor(128, 0, 0) << 0;
        QTest::newRow("rainbow middle is green") << ThermalPalette::Rainbow << middle
                                                 << QColor(128, 255, 128) << 10;
        QTest::newRow("white hot min") << ThermalPalette::WhiteHot << coldest << QColor(0, 0, 0) << 0;
        QTest::newRow("white hot max") << ThermalPalette::WhiteHot << hottest << QColor(255, 255, 255) << 0;
        QTest::newRow("white hot middle") << ThermalPalette::WhiteHot << middle << QColor(128, 128, 128) << 0;
        QTest::newRow("black hot min") << ThermalPalette::BlackHot << coldest << QColor(255, 255, 255) << 0;
        QTest::newRow("black hot max") << ThermalPalette::BlackHot << hottest << QColor(0, 0, 0) << 0;
        QTest::newRow("black hot middle") << ThermalPalette::BlackHot << middle << QColor(127, 127, 127) << 0;
    }

    void paletteMapping()
    {
        QFETCH(ThermalPalette::Kind, kind);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, expected);
        QFETCH(int, tolerance);
        // Background at the middle value; one coldest and one hottest pixel.
        QVector<qint32> raw(ThermalFrame::Width * ThermalFrame::Height, 2000);
        raw[0] = 1000;
        raw[raw.size() - 1] = 3000;
        const ThermalFrame frame = ThermalFrame::fromRaw(raw);
        QCOMPARE(frame.status, ThermalFrame::Ok);
        QCOMPARE(frame.minimum, 1000);
        QCOMPARE(frame.maximum, 3000);
        QCOMPARE(frame.coldest, QPoint(0, 0));
        QCOMPARE(frame.hottest, QPoint(319, 239));

        const QImage image = ThermalPalette::render(frame.raw, ThermalFrame::Width, ThermalFrame::Height,
                                                    frame.minimum, frame.maximum, kind);
        const QColor got = image.pixelColor(pixel);
        const auto close = [tolerance](int a, int b) { return qAbs(a - b) <= tolerance; };
        QVERIFY2(close(got.red(), expected.red()) && close(got.green(), expected.green())
                     && close(got.blue(), expected.blue()),
                 qPrintable(QString("got %1").arg(got.name())));
    }

    void levelsStayInRange_data()
    {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<qint32>("minimum");
        QTest::addColumn<qint32>("maximum");
        QTest::addColumn<int>("level");
        const qint32 lowest = std::numeric_limits<qint32>::min();
        const qint32 highest = std::numeric_limits<qint32>::max();
        QTest::newRow("no contrast") << 5 << 5 << 5 << 0;
        QTest::newRow("full 32-bit span, middle") << 0 << lowest << highest << 128;
        QTest::newRow("full 32-bit span, top") << highest << lowest << highest << 255;
        QTest::newRow("below the range") << -10 << 0 << 100 << 0;
        QTest::newRow("above the range") << 500 << 0 << 100 << 255;
    }

    void levelsStayInRange()
    {
        QFETCH(qint32, value);
        QFETCH(qint32, minimum);
        QFETCH(qint32, maximum);
        QFETCH(int, level);
        QCOMPARE(ThermalPalette::level(value, minimum, maximum), level);
    }

    void readsTheFixture()
    {
        const ThermalFrame frame = ThermalFrame::load(rampPicture());
        QCOMPARE(frame.status, ThermalFrame::Ok);
        QCOMPARE(frame.valueAt(QPoint(5, 9)), rampValue(5, 9));
        QCOMPARE(frame.minimum, rampValue(0, 0));
        QCOMPARE(frame.maximum, rampValue(319, 239));
        QCOMPARE(frame.coldest, QPoint(0, 0));
        QCOMPARE(frame.hottest, QPoint(319, 239));
        QCOMPARE(frame.cameraType, QString("Q4815"));
        QCOMPARE(frame.remark, QString("Valve 7, left side"));
        QVERIFY(frame.soundNote);
        QVERIFY(frame.qrText);
        QCOMPARE(frame.photo.size(), QSize(640, 480));
        QCOMPARE(ReportWriter::captureTimeText(frame.captureTimeMs), QString("2020-09-13 12:26:40 UTC"));
    }

    void unusableFilesShowAMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ThermalFrame::Status>("status");
        FixtureWriter::CameraPictureSpec zeros;
        zeros.rawValue = [](int, int) { return 0; };
        const QByteArray good = FixtureWriter::cameraPictureBytes();
        QTest::newRow("missing") << QByteArray() << ThermalFrame::Unreadable;
        QTest::newRow("empty") << QByteArray("") << ThermalFrame::Unreadable;
        QTest::newRow("text file") << QByteArray("hello\n") << ThermalFrame::Unreadable;
        QTest::newRow("cut short") << good.left(good.size() / 2) << ThermalFrame::Unreadable;
        QTest::newRow("all zero frame") << FixtureWriter::cameraPictureBytes(zeros) << ThermalFrame::AllZero;
    }

    void unusableFilesShowAMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ThermalFrame::Status, status);
        const QString path = dir.filePath(QString("unusable-%1.jpg").arg(QTest::currentDataTag()));
        if (!bytes.isNull())
            QVERIFY(FixtureWriter::writeBytes(path, bytes));

        QWidget page;
        auto *layout = new QVBoxLayout(&page);
        ImageAnalysisK52 analysis(&page, layout, path);
        analysis.closeImageAnalysis();
        analysis.CreatImageAnalysis();
        page.show();
        auto *view = qobject_cast<AnalysisView *>(analysis.view());
        QVERIFY(view);
        QCOMPARE(view->frame().status, status);
        auto *message = view->findChild<QLabel *>("analysisMessage");
        QVERIFY(message);
        QVERIFY(message->isVisible());
        QVERIFY(message->text().contains(QDir::toNativeSeparators(path)));
        QVERIFY(!view->findChild<ThermalImageWidget *>());
        QVERIFY(!view->exportCsv(dir.filePath("unusable.csv")));
        QVERIFY(view->writeReport().isEmpty());
        // Units and languages change without a picture too.
        emit analysis.loadConfigAnalysisSignals(1);
        QCoreApplication::sendEvent(view, new QEvent(QEvent::LanguageChange));
    }

    void viewLifecycle()
    {
        QWidget page;
        auto *layout = new QVBoxLayout(&page);
        auto *keep = new QLabel("not ours", &page);
        layout->addWidget(keep);
        page.show();

        ImageAnalysisK52 first(&page, layout, rampPicture());
        first.closeImageAnalysis();
        QVERIFY(!first.view());
        first.CreatImageAnalysis();
        QPointer<QWidget> firstView = first.view();
        QVERIFY(firstView);
        QCOMPARE(layout->count(), 2);

        ImageAnalysisK52 second(&page, layout, rampPicture());
        second.closeImageAnalysis();
        QVERIFY(!first.view());
        QCOMPARE(layout->count(), 1);
        QCOMPARE(layout->itemAt(0)->widget(), keep);
        second.CreatImageAnalysis();
        QCOMPARE(layout->count(), 2);
        QTRY_VERIFY(firstView.isNull());
        QCOMPARE(page.findChildren<AnalysisView *>().size(), 1);
        // The first object stays usable without a view.
        emit first.loadConfigAnalysisSignals(1);
        emit first.loadConfigAnalysisSignals(3);
    }

    void unitsFollowTheSettings()
    {
        setSetting("UnitTemp", QString(QChar(0x2103)));
        setSetting("UnitDistence", "m");
        QWidget page;
        auto *layout = new QVBoxLayout(&page);
        ImageAnalysisK52 analysis(&page, layout, rampPicture());
        analysis.closeImageAnalysis();
        analysis.CreatImageAnalysis();
        auto *note = analysis.view()->findChild<QLabel *>("unitNote");
        QVERIFY(note);
        QVERIFY(note->text().contains(QChar(0x2103)));
        QVERIFY(note->text().contains(" m"));

        setSetting("UnitTemp", QString(QChar(0x2109)));
        setSetting("UnitDistence", "ft");
        emit analysis.loadConfigAnalysisSignals(2);
        QVERIFY(note->text().contains(QChar(0x2103)));
        emit analysis.loadConfigAnalysisSignals(1);
        QVERIFY(note->text().contains(QChar(0x2109)));
        QVERIFY(note->text().contains("ft"));

        setSetting("UnitTemp", "K");
        emit analysis.loadConfigAnalysisSignals(3);
        QVERIFY(note->text().contains("K"));
    }

    void readoutFollowsTheMouse()
    {
        AnalysisView view(rampPicture());
        view.resize(1200, 700);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto *image = view.findChild<ThermalImageWidget *>("thermalImage");
        auto *readout = view.findChild<QLabel *>("readout");
        const QRect picture = image->pictureRect();
        QVERIFY(!picture.isEmpty());
        // The centre of frame pixel (100, 50).
        const QPoint at(picture.left() + (100 * picture.width() + picture.width() / 2) / 320,
                        picture.top() + (50 * picture.height() + picture.height() / 2) / 240);
        QCOMPARE(image->pixelAt(at), QPoint(100, 50));
        QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(image, &move);
        QVERIFY(readout->text().contains("x 100, y 50"));
        QVERIFY(readout->text().contains(QString::number(rampValue(100, 50))));
        QCoreApplication::sendEvent(image, new QEvent(QEvent::Leave));
        QVERIFY(!readout->text().contains("x 100"));
    }

    void paletteChoice()
    {
        AnalysisView view(rampPicture());
        auto *box = view.findChild<QComboBox *>("paletteBox");
        QCOMPARE(box->count(), 4);
        QCOMPARE(view.paletteKind(), ThermalPalette::Iron);
        box->setCurrentIndex(box->findData(int(ThermalPalette::BlackHot)));
        QCOMPARE(view.paletteKind(), ThermalPalette::BlackHot);
        // Black hot: the coldest pixel is white in the export.
        const QString png = dir.filePath("blackhot.png");
        QVERIFY(view.exportPng(png));
        QImage exported(png);
        QCOMPARE(exported.height(), 480);
        QVERIFY(exported.width() > 640);
        QCOMPARE(exported.pixelColor(1, 1), QColor(255, 255, 255));
    }

    void csvExport()
    {
        AnalysisView view(rampPicture());
        const QString path = dir.filePath("ramp.csv");
        QVERIFY(view.exportCsv(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 241); // the last line ends with a line break
        QVERIFY(lines.last().isEmpty());
        for (int y = 0; y < 240; ++y) {
            const QList<QByteArray> values = lines.at(y).split(',');
            QCOMPARE(values.size(), 320);
            for (int x = 0; x < 320; ++x) {
                if (values.at(x).toInt() != rampValue(x, y))
                    QFAIL(qPrintable(QString("value at %1, %2 is %3").arg(x).arg(y).arg(values.at(x).constData())));
            }
        }
        QVERIFY(!view.exportCsv(dir.filePath("no such folder/ramp.csv")));
    }

    void csvExportThroughTheButton()
    {
        AnalysisView view(rampPicture());
        view.show();
        const QString path = dir.filePath("chosen.csv");
        TestSupport::answerNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (!dialog) {
                static_cast<QDialog *>(modal)->reject();
                QFAIL("the modal widget is not a file dialog");
            }
            // The name field has the focus, so selectFile() would not change it.
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(path);
            static_cast<QDialog *>(dialog)->accept();
        });
        QTest::mouseClick(view.findChild<QPushButton *>("exportCsv"), Qt::LeftButton);
        QTRY_VERIFY(QFile::exists(path));
        QVERIFY(view.findChild<QLabel *>("status")->text().contains(QDir::toNativeSeparators(path)));
    }

    void pdfReport()
    {
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        const QString reports = dir.filePath("reports/deeper");
        setSetting("PDFPath", reports);
        AnalysisView view(rampPicture());
        const QString first = view.writeReport();
        QCOMPARE(first, reports + "/ramp.pdf");
        const QString second = view.writeReport();
        QCOMPARE(second, reports + "/ramp_1.pdf");
        for (const QString &report : {first, second})
            QCOMPARE(pdfPages(report), 1);

        const QString text = runTool("pdftotext", {first, "-"});
        if (!text.isEmpty()) {
            QVERIFY(text.contains("ramp.jpg"));
            QVERIFY(text.contains("Valve 7, left side"));
            QVERIFY(text.contains("2020-09-13 12:26:40 UTC"));
        }

        // A file that is in the way keeps its content.
        QFile::remove(first);
        QFile::remove(second);
        FixtureWriter::writeBytes(first, "mine");
        QCOMPARE(view.writeReport(), second);
        QFile kept(first);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("mine"));
    }

    void pdfReportFailureIsShown()
    {
        // The report folder would have to be created below a plain file.
        const QString blocker = dir.filePath("blocker");
        FixtureWriter::writeBytes(blocker, "x");
        setSetting("PDFPath", blocker + "/reports");
        AnalysisView view(rampPicture());
        view.show();
        QVERIFY(view.writeReport().isEmpty());
        bool asked = false;
        TestSupport::answerNextModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box) {
                static_cast<QDialog *>(modal)->reject();
                QFAIL("the modal widget is not a message box");
            }
            asked = box->icon() == QMessageBox::Critical;
            box->accept();
        });
        QTest::mouseClick(view.findChild<QPushButton *>("exportPdf"), Qt::LeftButton);
        QTRY_VERIFY(asked);
        QVERIFY(view.findChild<QLabel *>("status")->text().isEmpty());
    }
};

VELK_TEST_MAIN(TestImageAnalysis)
#include "tst_imageanalysis.moc"
