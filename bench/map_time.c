/* Times how long a program takes to show its first window: starts COMMAND on the X display in
 * DISPLAY, waits until the first top-level window of that process is mapped, prints the time it
 * took, then ends the process (SIGTERM, SIGKILL if it lingers) and reaps it.
 *
 *   map_time COMMAND [ARGUMENT]...
 *
 * Prints "<elapsed> <cpu>" in seconds on standard output: the wall-clock time from just before
 * the process is started until the X server reports the map, and the CPU time (user + system)
 * the process used until it ended. Exits with 1 when no window is mapped within 20 seconds or
 * the process ends first.
 *
 * The root window's SubstructureNotify events are selected before the process starts, so no map
 * can be missed. Without a window manager, a top-level window's MapNotify arrives on the root as
 * soon as the client maps it; under one, the manager maps its frame instead (and later), so the
 * display should have none. Override-redirect windows (menus, tooltips, the toolkit's hidden
 * helpers) do not count, nor a window whose _NET_WM_PID names another process. */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

enum { kTimeoutMs = 20000, kTermGraceMs = 2000 };

static double Now(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec + (double)now.tv_nsec / 1e9;
}

/* The _NET_WM_PID of a window, or 0 when it has none. */
static unsigned long WindowPid(Display* display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = NULL;
    unsigned long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        type == XA_CARDINAL && format == 32 && count == 1) {
        pid = *(unsigned long*)data; /* Xlib hands 32-bit items back as longs */
    }
    if (data != NULL) XFree(data);
    return pid;
}

/* A window can be destroyed between its map and our question about it. */
static int IgnoreXErrors(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0;
}

/* Ends the child: SIGTERM, then SIGKILL if it is still there after a grace period. Returns its
 * CPU time in seconds. */
static double EndChild(pid_t child) {
    struct rusage usage;
    int status = 0;
    kill(child, SIGTERM);
    const double deadline = Now() + kTermGraceMs / 1000.0;
    for (;;) {
        pid_t ended = wait4(child, &status, WNOHANG, &usage);
        if (ended == child) break;
        if (ended < 0 && errno != EINTR) return 0.0;
        if (Now() >= deadline) {
            kill(child, SIGKILL);
            while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
            }
            break;
        }
        usleep(1000);
    }
    return (double)usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + (double)usage.ru_stime.tv_sec +
           usage.ru_stime.tv_usec / 1e6;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: map_time COMMAND [ARGUMENT]...\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "map_time: cannot open the display %s\n", XDisplayName(NULL));
        return 2;
    }
    XSetErrorHandler(IgnoreXErrors);
    const Window root = DefaultRootWindow(display);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False); /* the server selects the events before the child can map anything */

    const double start = Now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[1], NULL, NULL, argv + 1, environ);
    if (spawned != 0) {
        fprintf(stderr, "map_time: cannot start %s: %s\n", argv[1], strerror(spawned));
        return 2;
    }

    double mapped = -1.0;
    struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
    while (mapped < 0.0) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.event != root || event.xmap.override_redirect) continue;
            const double at = Now();
            const unsigned long pid = WindowPid(display, event.xmap.window, pidAtom);
            if (pid != 0 && pid != (unsigned long)child) continue;
            mapped = at;
            break;
        }
        if (mapped >= 0.0) break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            fprintf(stderr, "map_time: %s ended (status %d) before it mapped a window\n", argv[1], status);
            return 1;
        }
        const int waitMs = kTimeoutMs - (int)((Now() - start) * 1000.0);
        if (waitMs <= 0) {
            fprintf(stderr, "map_time: %s mapped no window within %d ms\n", argv[1], kTimeoutMs);
            EndChild(child);
            return 1;
        }
        /* Woken every 50 ms to notice a child that ended without a window. */
        if (poll(&connection, 1, waitMs < 50 ? waitMs : 50) < 0 && errno != EINTR) {
            perror("map_time: poll");
            EndChild(child);
            return 2;
        }
    }

    const double cpu = EndChild(child);
    printf("%.6f %.6f\n", mapped - start, cpu);
    XCloseDisplay(display);
    return 0;
}
