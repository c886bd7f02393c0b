#ifndef FINDMAINWINDOW_H
#define FINDMAINWINDOW_H

class QMainWindow;

// The first top-level widget of the application that is a QMainWindow;
// waiting boxes of long page operations cover it. nullptr when there is none.
QMainWindow *findMainWindow();

#endif // FINDMAINWINDOW_H
