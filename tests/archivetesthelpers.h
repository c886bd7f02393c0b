#ifndef ARCHIVETESTHELPERS_H
#define ARCHIVETESTHELPERS_H

// Shared by the archive page tests: a started page and folders of camera
// pictures written by the fixture writer.

#include "currentsettings.h"
#include "fixturewriter.h"
#include "imagesys.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QtTest>

namespace ArchiveTest {

// The current settings are loaded once per process, as the main window does.
inline void loadSettings()
{
    static QObject *holder = nullptr;
    if (holder)
        return;
    holder = new QObject;
    initCurrentSettings(holder);
    QDir().mkpath(albumFolderPath());
}

// Waits until the page's deferred start (PC list, camera scan) is over.
inline bool waitForStart(ImageSys *page, int timeoutMs = 15000)
{
    auto *list = page->findChild<QListWidget *>(QStringLiteral("listWidget"));
    auto *refresh = page->findChild<QAbstractButton *>(QStringLiteral("usbUpData"));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (list->viewMode() == QListView::IconMode && refresh->isEnabled())
            return true;
        QTest::qWait(20);
    }
    return false;
}

// A shown page that has run its deferred start.
inline ImageSys *startPage()
{
    loadSettings();
    auto *page = new ImageSys;
    page->resize(1280, 727);
    page->show();
    if (!QTest::qWaitForWindowExposed(page) || !waitForStart(page)) {
        delete page;
        return nullptr;
    }
    return page;
}

// Small camera pictures: the listing reads only the block's fields.
inline FixtureWriter::CameraPictureSpec smallPicture(qint64 captureTimeMs = Q_INT64_C(1600000000000))
{
    FixtureWriter::CameraPictureSpec spec;
    spec.previewSize = QSize(64, 48);
    spec.photoSize = QSize(32, 24);
    spec.captureTimeMs = captureTimeMs;
    return spec;
}

inline bool setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
}

// The file names shown by the list, top to bottom.
inline QStringList shownNames(QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

// Opens folder on the page through its folder dialog ("打开").
inline void openFolderByDialog(ImageSys *page, const QString &folder)
{
    TestSupport::answerNextModal([folder](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        dialog->setDirectory(folder);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QMetaObject::invokeMethod(page, "on_toolButton_open_clicked");
}

// Selects the listed files of the given names, and only those.
inline void selectNames(QListWidget *list, const QStringList &names)
{
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i) {
        if (names.contains(list->item(i)->text()))
            list->item(i)->setSelected(true);
    }
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry of a folder, hidden ones included, sorted by name.
inline QStringList allEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                      | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace ArchiveTest

#endif // ARCHIVETESTHELPERS_H
