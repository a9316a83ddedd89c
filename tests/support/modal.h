#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace test_support {

// Runs `action` on the next modal window that opens on top of `below` (or on any modal window when
// `below` is null), polling from the event loop, so a test can drive a dialog shown with exec(). If no
// such window appears within `timeoutMs`, `onTimeout` runs instead; a test treats that as a failure.
inline void whenModal(std::function<void(QWidget*)> action, QWidget* below = nullptr, int timeoutMs = 5000,
    std::function<void()> onTimeout = {})
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    const QDeadlineTimer deadline(timeoutMs);
    QPointer<QWidget> base(below);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != base && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
            return;
        }
        if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            if (onTimeout)
                onTimeout();
        }
    });
    timer->start();
}

// A whenModal timeout for a test that drives a modal dialog: whatever modal window is still open gets
// closed, so the test goes on to fail on what it did not see instead of waiting for ever.
inline void closeActiveModal()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

} // namespace test_support
