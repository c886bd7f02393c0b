// Drives the main window through its four pages on the demo data and saves
// a picture of each: screenshots OUTDIR (HOME must hold the demo album).

#include "imagesys.h"
#include "ttabwidget.h"
#include "zanthermal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QListWidget>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>
#include <QWindow>
#include <cstdio>

namespace {

void settle(int ms)
{
    QTest::qWait(ms);
}

bool save(QWidget *window, const QString &path)
{
    // Grab from the screen where there is one, so the picture is what the
    // X server shows; offscreen, render the widget.
    QPixmap shot;
    if (QGuiApplication::platformName() != QLatin1String("offscreen") && window->windowHandle())
        shot = window->windowHandle()->screen()->grabWindow(window->winId());
    if (shot.isNull())
        shot = window->grab();
    const bool ok = shot.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    auto *window = new ZanThermal;
    window->show();
    QTest::qWaitForWindowExposed(window);
    settle(3500);   // the archive page starts 1.5 s late, then scans the volumes

    auto *bar = window->findChild<tTabwidget *>(QStringLiteral("ZanMenu"));
    auto *archive = window->findChild<ImageSys *>(QStringLiteral("page_1"));
    auto *list = archive->findChild<QListWidget *>(QStringLiteral("listWidget"));

    // A PC folder with pictures, and one picture clicked for the details.
    if (QButtonGroup *folders = archive->pcFolderButtons()) {
        for (QAbstractButton *button : folders->buttons()) {
            if (button->text().contains(QLatin1String("Kitchen"))) {
                button->click();
                break;
            }
        }
    }
    settle(1500);
    // The page re-lists its folder when it becomes current again, so items
    // are found afresh by row.
    const int row = list->count() > 1 ? 1 : -1;
    if (row >= 0) {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
    settle(800);
    bool ok = save(window, out + "/archive.png");

    bar->selectTabwidget(1);
    settle(1500);
    ok &= save(window, out + "/liveview.png");

    bar->selectTabwidget(0);
    settle(1500);
    if (row >= 0 && list->count() > row) {
        emit list->itemDoubleClicked(list->item(row));
    } else {
        bar->selectTabwidget(2);
    }
    settle(1500);
    ok &= save(window, out + "/analysis.png");

    bar->selectTabwidget(3);
    settle(800);
    ok &= save(window, out + "/settings.png");
    return ok ? 0 : 1;
}
