#ifndef IMAGESYS_H
#define IMAGESYS_H

#include "fileentry.h"

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

class FolderButton;
class QAction;
class QButtonGroup;
class QListWidgetItem;
class QMenu;
class WaitingBox;
namespace Ui {
class ImageSys;
}

// The archive browser page: the PC album folders and the cameras' picture
// folders on the left, the thumbnails of the chosen folder and the details
// of the clicked file on the right.
class ImageSys : public QWidget
{
    Q_OBJECT

public:
    // Thumbnails are built in batches of this many entries.
    static constexpr int BatchSize = 128;
    // A further batch loads when the scroll bar is this close to its end.
    static constexpr int BatchScrollMargin = 150;
    // The camera type this program accepts.
    static const QString CameraType;

    // Style of the list's vertical scroll bar (also the PC folder area's).
    static QString scrollBarStyle();
    // Style of each PC folder button.
    static QString pcFolderButtonStyle();

    explicit ImageSys(QWidget *parent = nullptr);
    ~ImageSys() override;

    // Lists the camera pictures of path (sourceFlag: the page's member).
    void loadFolder(const QString &path, qint8 sourceFlag);
    void setupFileList();

    QString currentFolder() const { return currentPath; }
    QString currentFolderButtonName() const { return currentFolderName; }
    qint8 currentSourceFlag() const { return sourceFlag; }
    QStringList cameraFolders() const { return cameraDcimPaths; }
    const QList<FileEntry> &entries() const { return fileEntries; }
    int loadedThumbnails() const { return loadedCount; }
    QButtonGroup *pcFolderButtons() const { return folderButtons; }

    // The page's clipboard: paths taken by the last copy or cut, the mode
    // (0 none, 1 copy, 2 cut) and whether the list's menu offers paste.
    QStringList clipboard() const { return clipboardPaths; }
    qint8 clipboardModeCode() const { return clipboardMode; }
    bool isPastePending() const { return pastePending; }
    QAction *fileListAction(const QString &key) const { return fileListActions.value(key); }
    QAction *folderAreaAction(const QString &key) const { return folderAreaActions.value(key); }

signals:
    void imageSysAnalysis(QString path, QString deviceType);

public slots:
    void CurrentIndex(int num);
    void folderInit_K41(qint8 en, QString name);

private slots:
    void folderPC_message(QListWidgetItem *Wid);
    QPixmap createImageWithOverlay(QString pathName, qint8 flag);
    void on_valueChanged(int value);
    void ZanGroupClickResponse(int groupId, int btnId);
    void buttonTabClickResponse(int);
    void on_FolderPC(QString n, qint8 i);
    void on_pcUpData_clicked();
    void on_DataBaseArea_customContextMenuRequested(QPoint pos);
    void on_New_clicked();
    void on_toolButton_open_clicked();
    void on_toolButton_paste_clicked();
    void on_toolButton_cut_clicked();
    void on_toolButton_del_clicked();
    void on_toolButton_rename_clicked();
    void on_toolButton_all_clicked();
    void on_toolButton_allcancel_clicked();
    void on_toolButton_copy_clicked();
    void on_usbUpData_clicked();
    void on_listWidget_customContextMenuRequested(QPoint pos);
    void on_openExplorerFile_clicked();
    void on_listWidget_itemSelectionChanged();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void deferredStart();
    void buildPcFolderList(const QString &path);
    void placePcFolderButtons();
    void uncheckPcFolderButtons();
    void scanCameras();
    void buildContextMenus();
    void retranslateMenus();
    void showError(const QString &title, const QString &text);
    // Copy and cut: the selected files go to the page's clipboard.
    void takeSelection(qint8 mode, const QString &title);
    FolderButton *pcFolderButtonNamed(const QString &objectName) const;
    void deletePcFolder(const QString &buttonName);
    void renamePcFolder(const QString &buttonName);
    bool removeFolderRecursively(const QString &path);

    void appendThumbnail(const FileEntry &entry, qint8 flag);
    void onItemDoubleClicked(QListWidgetItem *item);
    void clearDetails();
    void setFileButtonsEnabled(bool enabled);
    // A box over the main window; a folder load's box also takes the focus.
    WaitingBox *showWaitingBox(bool takeFocus = true);

    Ui::ImageSys *ui;
    QString currentPath;
    QString currentFolderName;
    qint8 sourceFlag;
    QButtonGroup *folderButtons;
    QStringList cameraDcimPaths;

    QList<FileEntry> fileEntries;
    int loadedCount;

    QStringList clipboardPaths;
    qint8 clipboardMode;
    QMenu *folderAreaMenu;
    QMenu *fileListMenu;
    QHash<QString, QAction *> fileListActions;
    QHash<QString, QAction *> folderAreaActions;
    bool pastePending;
    // The waiting box of a paste processes events; a second paste must not
    // start inside it.
    bool pasteRunning;

    // Events are processed while a folder loads or the volumes are
    // scanned, so these slots can run inside one another: a load that finds
    // the generation changed stops, a batch does not start inside a batch,
    // and a scan asked for during a scan runs once the first one is done.
    quint64 loadGeneration;
    bool batchRunning;
    bool scanRunning;
    bool rescanPending;
    bool selectionJustEmptied;
};

#endif // IMAGESYS_H
