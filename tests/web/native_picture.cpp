// The native renderer's pictures after passes FIRST to LAST from the start, each as raw
// RGB rows from the top on standard output: what the browser's pictures are compared with.
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tools/offscreen/play_harness.h"

int main(int argc, char* argv[]) {
    PlayHarness game;
    if (argc != 3 || !game.ok()) return EXIT_FAILURE;
    const int row = OffscreenGl::Width * 3;
    std::vector<uint8_t> rows(row * OffscreenGl::Height);
    for (int pass = 1; pass <= atoi(argv[2]); pass++) {
        game.pass();
        if (pass < atoi(argv[1])) continue;
        glReadPixels(0, 0, OffscreenGl::Width, OffscreenGl::Height, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
        for (int y = OffscreenGl::Height - 1; y >= 0; y--) fwrite(&rows[y * row], 1, row, stdout);
    }
    return EXIT_SUCCESS;
}
