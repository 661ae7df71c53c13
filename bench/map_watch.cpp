// Starts a program and reports how long it took until its first top-level
// window was mapped, its resident memory at that moment and once it has
// settled, half a second later, and the CPU time it had used by then (user
// and system, every thread, work done after the first paint included):
//   map_watch <program> [arguments...]
//   prints "<ms> <VmRSS kB> <settled VmRSS kB> <settled CPU ms>"
// The X server's own MapNotify on the root window marks the moment.

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// The process's own CPU clock: nanoseconds, where /proc's figures count 10 ms ticks.
double cpuMs(pid_t pid)
{
    clockid_t clock{};
    timespec t{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &t) != 0)
        return -1;
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s program [arguments...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_watch: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        std::perror("map_watch: exec");
        _exit(127);
    }
    double mapped = -1;
    long rss = -1;
    while (mapped < 0) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
                mapped = nowMs();
                rss = residentKb(pid);
                break;
            }
        }
        if (mapped >= 0)
            break;
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "map_watch: %s ended before mapping a window\n", argv[1]);
            return 1;
        }
        if (nowMs() - start > 30000) {
            std::fprintf(stderr, "map_watch: %s mapped no window within 30 s\n", argv[1]);
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 50);
    }
    usleep(500 * 1000);
    const long settled = residentKb(pid);
    const double cpu = cpuMs(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.2f %ld %ld %.2f\n", mapped - start, rss, settled, cpu);
    return 0;
}
