#include "testsupport.h"

#include "archivetesthelpers.h"
#include "folderbutton.h"
#include "pastetask.h"
#include "waitingbox.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QDirIterator>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

namespace {

// Records the folders the page asks the desktop to open.
class UrlSink : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

struct BoxSeen
{
    QString title;
    QString text;
};

} // namespace

class TestFileOperations : public QObject
{
    Q_OBJECT

private:
    ImageSys *page = nullptr;
    QTemporaryDir scratch;
    UrlSink sink;
    QString camera;   // stands in for a camera's DCIM folder
    QString album;

    QListWidget *list() const { return page->findChild<QListWidget *>("listWidget"); }
    QToolButton *pasteButton() const { return page->findChild<QToolButton *>("toolButton_paste"); }
    void call(const char *slot) { QMetaObject::invokeMethod(page, slot); }

    void writePictures(const QString &folder, const QStringList &names)
    {
        qint64 time = Q_INT64_C(1600000000000);
        for (const QString &name : names) {
            QVERIFY(FixtureWriter::writeCameraPicture(folder + "/" + name,
                                                      ArchiveTest::smallPicture(time)));
            time -= 1000;
        }
    }

    FolderButton *pcButton(const QString &name) const
    {
        for (QAbstractButton *button : page->pcFolderButtons()->buttons()) {
            auto *folder = qobject_cast<FolderButton *>(button);
            if (folder && folder->folderName() == name)
                return folder;
        }
        return nullptr;
    }

    void refreshPcList() { call("on_pcUpData_clicked"); }

    void listPcFolder(const QString &name)
    {
        refreshPcList();
        FolderButton *button = pcButton(name);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(page->currentFolder(), album + "/" + name + "/");
    }

    // Answers the next message box with the given button, noting it.
    void answerBox(BoxSeen *seen, const QString &button)
    {
        TestSupport::answerNextModal([seen, button](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            seen->title = box->windowTitle();
            seen->text = box->text();
            for (QAbstractButton *b : box->buttons()) {
                if (b->text() == button) {
                    b->click();
                    return;
                }
            }
            box->reject();
            QFAIL("no such button");
        });
    }

    // Answers the next input dialog with text (or cancels when null).
    void answerInput(const QString &text, QString *title = nullptr, QString *label = nullptr,
                     QString *shown = nullptr)
    {
        TestSupport::answerNextModal([=](QWidget *modal) {
            auto *dialog = qobject_cast<QInputDialog *>(modal);
            QVERIFY(dialog);
            if (title)
                *title = dialog->windowTitle();
            if (label)
                *label = dialog->labelText();
            if (shown)
                *shown = dialog->textValue();
            if (text.isNull()) {
                dialog->reject();
                return;
            }
            dialog->setTextValue(text);
            dialog->accept();
        });
    }

    QStringList menuKeys(const std::function<void()> &request, QMenu **seenMenu = nullptr)
    {
        QStringList texts;
        QMenu *menu = nullptr;
        TestSupport::answerNextPopup([&](QWidget *popup) {
            menu = qobject_cast<QMenu *>(popup);
            QVERIFY(menu);
            for (QAction *action : menu->actions())
                texts << action->text();
            menu->close();
        });
        request();
        if (seenMenu)
            *seenMenu = menu;
        return texts;
    }

    void copySelection(const QStringList &names, bool cut)
    {
        ArchiveTest::selectNames(list(), names);
        call(cut ? "on_toolButton_cut_clicked" : "on_toolButton_copy_clicked");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(scratch.isValid());
        page = ArchiveTest::startPage();
        QVERIFY(page);
        album = albumFolderPath();
        QDesktopServices::setUrlHandler("file", &sink, "open");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler("file");
        delete page;
    }

    void init()
    {
        camera = scratch.path() + "/DCIM";
        QVERIFY(QDir(camera).removeRecursively());
        QVERIFY(QDir().mkpath(camera));
        for (const QString &entry : ArchiveTest::allEntries(album))
            QVERIFY(QDir(album + "/" + entry).removeRecursively());
        QVERIFY(QDir(album).mkpath("pc"));
        refreshPcList();
        sink.urls.clear();
    }

    // ------------------------------------------------------------ menus

    void folderAreaMenu()
    {
        auto *area = page->findChild<QScrollArea *>("DataBaseArea");
        QCOMPARE(area->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(area->verticalScrollBar()->styleSheet(), ImageSys::scrollBarStyle());
        QMenu *menu = nullptr;
        const QStringList texts = menuKeys([this]() {
            QMetaObject::invokeMethod(page, "on_DataBaseArea_customContextMenuRequested",
                                      Q_ARG(QPoint, QPoint()));
        }, &menu);
        QCOMPARE(texts, (QStringList{"新建文件夹", "刷新"}));
        QCOMPARE(menu->parent(), area);
        QCOMPARE(menu->styleSheet(), FolderButton::menuStyleSheet());

        // "刷新" lists a folder made meanwhile.
        QVERIFY(QDir(album).mkpath("later"));
        page->folderAreaAction("refresh")->trigger();
        QVERIFY(pcButton("later"));
    }

    void fileListMenu_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("copied");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("nothing selected")
            << false << false << QStringList{"选择全部", "全部取消", "打开文件夹所在位置"};
        QTest::newRow("a selection")
            << true << false
            << QStringList{"选择全部", "复制", "剪切", "删除", "重命名", "全部取消", "打开文件夹所在位置"};
        QTest::newRow("after a copy, nothing selected")
            << false << true << QStringList{"选择全部", "粘贴", "全部取消", "打开文件夹所在位置"};
        QTest::newRow("after a copy, a selection")
            << true << true
            << QStringList{"选择全部", "复制", "剪切", "删除", "重命名", "粘贴", "全部取消",
                           "打开文件夹所在位置"};
    }

    void fileListMenu()
    {
        QFETCH(bool, selected);
        QFETCH(bool, copied);
        QFETCH(QStringList, texts);
        writePictures(album + "/pc", {"a.jpg"});
        listPcFolder("pc");
        if (copied)
            copySelection({"a.jpg"}, false);
        ArchiveTest::selectNames(list(), selected ? QStringList{"a.jpg"} : QStringList());
        QMenu *menu = nullptr;
        QCOMPARE(menuKeys([this]() {
                     QMetaObject::invokeMethod(page, "on_listWidget_customContextMenuRequested",
                                               Q_ARG(QPoint, QPoint()));
                 }, &menu),
                 texts);
        QCOMPARE(menu->parent(), list());
        QCOMPARE(menu->styleSheet(), FolderButton::menuStyleSheet());
    }

    // ------------------------------------------------------------ copy, cut, paste

    void pasteFromCameraToPc_data()
    {
        QTest::addColumn<bool>("cut");
        QTest::newRow("copy") << false;
        QTest::newRow("cut") << true;
    }

    void pasteFromCameraToPc()
    {
        QFETCH(bool, cut);
        writePictures(camera, {"a.jpg", "b.jpg", "c.jpg"});
        const QByteArray a = ArchiveTest::fileBytes(camera + "/a.jpg");
        const QByteArray b = ArchiveTest::fileBytes(camera + "/b.jpg");
        ArchiveTest::openFolderByDialog(page, camera);
        QCOMPARE(ArchiveTest::shownNames(list()).size(), 3);

        copySelection({"a.jpg", "b.jpg"}, cut);
        QCOMPARE(int(page->clipboardModeCode()), cut ? 2 : 1);
        QCOMPARE(page->clipboard().size(), 2);
        QVERIFY(page->isPastePending());
        QVERIFY(pasteButton()->isEnabled());
        // Nothing moves before the paste.
        QVERIFY(QFile::exists(camera + "/a.jpg"));

        listPcFolder("pc");
        call("on_toolButton_paste_clicked");
        QCOMPARE(ArchiveTest::fileBytes(album + "/pc/a.jpg"), a);
        QCOMPARE(ArchiveTest::fileBytes(album + "/pc/b.jpg"), b);
        QCOMPARE(ArchiveTest::allEntries(album + "/pc"), (QStringList{"a.jpg", "b.jpg"}));
        QCOMPARE(QFile::exists(camera + "/a.jpg"), !cut);
        QCOMPARE(QFile::exists(camera + "/b.jpg"), !cut);
        QVERIFY(QFile::exists(camera + "/c.jpg"));
        QCOMPARE(ArchiveTest::shownNames(list()).size(), 2);

        // The clipboard after a paste.
        QVERIFY(page->clipboard().isEmpty());
        QCOMPARE(int(page->clipboardModeCode()), cut ? 2 : 1);
        QVERIFY(!page->isPastePending());
        QVERIFY(!pasteButton()->isEnabled());
    }

    void pasteIntoOwnFolder_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("是") << "是" << QStringList{"x.jpg"};
        QTest::newRow("新建") << "新建" << QStringList{"x.jpg", "x_N1.jpg"};
        QTest::newRow("取消") << "取消" << QStringList{"x.jpg"};
    }

    void pasteIntoOwnFolder()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, after);
        writePictures(album + "/pc", {"x.jpg"});
        const QByteArray x = ArchiveTest::fileBytes(album + "/pc/x.jpg");
        listPcFolder("pc");
        copySelection({"x.jpg"}, false);
        BoxSeen seen;
        answerBox(&seen, answer);
        call("on_toolButton_paste_clicked");
        QCOMPARE(seen.title, QString("粘贴提示"));
        QCOMPARE(seen.text, QString("存在重名文件，是否覆盖?"));
        QCOMPARE(ArchiveTest::allEntries(album + "/pc"), after);
        for (const QString &name : after)
            QCOMPARE(ArchiveTest::fileBytes(album + "/pc/" + name), x);
    }

    void keepBothCountsOn()
    {
        writePictures(album + "/pc", {"x.jpg"});
        listPcFolder("pc");
        for (int round = 0; round < 2; ++round) {
            copySelection({"x.jpg"}, false);
            TestSupport::clickInNextMessageBox("新建");
            call("on_toolButton_paste_clicked");
        }
        QCOMPARE(ArchiveTest::allEntries(album + "/pc"),
                 (QStringList{"x.jpg", "x_N1.jpg", "x_N2.jpg"}));
        // Two files of one paste never get the same new name.
        QCOMPARE(PasteTask::keepBothTarget("/f/", "x.jpg", {"/f/x_N1.jpg"}), QString("/f/x_N2.jpg"));
        QCOMPARE(PasteTask::keepBothTarget("/f/", "noext", {}), QString("/f/noext_N1"));
    }

    void cancelPastesTheOthers()
    {
        writePictures(camera, {"a.jpg", "b.jpg", "c.jpg"});
        QVERIFY(FixtureWriter::writeCameraPicture(album + "/pc/b.jpg", ArchiveTest::smallPicture(42)));
        const QByteArray oldB = ArchiveTest::fileBytes(album + "/pc/b.jpg");
        ArchiveTest::openFolderByDialog(page, camera);
        copySelection({"a.jpg", "b.jpg", "c.jpg"}, false);
        listPcFolder("pc");
        TestSupport::clickInNextMessageBox("取消");
        call("on_toolButton_paste_clicked");
        QCOMPARE(ArchiveTest::allEntries(album + "/pc"), (QStringList{"a.jpg", "b.jpg", "c.jpg"}));
        QCOMPARE(ArchiveTest::fileBytes(album + "/pc/b.jpg"), oldB);
        QCOMPARE(ArchiveTest::fileBytes(album + "/pc/a.jpg"), ArchiveTest::fileBytes(camera + "/a.jpg"));
    }

    void overwriteReplacesTheTarget_data()
    {
        QTest::addColumn<bool>("cut");
        QTest::addColumn<bool>("linked");
        QTest::newRow("copy") << false << false;
        QTest::newRow("cut") << true << false;
        QTest::newRow("copy onto a link") << false << true;
        QTest::newRow("cut onto a link") << true << true;
    }

    void overwriteReplacesTheTarget()
    {
        QFETCH(bool, cut);
        QFETCH(bool, linked);
        writePictures(camera, {"a.jpg"});
        const QByteArray a = ArchiveTest::fileBytes(camera + "/a.jpg");
        // A linked target points to a file outside the album.
        const QString outside = scratch.path() + "/outside.jpg";
        const QString old = linked ? outside : album + "/pc/a.jpg";
        QFile::remove(outside);
        QVERIFY(FixtureWriter::writeCameraPicture(old, ArchiveTest::smallPicture(42)));
        const QByteArray oldBytes = ArchiveTest::fileBytes(old);
        QVERIFY(oldBytes != a);
        if (linked)
            QVERIFY(QFile::link(outside, album + "/pc/a.jpg"));
        ArchiveTest::openFolderByDialog(page, camera);
        copySelection({"a.jpg"}, cut);
        listPcFolder("pc");
        TestSupport::clickInNextMessageBox("是");
        call("on_toolButton_paste_clicked");
        QCOMPARE(ArchiveTest::fileBytes(album + "/pc/a.jpg"), a);
        QVERIFY(!QFileInfo(album + "/pc/a.jpg").isSymLink());
        QCOMPARE(ArchiveTest::allEntries(album + "/pc"), QStringList{"a.jpg"});
        QCOMPARE(QFile::exists(camera + "/a.jpg"), !cut);
        if (linked) {
            // The file the link pointed to is not written.
            QCOMPARE(ArchiveTest::fileBytes(outside), oldBytes);
            QVERIFY(QFile::remove(outside));
        }
    }

    void cutIntoOwnFolderUnderAnotherSpellingKeepsTheFile()
    {
        // The same folder reached through a link: "是" must not replace the
        // file with itself and then remove it as the cut's source.
        writePictures(album + "/pc", {"x.jpg"});
        const QByteArray x = ArchiveTest::fileBytes(album + "/pc/x.jpg");
        const QString link = scratch.path() + "/pclink";
        QFile::remove(link);
        QVERIFY(QFile::link(album + "/pc", link));
        ArchiveTest::openFolderByDialog(page, link);
        copySelection({"x.jpg"}, true);
        listPcFolder("pc");
        TestSupport::clickInNextMessageBox("是");
        call("on_toolButton_paste_clicked");
        QCOMPARE(ArchiveTest::fileBytes(album + "/pc/x.jpg"), x);
        QVERIFY(QFile::remove(link));
    }

    void pasteIntoDialogFolderLandsInside()
    {
        writePictures(album + "/pc", {"a.jpg"});
        const QString other = scratch.path() + "/other";
        QVERIFY(QDir().mkpath(other));
        listPcFolder("pc");
        copySelection({"a.jpg"}, false);
        ArchiveTest::openFolderByDialog(page, other);
        QVERIFY(!page->currentFolder().endsWith('/'));
        call("on_toolButton_paste_clicked");
        QVERIFY(QFile::exists(other + "/a.jpg"));
        QVERIFY(QDir(other).removeRecursively());
    }

    void vanishedSourceAndTargetFolder()
    {
        writePictures(camera, {"a.jpg", "b.jpg"});
        QVERIFY(QDir(album).mkpath("gone"));
        ArchiveTest::openFolderByDialog(page, camera);
        copySelection({"a.jpg", "b.jpg"}, true);
        // A source goes between copy and paste: the other is still pasted.
        QVERIFY(QFile::remove(camera + "/a.jpg"));
        listPcFolder("pc");
        call("on_toolButton_paste_clicked");
        QCOMPARE(ArchiveTest::allEntries(album + "/pc"), QStringList{"b.jpg"});

        // The listed folder goes before the paste: nothing is made for it.
        writePictures(camera, {"c.jpg"});
        ArchiveTest::openFolderByDialog(page, camera);
        copySelection({"c.jpg"}, true);
        listPcFolder("gone");
        QVERIFY(QDir(album + "/gone").removeRecursively());
        call("on_toolButton_paste_clicked");
        QVERIFY(!QFileInfo::exists(album + "/gone"));
        QVERIFY(QFile::exists(camera + "/c.jpg"));
    }

    void clipboardStates()
    {
        writePictures(album + "/pc", {"a.jpg", "b.jpg"});
        listPcFolder("pc");

        // Copy with nothing selected does nothing.
        ArchiveTest::selectNames(list(), {});
        call("on_toolButton_copy_clicked");
        QVERIFY(page->clipboard().isEmpty());
        QVERIFY(!page->isPastePending());

        copySelection({"a.jpg"}, false);
        QCOMPARE(page->clipboard(), QStringList{album + "/pc/a.jpg"});
        // Select all withdraws the paste from the menu only.
        call("on_toolButton_all_clicked");
        QVERIFY(!page->isPastePending());
        QCOMPARE(page->clipboard().size(), 1);
        QVERIFY(pasteButton()->isEnabled());

        // Delete empties the clipboard.
        copySelection({"a.jpg"}, true);
        ArchiveTest::selectNames(list(), {});
        call("on_toolButton_del_clicked");
        QVERIFY(page->clipboard().isEmpty());
        QCOMPARE(int(page->clipboardModeCode()), 0);
        QVERIFY(!page->isPastePending());
        QVERIFY(!pasteButton()->isEnabled());
        QCOMPARE(ArchiveTest::allEntries(album + "/pc"), (QStringList{"a.jpg", "b.jpg"}));

        // Paste with nothing listed: an error, and the clipboard is dropped.
        copySelection({"a.jpg"}, false);
        refreshPcList();
        QVERIFY(page->currentFolder().isEmpty());
        BoxSeen seen;
        answerBox(&seen, "OK");
        call("on_toolButton_paste_clicked");
        QCOMPARE(seen.title, QString("粘贴"));
        QCOMPARE(seen.text, QString("路径错误！"));
        QVERIFY(page->clipboard().isEmpty());
        QCOMPARE(int(page->clipboardModeCode()), 0);
        QVERIFY(!pasteButton()->isEnabled());
    }

    void copyOfAnItemWithoutPath_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QString>("title");
        QTest::newRow("copy") << QByteArray("on_toolButton_copy_clicked") << "复制";
        QTest::newRow("cut") << QByteArray("on_toolButton_cut_clicked") << "剪切";
    }

    void copyOfAnItemWithoutPath()
    {
        QFETCH(QByteArray, slot);
        QFETCH(QString, title);
        // Start from a dropped clipboard: paste with nothing listed.
        refreshPcList();
        TestSupport::clickInNextMessageBox("OK");
        call("on_toolButton_paste_clicked");
        listPcFolder("pc");
        list()->addItem(new QListWidgetItem("no path"));
        list()->item(0)->setSelected(true);
        BoxSeen seen;
        answerBox(&seen, "OK");
        call(slot.constData());
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, QString("文件错误！"));
        // No paste is offered for it.
        QCOMPARE(int(page->clipboardModeCode()), 0);
        QVERIFY(!pasteButton()->isEnabled());
    }

    void pasteOfManyKeepsTheEventLoopTurning()
    {
        QStringList names;
        for (int i = 0; i < 300; ++i)
            names << QString("p%1.jpg").arg(i, 3, 10, QChar('0'));
        FixtureWriter::CameraPictureSpec spec = ArchiveTest::smallPicture();
        spec.photoSize = QSize(640, 480);
        const QByteArray bytes = FixtureWriter::cameraPictureBytes(spec);
        for (const QString &name : names)
            QVERIFY(FixtureWriter::writeBytes(camera + "/" + name, bytes));
        ArchiveTest::openFolderByDialog(page, camera);
        // Scrolling to the end lists the further batches.
        QScrollBar *bar = list()->verticalScrollBar();
        for (int round = 0; round < 10 && list()->count() < names.size(); ++round) {
            QCoreApplication::processEvents();
            bar->setValue(bar->maximum());
        }
        const int listed = list()->count();
        QCOMPARE(listed, names.size());
        call("on_toolButton_all_clicked");
        call("on_toolButton_copy_clicked");
        listPcFolder("pc");

        int ticks = 0;
        QSet<int> frames;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&]() {
            for (WaitingBox *box : page->findChildren<WaitingBox *>()) {
                if (box->isVisible()) {
                    ++ticks;
                    frames.insert(box->currentFrame());
                }
            }
        });
        watch.start(10);
        QElapsedTimer clock;
        clock.start();
        call("on_toolButton_paste_clicked");
        const qint64 took = clock.elapsed();
        watch.stop();
        QCOMPARE(ArchiveTest::allEntries(album + "/pc").size(), listed);
        QVERIFY2(ticks > 0, "no event was handled during the paste");
        if (took > 600)
            QVERIFY2(frames.size() > 1, "the waiting box did not animate");
        qInfo("paste of %d pictures: %lld ms, %d ticks, %d frames", listed, took, ticks,
              int(frames.size()));
    }

    // ------------------------------------------------------------ delete, rename

    void deleteFiles()
    {
        writePictures(album + "/pc", {"a.jpg", "b.jpg", "c.jpg"});
        listPcFolder("pc");
        ArchiveTest::selectNames(list(), {"a.jpg", "c.jpg"});
        call("on_toolButton_del_clicked");
        QCOMPARE(ArchiveTest::allEntries(album + "/pc"), QStringList{"b.jpg"});
        QCOMPARE(ArchiveTest::shownNames(list()), QStringList{"b.jpg"});
    }

    void renameFile_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("after");
        const QStringList unchanged{"taken.jpg", "x.jpg"};
        QTest::newRow("y") << "y" << "" << QStringList{"taken.jpg", "y.jpg"};
        QTest::newRow("y.jpg") << "y.jpg" << "" << QStringList{"taken.jpg", "y.jpg"};
        QTest::newRow("y.png") << "y.png" << "命名错误！" << unchanged;
        QTest::newRow("Y.JPG") << "Y.JPG" << "命名错误！" << unchanged;
        QTest::newRow("space") << "a b" << "命名错误！" << unchanged;
        QTest::newRow("trailing space") << "y " << "命名错误！" << unchanged;
        QTest::newRow("slash") << "../y.jpg" << "命名错误！" << unchanged;
        QTest::newRow("backslash") << "..\\y.jpg" << "命名错误！" << unchanged;
        QTest::newRow("colon") << "c:y" << "命名错误！" << unchanged;
        QTest::newRow("star") << "*" << "命名错误！" << unchanged;
        QTest::newRow("dot dot") << ".." << "命名错误！" << unchanged;
        QTest::newRow("control") << "y\nz" << "命名错误！" << unchanged;
        QTest::newRow("existing") << "taken" << "命名已存在！" << unchanged;
        QTest::newRow("same name") << "x.jpg" << "命名已存在！" << unchanged;
        // Too long for the file system: refused by it, nothing lost.
        QTest::newRow("too long") << QString(300, 'y') << "" << unchanged;
        QTest::newRow("cancelled") << QString() << "" << unchanged;
    }

    void renameFile()
    {
        QFETCH(QString, answer);
        QFETCH(QString, error);
        QFETCH(QStringList, after);
        writePictures(album + "/pc", {"x.jpg", "taken.jpg"});
        const QByteArray x = ArchiveTest::fileBytes(album + "/pc/x.jpg");
        listPcFolder("pc");
        ArchiveTest::selectNames(list(), {"x.jpg"});
        QString title, label, shown;
        answerInput(answer, &title, &label, &shown);
        BoxSeen seen;
        if (!error.isEmpty())
            answerBox(&seen, "OK");
        call("on_toolButton_rename_clicked");
        QCOMPARE(title, QString("重命名"));
        QCOMPARE(label, QString("请输入："));
        QCOMPARE(shown, QString("x.jpg"));
        if (!error.isEmpty()) {
            QCOMPARE(seen.title, QString("重命名"));
            QCOMPARE(seen.text, error);
        }
        QCOMPARE(ArchiveTest::allEntries(album + "/pc"), after);
        const QString renamed = after.contains("x.jpg") ? "x.jpg" : after.last();
        QCOMPARE(ArchiveTest::fileBytes(album + "/pc/" + renamed), x);
        QCOMPARE(ArchiveTest::allEntries(scratch.path()), QStringList{"DCIM"});
    }

    // ------------------------------------------------------------ folders

    void newFolder_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("error");
        QTest::newRow("plain") << "new" << "" << "";
        QTest::newRow("40 characters") << QString(40, 'n') << "" << "";
        QTest::newRow("41 characters") << QString(41, 'n') << "新建文件夹" << "文件名太长！";
        QTest::newRow("space") << "a b" << "新建文件夹" << "命名错误！";
        QTest::newRow("leading space") << " a" << "新建文件夹" << "命名错误！";
        QTest::newRow("slash") << "a/b" << "新建文件夹" << "命名错误！";
        QTest::newRow("dot dot slash") << "../up" << "新建文件夹" << "命名错误！";
        QTest::newRow("dot") << "a.b" << "新建文件夹" << "命名错误！";
        QTest::newRow("dot dot") << ".." << "新建文件夹" << "命名错误！";
        QTest::newRow("tab") << "a\tb" << "新建文件夹" << "命名错误！";
        QTest::newRow("existing") << "pc" << "文件夹已存在" << "命名错误！";
        QTest::newRow("existing file") << "file" << "文件夹已存在" << "命名错误！";
    }

    void newFolder()
    {
        QFETCH(QString, answer);
        QFETCH(QString, title);
        QFETCH(QString, error);
        QVERIFY(FixtureWriter::writeBytes(album + "/file", "x"));
        const QStringList before = ArchiveTest::allEntries(album);
        const QStringList aboveBefore = ArchiveTest::allEntries(album + "/..");
        QString dialogTitle, label, shown;
        answerInput(answer, &dialogTitle, &label, &shown);
        BoxSeen seen;
        if (!error.isEmpty())
            answerBox(&seen, "OK");
        // From the folder area's menu.
        page->folderAreaAction("newFolder")->trigger();
        QCOMPARE(dialogTitle, QString("新建文件夹"));
        QCOMPARE(label, QString("新文件夹名称:"));
        QCOMPARE(shown, QString());
        QCOMPARE(ArchiveTest::allEntries(album + "/.."), aboveBefore);
        if (error.isEmpty()) {
            QVERIFY(QFileInfo(album + "/" + answer).isDir());
            QVERIFY(pcButton(answer));
        } else {
            QCOMPARE(seen.title, title);
            QCOMPARE(seen.text, error);
            QCOMPARE(ArchiveTest::allEntries(album), before);
        }
    }

    void newFolderFromAFolderButton()
    {
        answerInput("made");
        pcButton("pc")->action("new")->trigger();
        QVERIFY(QFileInfo(album + "/made").isDir());
    }

    void renameFolder_data()
    {
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("error");
        QTest::newRow("listed") << true << "renamed" << "";
        QTest::newRow("not listed") << false << "renamed" << "";
        QTest::newRow("space") << true << "a b" << "命名错误！";
        QTest::newRow("dot dot") << true << ".." << "命名错误！";
        QTest::newRow("slash") << true << "x/y" << "命名错误！";
        QTest::newRow("41 characters") << true << QString(41, 'r') << "文件名太长！";
        QTest::newRow("existing") << true << "other" << "命名已存在！";
        QTest::newRow("cancelled") << true << QString() << "";
    }

    void renameFolder()
    {
        QFETCH(bool, listed);
        QFETCH(QString, answer);
        QFETCH(QString, error);
        QVERIFY(QDir(album).mkpath("other"));
        writePictures(album + "/pc", {"a.jpg"});
        if (listed)
            listPcFolder("pc");
        else
            listPcFolder("other");
        QString shown;
        answerInput(answer, nullptr, nullptr, &shown);
        BoxSeen seen;
        if (!error.isEmpty())
            answerBox(&seen, "OK");
        pcButton("pc")->action("rename")->trigger();
        QCOMPARE(shown, QString("pc"));
        if (!error.isEmpty()) {
            QCOMPARE(seen.title, QString("重命名"));
            QCOMPARE(seen.text, error);
        }
        const bool renamed = error.isEmpty() && !answer.isNull();
        const QString now = renamed ? answer : QString("pc");
        QCOMPARE(ArchiveTest::allEntries(album + "/" + now), QStringList{"a.jpg"});
        QCOMPARE(QFileInfo::exists(album + "/pc"), !renamed);
        if (renamed && listed) {
            QCOMPARE(page->currentFolder(), album + "/" + answer + "/");
            QCOMPARE(page->currentFolderButtonName(), answer);
            QVERIFY(pcButton(answer)->isChecked());
            QCOMPARE(ArchiveTest::shownNames(list()), QStringList{"a.jpg"});
        }
    }

    void deleteFolder()
    {
        QVERIFY(QDir(album).mkpath("other/sub"));
        writePictures(album + "/pc", {"a.jpg"});
        writePictures(album + "/other", {"o.jpg"});

        // Not the listed one: the listed folder shows again, unchecked.
        listPcFolder("pc");
        pcButton("other")->action("del")->trigger();
        QVERIFY(!QFileInfo::exists(album + "/other"));
        QVERIFY(!pcButton("other"));
        QCOMPARE(page->currentFolder(), album + "/pc/");
        QCOMPARE(int(page->currentSourceFlag()), -10);
        QCOMPARE(ArchiveTest::shownNames(list()), QStringList{"a.jpg"});
        QVERIFY(!pcButton("pc")->isChecked());

        // The listed one, and the album's last folder: the album stays.
        listPcFolder("pc");
        pcButton("pc")->action("del")->trigger();
        QVERIFY(!QFileInfo::exists(album + "/pc"));
        QCOMPARE(list()->count(), 0);
        QVERIFY(page->currentFolder().isEmpty());
        QVERIFY(QFileInfo(album).isDir());
    }

    void deleteFolderKeepsWhatIsOutside()
    {
        // A custom album folder whose parents hold nothing else.
        const QString saved = currentFolderPath();
        const QString custom = scratch.path() + "/user/pictures/album";
        QVERIFY(QDir().mkpath(custom + "/only"));
        setCurrentFolderPath(custom);
        // A linked folder: the link goes, what it points to stays.
        const QString outside = scratch.path() + "/outside";
        QVERIFY(QDir().mkpath(outside));
        writePictures(outside, {"keep.jpg"});
        QVERIFY(QFile::link(outside, custom + "/linked"));
        refreshPcList();

        pcButton("linked")->action("del")->trigger();
        QVERIFY(!QFileInfo(custom + "/linked").isSymLink());
        QVERIFY(QFile::exists(outside + "/keep.jpg"));

        pcButton("only")->action("del")->trigger();
        QVERIFY(!QFileInfo::exists(custom + "/only"));
        QVERIFY(QFileInfo(custom).isDir());
        QVERIFY(QFileInfo(scratch.path() + "/user/pictures").isDir());

        setCurrentFolderPath(saved);
        refreshPcList();
        QVERIFY(QDir(scratch.path() + "/user").removeRecursively());
        QVERIFY(QDir(outside).removeRecursively());
    }

    void deleteFolderKeepsHiddenEntries_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("nothing hidden")
            << QStringList{"a.jpg", "sub/s.jpg"} << QStringList();
        QTest::newRow("a hidden file")
            << QStringList{"a.jpg", ".keep", "sub/s.jpg"} << QStringList{".keep"};
        QTest::newRow("a hidden file in a subfolder")
            << QStringList{"a.jpg", "sub/s.jpg", "sub/.keep"} << QStringList{"sub/.keep"};
        QTest::newRow("a hidden folder")
            << QStringList{"a.jpg", ".cache/c.jpg"} << QStringList{".cache/c.jpg"};
    }

    void deleteFolderKeepsHiddenEntries()
    {
        // Entries the list never showed are not removed, nor the folders
        // that hold them; everything shown goes.
        QFETCH(QStringList, files);
        QFETCH(QStringList, left);
        QVERIFY(QDir(album).mkpath("other"));
        for (const QString &file : files) {
            QVERIFY(QDir(album + "/pc").mkpath(QFileInfo(file).path()));
            QVERIFY(FixtureWriter::writeBytes(album + "/pc/" + file, file.toUtf8()));
        }
        listPcFolder("other");
        pcButton("pc")->action("del")->trigger();

        QStringList found;
        QDirIterator it(album + "/pc", QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next().mid(album.size() + 4);
        found.sort();
        QCOMPARE(found, left);
        QCOMPARE(QFileInfo::exists(album + "/pc"), !left.isEmpty());
        for (const QString &file : left)
            QCOMPARE(ArchiveTest::fileBytes(album + "/pc/" + file), file.toUtf8());
        QCOMPARE(bool(pcButton("pc")), !left.isEmpty());
        QVERIFY(QFileInfo(album).isDir());
    }

    void folderButtonRefresh()
    {
        QVERIFY(QDir(album).mkpath("fresh"));
        pcButton("pc")->action("refresh")->trigger();
        QVERIFY(pcButton("fresh"));
    }

    // ------------------------------------------------------------ file manager

    void showInFileManager()
    {
        // Nothing listed: nothing opens.
        refreshPcList();
        page->fileListAction("explorerShow")->trigger();
        QVERIFY(sink.urls.isEmpty());

        QVERIFY(QDir(album).mkpath("other"));
        listPcFolder("pc");
        page->fileListAction("explorerShow")->trigger();
        // A folder button's action shows the listed folder, not its own.
        pcButton("other")->action("explorerShow")->trigger();
        const QUrl listed = QUrl::fromLocalFile(album + "/pc/");
        QCOMPARE(sink.urls, (QList<QUrl>{listed, listed}));
    }

    void noFileManager()
    {
        listPcFolder("pc");
        QDesktopServices::unsetUrlHandler("file");
        BoxSeen seen;
        answerBox(&seen, "OK");
        page->fileListAction("explorerShow")->trigger();
        QDesktopServices::setUrlHandler("file", &sink, "open");
        QCOMPARE(seen.title, QString("错误"));
        QCOMPARE(seen.text, QString("由于找不到文件管理器,无法执行打开文件夹所在位置功能。"));
    }
};

VELK_TEST_MAIN(TestFileOperations)
#include "tst_fileoperations.moc"
