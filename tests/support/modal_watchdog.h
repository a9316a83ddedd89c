#pragma once

#include "support/modal_recorder.h"

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace test_support {

// Closes any modal window that opens while no ModalRecorder waits for one and keeps its title, so that an
// unexpected window fails the test (check unexpected() in cleanup) instead of blocking it.
class ModalWatchdog final
{
public:
    ModalWatchdog()
    {
        m_timer.setInterval(100);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && ModalRecorder::watching() == 0) {
                m_unexpected = modal->windowTitle();
                modal->close();
            }
        });
    }

    Q_DISABLE_COPY_MOVE(ModalWatchdog)

    void start()
    {
        m_unexpected.clear();
        m_timer.start();
    }

    void stop() { m_timer.stop(); }

    QString unexpected() const { return m_unexpected; }

private:
    QTimer m_timer;
    QString m_unexpected;
};

} // namespace test_support
