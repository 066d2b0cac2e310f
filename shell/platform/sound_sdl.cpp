// The cues of each pass played as effects, panned by where on the screen they come from.
#include "shell/platform/sound_sdl.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "content/content_error.h"
#include "shell/numbers.h"
#include "shell/platform.h"

namespace {

constexpr int MixRate = 22050;
constexpr int MixChunkSamples = 512;  // about 23 ms from a cue to the speaker
// Channels 0-3 only ever play the player's own sounds, so a full room cannot cut them off.
constexpr int ChannelCount = 16;
constexpr int PlayerChannels = 4;
constexpr int PlayerGroup = 1;
constexpr int WorldGroup = 2;
constexpr int FadeDistance = ScreenWidth / 2;  // silent half a screen beyond the view, where shots end

const char* const effectFiles[CueCount] = {
    "player_shot.wav", "enemy_shot.wav", "shot_hits_wall.wav", "block_breaks.wav",
    "enemy_hit.wav",   "enemy_dies.wav", "player_hurt.wav",    "restart.wav",
    "jump.wav",        "landing.wav",    "enemies_appear.wav",
};

struct RaisedCue {
    int32_t cue, x, y;
};

Mix_Chunk* effects[CueCount];
bool opened = false;
std::vector<RaisedCue> raised;  // since the last pass's playing

bool isPlayersOwn(int32_t cue) {
    return cue == CuePlayerShot || cue == CuePlayerHurt || cue == CueRestart || cue == CueJump || cue == CueLanding;
}

// 1 inside the view, falling to 0 at FadeDistance beyond its nearest edge.
float audibility(int32_t screenX, int32_t screenY) {
    int32_t outside = std::max({0, -screenX, screenX - ScreenWidth, -screenY, screenY - ScreenHeight});
    return std::max(0.f, 1.f - float(outside) / FadeDistance);
}

void play(const RaisedCue& raisedCue, int32_t viewLeft, int32_t viewTop) {
    int32_t screenX = raisedCue.x - viewLeft;
    bool own = isPlayersOwn(raisedCue.cue);
    float gain = own ? 1.f : audibility(screenX, raisedCue.y - viewTop);
    if (gain <= 0) return;
    int group = own ? PlayerGroup : WorldGroup;
    int channel = Mix_GroupAvailable(group);
    if (channel < 0) channel = Mix_GroupOldest(group);
    // Both ears full in the middle, one fading out towards each edge.
    float place = std::clamp(float(screenX) / ScreenWidth, 0.f, 1.f);
    Mix_SetPanning(channel, Uint8(255 * gain * std::min(1.f, 2 * (1 - place))),
                   Uint8(255 * gain * std::min(1.f, 2 * place)));
    Mix_PlayChannel(channel, effects[raisedCue.cue], 0);
}

// A machine without a sound card is a silent one: ALSA's complaints about the missing
// card are not the player's business, so standard error is shut while audio starts.
bool openDeviceQuietly() {
    fflush(stderr);
    int saved = dup(STDERR_FILENO);
    int nowhere = open("/dev/null", O_WRONLY);
    if (saved >= 0 && nowhere >= 0) dup2(nowhere, STDERR_FILENO);
    bool ready =
        SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(MixRate, AUDIO_S16SYS, 2, MixChunkSamples) == 0;
    if (saved >= 0 && nowhere >= 0) dup2(saved, STDERR_FILENO);
    if (nowhere >= 0) close(nowhere);
    if (saved >= 0) close(saved);
    return ready;
}

Mix_Chunk* loadEffect(const std::string& path) {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file) {
        reportContentError(path.c_str(), "cannot open (%s)", strerror(errno));
        return nullptr;
    }
    Mix_Chunk* effect = Mix_LoadWAV_RW(file, 1);
    if (!effect) reportContentError(path.c_str(), "%s", Mix_GetError());
    return effect;
}

}  // namespace

bool openSound(const char* folder) {
    struct stat info;
    if (stat(folder, &info) != 0 || !S_ISDIR(info.st_mode)) return true;
    if (!openDeviceQuietly()) return true;
    opened = true;
    Mix_AllocateChannels(ChannelCount);
    Mix_GroupChannels(0, PlayerChannels - 1, PlayerGroup);
    Mix_GroupChannels(PlayerChannels, ChannelCount - 1, WorldGroup);
    for (int cue = 0; cue < CueCount; cue++) {
        effects[cue] = loadEffect(std::string(folder) + "/" + effectFiles[cue]);
        if (!effects[cue]) {
            closeSound();
            return false;
        }
    }
    return true;
}

void closeSound() {
    if (!opened) return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& effect : effects) {
        Mix_FreeChunk(effect);
        effect = nullptr;
    }
    Mix_CloseAudio();
    opened = false;
}

void pauseSound(bool paused) {
    if (!opened) return;
    if (paused) {
        Mix_Pause(-1);
    } else {
        Mix_Resume(-1);
    }
}

void platformCue(int32_t cue, int32_t x, int32_t y) {
    if (opened && cue >= 0 && cue < CueCount) raised.push_back(RaisedCue{cue, x, y});
}

void platformPlayCues(int32_t viewLeft, int32_t viewTop) {
    for (const RaisedCue& raisedCue : raised) play(raisedCue, viewLeft, viewTop);
    raised.clear();
}
