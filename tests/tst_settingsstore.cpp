#include "testsupport.h"

#include "currentsettings.h"
#include "saveinfo.h"

#include <QFile>
#include <QSettings>

// The settings file and the six current settings loaded from it.
class TestSettingsStore : public QObject
{
    Q_OBJECT

private:
    QString iniPath() const { return settingsFolderPath() + "/IniFormat.ini"; }

    void writeIni(const QByteArray &content)
    {
        QDir().mkpath(settingsFolderPath());
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    // Loads the settings as the main window does, then lets QSettings write
    // back by destroying its parent.
    void loadAndWriteBack()
    {
        QObject parent;
        initCurrentSettings(&parent);
    }

private slots:
    void cleanup()
    {
        QFile::remove(iniPath());
    }

    void firstStartWritesDefaults()
    {
        QVERIFY(!QFile::exists(iniPath()));
        auto *parent = new QObject;
        initCurrentSettings(parent);
        const QString album = TestSupport::documentsPath() + "/VELKThermal/Users Files";
        QCOMPARE(currentUnitTemp(), QString(QChar(0x2103)));
        QCOMPARE(currentUnitDistence(), QString("m"));
        QCOMPARE(currentPdfExcel(), QString("PDF 1"));
        QCOMPARE(currentLanguage(), QString("English"));
        QCOMPARE(currentFolderPath(), album);
        QCOMPARE(currentPdfPath(), album);

        // The file appears through QSettings' own write-back in the event loop.
        QTRY_VERIFY(QFile::exists(iniPath()));
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[setting]"));
        QVERIFY2(text.contains("UnitTemp=\\x2103"), text.constData());
        for (const char *key : {"UnitDistence=m", "pdfExcel=PDF 1", "language=English",
                                "folderPath=", "PDFPath="})
            QVERIFY2(text.contains(key), key);
        delete parent;
    }

    void storedValuesWin_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("pdfExcel");
        QTest::addColumn<QString>("unitDistence");

        QTest::newRow("missing pdfExcel is re-created")
            << QByteArray("[setting]\nlanguage=German\nUnitDistence=ft\n")
            << "German" << "PDF 1" << "ft";
        QTest::newRow("other group only")
            << QByteArray("[other]\nlanguage=German\n") << "English" << "PDF 1" << "m";
        QTest::newRow("binary garbage")
            << QByteArray("\x00\xff\xfe[[[=\n\x01\x02=\x03", 14) << "English" << "PDF 1" << "m";
        QTest::newRow("not INI at all")
            << QByteArray("{\"language\": \"German\"}") << "English" << "PDF 1" << "m";
        QTest::newRow("group name differs in case")
            << QByteArray("[Setting]\nlanguage=German\n") << "English" << "PDF 1" << "m";
        QTest::newRow("empty value stays empty")
            << QByteArray("[setting]\nlanguage=\npdfExcel=PDF 2\n") << "" << "PDF 2" << "m";
    }

    void storedValuesWin()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, language);
        QFETCH(QString, pdfExcel);
        QFETCH(QString, unitDistence);
        writeIni(content);

        loadAndWriteBack();
        QCOMPARE(currentLanguage(), language);
        QCOMPARE(currentPdfExcel(), pdfExcel);
        QCOMPARE(currentUnitDistence(), unitDistence);

        // Every key read with a default is in the file afterwards.
        QSettings check(iniPath(), QSettings::IniFormat);
        check.beginGroup("setting");
        for (const char *key : {"UnitTemp", "UnitDistence", "pdfExcel", "language",
                                "folderPath", "PDFPath"})
            QVERIFY2(check.contains(key), key);
        QCOMPARE(check.value("pdfExcel").toString(), pdfExcel);
    }

    void unreadableFileStillStarts()
    {
        writeIni("[setting]\nlanguage=German\n");
        QFile::setPermissions(iniPath(), QFileDevice::WriteOwner);
        QFile probe(iniPath());
        if (probe.open(QIODevice::ReadOnly)) {
            QFile::setPermissions(iniPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QSKIP("running with rights that read any file (root)");
        }
        QObject parent;
        initCurrentSettings(&parent);
        QCOMPARE(currentLanguage(), QString("English"));
        QFile::setPermissions(iniPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void setterWithoutFileChangesValueOnly()
    {
        QObject parent;
        initCurrentSettings(&parent);   // first start: nothing on disk yet
        setCurrentLanguage("German");
        QCOMPARE(currentLanguage(), QString("German"));
        QSettings *settings = parent.findChild<QSettings *>();
        QVERIFY(settings);
        QCOMPARE(settings->value("setting/language").toString(), QString("English"));
    }

    void setterWithFileWrites()
    {
        loadAndWriteBack();
        {
            QObject parent;
            initCurrentSettings(&parent);
            setCurrentUnitDistence("ft");
            setCurrentUnitTemp("K");
            QCOMPARE(currentUnitDistence(), QString("ft"));
        }
        QSettings check(iniPath(), QSettings::IniFormat);
        QCOMPARE(check.value("setting/UnitDistence").toString(), QString("ft"));
        QCOMPARE(check.value("setting/UnitTemp").toString(), QString("K"));
    }

    void groupNameAt_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("camera file") << QByteArray("[Q4815]\nver=1\n") << true << 0 << "Q4815";
        QTest::newRow("second group") << QByteArray("[Q4815]\na=1\n[more]\nb=2\n") << true << 1 << "more";
        QTest::newRow("past the end") << QByteArray("[Q4815]\na=1\n") << true << 5 << "";
        QTest::newRow("empty file") << QByteArray() << true << 0 << "";
        QTest::newRow("missing file") << QByteArray() << false << 0 << "";
        QTest::newRow("keys outside any group") << QByteArray("a=1\n") << true << 0 << "";
    }

    void groupNameAt()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        QFETCH(int, index);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("sys.ini");
        if (create) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QObject parent;
        SaveInfo store(&parent, path);
        QCOMPARE(store.groupNameAt(quint8(index)), expected);
    }

    void writeInfoThroughMetaObjectStoresEmptyText()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.ini");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[g]\nk=old\n");
        }
        QObject parent;
        SaveInfo store(&parent, path);
        QVERIFY(QMetaObject::invokeMethod(&store, "writeInfo", Q_ARG(QString, "g"),
                                          Q_ARG(QString, "k")));
        QCOMPARE(store.readInfo("g", "k", "default"), QString());
    }

    void writeInfoSkippedWithoutFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("absent.ini");
        QObject parent;
        SaveInfo store(&parent, path);
        store.writeInfo("g", "k", "v");
        QCOMPARE(store.readInfo("g", "k", "default"), QString("default"));
    }

    void disposeWritesAndDeletes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("d.ini");
        QObject parent;
        QPointer<SaveInfo> store = new SaveInfo(&parent, path);
        store->readInfo("g", "k", "v");   // no file yet: the default is set
        store->dispose();
        QVERIFY(QFile::exists(path));
        QTRY_VERIFY(store.isNull());
        QVERIFY(parent.findChildren<QSettings *>().isEmpty());
    }
};

VELK_TEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
