#ifndef WAITINGBOX_H
#define WAITINGBOX_H

#include <QWidget>

class QTimer;
namespace Ui {
class MessageBox;
}
using BoxForm = Ui::MessageBox;

// Animated busy overlay that covers its parent. delay() keeps the event
// loop turning while the caller's work stays on the stack.
class WaitingBox : public QWidget
{
    Q_OBJECT

public:
    explicit WaitingBox(QWidget *parent);
    ~WaitingBox() override;

    bool delay(int msec);

    // Number of the animation image shown, 1 to 4.
    quint8 currentFrame() const { return frameIndex; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void advanceFrame();

    BoxForm *ui;
    QTimer *animTimer;
    quint8 frameIndex;
};

#endif // WAITINGBOX_H
