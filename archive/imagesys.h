#ifndef IMAGESYS_H
#define IMAGESYS_H

#include <QString>
#include <QWidget>

// The archive browser page: PC album folders and camera picture folders.
class ImageSys : public QWidget
{
    Q_OBJECT

public:
    explicit ImageSys(QWidget *parent = nullptr);
    ~ImageSys() override;

    // The main window tells the page which stack page became current.
    void CurrentIndex(int index);
    // A camera volume was mounted (1) or removed (3).
    void folderInit_K41(qint8 type, QString deviceType);

signals:
    void imageSysAnalysis(QString path, QString deviceType);
};

#endif // IMAGESYS_H
