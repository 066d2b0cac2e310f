// The cues of each pass played as effects, panned by where on the screen they come from,
// over the bed of the scenery set heard.
#include "shell/platform/sound_sdl.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "content/content_error.h"
#include "content/wave_file.h"
#include "shell/numbers.h"
#include "shell/os/os.h"
#include "shell/platform.h"
#include "shell/sound_mix.h"

namespace {

constexpr int MixRate = 22050;
constexpr int MixChunkSamples = 512;  // about 23 ms from a cue to the speaker
// Channels 0-3 only ever play the player's own sounds, so a full room cannot cut them off;
// each scenery set's bed has a channel of its own after the effects'.
constexpr int EffectChannels = 14;
constexpr int PlayerChannels = 4;
constexpr int PlayerGroup = 1;
constexpr int WorldGroup = 2;
constexpr int32_t LongestEffect = 3;  // seconds
constexpr int32_t LongestBed = 30;

const char* const effectFiles[CueCount] = {
    "player_shot.wav", "enemy_shot.wav", "shot_hits_wall.wav", "block_breaks.wav",
    "enemy_hit.wav",   "enemy_dies.wav", "player_hurt.wav",    "restart.wav",
    "jump.wav",        "landing.wav",    "enemies_appear.wav",
};

struct RaisedCue {
    int32_t cue, x, y;
};

Mix_Chunk* effects[CueCount];
std::vector<Mix_Chunk*> beds;   // by scenery set
std::vector<float> bedVolumes;  // 0..1, as faded so far
bool opened = false;
std::vector<RaisedCue> raised;  // since the last pass's playing
RepeatMemory repeats;
long passes = 0;

bool isPlayersOwn(int32_t cue) {
    return cue == CuePlayerShot || cue == CuePlayerHurt || cue == CueRestart || cue == CueJump || cue == CueLanding;
}

int mixVolume(float gain) { return int(std::lround(gain * MIX_MAX_VOLUME)); }

void play(const RaisedCue& raisedCue, int32_t viewLeft, int32_t viewTop) {
    int32_t screenX = raisedCue.x - viewLeft;
    bool own = isPlayersOwn(raisedCue.cue);
    float gain = own ? 1.f : audibility(screenX, raisedCue.y - viewTop);
    if (gain <= 0) return;
    gain *= cueLevel(raisedCue.cue) * repeatGain(&repeats, raisedCue.cue, raisedCue.x, raisedCue.y, passes);
    int group = own ? PlayerGroup : WorldGroup;
    int channel = Mix_GroupAvailable(group);
    if (channel < 0) channel = Mix_GroupOldest(group);
    EarGains ears = panGains(screenX);
    Mix_SetPanning(channel, Uint8(std::lround(255 * ears.left)), Uint8(std::lround(255 * ears.right)));
    Mix_Volume(channel, mixVolume(gain));
    Mix_PlayChannel(channel, effects[raisedCue.cue], 0);
}

// SDL_mixer reads the samples from memory, once the file has passed the checks.
Mix_Chunk* loadSound(const std::string& path, int32_t longest) {
    std::vector<uint8_t> bytes;
    if (!readWaveFile(path.c_str(), longest, &bytes)) return nullptr;
    Mix_Chunk* sound = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
    if (!sound) reportContentError(path.c_str(), "%s", Mix_GetError());
    return sound;
}

// A machine without a sound card is a silent one: ALSA's complaints about the missing
// card are not the player's business, so standard error is shut while audio starts.
bool openDeviceQuietly() {
    osSilenceStandardError();
    bool ready =
        SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(MixRate, AUDIO_S16SYS, 2, MixChunkSamples) == 0;
    osRestoreStandardError();
    return ready;
}

}  // namespace

bool openSound(const char* folder) {
    if (!osIsFolder(folder)) return true;
    if (!openDeviceQuietly()) return true;
    opened = true;
    Mix_AllocateChannels(EffectChannels);
    Mix_GroupChannels(0, PlayerChannels - 1, PlayerGroup);
    Mix_GroupChannels(PlayerChannels, EffectChannels - 1, WorldGroup);
    forgetRepeats(&repeats);
    for (int cue = 0; cue < CueCount; cue++) {
        effects[cue] = loadSound(std::string(folder) + "/" + effectFiles[cue], LongestEffect);
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
    for (Mix_Chunk* bed : beds) Mix_FreeChunk(bed);
    beds.clear();
    bedVolumes.clear();
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
    passes++;
}

bool platformLoadBed(int32_t scenery, const char* sceneryName) {
    if (!opened) return true;
    Mix_Chunk* bed = loadSound(std::string("data/") + sceneryName + "/bed.wav", LongestBed);
    if (!bed) return false;
    beds.resize(size_t(scenery) + 1);
    bedVolumes.resize(beds.size());
    beds[size_t(scenery)] = bed;
    Mix_AllocateChannels(EffectChannels + int(beds.size()));
    return true;
}

// Each bed loops on its channel while it is heard at all.
void platformPlayBed(int32_t scenery) {
    fadeBeds(bedVolumes.data(), int32_t(bedVolumes.size()), scenery);
    for (size_t bed = 0; bed < beds.size(); bed++) {
        int channel = EffectChannels + int(bed);
        Mix_Volume(channel, mixVolume(bedVolumes[bed]));
        bool playing = Mix_Playing(channel);
        if (bedVolumes[bed] > 0 && !playing) Mix_PlayChannel(channel, beds[bed], -1);
        if (bedVolumes[bed] <= 0 && playing) Mix_HaltChannel(channel);
    }
}
