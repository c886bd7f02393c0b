#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QtWidgets>
#include <QString>
#include <QtTest>
#include <functional>

namespace TestSupport {

// Gives the test process a fresh HOME (Documents, settings and album live
// there) and the offscreen platform, before the application object exists.
// Returns the temporary HOME.
QString prepareEnvironment();

// Answers the next modal dialog or message box: calls answer() with it as
// soon as it is the active modal widget. Fails the test if none comes
// within timeoutMs.
void answerNextModal(std::function<void(QWidget *)> answer, int timeoutMs = 5000);

// Clicks the button with the given text in the next QMessageBox.
void clickInNextMessageBox(const QString &buttonText, int timeoutMs = 5000);

// Answers the next popup (a context menu run by QMenu::exec, for example):
// calls answer() with it as soon as it is the active popup widget. Fails
// the test if none comes within timeoutMs.
void answerNextPopup(std::function<void(QWidget *)> answer, int timeoutMs = 5000);

// Settings and album paths below the test's HOME.
QString documentsPath();

} // namespace TestSupport

// Counts the events of one type that reach the watched object.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type type) : watched(type) {}
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == watched)
            ++count;
        return false;
    }

private:
    QEvent::Type watched;
};

// The body of a test program's main, after any set-up of its own.
#define VELK_TEST_RUN(TestObject)                                    \
    TestSupport::prepareEnvironment();                               \
    QApplication app(argc, argv);                                    \
    app.setAttribute(Qt::AA_Use96Dpi, true);                         \
    TestObject tc;                                                   \
    QTEST_SET_MAIN_SOURCE_PATH                                       \
    return QTest::qExec(&tc, argc, argv);

// Like QTEST_MAIN, with a private HOME per test process.
#define VELK_TEST_MAIN(TestObject)                                   \
    int main(int argc, char *argv[])                                 \
    {                                                                \
        VELK_TEST_RUN(TestObject)                                    \
    }

#endif // TESTSUPPORT_H
