#include "testsupport.h"

#include "dynamiclabel.h"

#include <QPluginLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class TestWidgetKit : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        DynamicLabel label(nullptr);
        QCOMPARE(label.rawText(), QString("MyLabl"));
        QCOMPARE(label.textColor(), QColor(Qt::black));
        QCOMPARE(int(label.alignment()), 0);
        // Forms store the properties under these names.
        QCOMPARE(label.property("mRawText").toString(), QString("MyLabl"));
        QVERIFY(label.setProperty("mAignment", QVariant::fromValue(Qt::Alignment(Qt::AlignCenter))));
        QCOMPARE(label.alignment(), Qt::Alignment(Qt::AlignCenter));
        QVERIFY(label.setProperty("mTextColor", QColor(Qt::red)));
        QCOMPARE(label.textColor(), QColor(Qt::red));
    }

    void elidesOnlyWhenTooWide_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("extraWidth");
        QTest::addColumn<bool>("elided");
        const QString name = "IR_20240101_120000_long_file_name.jpg";
        QTest::newRow("fits with room") << name << 20 << false;
        QTest::newRow("fits exactly") << name << 0 << false;
        QTest::newRow("one pixel too wide") << name << -1 << true;
        QTest::newRow("much too wide") << name << -150 << true;
        QTest::newRow("empty text") << QString() << -10 << false;
    }

    void elidesOnlyWhenTooWide()
    {
        QFETCH(QString, text);
        QFETCH(int, extraWidth);
        QFETCH(bool, elided);
        DynamicLabel label(nullptr);
        label.setToolTip("stale");
        label.setRawText(text);
        const int textWidth = QFontMetrics(label.font()).horizontalAdvance(text);
        label.resize(qMax(1, textWidth + extraWidth), 20);
        label.grab();   // paints
        if (elided) {
            QVERIFY(label.displayedText() != text);
            QVERIFY(label.displayedText().contains(QChar(0x2026)));
            QCOMPARE(label.toolTip(), text);
        } else {
            QCOMPARE(label.displayedText(), text);
            QCOMPARE(label.toolTip(), QString());
        }
    }

    void wideningRemovesEllipsis()
    {
        DynamicLabel label(nullptr);
        label.setRawText("a rather long remark text for the label");
        label.resize(40, 20);
        label.grab();
        QVERIFY(!label.toolTip().isEmpty());
        label.resize(1000, 20);
        label.grab();
        QCOMPARE(label.displayedText(), label.rawText());
        QVERIFY(label.toolTip().isEmpty());
    }

    void drawsInColourAndAlignment()
    {
        DynamicLabel label(nullptr);
        label.setRawText("W");
        label.resize(60, 40);
        label.setTextColor(Qt::red);
        label.setAlignment(Qt::AlignCenter);
        const QImage image = label.grab().toImage();
        // Red ink near the centre and none at the top-left corner.
        bool redNearCentre = false;
        for (int y = 10; y < 30; ++y)
            for (int x = 20; x < 40; ++x)
                redNearCentre |= qRed(image.pixel(x, y)) > 150 && qGreen(image.pixel(x, y)) < 100;
        QVERIFY(redNearCentre);
        QCOMPARE(qGreen(image.pixel(1, 1)) < 100 && qRed(image.pixel(1, 1)) > 150, false);
    }

    void designerPlugin()
    {
        const QString dir = qEnvironmentVariable("VELK_BUILD_DIR") + "/bin";
        QPluginLoader loader(dir + "/libWidgetKit.so");
        QObject *instance = loader.instance();
        QVERIFY2(instance, qPrintable(loader.errorString()));
        QCOMPARE(loader.metaData().value("IID").toString(),
                 QString("org.qt-project.Qt.QDesignerCustomWidgetInterface"));
        QCOMPARE(loader.metaData().value("className").toString(), QString("WidgetKit"));
        auto *plugin = qobject_cast<QDesignerCustomWidgetInterface *>(instance);
        QVERIFY(plugin);
        QCOMPARE(plugin->name(), QString("DynamicLabel"));
        QCOMPARE(plugin->group(), QString(""));
        QCOMPARE(plugin->toolTip(), QString(""));
        QCOMPARE(plugin->whatsThis(), QString(""));
        QCOMPARE(plugin->includeFile(), QString("dynamiclabel.h"));
        QVERIFY(!plugin->icon().isNull());
        QVERIFY(!plugin->isContainer());
        QCOMPARE(plugin->domXml(),
                 QString("<widget class=\"DynamicLabel\" name=\"dynamicLabel\">\n</widget>\n"));
        QVERIFY(!plugin->isInitialized());
        plugin->initialize(nullptr);
        QVERIFY(plugin->isInitialized());
        plugin->initialize(nullptr);
        QVERIFY(plugin->isInitialized());
        QWidget parent;
        QWidget *widget = plugin->createWidget(&parent);
        QCOMPARE(widget->parent(), &parent);
        QCOMPARE(QString(widget->metaObject()->className()), QString("DynamicLabel"));
        QCOMPARE(widget->property("mRawText").toString(), QString("MyLabl"));
    }
};

VELK_TEST_MAIN(TestWidgetKit)
#include "tst_widgetkit.moc"
