#pragma once

#include <QByteArray>
#include <QString>

#include <xcb/xcb.h>

// Watches the X server from outside a program: when the program's first window is mapped and when the
// server first holds a painted frame of it. The program itself is not touched: the runner asks the
// server to report drawing into the window (the DAMAGE extension) and reads the window's pixels back
// only after each report, so nothing polls while the program works.
class FrameWatch final
{
public:
    // What one start of a program showed, in nanoseconds from just before it was started.
    struct Start
    {
        qint64 mappedNs = -1;
        // The first time the window held more than one colour: a frame with something in it.
        qint64 firstFrameNs = -1;
        // The first time the window held what it shows once nothing more is drawn; equal to the first
        // frame when the program draws its window whole the first time.
        qint64 finishedFrameNs = -1;
        // CPU time (user and system) from start until the window had settled and the program was ended.
        qint64 cpuNs = 0;
        // Peak resident set (VmHWM) once the window had settled, in KiB.
        qint64 peakKiB = 0;
    };

    FrameWatch() = default;
    ~FrameWatch();
    FrameWatch(const FrameWatch&) = delete;
    FrameWatch& operator=(const FrameWatch&) = delete;

    // Connects to the X server named by DISPLAY; false, with `error` set, where it cannot.
    bool open(QString* error);

    // Starts `program`, waits until its first window has been mapped, painted and left alone for a while,
    // then ends the program. False, with `error` set, if that did not happen in time.
    bool watchStart(const QString& program, Start* start, QString* error);

    // Reads and forgets every event the server has sent, so that one start's events do not reach the next.
    void drain();

    // The finished window of the last start, as a binary PPM picture, to compare what two builds show.
    QByteArray lastFinishedFrame() const { return m_lastFinished; }

private:
    struct Run;

    void handle(xcb_generic_event_t* event, qint64 now, Run& run);
    // Waits until the server reports `window` destroyed, as it does once it has let go of an ended
    // program.
    void waitUntilGone(unsigned window);
    // The window's pixels as the server has them; empty where they cannot be read.
    QByteArray image(unsigned window, int width, int height);

    xcb_connection_t* m_connection = nullptr;
    unsigned m_root = 0;
    int m_damageEventBase = -1;
    QByteArray m_lastFinished;
};
