// Starts a program and times exec to the first mapping of one of its top-level windows, then reads
// its memory.
//
// Usage: map_timer [--term] SETTLE_MS PROGRAM [ARGS...]
// With --term the program is ended with SIGTERM instead of SIGKILL, so that a profiler it runs
// under (callgrind) writes its figures. Prints one line: "map_ms=<ms> rss_kib=<KiB>". The display
// is $DISPLAY; no window manager is expected, so top-level windows are children of the root window
// and their MapNotify arrives through the root's SubstructureNotify. A window counts as the
// program's when its _NET_WM_PID is the child's pid.
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

template <typename T>
using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t intern_atom(xcb_connection_t* connection, const char* name) {
  XcbReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                            nullptr),
      &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The pid a window's client wrote into _NET_WM_PID, or -1. Qt sets it before it maps the window.
long window_pid(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t pid_atom) {
  XcbReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(
          connection, xcb_get_property(connection, 0, window, pid_atom, XCB_ATOM_CARDINAL, 0, 1),
          nullptr),
      &std::free);
  if (!reply || xcb_get_property_value_length(reply.get()) < 4) return -1;
  return *static_cast<uint32_t*>(xcb_get_property_value(reply.get()));
}

long resident_kib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

pid_t start(char** argv) {
  pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv);
    std::fprintf(stderr, "map_timer: cannot start %s: %s\n", argv[0], std::strerror(errno));
    _exit(127);
  }
  return pid;
}

}  // namespace

int main(int argc, char** argv) {
  const bool terminate = argc > 1 && std::strcmp(argv[1], "--term") == 0;
  if (terminate) {
    --argc;
    ++argv;
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: map_timer [--term] SETTLE_MS PROGRAM [ARGS...]\n");
    return 2;
  }
  const int settle_ms = std::atoi(argv[1]);
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "map_timer: cannot open the display\n");
    return 1;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
  const xcb_atom_t pid_atom = intern_atom(connection, "_NET_WM_PID");
  xcb_flush(connection);

  const Clock::time_point started = Clock::now();
  const pid_t child = start(argv + 2);
  double map_ms = -1;
  pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
  while (map_ms < 0 && waitpid(child, nullptr, WNOHANG) == 0 &&
         !xcb_connection_has_error(connection)) {
    // Wakes on X events; the timeout only notices a program that died without a window.
    poll(&display, 1, 200);
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const Clock::time_point seen = Clock::now();
      const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
      const xcb_window_t window =
          mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
      std::free(event);
      if (map_ms < 0 && mapped && window_pid(connection, window, pid_atom) == child)
        map_ms = std::chrono::duration<double, std::milli>(seen - started).count();
    }
  }
  if (map_ms < 0) {
    std::fprintf(stderr,
                 "map_timer: the program ended or the display closed before a window was mapped\n");
    kill(child, SIGKILL);
    return 1;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(settle_ms));
  const long rss = resident_kib(child);
  kill(child, terminate ? SIGTERM : SIGKILL);
  waitpid(child, nullptr, 0);
  xcb_disconnect(connection);
  std::printf("map_ms=%.1f rss_kib=%ld\n", map_ms, rss);
  return 0;
}
