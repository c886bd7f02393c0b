#include "imagesys.h"

ImageSys::ImageSys(QWidget *parent)
    : QWidget(parent)
{
}

ImageSys::~ImageSys() = default;

void ImageSys::CurrentIndex(int)
{
}

void ImageSys::folderInit_K41(qint8, QString)
{
}
