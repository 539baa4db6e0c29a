/* Presses the window's big button through XTest and watches board 1 until the
 * draw has finished: exactly two red star cells and no lit number cell, after
 * the highlight was seen running. Prints the seconds between press and finish.
 *
 * usage: drawtimer BUTTON_X BUTTON_Y X1 Y1 ... (50 number cells, then 9 stars;
 * screen coordinates of one pixel inside each cell)
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#define CELLS 59

static double now(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

int main(int argc, char** argv) {
    if (argc != 3 + 2 * CELLS) {
        fprintf(stderr, "usage: drawtimer BX BY then %d cell points\n", CELLS);
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) return 2;
    Window root = DefaultRootWindow(d);
    int px[CELLS], py[CELLS], minx = 1 << 30, miny = 1 << 30, maxx = 0, maxy = 0;
    for (int i = 0; i < CELLS; ++i) {
        px[i] = atoi(argv[3 + 2 * i]);
        py[i] = atoi(argv[4 + 2 * i]);
        if (px[i] < minx) minx = px[i];
        if (py[i] < miny) miny = py[i];
        if (px[i] > maxx) maxx = px[i];
        if (py[i] > maxy) maxy = py[i];
    }
    XTestFakeMotionEvent(d, -1, atoi(argv[1]), atoi(argv[2]), 0);
    XSync(d, False);
    usleep(100000);
    XTestFakeButtonEvent(d, 1, True, 0);
    XTestFakeButtonEvent(d, 1, False, 0);
    XSync(d, False);
    const double start = now();
    int seenRunning = 0;
    while (now() - start < 30) {
        XImage* img = XGetImage(d, root, minx, miny, maxx - minx + 1, maxy - miny + 1, AllPlanes, ZPixmap);
        int lit = 0, redStars = 0;
        for (int i = 0; i < CELLS; ++i) {
            unsigned long p = XGetPixel(img, px[i] - minx, py[i] - miny) & 0xFFFFFF;
            if (i < 50 && p == 0xFF8080) ++lit;
            if (i >= 50 && p == 0xFF0000) ++redStars;
        }
        XDestroyImage(img);
        if (lit) seenRunning = 1;
        if (seenRunning && !lit && redStars == 2) {
            printf("%.3f\n", now() - start);
            return 0;
        }
        usleep(2000);
    }
    fprintf(stderr, "the draw did not finish\n");
    return 1;
}
