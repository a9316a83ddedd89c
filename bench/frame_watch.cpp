#include "bench/frame_watch.h"

#include "bench/probe.h"

#include <QFile>

#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// How long a window must go undrawn before what it shows counts as finished.
constexpr qint64 settleNs = 300'000'000;
// How long a program may take to show its window before the start counts as failed.
constexpr qint64 giveUpNs = 20'000'000'000;
// A pause after each program has ended and the server has let go of its window, so that neither the
// ending nor the server's cleaning up overlaps the next start.
constexpr qint64 pauseNs = 100'000'000;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> owned(T* reply)
{
    return Reply<T>(reply, &std::free);
}

// A window whose pixels are all one colour shows nothing yet: before the program draws, the server
// shows the root window's plain background through it.
bool blank(const QByteArray& pixels)
{
    if (pixels.size() < 4)
        return true;
    quint32 first = 0;
    std::memcpy(&first, pixels.constData(), 4);
    // A 24-bit window is read as 32 bits a pixel; the top byte is padding.
    first &= 0x00ffffff;
    for (qsizetype at = 4; at + 4 <= pixels.size(); at += 4) {
        quint32 pixel = 0;
        std::memcpy(&pixel, pixels.constData() + at, 4);
        if ((pixel & 0x00ffffff) != first)
            return false;
    }
    return true;
}

// A 24-bit window read as 32 bits a pixel, blue first, as a binary PPM (P6) picture.
QByteArray portablePixmap(const QByteArray& pixels, int width, int height)
{
    if (width <= 0 || height <= 0 || pixels.size() < qsizetype(width) * height * 4)
        return {};
    QByteArray picture = QByteArrayLiteral("P6\n") + QByteArray::number(width) + ' '
        + QByteArray::number(height) + QByteArrayLiteral("\n255\n");
    for (qsizetype at = 0; at < qsizetype(width) * height * 4; at += 4) {
        picture.append(pixels.at(at + 2));
        picture.append(pixels.at(at + 1));
        picture.append(pixels.at(at));
    }
    return picture;
}

// Ends the program and returns the CPU time it used, user and system, in nanoseconds.
qint64 endProgram(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return 0;
    auto ns = [](const timeval& time) {
        return static_cast<qint64>(time.tv_sec) * 1'000'000'000 + time.tv_usec * 1000;
    };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

} // namespace

struct FrameWatch::Run
{
    qint64 started = 0;
    std::map<unsigned, std::pair<int, int>> sizes;
    unsigned window = 0;
    unsigned damage = 0;
    qint64 lastDrawn = -1;
    // Every frame with something in it, and when it was seen.
    std::vector<std::pair<qint64, QByteArray>> frames;
    Start result;

    void look(FrameWatch& watch, qint64 now)
    {
        // Taken back before the pixels are read: drawing after this point is reported again.
        xcb_damage_subtract(watch.m_connection, damage, XCB_NONE, XCB_NONE);
        const auto& [width, height] = sizes[window];
        QByteArray pixels = watch.image(window, width, height);
        lastDrawn = now;
        if (blank(pixels))
            return;
        if (result.firstFrameNs < 0)
            result.firstFrameNs = now - started;
        frames.emplace_back(now, std::move(pixels));
    }
};

FrameWatch::~FrameWatch()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool FrameWatch::open(QString* error)
{
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection)) {
        *error = QStringLiteral("cannot connect to the X server (is DISPLAY set?)");
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0) {
        *error = QStringLiteral("the X server has no screen %1").arg(screenNumber);
        return false;
    }
    m_root = screens.data->root;

    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(m_connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        *error = QStringLiteral("the X server has no DAMAGE extension");
        return false;
    }
    m_damageEventBase = damage->first_event;
    // Both versions must be asked for before either extension is used.
    owned(
        xcb_xfixes_query_version_reply(m_connection, xcb_xfixes_query_version(m_connection, 5, 0), nullptr));
    owned(
        xcb_damage_query_version_reply(m_connection, xcb_damage_query_version(m_connection, 1, 1), nullptr));

    // Windows of a program without a window manager are children of the root: their creation, size and
    // mapping are reported to whoever listens on the root.
    const quint32 mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    drain();
    return true;
}

void FrameWatch::drain()
{
    owned(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
        std::free(event);
}

QByteArray FrameWatch::image(unsigned window, int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    xcb_generic_error_t* error = nullptr;
    auto reply = owned(xcb_get_image_reply(m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, static_cast<quint16>(width),
            static_cast<quint16>(height), ~0u),
        &error));
    std::free(error);
    if (!reply)
        return {};
    return QByteArray(reinterpret_cast<const char*>(xcb_get_image_data(reply.get())),
        xcb_get_image_data_length(reply.get()));
}

void FrameWatch::handle(xcb_generic_event_t* event, qint64 now, Run& run)
{
    const int type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
        const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
        run.sizes[created->window] = {created->width, created->height};
    } else if (type == XCB_CONFIGURE_NOTIFY) {
        const auto* configured = reinterpret_cast<xcb_configure_notify_event_t*>(event);
        run.sizes[configured->window] = {configured->width, configured->height};
    } else if (type == XCB_MAP_NOTIFY) {
        const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
        // The first ordinary window the program maps is its main window; menus and tips bypass the
        // window manager and are not it.
        if (run.window != 0 || mapped->override_redirect || mapped->event != m_root)
            return;
        run.window = mapped->window;
        run.result.mappedNs = now - run.started;
        run.damage = xcb_generate_id(m_connection);
        xcb_damage_create(m_connection, run.damage, run.window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        // Anything drawn before the damage was being recorded shows in this first look.
        run.look(*this, now);
    } else if (type == m_damageEventBase + XCB_DAMAGE_NOTIFY) {
        const auto* damaged = reinterpret_cast<xcb_damage_notify_event_t*>(event);
        if (run.damage != 0 && damaged->damage == run.damage)
            run.look(*this, now);
    }
}

bool FrameWatch::watchStart(const QString& program, Start* start, QString* error)
{
    drain();
    const QByteArray path = program.toLocal8Bit();
    char* const arguments[] = {const_cast<char*>(path.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

    Run run;
    run.started = bench::monotonicNs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.constData(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        *error
            = QStringLiteral("cannot start %1: %2").arg(program, QString::fromLocal8Bit(strerror(spawned)));
        return false;
    }

    pollfd server{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    for (;;) {
        xcb_flush(m_connection);
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            handle(event, bench::monotonicNs(), run);
            std::free(event);
        }
        if (xcb_connection_has_error(m_connection)) {
            *error = QStringLiteral("lost the connection to the X server");
            endProgram(pid);
            return false;
        }
        const qint64 now = bench::monotonicNs();
        if (run.result.firstFrameNs >= 0 && now - run.lastDrawn >= settleNs)
            break;
        if (now - run.started > giveUpNs) {
            *error = QStringLiteral("%1 showed no painted window in time").arg(program);
            endProgram(pid);
            return false;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            *error = QStringLiteral("%1 ended before its window was painted").arg(program);
            return false;
        }
        // Short waits until the first frame, so that a program that dies is noticed soon.
        const qint64 waitNs = run.result.firstFrameNs >= 0 ? settleNs - (now - run.lastDrawn) : 50'000'000;
        poll(&server, 1, static_cast<int>(waitNs / 1'000'000) + 1);
    }

    const auto& [width, height] = run.sizes[run.window];
    const QByteArray finished = image(run.window, width, height);
    for (const auto& [seen, pixels] : run.frames) {
        if (pixels == finished) {
            run.result.finishedFrameNs = seen - run.started;
            break;
        }
    }
    m_lastFinished = portablePixmap(finished, width, height);
    run.result.peakKiB = bench::peakResidentKiB(pid);
    run.result.cpuNs = endProgram(pid);
    waitUntilGone(run.window);
    const timespec pause{0, pauseNs};
    nanosleep(&pause, nullptr);
    *start = run.result;
    return true;
}

void FrameWatch::waitUntilGone(unsigned window)
{
    pollfd server{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    const qint64 started = bench::monotonicNs();
    while (bench::monotonicNs() - started < 2'000'000'000) {
        xcb_flush(m_connection);
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            const bool gone = (event->response_type & 0x7f) == XCB_DESTROY_NOTIFY
                && reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == window;
            std::free(event);
            if (gone)
                return;
        }
        if (xcb_connection_has_error(m_connection))
            return;
        poll(&server, 1, 50);
    }
}
