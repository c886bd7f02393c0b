#include "imagesys.h"
#include "ui_imagesys.h"

#include "camerafilereader.h"
#include "cameravolumes.h"
#include "currentsettings.h"
#include "eventpump.h"
#include "findmainwindow.h"
#include "folderbutton.h"
#include "filenamerules.h"
#include "foldergroupinfo.h"
#include "pastetask.h"
#include "saveinfo.h"
#include "thumbnailmaker.h"
#include "waitingbox.h"
#include "zanfolderbtntree.h"

#include <QAction>
#include <QButtonGroup>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

#include <algorithm>

const QString ImageSys::CameraType = QStringLiteral("Q4815");

namespace {

const int StartDelayMs = 1500;

const char *const PcFolderButtonStyle =
    "QPushButton{  font-family:PingFang SC;\tfont-size: 16px;\tfont-weight: 500;\tcolor: #333333;"
    "\tline-height: 43px;\tborder: 0px ;\tbackground: #F8F8F8;\ttext-align: left;}"
    "QPushButton:checked{\tbackground-color: rgba(150, 150, 150, 66%);}"
    "QPushButton::focus{\tbackground-color: rgba(150, 150, 150, 66%);}"
    "QPushButton::pressed{background-color: rgba(0, 0, 150, 60%);}";

const char *const ScrollBarStyle =
    "QScrollBar:vertical{width:16px;background:rgba(0,0,0,0%);margin:0px;"
    "padding-top:9px;padding-bottom:9px;}"
    "QScrollBar::handle:vertical{width:16px;background:rgba(0,0,0,25%);"
    "border-radius:8px;min-height:20;}"
    "QScrollBar::handle:vertical:hover{width:16px;background:rgba(0,0,0,50%);"
    "border-radius:8px;min-height:20;}"
    "QScrollBar::add-line:vertical{height:9px;width:16px;"
    "border-image:url(:/images/a/3.png);subcontrol-position:bottom;}"
    "QScrollBar::add-line:vertical:hover{height:9px;width:16px;"
    "border-image:url(:/images/a/4.png);subcontrol-position:bottom;}"
    "QScrollBar::sub-line:vertical{height:9px;width:16px;"
    "border-image:url(:/images/a/1.png);subcontrol-position:top;}"
    "QScrollBar::sub-line:vertical:hover{height:9px;width:16px;"
    "border-image:url(:/images/a/2.png);subcontrol-position:top;}"
    "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{"
    "background:rgba(0,0,0,10%);border-radius:8px;}";

const QString DateTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

QRect pcFolderButtonGeometry(int index, int areaWidth)
{
    return QRect(20, 4 + 38 * index, areaWidth - 40, 34);
}

} // namespace

ImageSys::ImageSys(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ImageSys)
    , sourceFlag(-1)
    , folderButtons(new QButtonGroup(this))
    , loadedCount(0)
    , clipboardMode(0)
    , folderAreaMenu(nullptr)
    , fileListMenu(nullptr)
    , pastePending(false)
    , pasteRunning(false)
    , loadGeneration(0)
    , batchRunning(false)
    , scanRunning(false)
    , rescanPending(false)
    , selectionJustEmptied(false)
{
    ui->setupUi(this);
    buildContextMenus();
    QTimer::singleShot(StartDelayMs, this, [this]() { deferredStart(); });
}

ImageSys::~ImageSys()
{
    delete ui;
}

QString ImageSys::scrollBarStyle()
{
    return QString::fromLatin1(ScrollBarStyle);
}

QString ImageSys::pcFolderButtonStyle()
{
    return QString::fromLatin1(PcFolderButtonStyle);
}

void ImageSys::deferredStart()
{
    connect(folderButtons, &QButtonGroup::idClicked, this, &ImageSys::buttonTabClickResponse,
            Qt::UniqueConnection);
    connect(ui->folderBtnTree, &ZanFolderBtnTree::renderZanFolderBtnInfo, this,
            &ImageSys::ZanGroupClickResponse, Qt::UniqueConnection);
    setupFileList();
    buildPcFolderList(currentFolderPath());
    on_usbUpData_clicked();
}

// ---------------------------------------------------------------- PC folders

void ImageSys::buildPcFolderList(const QString &path)
{
    // An unset album folder must not list the working directory.
    if (path.isEmpty())
        return;
    const QDir dir(path);
    if (!dir.exists())
        return;
    const QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    const int areaWidth = ui->DataBaseArea->width();
    for (int i = 0; i < names.size(); ++i) {
        const QString &name = names.at(i);
        auto *button = new FolderButton(ui->DataBase);
        connect(button, &FolderButton::on_trig, this, &ImageSys::on_FolderPC);
        button->setObjectName(QStringLiteral("DataBaSe") + name);
        button->setFolderName(name);
        button->setToolTip(name);
        button->setGeometry(pcFolderButtonGeometry(i, areaWidth));
        button->setStyleSheet(pcFolderButtonStyle());
        button->show();
        folderButtons->addButton(button, i);
    }
    if (!names.isEmpty())
        ui->DataBase->setMinimumHeight(38 * names.size() + 4);
}

void ImageSys::placePcFolderButtons()
{
    const int areaWidth = ui->DataBaseArea->width();
    const QList<QAbstractButton *> buttons = folderButtons->buttons();
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->setGeometry(pcFolderButtonGeometry(i, areaWidth));
}

void ImageSys::uncheckPcFolderButtons()
{
    const QList<QAbstractButton *> buttons = folderButtons->buttons();
    for (QAbstractButton *button : buttons) {
        button->setCheckable(false);
        button->setChecked(false);
    }
    ui->DataBase->update();
}

void ImageSys::on_pcUpData_clicked()
{
    while (!folderButtons->buttons().isEmpty()) {
        QAbstractButton *button = folderButtons->buttons().first();
        folderButtons->removeButton(button);
        button->close();
        button->deleteLater();
    }
    // The list is emptied, so its entries go too: a later scroll must not
    // build thumbnails of the folder that is no longer shown.
    ++loadGeneration;
    ui->listWidget->clear();
    fileEntries.clear();
    loadedCount = 0;
    clearDetails();
    currentPath = QString();
    // An unset album folder must not list the file system's root.
    if (!currentFolderPath().isEmpty())
        buildPcFolderList(currentFolderPath() + QLatin1Char('/'));
}

void ImageSys::buttonTabClickResponse(int id)
{
    ui->folderBtnTree->uncheckAll();
    auto *button = qobject_cast<FolderButton *>(folderButtons->button(id));
    if (!button)
        return;
    currentFolderName = button->folderName();
    currentPath = currentFolderPath() + QLatin1Char('/') + currentFolderName + QLatin1Char('/');
    sourceFlag = -10;
    button->setCheckable(true);
    button->setChecked(true);
    loadFolder(currentPath, -10);
}

void ImageSys::on_toolButton_open_clicked()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("选择文件夹"), currentFolderPath() + QLatin1Char('/'),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    currentPath = folder;
    currentFolderName = QString();
    sourceFlag = -10;
    ui->folderBtnTree->uncheckAll();
    uncheckPcFolderButtons();
    loadFolder(currentPath, -10);
}

// ---------------------------------------------------------------- cameras

void ImageSys::on_usbUpData_clicked()
{
    // A device notice that arrives while a scan waits would start a second
    // scan inside the first; run it once the first one is done instead.
    if (scanRunning) {
        rescanPending = true;
        return;
    }
    scanRunning = true;
    do {
        rescanPending = false;
        scanCameras();
    } while (rescanPending);
    scanRunning = false;
}

void ImageSys::scanCameras()
{
    ui->usbUpData->setEnabled(false);
    WaitingBox *box = showWaitingBox(false);
    cameraDcimPaths.clear();
    currentFolderName = QString();
    box->delay(2000);
    box->close();

    ui->folderBtnTree->clearGroups();
    ++loadGeneration;
    ui->listWidget->clear();
    fileEntries.clear();
    loadedCount = 0;

    const QString copyFolder = settingsFolderPath();
    const QString copyPath = copyFolder + QStringLiteral("/sys.ini");
    // The settings folder exists once settings were written; the copy must
    // not fail just because that has not happened yet.
    QDir().mkpath(copyFolder);

    const QStringList roots = CameraVolumes::candidateRoots();
    for (const QString &root : roots) {
        const QString source = root + QStringLiteral("DCIM/sys.ini");
        if (!QFileInfo(source).isFile())
            continue;
        QFile::remove(copyPath);
        const bool copied = QFile::copy(source, copyPath);
        SaveInfo *store = nullptr;
        QString type;
        if (copied) {
            store = new SaveInfo(this, copyPath);
            type = store->groupNameAt(0);
        }
        if (type == CameraType) {
            WaitingBox *groupBox = showWaitingBox(false);
            FolderGroupInfo info;
            info.title = QStringLiteral("%1(%2)").arg(type, root);
            info.folderNames << QStringLiteral("ALL Photos");
            ui->folderBtnTree->addGroup(info);
            cameraDcimPaths.append(source.left(source.lastIndexOf(QLatin1Char('/'))));
            store->dispose();
            groupBox->delay(200);
            groupBox->close();
        } else {
            // The store of a foreign file is released too.
            if (store)
                store->dispose();
            QMessageBox message;
            message.setWindowTitle(tr("相机断开连接"));
            message.setText(tr("设备已失去连接!"));
            message.setInformativeText(tr("请拔下USB数据线，重新连接并重新启动软件。"));
            message.setStandardButtons(QMessageBox::Yes);
            message.exec();
        }
    }
    QFile::remove(copyPath);

    if (!ui->folderBtnTree->isEmpty())
        ui->folderBtnTree->selectGroup(0);
    ui->usbUpData->setEnabled(true);
}

void ImageSys::ZanGroupClickResponse(int groupId, int btnId)
{
    // A camera button clicked while a scan waits may belong to a group whose
    // path is already gone.
    if (groupId < 0 || groupId >= cameraDcimPaths.size())
        return;
    uncheckPcFolderButtons();
    sourceFlag = qint8(btnId);
    currentPath = cameraDcimPaths.at(groupId) + QLatin1Char('/');
    loadFolder(currentPath, sourceFlag);
}

// ---------------------------------------------------------------- page

void ImageSys::CurrentIndex(int num)
{
    if (num == 0)
        loadFolder(currentPath, sourceFlag);
}

void ImageSys::folderInit_K41(qint8, QString)
{
    on_usbUpData_clicked();
}

void ImageSys::resizeEvent(QResizeEvent *event)
{
    placePcFolderButtons();
    QWidget::resizeEvent(event);
}

void ImageSys::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateMenus();
    }
}

void ImageSys::retranslateMenus()
{
    const QHash<QString, QString> listTexts = {
        {QStringLiteral("copy"), tr("复制")},
        {QStringLiteral("paste"), tr("粘贴")},
        {QStringLiteral("cut"), tr("剪切")},
        {QStringLiteral("del"), tr("删除")},
        {QStringLiteral("rename"), tr("重命名")},
        {QStringLiteral("allcancel"), tr("全部取消")},
        {QStringLiteral("all"), tr("选择全部")},
        {QStringLiteral("explorerShow"), tr("打开文件夹所在位置")},
    };
    const QHash<QString, QString> areaTexts = {
        {QStringLiteral("newFolder"), tr("新建文件夹")},
        {QStringLiteral("refresh"), tr("刷新")},
    };
    for (auto it = fileListActions.cbegin(); it != fileListActions.cend(); ++it) {
        if (listTexts.contains(it.key()))
            it.value()->setText(listTexts.value(it.key()));
    }
    for (auto it = folderAreaActions.cbegin(); it != folderAreaActions.cend(); ++it) {
        if (areaTexts.contains(it.key()))
            it.value()->setText(areaTexts.value(it.key()));
    }
}

WaitingBox *ImageSys::showWaitingBox(bool takeFocus)
{
    QWidget *host = findMainWindow();
    if (!host)
        host = window();
    auto *box = new WaitingBox(host);
    if (takeFocus) {
        box->raise();
        box->show();
        box->setFocus(Qt::OtherFocusReason);
    } else {
        // The scan's boxes leave the keyboard focus where it is.
        box->show();
        box->raise();
    }
    return box;
}

// ---------------------------------------------------------------- thumbnails

void ImageSys::setupFileList()
{
    QListWidget *list = ui->listWidget;
    QScrollBar *bar = list->verticalScrollBar();
    bar->setStyleSheet(scrollBarStyle());
    connect(bar, &QScrollBar::valueChanged, this, &ImageSys::on_valueChanged, Qt::UniqueConnection);
    list->setViewMode(QListView::IconMode);
    list->setIconSize(QSize(157, 110));
    list->setSpacing(0);
    list->setResizeMode(QListView::Adjust);
    list->setMovement(QListView::Static);
    connect(list, &QListWidget::itemClicked, this, &ImageSys::folderPC_message, Qt::UniqueConnection);
    connect(list, &QListWidget::itemDoubleClicked, this, &ImageSys::onItemDoubleClicked,
            Qt::UniqueConnection);
}

void ImageSys::loadFolder(const QString &path, qint8 sourceFlag)
{
    if (path.isEmpty())
        return;
    const quint64 generation = ++loadGeneration;
    WaitingBox *box = showWaitingBox();
    setFileButtonsEnabled(false);
    box->delay(20);
    // Another load that started meanwhile has the list now.
    auto superseded = [&]() {
        if (generation == loadGeneration)
            return false;
        box->close();
        return true;
    };
    if (superseded())
        return;

    ui->listWidget->clear();
    const QDir dir(path);
    fileEntries.clear();
    loadedCount = 0;
    clearDetails();
    if (sourceFlag > 0) {
        box->close();
        return;
    }

    // Keep the camera's pictures and read their capture times, opening each
    // file once. The order is newest capture first; among equal capture
    // times, newest modification first, then by name: the order of a
    // QDir::Time listing kept by a stable sort. QDir's own time sort is not
    // used: it reads each file's time again, with a time-zone lookup, in
    // every comparison (0.4 s for 2000 files, with no event processed).
    // The modification time is read only where it decides the order.
    struct KeyedEntry
    {
        qint64 captureTime;
        qint64 modified;
        QString name;
        FileEntry entry;
    };
    QVector<KeyedEntry> keyed;
    EventPump pump;
    const QFileInfoList files =
        dir.entryInfoList(QStringList(QStringLiteral("*.jpg")), QDir::Files, QDir::Unsorted);
    for (const QFileInfo &info : files) {
        if (pump.poll() && superseded())
            return;
        const QString name = info.fileName();
        if (!name.contains(QLatin1String(".jpg")))
            continue;
        // Unbuffered: only a few bytes at the end are read.
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            continue;
        qint64 captureTime = 0;
        const QString type = CameraFileReader::readCameraTypeAndTime(file, &captureTime);
        if (type != CameraType)
            continue;
        // A name that also holds ".avi" is keyed as a video: time 0.
        const FileKind kind = CameraFileReader::fileKindForName(name);
        if (kind != CameraPicture)
            captureTime = CameraFileReader::readCaptureTime(file, kind);
        keyed.append({captureTime, 0, name, FileEntry{info, type}});
    }
    std::sort(keyed.begin(), keyed.end(), [](const KeyedEntry &a, const KeyedEntry &b) {
        return a.captureTime > b.captureTime;
    });
    for (auto run = keyed.begin(); run != keyed.end();) {
        const auto runEnd = std::find_if(run, keyed.end(), [&](const KeyedEntry &k) {
            return k.captureTime != run->captureTime;
        });
        if (runEnd - run > 1) {
            for (auto k = run; k != runEnd; ++k) {
                if (pump.poll() && superseded())
                    return;
                // Compared as QDir does: the local wall-clock time taken as UTC.
                QDateTime modified = k->entry.info.lastModified();
                modified.setTimeSpec(Qt::UTC);
                k->modified = modified.toMSecsSinceEpoch();
            }
            std::sort(run, runEnd, [](const KeyedEntry &a, const KeyedEntry &b) {
                return a.modified != b.modified ? a.modified > b.modified
                                                : a.name.compare(b.name) < 0;
            });
        }
        run = runEnd;
    }
    fileEntries.reserve(keyed.size());
    for (const KeyedEntry &k : qAsConst(keyed))
        fileEntries.append(k.entry);

    batchRunning = true;
    const int firstBatch = qMin(BatchSize, fileEntries.size());
    for (int i = 0; i < firstBatch; ++i) {
        const FileEntry &entry = fileEntries.at(i);
        if (entry.info.fileName().contains(QLatin1String(".jpg")))
            appendThumbnail(entry, 0);
        ui->listWidget->update();
        if (pump.poll() && superseded()) {
            batchRunning = false;
            return;
        }
        loadedCount = i + 1;
    }
    batchRunning = false;

    box->delay(50);
    box->close();
}

void ImageSys::on_valueChanged(int value)
{
    const QScrollBar *bar = ui->listWidget->verticalScrollBar();
    if (value < bar->maximum() - BatchScrollMargin || fileEntries.size() <= BatchSize
        || loadedCount == fileEntries.size())
        return;
    // Adding items moves the scroll bar; that must not start a batch inside
    // this one.
    if (batchRunning)
        return;
    batchRunning = true;
    const quint64 generation = loadGeneration;
    WaitingBox *box = showWaitingBox();
    box->delay(50);

    EventPump pump;
    const int start = loadedCount;
    bool superseded = generation != loadGeneration;
    for (int i = start; !superseded; ++i) {
        loadedCount = i;
        if (i >= fileEntries.size() || i == start + BatchSize)
            break;
        const FileEntry &entry = fileEntries.at(i);
        const QString name = entry.info.fileName();
        if (name.contains(QLatin1String(".avi")))
            appendThumbnail(entry, 2);
        else if (name.contains(QLatin1String(".jpg")) || name.contains(QLatin1String(".bmp"))
                 || name.contains(QLatin1String(".png")))
            appendThumbnail(entry, 0);
        superseded = pump.poll() && generation != loadGeneration;
    }
    box->close();
    batchRunning = false;
}

void ImageSys::appendThumbnail(const FileEntry &entry, qint8 flag)
{
    const QString path = entry.info.absoluteFilePath();
    const QString name = entry.info.fileName();
    auto *item = new QListWidgetItem;
    item->setData(Qt::DecorationRole, QIcon(createImageWithOverlay(path, flag)));
    item->setData(Qt::FontRole, QFont(QStringLiteral("agency fb"), 11));
    item->setData(Qt::DisplayRole, name);
    item->setData(Qt::ForegroundRole, QColor(0, 0, 0, 255));
    item->setData(Qt::SizeHintRole, QSize(157, 130));
    item->setData(Qt::WhatsThisRole, path);
    item->setData(Qt::UserRole, entry.cameraType);
    item->setData(Qt::ToolTipRole, name);
    ui->listWidget->addItem(item);
}

QPixmap ImageSys::createImageWithOverlay(QString pathName, qint8 flag)
{
    return ThumbnailMaker::create(pathName, flag);
}

void ImageSys::onItemDoubleClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString path = item->data(Qt::WhatsThisRole).toString();
    if (!QFile::exists(path))
        return;
    emit imageSysAnalysis(path, item->data(Qt::UserRole).toString());
    QTimer::singleShot(100, this, [this]() {
        ui->messFlieResizeV->setRawText(QString());
        ui->messResolutionV->setRawText(QString());
        ui->messCreationTimeV->setRawText(QString());
        ui->messModificationTimeV->setRawText(QString());
        ui->messMedackV->setRawText(QString());
        ui->rImage->clear();
        ui->tImage->clear();
        ui->messName->setRawText(QString());
    });
}

void ImageSys::setFileButtonsEnabled(bool enabled)
{
    ui->toolButton_del->setEnabled(enabled);
    ui->toolButton_cut->setEnabled(enabled);
    ui->toolButton_rename->setEnabled(enabled);
    ui->toolButton_copy->setEnabled(enabled);
}

void ImageSys::on_toolButton_all_clicked()
{
    if (ui->listWidget->count() == 0)
        return;
    ui->listWidget->selectAll();
    setFileButtonsEnabled(true);
    pastePending = false;
}

void ImageSys::on_toolButton_allcancel_clicked()
{
    if (ui->listWidget->count() == 0)
        return;
    ui->listWidget->clearSelection();
    setFileButtonsEnabled(false);
}

void ImageSys::on_listWidget_itemSelectionChanged()
{
    selectionJustEmptied = ui->listWidget->selectedItems().isEmpty();
    if (selectionJustEmptied)
        on_toolButton_allcancel_clicked();
}

// ---------------------------------------------------------------- details

void ImageSys::clearDetails()
{
    ui->messName->setRawText(QString());
    ui->messFlieResizeV->setRawText(QString());
    ui->messResolutionV->setRawText(QString());
    ui->messCreationTimeV->setRawText(QString());
    ui->messModificationTimeV->setRawText(QString());
    ui->messMedackV->setRawText(QString());
    ui->tImage->clear();
    ui->rImage->clear();
}

void ImageSys::folderPC_message(QListWidgetItem *Wid)
{
    if (!Wid)
        return;
    // A ctrl-click that takes away the last selected item is reported as a
    // click too; it must not enable the file buttons again.
    const bool deselectingClick = selectionJustEmptied && !Wid->isSelected();
    selectionJustEmptied = false;
    if (!deselectingClick)
        setFileButtonsEnabled(true);

    const QString path = Wid->data(Qt::WhatsThisRole).toString();
    const QString name = Wid->data(Qt::DisplayRole).toString();
    const QString shown = ui->messName->rawText();
    if (!shown.isEmpty() && shown == name)
        return;

    clearDetails();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return;
    ui->messModificationTimeV->setRawText(info.lastModified().toString(DateTimeFormat));
    ui->messName->setRawText(name);
    ui->messFlieResizeV->setRawText(QString::number(info.size() / 1024) + QStringLiteral("KB"));

    if (!info.fileName().contains(QLatin1String(".jpg")))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;

    const QImage infrared = CameraFileReader::readInfraredImage(file);
    ui->tImage->clear();
    ui->tImage->setPixmap(QPixmap::fromImage(
        infrared.scaled(200, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation)));

    const QImage photo = CameraFileReader::readVisiblePhoto(file);
    if (photo.isNull())
        return;
    ui->rImage->clear();
    ui->rImage->setPixmap(
        QPixmap::fromImage(photo.scaled(200, 150, Qt::KeepAspectRatio, Qt::SmoothTransformation)));

    ui->messResolutionV->setRawText(CameraFileReader::readResolutionText(file));
    const qint64 captureTime = CameraFileReader::readCaptureTime(file, CameraPicture);
    ui->messCreationTimeV->setRawText(
        QDateTime::fromMSecsSinceEpoch(captureTime, Qt::UTC).toString(DateTimeFormat));
    ui->messMedackV->setRawText(CameraFileReader::readRemarkText(file));
}

// ---------------------------------------------------------------- file operations

void ImageSys::buildContextMenus()
{
    ui->DataBaseArea->verticalScrollBar()->setStyleSheet(scrollBarStyle());
    ui->DataBaseArea->setContextMenuPolicy(Qt::CustomContextMenu);

    auto makeAction = [this](QHash<QString, QAction *> &table, const QString &key,
                             const QString &text, void (ImageSys::*slot)()) {
        auto *action = new QAction(text, this);
        table.insert(key, action);
        connect(action, &QAction::triggered, this, [this, slot]() { (this->*slot)(); });
        return action;
    };

    folderAreaMenu = new QMenu(ui->DataBaseArea);
    folderAreaMenu->setStyleSheet(FolderButton::menuStyleSheet());
    folderAreaMenu->addAction(makeAction(folderAreaActions, QStringLiteral("newFolder"),
                                         tr("新建文件夹"), &ImageSys::on_New_clicked));
    folderAreaMenu->addAction(makeAction(folderAreaActions, QStringLiteral("refresh"), tr("刷新"),
                                         &ImageSys::on_pcUpData_clicked));

    fileListMenu = new QMenu(ui->listWidget);
    fileListMenu->setStyleSheet(FolderButton::menuStyleSheet());
    makeAction(fileListActions, QStringLiteral("all"), tr("选择全部"),
               &ImageSys::on_toolButton_all_clicked);
    makeAction(fileListActions, QStringLiteral("copy"), tr("复制"),
               &ImageSys::on_toolButton_copy_clicked);
    makeAction(fileListActions, QStringLiteral("paste"), tr("粘贴"),
               &ImageSys::on_toolButton_paste_clicked);
    makeAction(fileListActions, QStringLiteral("cut"), tr("剪切"),
               &ImageSys::on_toolButton_cut_clicked);
    makeAction(fileListActions, QStringLiteral("del"), tr("删除"),
               &ImageSys::on_toolButton_del_clicked);
    makeAction(fileListActions, QStringLiteral("rename"), tr("重命名"),
               &ImageSys::on_toolButton_rename_clicked);
    makeAction(fileListActions, QStringLiteral("allcancel"), tr("全部取消"),
               &ImageSys::on_toolButton_allcancel_clicked);
    makeAction(fileListActions, QStringLiteral("explorerShow"), tr("打开文件夹所在位置"),
               &ImageSys::on_openExplorerFile_clicked);

    pastePending = false;
}

void ImageSys::on_DataBaseArea_customContextMenuRequested(QPoint)
{
    folderAreaMenu->exec(QCursor::pos());
}

void ImageSys::on_listWidget_customContextMenuRequested(QPoint)
{
    fileListMenu->clear();
    fileListMenu->addAction(fileListActions.value(QStringLiteral("all")));
    if (!ui->listWidget->selectedItems().isEmpty()) {
        for (const char *key : {"copy", "cut", "del", "rename"})
            fileListMenu->addAction(fileListActions.value(QLatin1String(key)));
    }
    if (pastePending)
        fileListMenu->addAction(fileListActions.value(QStringLiteral("paste")));
    fileListMenu->addAction(fileListActions.value(QStringLiteral("allcancel")));
    fileListMenu->addAction(fileListActions.value(QStringLiteral("explorerShow")));
    fileListMenu->exec(QCursor::pos());
}

void ImageSys::showError(const QString &title, const QString &text)
{
    QMessageBox::critical(this, title, text);
}

void ImageSys::on_toolButton_copy_clicked()
{
    takeSelection(PasteTask::ModeCopy, tr("复制"));
}

void ImageSys::on_toolButton_cut_clicked()
{
    takeSelection(PasteTask::ModeCut, tr("剪切"));
}

void ImageSys::takeSelection(qint8 mode, const QString &title)
{
    const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
    if (ui->listWidget->count() == 0 || selected.isEmpty())
        return;
    clipboardPaths.clear();
    for (QListWidgetItem *item : selected)
        clipboardPaths.append(item->data(Qt::WhatsThisRole).toString());
    if (!clipboardPaths.last().isEmpty()) {
        clipboardMode = mode;
        ui->toolButton_paste->setEnabled(true);
        pastePending = true;
    } else {
        showError(title, tr("文件错误！"));
    }
}

void ImageSys::on_toolButton_paste_clicked()
{
    if (pasteRunning)
        return;
    if (currentPath.isEmpty()) {
        showError(tr("粘贴"), tr("路径错误！"));
        ui->toolButton_paste->setEnabled(false);
        clipboardPaths.clear();
        clipboardMode = PasteTask::ModeNone;
        return;
    }
    QString targetFolder = currentPath;
    if (!targetFolder.endsWith(QLatin1Char('/')))
        targetFolder += QLatin1Char('/');

    QStringList conflicts;
    QStringList targets;
    QVector<PasteTask::Item> items;
    for (const QString &source : qAsConst(clipboardPaths)) {
        const QString name = QFileInfo(source).fileName();
        // A path without a file name would name the folder itself.
        if (name.isEmpty())
            continue;
        const QString target = targetFolder + name;
        if (QFile::exists(target)) {
            conflicts.append(source);
        } else {
            items.append({source, target, false});
            targets.append(target);
        }
    }

    if (!conflicts.isEmpty()) {
        const int answer = QMessageBox::information(this, tr("粘贴提示"), tr("存在重名文件，是否覆盖?"),
                                                    tr("是"), tr("新建"), tr("取消"), 0);
        for (const QString &source : qAsConst(conflicts)) {
            const QString name = QFileInfo(source).fileName();
            if (answer == 0) {
                // The file would overwrite itself.
                if (source.left(source.lastIndexOf(QLatin1Char('/')) + 1) == targetFolder)
                    continue;
                // The old target is replaced by the task, once the copy is
                // complete; it is not removed here.
                items.append({source, targetFolder + name, true});
                targets.append(targetFolder + name);
            } else if (answer == 1) {
                const QString target = PasteTask::keepBothTarget(targetFolder, name, targets);
                items.append({source, target, false});
                targets.append(target);
            }
        }
    }

    pasteRunning = true;
    auto *box = new WaitingBox(this);
    box->raise();
    box->show();
    // The mode is handed over as it is now; the task never reads the page.
    const QFuture<PasteTask::Result> task = PasteTask(items, clipboardMode).start();
    while (!task.isFinished())
        box->delay(200);
    box->close();
    pasteRunning = false;

    pastePending = false;
    clipboardPaths.clear();
    ui->toolButton_paste->setEnabled(false);
    loadFolder(currentPath, sourceFlag);
}

void ImageSys::on_toolButton_del_clicked()
{
    if (ui->listWidget->count() == 0)
        return;
    const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
    for (QListWidgetItem *item : selected) {
        const QString path = item->data(Qt::WhatsThisRole).toString();
        if (!path.isEmpty())
            QFile::remove(path);
    }
    clipboardPaths.clear();
    clipboardMode = PasteTask::ModeNone;
    ui->toolButton_paste->setEnabled(false);
    loadFolder(currentPath, sourceFlag);
    pastePending = false;
}

void ImageSys::on_toolButton_rename_clicked()
{
    const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
    if (ui->listWidget->count() == 0 || selected.isEmpty())
        return;
    const QString oldPath = selected.first()->data(Qt::WhatsThisRole).toString();
    if (oldPath.isEmpty())
        return;
    bool ok = false;
    const QString answer = QInputDialog::getText(this, tr("重命名"), tr("请输入："), QLineEdit::Normal,
                                                 QFileInfo(oldPath).fileName(), &ok,
                                                 Qt::WindowCloseButtonHint);
    if (!ok || answer.isEmpty())
        return;
    const QString newName = FileNameRules::renamedFileName(answer, oldPath);
    if (newName.isEmpty()) {
        showError(tr("重命名"), tr("命名错误！"));
        return;
    }
    const QString newPath = QFileInfo(oldPath).path() + QLatin1Char('/') + newName;
    if (QFileInfo::exists(newPath)) {
        showError(tr("重命名"), tr("命名已存在！"));
        return;
    }
    // A name too long for the file system fails here; the list shows it.
    QFile::rename(oldPath, newPath);
    loadFolder(currentPath, sourceFlag);
}

void ImageSys::on_New_clicked()
{
    bool ok = false;
    const QString answer = QInputDialog::getText(this, tr("新建文件夹"), tr("新文件夹名称:"),
                                                 QLineEdit::Normal, QString(), &ok,
                                                 Qt::WindowCloseButtonHint);
    if (!ok || answer.isEmpty())
        return;
    switch (FileNameRules::checkFolderName(answer)) {
    case FileNameRules::BadName:
        showError(tr("新建文件夹"), tr("命名错误！"));
        return;
    case FileNameRules::TooLong:
        showError(tr("新建文件夹"), tr("文件名太长！"));
        return;
    case FileNameRules::Accepted:
        break;
    }
    const QString album = currentFolderPath();
    // Without an album folder the name would land in the file system's root.
    if (album.isEmpty())
        return;
    const QString path = album + QLatin1Char('/') + answer;
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        showError(tr("文件夹已存在"), tr("命名错误！"));
        return;
    }
    QDir().mkpath(path);
    on_pcUpData_clicked();
}

FolderButton *ImageSys::pcFolderButtonNamed(const QString &objectName) const
{
    const QList<QAbstractButton *> buttons = folderButtons->buttons();
    for (QAbstractButton *button : buttons) {
        if (button->objectName() == objectName)
            return qobject_cast<FolderButton *>(button);
    }
    return nullptr;
}

void ImageSys::on_FolderPC(QString n, qint8 i)
{
    switch (i) {
    case FolderActionNew:
        on_New_clicked();
        break;
    case FolderActionRefresh:
        on_pcUpData_clicked();
        break;
    case FolderActionDelete:
        deletePcFolder(n);
        break;
    case FolderActionRename:
        renamePcFolder(n);
        break;
    case FolderActionExplorerShow:
        on_openExplorerFile_clicked();
        break;
    default:
        break;
    }
}

namespace {

QString absoluteFolder(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

void ImageSys::deletePcFolder(const QString &buttonName)
{
    const FolderButton *button = pcFolderButtonNamed(buttonName);
    if (!button)
        return;
    const QString name = button->folderName();
    const QString album = currentFolderPath();
    // Only a folder of the album: never the album itself or anything above.
    if (album.isEmpty() || name.isEmpty() || name == QLatin1String(".")
        || name == QLatin1String("..") || name.contains(QLatin1Char('/'))
        || name.contains(QLatin1Char('\\')))
        return;
    const QString folder = album + QLatin1Char('/') + name + QLatin1Char('/');
    const QString remembered = currentPath;
    const bool wasListed =
        !remembered.isEmpty() && absoluteFolder(folder) == absoluteFolder(remembered);

    removeFolderRecursively(folder);
    on_pcUpData_clicked();
    if (!wasListed) {
        currentPath = remembered;
        currentFolderName = QString();
        sourceFlag = -10;
        loadFolder(currentPath, -10);
    }
}

bool ImageSys::removeFolderRecursively(const QString &path)
{
    if (path.isEmpty())
        return false;
    // Without the trailing "/" a link is seen as the link, not its target.
    const QFileInfo info(QDir::cleanPath(path));
    // A linked folder is removed as a link: what it points to is not ours.
    if (info.isSymLink())
        return QFile::remove(info.absoluteFilePath());
    if (!info.exists())
        return true;
    if (!info.isDir())
        return false;
    const QString album = currentFolderPath();
    if (!album.isEmpty() && absoluteFolder(info.absoluteFilePath()) == absoluteFolder(album))
        return false;
    QDir dir(info.absoluteFilePath());
    // Hidden and system entries are not listed: they stay, and so does the
    // folder that holds them. Links go as links (see above).
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir())
            removeFolderRecursively(entry.absoluteFilePath());
        else
            dir.remove(entry.fileName());
    }
    // Only the folder itself: its parents stay, even when left empty.
    return QDir().rmdir(dir.absolutePath());
}

void ImageSys::renamePcFolder(const QString &buttonName)
{
    const QString oldName = buttonName.mid(8);
    const QString album = currentFolderPath();
    if (oldName.isEmpty() || album.isEmpty())
        return;
    bool ok = false;
    const QString answer = QInputDialog::getText(this, tr("重命名"), tr("请输入："), QLineEdit::Normal,
                                                 oldName, &ok, Qt::WindowCloseButtonHint);
    if (!ok || answer.isEmpty())
        return;
    switch (FileNameRules::checkFolderName(answer)) {
    case FileNameRules::BadName:
        showError(tr("重命名"), tr("命名错误！"));
        return;
    case FileNameRules::TooLong:
        showError(tr("重命名"), tr("文件名太长！"));
        return;
    case FileNameRules::Accepted:
        break;
    }
    const QString newPath = album + QLatin1Char('/') + answer + QLatin1Char('/');
    const QString oldPath = album + QLatin1Char('/') + oldName + QLatin1Char('/');
    if (QFileInfo::exists(newPath) || QFileInfo(QDir::cleanPath(newPath)).isSymLink()) {
        showError(tr("重命名"), tr("命名已存在！"));
        return;
    }
    const bool wasListed =
        !currentPath.isEmpty() && absoluteFolder(oldPath) == absoluteFolder(currentPath);
    // Renaming never replaces an existing entry.
    QDir().rename(QDir::cleanPath(oldPath), QDir::cleanPath(newPath));
    on_pcUpData_clicked();
    if (!wasListed)
        return;
    if (FolderButton *button = pcFolderButtonNamed(QStringLiteral("DataBaSe") + answer)) {
        button->setCheckable(true);
        button->setChecked(true);
    }
    currentPath = newPath;
    currentFolderName = answer;
    sourceFlag = -10;
    loadFolder(currentPath, -10);
}

void ImageSys::on_openExplorerFile_clicked()
{
    if (currentPath.isEmpty())
        return;
#ifdef Q_OS_WIN
    QString nativePath = currentPath;
    nativePath.replace(QLatin1Char('/'), QLatin1Char('\\'));
    // Explorer reads its own command line: the quoted path goes as it is.
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer"));
    explorer.setNativeArguments(QStringLiteral("/n,\"%1\"").arg(nativePath));
    if (!explorer.startDetached())
        showError(tr("错误"), tr("由于找不到explorer.exe,无法执行打开文件夹所在位置功能。"));
#else
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(currentPath)))
        showError(tr("错误"), tr("由于找不到文件管理器,无法执行打开文件夹所在位置功能。"));
#endif
}
