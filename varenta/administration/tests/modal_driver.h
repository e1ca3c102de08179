#pragma once
// Drives modal forms in QTest: every few milliseconds the active modal
// widget is handed to the test's handler, which clicks or types. A handler
// that opens another modal (a message box) is re-entered for that one.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace varenta::testing {

class ModalDriver {
public:
    using Handler = std::function<void(QWidget* modal)>;

    explicit ModalDriver(Handler handler) : handler_(std::move(handler))
    {
        clock_.start();
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        timer_.start();
    }

private:
    void tick()
    {
        // A test that stops making progress ends instead of hanging.
        if (clock_.elapsed() > 120000)
            qFatal("modal forms still open after two minutes");
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible())
            handler_(modal);
    }

    Handler handler_;
    QTimer timer_;
    QElapsedTimer clock_;
};

}  // namespace varenta::testing
