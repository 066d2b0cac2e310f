#include "tests/support/player_model.h"

#include <cstring>
#include <functional>
#include <queue>
#include <unordered_map>

#include "shell/key_map.h"

namespace {

constexpr int32_t MaxSettlePasses = 400;  // a move that has not come to rest by then is dropped
constexpr int32_t MaxClimbPasses = 600;
constexpr int32_t ClimbStopEvery = 12;  // passes between the places a climb may stop
constexpr int32_t SteerHolds[] = {8, 16, 60};
constexpr int32_t SteerDelays[] = {6, 12, 18};
constexpr int32_t WalkPasses[] = {1, 3};
constexpr size_t MaxSearchNodes = 60000;

InputEvent down(int32_t key) { return InputEvent{EventKeyDown, key}; }
InputEvent up(int32_t key) { return InputEvent{EventKeyUp, key}; }

// The player's share of a pass: the key state first, then each event, then the update.
void modelPass(Player& player, const PassEvents& events) {
    uint8_t* keys = platformKeyState();
    for (const InputEvent& event : events) keys[event.key] = event.type == EventKeyDown;
    for (const InputEvent& event : events) {
        int32_t action = actionOfKey(event.key);
        if (action >= 0) player.handleAction(action, event.type == EventKeyDown);
    }
    player.update();
}

// The model borrows the platform's key state; the real one is put back afterwards.
class BorrowedKeys {
public:
    BorrowedKeys() {
        memcpy(saved, platformKeyState(), KeyStateSize);
        memset(platformKeyState(), 0, KeyStateSize);
    }
    ~BorrowedKeys() { memcpy(platformKeyState(), saved, KeyStateSize); }

private:
    uint8_t saved[KeyStateSize];
};

// Runs the opening passes, then holds on with no new event until the player stops
// moving; a script that lets go of the held key at each stop place on the way and at the end.
void climbScripts(const Player& start, const KeyScript& opening, int32_t heldKey, std::vector<KeyScript>* out) {
    BorrowedKeys borrowed;
    Player player = start;
    player.keys = platformKeyState();
    for (const PassEvents& events : opening) modelPass(player, events);
    int32_t still = 0;
    for (int32_t pass = int32_t(opening.size()); pass < MaxClimbPasses && still < 2; pass++) {
        int32_t y = player.body.y;
        modelPass(player, {});
        still = player.body.y == y ? still + 1 : 0;
        if (pass % ClimbStopEvery == 0 || still == 2) {
            KeyScript script = opening;
            script.resize(pass + 1);
            script[pass].push_back(up(heldKey));
            out->push_back(script);
        }
    }
}

KeyScript withArrow(KeyScript script, int32_t arrow, int32_t from, int32_t hold) {
    if (script.size() < size_t(from + hold + 1)) script.resize(from + hold + 1);
    script[from].push_back(down(arrow));
    script[from + hold].push_back(up(arrow));
    return script;
}

struct SnapshotHash {
    size_t operator()(const PlayerSnapshot& s) const {
        size_t h = 0;
        for (int32_t v : {s.x, s.y, s.vx, s.vy, s.state, s.nextState, s.anim, s.nextAnim, s.frame, s.facingLeft}) {
            h = h * 1000003u ^ std::hash<int32_t>()(v);
        }
        return h;
    }
};

}  // namespace

bool PlayerSnapshot::operator==(const PlayerSnapshot& o) const {
    return x == o.x && y == o.y && vx == o.vx && vy == o.vy && state == o.state && nextState == o.nextState &&
           anim == o.anim && nextAnim == o.nextAnim && frame == o.frame && facingLeft == o.facingLeft;
}

PlayerSnapshot snapshotOf(const Player& p) {
    return PlayerSnapshot{p.body.x,    p.body.y, p.body.vx,  p.body.vy, p.state,
                          p.nextState, p.anim,   p.nextAnim, p.frame,   p.body.facingLeft};
}

bool atRest(const Player& before, const Player& after) {
    bool steady = after.state == StateStand || after.state == StateRun || after.state == StateCrouch ||
                  after.state == StateLadder || after.state == -1;
    return steady && after.body.vx == 0 && after.body.vy == 0 && after.body.x == before.body.x &&
           after.body.y == before.body.y;
}

bool runScript(const Player& start, const KeyScript& script, ModelRun* run) {
    BorrowedKeys borrowed;
    run->player = start;
    run->player.keys = platformKeyState();
    run->passes = 0;
    for (const PassEvents& events : script) {
        modelPass(run->player, events);
        run->passes++;
    }
    for (int32_t pass = 0; pass < MaxSettlePasses; pass++) {
        Player before = run->player;
        modelPass(run->player, {});
        run->passes++;
        if (atRest(before, run->player)) return true;
    }
    return false;
}

std::vector<KeyScript> movesFromRest(const Player& player) {
    std::vector<KeyScript> moves;
    for (int32_t arrow : {KeyLeft, KeyRight}) {
        for (int32_t passes : WalkPasses) moves.push_back(withArrow(KeyScript(1), arrow, 0, passes));
    }
    KeyScript jump = {{down(KeySpace)}, {up(KeySpace)}};
    moves.push_back(jump);
    for (int32_t arrow : {KeyLeft, KeyRight}) {
        for (int32_t hold : SteerHolds) moves.push_back(withArrow(jump, arrow, 0, hold));
        for (int32_t delay : SteerDelays) moves.push_back(withArrow(jump, arrow, delay, SteerHolds[2]));
    }
    // Crouch, then jump: letting go of down drops through a platform, holding it climbs down.
    moves.push_back({{down(KeyDown)}, {down(KeySpace), up(KeyDown)}, {up(KeySpace)}});
    climbScripts(player, {{down(KeyUp)}}, KeyUp, &moves);
    climbScripts(player, {{down(KeyDown)}}, KeyDown, &moves);
    // From a crouch, a jump with down held climbs down through a ladder top.
    climbScripts(player, {{down(KeyDown)}, {down(KeySpace)}, {up(KeySpace)}}, KeyDown, &moves);
    return moves;
}

Plan planToRoom(const Player& start, int32_t targetRoomX, int32_t targetRoomY) {
    struct Node {
        Player player;
        int32_t parent;
        KeyScript move;
        int64_t cost;
    };
    std::vector<Node> nodes;
    std::unordered_map<PlayerSnapshot, int32_t, SnapshotHash> seen;
    using Entry = std::pair<int64_t, int32_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    int32_t fromX = roomOf(start.body.x), fromY = roomOf(start.body.y);
    auto allowed = [&](const Player& p) {
        int32_t x = roomOf(p.body.x), y = roomOf(p.body.y);
        return (x == fromX && y == fromY) || (x == targetRoomX && y == targetRoomY);
    };

    nodes.push_back(Node{start, -1, {}, 0});
    seen.emplace(snapshotOf(start), 0);
    open.push({0, 0});
    int32_t goal = -1;
    while (!open.empty() && nodes.size() < MaxSearchNodes) {
        auto [cost, id] = open.top();
        open.pop();
        if (cost > nodes[id].cost) continue;
        const Player here = nodes[id].player;
        if (roomOf(here.body.x) == targetRoomX && roomOf(here.body.y) == targetRoomY) {
            goal = id;
            break;
        }
        for (KeyScript& move : movesFromRest(here)) {
            ModelRun run;
            if (!runScript(here, move, &run) || !allowed(run.player)) continue;
            int64_t total = cost + run.passes;
            auto [found, fresh] = seen.emplace(snapshotOf(run.player), int32_t(nodes.size()));
            if (!fresh && nodes[found->second].cost <= total) continue;
            if (fresh) {
                nodes.push_back(Node{run.player, id, std::move(move), total});
            } else {
                nodes[found->second] = Node{run.player, id, std::move(move), total};
            }
            open.push({total, found->second});
        }
    }
    Plan plan;
    for (int32_t id = goal; id > 0; id = nodes[id].parent) {
        plan.moves.insert(plan.moves.begin(), nodes[id].move);
        plan.expected.insert(plan.expected.begin(), snapshotOf(nodes[id].player));
    }
    return plan;
}
