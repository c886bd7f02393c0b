#include "setting.h"

Setting::Setting(QWidget *parent)
    : QWidget(parent)
{
}

Setting::~Setting() = default;
