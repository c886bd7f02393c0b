#ifndef ONDAVI_H
#define ONDAVI_H

#include <QString>
#include <QWidget>

// The live-view page: lists the camera's video devices and shows one.
class Ondavi : public QWidget
{
    Q_OBJECT

public:
    explicit Ondavi(QWidget *parent = nullptr);
    ~Ondavi() override;

    // The camera's video device arrived (2) or left (4).
    void UVCInit_K41(qint8 type, QString deviceType);
};

#endif // ONDAVI_H
