/* Prints the X server's current cursor, as XFixes returns it: a line
 * "width height xhot yhot", then one line a row, one character a pixel:
 * '#' opaque black, 'o' opaque white, '.' transparent, '?' anything else. */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdio>

int main(void) {
    Display* d = XOpenDisplay(NULL);
    if (!d) return 2;
    int event, error;
    if (!XFixesQueryExtension(d, &event, &error)) return 3;
    XFixesCursorImage* c = XFixesGetCursorImage(d);
    if (!c) return 4;
    printf("%d %d %d %d\n", c->width, c->height, c->xhot, c->yhot);
    for (int y = 0; y < c->height; ++y) {
        for (int x = 0; x < c->width; ++x) {
            const unsigned long p = c->pixels[y * c->width + x] & 0xffffffffUL;
            const unsigned long a = p >> 24, rgb = p & 0xffffff;
            putchar(a == 0 ? '.' : a != 0xff ? '?' : rgb == 0 ? '#' : rgb == 0xffffff ? 'o' : '?');
        }
        putchar('\n');
    }
    XFree(c);
    XCloseDisplay(d);
    return 0;
}
