#include "zanthermal.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ZanThermal *window = new ZanThermal;
    window->show();
    return app.exec();
}
