#include "findmainwindow.h"

#include <QApplication>
#include <QMainWindow>

QMainWindow *findMainWindow()
{
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget *widget : topLevels) {
        if (auto *window = qobject_cast<QMainWindow *>(widget))
            return window;
    }
    return nullptr;
}
