// SPDX-FileCopyrightText: 2026 Vandrel developers
// SPDX-License-Identifier: MIT

// Starts a program and reports how long its first top-level window took to be mapped on the X
// display, the program's peak resident memory, and the processor time it used in all (start-up
// and first paint: it is stopped once idle). On a busy machine the processor time is the steadier
// figure, since waiting for a core counts in the first but not in it.
//
//     startup_probe PROGRAM [ARGS...]   →   "<milliseconds to map> <peak RSS in KiB> <CPU milliseconds>"
//
// The probe watches the root window for MapNotify, so it needs no help from the program and
// measures a bare Qt window and the calculator alike.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for the first top-level window to be mapped; false after `timeout`.
bool waitForMap(xcb_connection_t* connection, Clock::duration timeout)
{
    const auto deadline = Clock::now() + timeout;
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped)
                return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        poll(&fd, 1, static_cast<int>(left.count()) + 1);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const bool mapped = waitForMap(connection, std::chrono::seconds(20));
    const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    // Let the first paint finish before the memory is read.
    usleep(300'000);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(connection);
    if (!mapped) {
        std::fprintf(stderr, "startup_probe: %s mapped no window\n", argv[1]);
        return 1;
    }
    const auto milliseconds = [](timeval t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    std::printf("%.2f %ld %.1f\n", elapsed, usage.ru_maxrss,
                milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime));
    return 0;
}
