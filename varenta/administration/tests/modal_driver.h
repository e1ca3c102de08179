#pragma once
// Drives modal forms in QTest: every few milliseconds the active modal
// widget is handed to the test's handler, which types or clicks. Clicks go
// through Click(), which presses the button once control is back in the
// event loop, so that a modal the click opens (a message box) is driven too;
// until that click has returned, its form is not handed out again.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <set>

namespace varenta::testing {

class ModalDriver {
public:
    using Handler = std::function<void(QWidget* modal)>;

    ModalDriver()
    {
        clock_.start();
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    }

    void Handle(Handler handler)
    {
        handler_ = std::move(handler);
        timer_.start();
    }

    void Click(QAbstractButton* button)
    {
        QWidget* form = button->window();
        busy_.insert(form);
        QPointer<QAbstractButton> guarded(button);
        QTimer::singleShot(0, [this, guarded, form] {
            if (guarded)
                guarded->click();
            busy_.erase(form);
        });
    }

private:
    void tick()
    {
        // A test that stops making progress ends instead of hanging.
        if (clock_.elapsed() > 120000)
            qFatal("modal forms still open after two minutes");
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && !busy_.count(modal))
            handler_(modal);
    }

    Handler handler_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::set<QWidget*> busy_;
};

}  // namespace varenta::testing
