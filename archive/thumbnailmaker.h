#ifndef THUMBNAILMAKER_H
#define THUMBNAILMAKER_H

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// Thumbnails of the archive list: the picture scaled to fit 160 x 120 on a
// transparent canvas, with marks for a sound note, a QR-code text and a
// video drawn over its top-left corner.
class ThumbnailMaker
{
public:
    static constexpr int MaxWidth = 160;
    static constexpr int MaxHeight = 120;

    // flag 2: a video (its first frame); any other value: a picture.
    static QPixmap create(const QString &pathName, qint8 flag);
    static QPixmap picture(const QString &pathName);
    static QPixmap video(const QString &pathName);

    // The placeholder shown for a file that cannot be read.
    static QPixmap placeholder();

    // Size of a picture of `size` scaled to fit the thumbnail, aspect kept.
    static QSize fittedSize(const QSize &size);
    // The first frame of a video; null when there is none.
    static QImage firstVideoFrame(const QString &pathName);
};

#endif // THUMBNAILMAKER_H
