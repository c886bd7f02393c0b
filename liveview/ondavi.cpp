#include "ondavi.h"

Ondavi::Ondavi(QWidget *parent)
    : QWidget(parent)
{
}

Ondavi::~Ondavi() = default;

void Ondavi::UVCInit_K41(qint8, QString)
{
}
