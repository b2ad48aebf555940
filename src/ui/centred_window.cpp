#include "ui/centred_window.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace vorlix {

namespace {

void centre(QWidget* window) {
    if (const QScreen* screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

// Centres its window again at the first move that shows a frame, then goes.
class FrameAwaiter : public QObject {
public:
    explicit FrameAwaiter(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Move &&
            window_->frameGeometry() != window_->geometry()) {
            window_->removeEventFilter(this);
            deleteLater();
            centre(window_);
        }
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

void showCentred(QWidget* window) {
    centre(window);
    window->show();
    window->installEventFilter(new FrameAwaiter(window));
}

} // namespace vorlix
