#include "shell/pause.h"

#include "render/frame.h"
#include "shell/platform.h"

namespace {

// While paused, the window is redrawn when it is uncovered, and at least this often while it is shown.
constexpr uint32_t PausedFrameMs = 1000;

}  // namespace

bool sitOutPause() {
    platformEnterPause();
    int32_t state = PauseGoesOn;
    for (; state == PauseGoesOn || state == PauseGoesOnHidden; state = platformWaitPaused(PausedFrameMs)) {
        if (state == PauseGoesOn) renderPausedFrame();
    }
    return state == PauseEnds;
}
