/* Writes the root window of the display to standard output as rows of 8-bit RGB:
 * a screenshot in a few milliseconds, quick enough to catch a figure mid-fall. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>

static int shiftOf(unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        shift++;
    }
    return shift;
}

int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "grab_screen: cannot open the display\n");
        return 1;
    }
    Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image) {
        fprintf(stderr, "grab_screen: cannot read the screen\n");
        return 1;
    }
    int red = shiftOf(image->red_mask), green = shiftOf(image->green_mask), blue = shiftOf(image->blue_mask);
    unsigned char* rgb = malloc((size_t)image->width * image->height * 3);
    if (!rgb) {
        fprintf(stderr, "grab_screen: out of memory\n");
        return 1;
    }
    unsigned char* out = rgb;
    for (int y = 0; y < image->height; y++)
        for (int x = 0; x < image->width; x++) {
            unsigned long pixel = XGetPixel(image, x, y);
            *out++ = (unsigned char)(pixel >> red);
            *out++ = (unsigned char)(pixel >> green);
            *out++ = (unsigned char)(pixel >> blue);
        }
    int written = fwrite(rgb, 3, (size_t)image->width * image->height, stdout) == (size_t)image->width * image->height;
    free(rgb);
    XDestroyImage(image);
    XCloseDisplay(display);
    return written ? 0 : 1;
}
