#include "testsupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace TestSupport {

QString prepareEnvironment()
{
    // Lives until the process ends; removed then.
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/velk-test-home-XXXXXX"));
    qputenv("HOME", home.path().toLocal8Bit());
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                             "XDG_DOCUMENTS_DIR", "XDG_CONFIG_DIRS"})
        qunsetenv(name);
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QDir(home.path()).mkpath(QStringLiteral("Documents"));
    return home.path();
}

QString documentsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void answerNextModal(std::function<void(QWidget *)> answer, int timeoutMs)
{
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, timeoutMs]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            answer(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            QFAIL("no modal dialog appeared");
        }
    });
    timer->start();
}

void clickInNextMessageBox(const QString &buttonText, int timeoutMs)
{
    answerNextModal([buttonText](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY2(box, "the modal widget is not a message box");
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        box->reject();
        QFAIL(qPrintable(QStringLiteral("no button '%1' in the message box").arg(buttonText)));
    }, timeoutMs);
}

void answerNextPopup(std::function<void(QWidget *)> answer, int timeoutMs)
{
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer, timeoutMs]() {
        QWidget *popup = QApplication::activePopupWidget();
        if (popup) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            answer(popup);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            QFAIL("no popup appeared");
        }
    });
    timer->start();
}

} // namespace TestSupport
