// SDL_mixer's channel groups, which Emscripten's SDL_mixer emulation lacks. The link
// wraps (--wrap) the channel allocation and the play, to know the channels and which
// of a group started first.
#include <SDL_mixer.h>

#include <cstdint>
#include <vector>

namespace {

struct Channel {
    int tag = -1;            // SDL_mixer's default: no group
    uint64_t startedAt = 0;  // in plays, for the oldest
};
std::vector<Channel> channels;
uint64_t plays = 0;

bool inGroup(int channel, int tag) { return tag == -1 || channels[channel].tag == tag; }

}  // namespace

extern "C" {

int __real_Mix_AllocateChannels(int count);
int __real_Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks);

int __wrap_Mix_AllocateChannels(int count) {
    if (count >= 0) channels.resize(count);
    return __real_Mix_AllocateChannels(count);
}

int __wrap_Mix_PlayChannelTimed(int channel, Mix_Chunk* chunk, int loops, int ticks) {
    int playing = __real_Mix_PlayChannelTimed(channel, chunk, loops, ticks);
    if (playing >= 0 && playing < int(channels.size())) channels[playing].startedAt = ++plays;
    return playing;
}

int Mix_GroupChannels(int from, int to, int tag) {
    int grouped = 0;
    for (int channel = from; channel <= to && channel < int(channels.size()); channel++, grouped++)
        channels[channel].tag = tag;
    return grouped;
}

int Mix_GroupAvailable(int tag) {
    for (int channel = 0; channel < int(channels.size()); channel++) {
        if (inGroup(channel, tag) && !Mix_Playing(channel)) return channel;
    }
    return -1;
}

int Mix_GroupOldest(int tag) {
    int oldest = -1;
    for (int channel = 0; channel < int(channels.size()); channel++) {
        bool older = oldest < 0 || channels[channel].startedAt < channels[oldest].startedAt;
        if (inGroup(channel, tag) && Mix_Playing(channel) && older) oldest = channel;
    }
    return oldest;
}

}  // extern "C"
