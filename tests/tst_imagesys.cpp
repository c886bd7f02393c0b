#include "testsupport.h"

#include "archivetesthelpers.h"
#include "folderbutton.h"
#include "waitingbox.h"
#include "zanfolderbtntree.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>

namespace {

// Marks every text of the page's context, as a translation would.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "ImageSys") != 0)
            return QString();
        return QStringLiteral("T:") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestImageSys : public QObject
{
    Q_OBJECT

private:
    ImageSys *page = nullptr;
    QTemporaryDir elsewhere;

    QListWidget *list() const { return page->findChild<QListWidget *>("listWidget"); }
    QWidget *dataBase() const { return page->findChild<QWidget *>("DataBase"); }
    QScrollArea *dataBaseArea() const { return page->findChild<QScrollArea *>("DataBaseArea"); }
    FolderButton *pcButton(int id) const
    {
        return qobject_cast<FolderButton *>(page->pcFolderButtons()->button(id));
    }
    void refreshPcList() { QTest::mouseClick(page->findChild<QPushButton *>("pcUpData"), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        QVERIFY(elsewhere.isValid());
        ArchiveTest::loadSettings();
        const QString album = albumFolderPath();
        QVERIFY(QDir(album).mkpath("b"));
        QVERIFY(QDir(album).mkpath("a"));
        QVERIFY(FixtureWriter::writeCameraPicture(album + "/a/in-a.jpg", ArchiveTest::smallPicture()));
        page = new ImageSys;
        page->resize(1280, 727);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        // Nothing is listed before the deferred start.
        QTest::qWait(1000);
        QCOMPARE(page->pcFolderButtons()->buttons().size(), 0);
        QVERIFY(ArchiveTest::waitForStart(page));
    }

    void cleanupTestCase() { delete page; }

    void form_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("open") << "toolButton_open" << "打开" << "ic_dk_01" << true;
        QTest::newRow("copy") << "toolButton_copy" << "复制" << "ic_fz_01" << false;
        QTest::newRow("paste") << "toolButton_paste" << "粘贴" << "ic_zt_01" << false;
        QTest::newRow("cut") << "toolButton_cut" << "剪切" << "ic_jq_01" << false;
        QTest::newRow("del") << "toolButton_del" << "删除" << "ic_sc_01" << false;
        QTest::newRow("rename") << "toolButton_rename" << "重新命名" << "ic_cxmm_01" << false;
        QTest::newRow("all") << "toolButton_all" << "选择全部" << "ic_qbxz_01" << true;
        QTest::newRow("allcancel") << "toolButton_allcancel" << "全部取消" << "ic_qbxx_01" << true;
    }

    void form()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, icon);
        QFETCH(bool, enabled);
        // A fresh page shows the tool bar as it starts.
        ImageSys fresh;
        auto *button = fresh.findChild<QToolButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), text);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(button->iconSize(), QSize(30, 25));
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->icon().pixmap(30, 25).toImage(),
                 QIcon(":/images/" + icon + ".png").pixmap(30, 25).toImage());
        QCOMPARE(fresh.objectName(), QString("ImageSys"));
        QCOMPARE(fresh.windowTitle(), QString("Form"));
        QVERIFY(fresh.findChild<ZanFolderBtnTree *>("folderBtnTree"));
        QCOMPARE(fresh.findChild<QLabel *>("label_5")->text(), QString("VELK Thermal Camera"));
        QCOMPARE(fresh.findChild<QLabel *>("label_8")->text(), QString("我的电脑"));
        QCOMPARE(fresh.findChild<QWidget *>("verticalWidget_6")->minimumHeight(), 622);
        QCOMPARE(fresh.findChild<QWidget *>("horizontalWidget_3")->minimumHeight(), 78);
        QCOMPARE(fresh.findChild<QWidget *>("horizontalWidget_3")->maximumHeight(), 90);
    }

    void slotTable()
    {
        const QMetaObject *meta = &ImageSys::staticMetaObject;
        QStringList methods;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
            methods << QString::fromLatin1(meta->method(i).methodSignature());
        const QStringList expected{
            "imageSysAnalysis(QString,QString)", "CurrentIndex(int)", "folderInit_K41(signed char,QString)",
            "folderPC_message(QListWidgetItem*)", "createImageWithOverlay(QString,signed char)",
            "on_valueChanged(int)", "ZanGroupClickResponse(int,int)", "buttonTabClickResponse(int)",
            "on_FolderPC(QString,signed char)", "on_pcUpData_clicked()",
            "on_DataBaseArea_customContextMenuRequested(QPoint)", "on_New_clicked()",
            "on_toolButton_open_clicked()", "on_toolButton_paste_clicked()",
            "on_toolButton_cut_clicked()", "on_toolButton_del_clicked()",
            "on_toolButton_rename_clicked()", "on_toolButton_all_clicked()",
            "on_toolButton_allcancel_clicked()", "on_toolButton_copy_clicked()",
            "on_usbUpData_clicked()", "on_listWidget_customContextMenuRequested(QPoint)",
            "on_openExplorerFile_clicked()", "on_listWidget_itemSelectionChanged()"};
        QCOMPARE(methods, expected);
    }

    void pcFolderList()
    {
        QCOMPARE(page->pcFolderButtons()->buttons().size(), 2);
        const int width = dataBaseArea()->width() - 40;
        const QStringList names{"a", "b"};
        for (int id = 0; id < names.size(); ++id) {
            FolderButton *button = pcButton(id);
            QVERIFY(button);
            QCOMPARE(button->text(), "  " + names.at(id));
            QCOMPARE(button->objectName(), "DataBaSe" + names.at(id));
            QCOMPARE(button->toolTip(), names.at(id));
            QCOMPARE(button->geometry(), QRect(20, 4 + 38 * id, width, 34));
            QCOMPARE(button->styleSheet(), ImageSys::pcFolderButtonStyle());
            QCOMPARE(button->styleSheet().size(), 352);
            QCOMPARE(button->parentWidget(), dataBase());
            QVERIFY(!button->isCheckable());
        }
        QCOMPARE(dataBase()->minimumHeight(), 80);
    }

    void pcFolderRefresh_data()
    {
        QTest::addColumn<QStringList>("extraFolders");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("unchanged") << QStringList() << QStringList{"a", "b"};
        QTest::newRow("spaces and non-Latin")
            << QStringList{"with space", QString::fromUtf8("相册")}
            << QStringList{"a", "b", "with space", QString::fromUtf8("相册")};
        QTest::newRow("long name") << QStringList{QString(250, 'z')}
                                   << QStringList{"a", "b", QString(250, 'z')};
    }

    void pcFolderRefresh()
    {
        QFETCH(QStringList, extraFolders);
        QFETCH(QStringList, expected);
        const QString album = albumFolderPath();
        for (const QString &name : extraFolders)
            QVERIFY(QDir(album).mkpath(name));
        refreshPcList();
        QStringList shown;
        for (int id = 0; id < page->pcFolderButtons()->buttons().size(); ++id) {
            shown << pcButton(id)->folderName();
            QCOMPARE(pcButton(id)->y(), 4 + 38 * id);
        }
        QCOMPARE(shown, expected);
        QCOMPARE(dataBase()->minimumHeight(), 38 * expected.size() + 4);
        QCOMPARE(page->currentFolder(), QString());
        for (const QString &name : extraFolders)
            QVERIFY(QDir(album + "/" + name).removeRecursively());
        refreshPcList();
        QCOMPARE(page->pcFolderButtons()->buttons().size(), 2);
    }

    void pcFolderClickListsIt()
    {
        refreshPcList();
        QTest::mouseClick(pcButton(0), Qt::LeftButton);
        QCOMPARE(page->currentFolder(), albumFolderPath() + "/a/");
        QCOMPARE(page->currentFolderButtonName(), QString("a"));
        QCOMPARE(int(page->currentSourceFlag()), -10);
        QVERIFY(pcButton(0)->isChecked());
        QCOMPARE(ArchiveTest::shownNames(list()), QStringList{"in-a.jpg"});

        QTest::mouseClick(pcButton(1), Qt::LeftButton);
        QVERIFY(pcButton(1)->isChecked());
        QVERIFY(!pcButton(0)->isChecked());
        QCOMPARE(list()->count(), 0);
    }

    void currentIndexRereadsOnlyForThisPage()
    {
        refreshPcList();
        QTest::mouseClick(pcButton(0), Qt::LeftButton);
        QCOMPARE(list()->count(), 1);
        const QString added = albumFolderPath() + "/a/added.jpg";
        QVERIFY(FixtureWriter::writeCameraPicture(added, ArchiveTest::smallPicture(1)));
        page->CurrentIndex(1);
        QCOMPARE(list()->count(), 1);
        page->CurrentIndex(0);
        QCOMPARE(ArchiveTest::shownNames(list()), (QStringList{"in-a.jpg", "added.jpg"}));
        QVERIFY(QFile::remove(added));
    }

    void openFolderDialog()
    {
        refreshPcList();
        QTest::mouseClick(pcButton(0), Qt::LeftButton);
        QVERIFY(FixtureWriter::writeCameraPicture(elsewhere.path() + "/other.jpg", ArchiveTest::smallPicture()));

        // Cancelled: nothing changes.
        TestSupport::answerNextModal([](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("选择文件夹"));
            QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
            dialog->reject();
        });
        QTest::mouseClick(page->findChild<QToolButton *>("toolButton_open"), Qt::LeftButton);
        QCOMPARE(page->currentFolder(), albumFolderPath() + "/a/");
        QVERIFY(pcButton(0)->isChecked());

        const QString target = elsewhere.path();
        TestSupport::answerNextModal([target](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            dialog->setDirectory(target);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QTest::mouseClick(page->findChild<QToolButton *>("toolButton_open"), Qt::LeftButton);
        QCOMPARE(page->currentFolder(), target);
        QCOMPARE(page->currentFolderButtonName(), QString());
        QCOMPARE(int(page->currentSourceFlag()), -10);
        QVERIFY(!pcButton(0)->isChecked());
        QVERIFY(!pcButton(0)->isCheckable());
        QCOMPARE(ArchiveTest::shownNames(list()), QStringList{"other.jpg"});
    }

    void widerWindowWidensPcButtons()
    {
        refreshPcList();
        const int areaBefore = dataBaseArea()->width();
        const int widthBefore = pcButton(1)->width();
        // The left column gets its seventh of the width once that is more
        // than its minimum.
        page->resize(2400, 800);
        QTRY_VERIFY(dataBaseArea()->width() != areaBefore);
        const int grown = dataBaseArea()->width() - areaBefore;
        QCOMPARE(pcButton(1)->width(), widthBefore + grown);
        QCOMPARE(pcButton(1)->y(), 42);
        page->resize(1280, 727);
        QTRY_COMPARE(pcButton(1)->width(), widthBefore);
    }

    void waitingBoxFocus_data()
    {
        QTest::addColumn<bool>("scan");
        QTest::addColumn<bool>("boxTakesFocus");
        QTest::newRow("folder load") << false << true;
        QTest::newRow("camera scan") << true << false;
    }

    void waitingBoxFocus()
    {
        QFETCH(bool, scan);
        QFETCH(bool, boxTakesFocus);
        refreshPcList();
        list()->setFocus();
        QCOMPARE(page->focusWidget(), list());
        bool seen = false;
        bool boxHadFocus = false;
        // Runs inside the first wait of the operation, while its box shows.
        QTimer::singleShot(0, page, [&]() {
            const QList<WaitingBox *> boxes = page->findChildren<WaitingBox *>();
            for (WaitingBox *box : boxes) {
                if (box->isVisible()) {
                    seen = true;
                    boxHadFocus = page->focusWidget() == box;
                }
            }
        });
        if (scan)
            page->folderInit_K41(1, QStringLiteral("Q4815"));
        else
            page->loadFolder(albumFolderPath() + "/a/", -10);
        QVERIFY(seen);
        QCOMPARE(boxHadFocus, boxTakesFocus);
    }

    void languageChangeRetranslates()
    {
        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QTRY_COMPARE(page->findChild<QToolButton *>("toolButton_open")->text(), QString("T:打开"));
        QCOMPARE(page->findChild<QLabel *>("label_8")->text(), QString("T:我的电脑"));
        QCOMPARE(page->findChild<QWidget *>("messMedackN")->property("mRawText").toString(),
                 QString("T:备注"));
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(page->findChild<QToolButton *>("toolButton_open")->text(), QString("打开"));
    }
};

VELK_TEST_MAIN(TestImageSys)
#include "tst_imagesys.moc"
