/* Starts a program and watches the X server for its first top-level window:
 * prints the seconds from the start to that window being mapped, to its
 * middle pixel being painted (anything but the server's black), and the
 * program's peak resident kilobytes half a second later; then ends it.
 *
 * usage: firstframe PROGRAM [ARGS...]
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

static long peak_kb(pid_t pid) {
    char path[64], line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, "VmHWM:", 6) == 0) kb = atol(line + 6);
    fclose(f);
    return kb;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: firstframe PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) return 2;
    Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);

    const double start = now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    Window shown = 0;
    double mapped = 0, painted = 0;
    while (now() - start < 20 && !painted) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "the program ended before its window was painted\n");
            return 1;
        }
        while (!shown && XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            XWindowAttributes a;
            if (e.type == MapNotify && !e.xmap.override_redirect && XGetWindowAttributes(d, e.xmap.window, &a) &&
                a.width > 100 && a.height > 100) {
                shown = e.xmap.window;
                mapped = now();
            }
        }
        if (shown) {
            XWindowAttributes a;
            XGetWindowAttributes(d, shown, &a);
            XImage* img = XGetImage(d, shown, a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
            if (img) {
                if ((XGetPixel(img, 0, 0) & 0xFFFFFF) != 0) painted = now();
                XDestroyImage(img);
            }
        }
        if (!painted) usleep(500);
    }
    if (!painted) {
        fprintf(stderr, "no painted window\n");
        kill(pid, SIGKILL);
        return 1;
    }
    usleep(500000);
    const long kb = peak_kb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
    printf("%.4f %.4f %ld\n", mapped - start, painted - start, kb);
    return 0;
}
