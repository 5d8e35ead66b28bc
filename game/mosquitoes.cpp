// mosquitoes.cpp -- the swarm: flight, chase and detours, bites, and the nests.
//
// A mosquito homes in on a point 30 px above the soldier's feet, 5 px a
// tick in a straight line. Ray casting is dear, so each mosquito re-plans
// only once every 10 ticks (slots staggered by index) and coasts along its
// heading in between. Headings are measured from straight down; the
// left/right sense lives in `dir`.
#include "game/mosquitoes.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "game/rules.h"
#include "game/score.h"
#include "game/solid_boxes.h"
#include "game/world.h"
#include "render/blit.h"

namespace {

constexpr int32_t FlightStep = 5;         // px per tick along the heading
constexpr int32_t AimAboveFeet = 30;      // px, the point mosquitoes fly at
constexpr double ArrivalDistance = 11.0;  // px, closer than this: no re-plan
constexpr int32_t ReplanPeriod = 10;      // ticks between two re-plans of a slot
constexpr int32_t RayLength = 800;        // px, chase ray reach
constexpr int32_t RayStep = 5;            // px between ray samples
constexpr int MaxRaySamples = RayLength / RayStep;
constexpr int StretchSamples = 16;  // samples of a ray tested against one set of near boxes
constexpr int MaxStretches = (MaxRaySamples + StretchSamples - 1) / StretchSamples;
constexpr int32_t DetourStep = 10;          // px, detour candidates every 10..
constexpr int32_t DetourReach = 100;        // ..up to 100 px from the blocked point
constexpr int32_t PathLength = 200;         // px, straight path test reach
constexpr int32_t PathTolerance = 3;        // px, how near a sample must come to the target
constexpr uint8_t BiteDamage = 10;          // health per bite
constexpr uint8_t BiteTint = 10;            // red tint per bite
constexpr uint8_t NestDamage = 20;          // health per tick in a nest
constexpr uint8_t NestTint = 20;            // red tint per tick in a nest
constexpr uint8_t TintCeiling = 245;        // tint at or above this: saturate / leave alone
constexpr uint8_t NestReleasePeriod = 100;  // ticks between two releases of a nest
constexpr uint8_t SpawnAlive = 100;
constexpr float SpawnHeading = -0.000001f;        // just off straight down
constexpr double SpriteHeadingOffset = 1.570795;  // the bitmap faces right: heading pi/2

// Distance of an offset. The squares are taken in double: exact for any
// distance a level can hold, and no overflow for hostile coordinates.
double Length(int32_t dx, int32_t dy) {
    return std::sqrt(double(dx) * double(dx) + double(dy) * double(dy));
}

// `box` placed at the platform's corner, edges included.
void AddPlaced(SolidBoxes& solids, const Platform& pl, const Box& box) {
    solids.Add(AddWrap(pl.x, box.left), AddWrap(pl.y, box.top), AddWrap(pl.x, box.right),
               AddWrap(pl.y, box.bottom));
}

int32_t SignOf(int32_t v) { return v > 0 ? 1 : -1; }

// Heading from straight down towards (dx, dy) at distance `dist`, the way the
// re-plan and the path test both compute it.
float HeadingFor(int32_t dy, double dist) { return float(std::acos(double(dy) / dist)); }

// Offsets along a heading: x component (sense still to be applied), y
// component. The sine and cosine are taken once for all the samples of a ray.
struct Along {
    explicit Along(float heading)
        : sin(std::sin(double(heading))), cos(std::cos(double(heading))) {}
    int32_t X(int32_t r) const { return TruncToInt(sin * r); }
    int32_t Y(int32_t r) const { return TruncToInt(cos * r); }
    double sin, cos;
};

// Where one tick's flight along the heading takes a mosquito: the position
// NextMosquitoX and NextMosquitoY give, with one sine and cosine for both.
struct Step {
    int32_t x, y;
};

Step NextStep(const Mosquito& m) {
    const Along along(m.heading);
    return {AddWrap(m.x, MulWrap(m.dir, along.X(FlightStep))), AddWrap(m.y, along.Y(FlightStep))};
}

// The points every 5 px along a heading from (x, y), from the start up to
// but not including `length` px, the rectangle they lie in, and the
// rectangle of each stretch of 16 of them.
struct RaySamples {
    int count = 0;
    std::array<int32_t, MaxRaySamples> x{}, y{};
    PointExtent extent;
    std::array<PointExtent, MaxStretches> stretches;
};

RaySamples SampleRay(int32_t x, int32_t y, float heading, int32_t sense, int32_t length) {
    RaySamples ray;
    const Along along(heading);
    for (int32_t r = 0; r < length && ray.count < MaxRaySamples; r += RayStep) {
        const size_t k = size_t(ray.count++);
        ray.x[k] = AddWrap(x, MulWrap(sense, along.X(r)));
        ray.y[k] = AddWrap(y, along.Y(r));
        ray.stretches[k / StretchSamples].Take(ray.x[k], ray.y[k]);
    }
    // The whole ray's rectangle is the one around its stretches' rectangles.
    for (int s = 0; s * StretchSamples < ray.count; ++s) ray.extent.Take(ray.stretches[size_t(s)]);
    return ray;
}

// Asks of a ray's samples, front to back, whether a solid box holds them.
// Only the boxes meeting the rectangle around the whole ray are kept, and
// each stretch of 16 samples is tested only against those of them that
// meet its own rectangle: a long slanted ray passes near many boxes, but
// any one stretch passes near few. Each answer is what asking every box
// would give, since a box holding a point meets every rectangle around it.
class RayTest {
public:
    RayTest(const SolidBoxes& solids, const RaySamples& ray) : ray_(ray) {
        const PointExtent& e = ray.extent;
        near_.KeepMeeting(solids, e.left, e.top, e.right, e.bottom);
    }

    // Sample k; asked for k = 0, 1, 2, ... in turn.
    bool Holds(size_t k) {
        const size_t s = k / StretchSamples;
        if (s != stretch_) {
            const PointExtent& e = ray_.stretches[s];
            stretchNear_.KeepMeeting(near_, e.left, e.top, e.right, e.bottom);
            stretch_ = s;
        }
        return stretchNear_.Holds(ray_.x[k], ray_.y[k]);
    }

private:
    const RaySamples& ray_;
    SolidBoxes near_;         // boxes meeting the whole ray's rectangle
    SolidBoxes stretchNear_;  // of those, the ones meeting stretch `stretch_`
    size_t stretch_ = SIZE_MAX;
};

// True when a and b lie at most 3 px apart. The gap is measured the way the
// samples were stepped, wrapping at 32 bits, so a target just across the
// wrap from a sample is still reached.
bool WithinTolerance(int32_t a, int32_t b) {
    return std::llabs(int64_t(SubWrap(a, b))) <= PathTolerance;
}

// IsPathClear once its start is known to be free.
bool IsPathClearFromFree(const SolidBoxes& solids, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    int32_t dx = SubWrap(bx, ax);
    int32_t dy = SubWrap(by, ay);
    int64_t d = int64_t(Length(dx, dy));
    int32_t sense = dx != 0 ? SignOf(dx) : 0;
    float theta = d == 0 ? 0.0f : HeadingFor(dy, double(d));

    const RaySamples path = SampleRay(ax, ay, theta, sense, PathLength);
    RayTest solid(solids, path);
    for (size_t k = 0; k < size_t(path.count); ++k) {
        int32_t sx = path.x[k];
        int32_t sy = path.y[k];
        if (solid.Holds(k)) return false;
        if (WithinTolerance(bx, sx) && WithinTolerance(by, sy)) return true;
    }
    return false;
}

bool InSoldierBox(const PlayerState& p, int32_t x, int32_t y) {
    return PointInRect(x, y, SubWrap(p.x, 20), SubWrap(p.y, AimAboveFeet), AddWrap(p.x, 20), p.y);
}

// A bite: -10 health (never below 0), +10 red tint (saturating at 255).
void Bite(GameWorld& world) {
    PlayerState& p = world.player;
    p.health = p.health > BiteDamage ? uint8_t(p.health - BiteDamage) : 0;
    p.damageTint = p.damageTint >= TintCeiling ? 255 : uint8_t(p.damageTint + BiteTint);
    if (p.health == 0) world.deathCode = DeathBitten;
}

// Standing in a nest: -20 health, and the tint rises by 20 only while it is
// still below 245, never past 255.
void NestSting(GameWorld& world) {
    PlayerState& p = world.player;
    p.health = p.health > NestDamage ? uint8_t(p.health - NestDamage) : 0;
    if (p.damageTint < TintCeiling) {
        int tint = p.damageTint + NestTint;
        p.damageTint = uint8_t(tint > 255 ? 255 : tint);
    }
    if (p.health == 0) world.deathCode = DeathAtNest;
}

// Re-plan of slot i. Returns false when the mosquito must skip the bite
// (the soldier is invulnerable), true to go on with the bite.
bool Replan(GameWorld& world, const SolidBoxes& solids, int i) {
    Mosquito& m = world.mosquitoes[size_t(i)];
    const PlayerState& p = world.player;
    int32_t dx = SubWrap(p.x, m.x);
    int32_t dy = SubWrap(SubWrap(p.y, AimAboveFeet), m.y);
    double dist = Length(dx, dy);
    if (dist <= ArrivalDistance) return true;  // arrived: hang here this tick
    if (p.invulnerableTicks != 0) return false;

    // Turn to face the soldier before the chase test, so even a mosquito
    // that cannot reach him looks at him.
    m.heading = HeadingFor(dy, dist);
    if (dx != 0) m.dir = SignOf(dx);

    m.chasing = SteerChase(world, solids, i) ? 1 : 0;
    if (m.chasing) {
        const Step next = NextStep(m);
        m.x = next.x;
        m.y = next.y;
    }
    return true;
}

// Between re-plans a chasing mosquito flies on along its heading, but not
// into a platform: there it hangs until its next re-plan.
bool Coast(GameWorld& world, const SolidBoxes& solids, int i) {
    Mosquito& m = world.mosquitoes[size_t(i)];
    if (!m.chasing) return true;
    if (world.player.invulnerableTicks != 0) return false;
    const Step next = NextStep(m);
    if (!solids.Holds(next.x, next.y)) {
        m.x = next.x;
        m.y = next.y;
    }
    return true;
}

void UpdateMosquito(GameWorld& world, const SolidBoxes& solids, int i, DrawList& draws) {
    Mosquito& m = world.mosquitoes[size_t(i)];

    // A lit repellent device in view kills every mosquito on screen; the
    // victim still bites and is drawn once more in this tick.
    if (world.raptorOnScreen && OnScreenStrict(world, m.x, m.y)) {
        m.alive = 0;
        AddScore(world, m.x, m.y, MosquitoKillPoints);
    }

    bool mayBite = i % ReplanPeriod == world.tickCounter % ReplanPeriod ? Replan(world, solids, i)
                                                                        : Coast(world, solids, i);

    if (mayBite && world.player.invulnerableTicks == 0 && IsInBiteRange(world, m.x, m.y))
        Bite(world);

    if (m.dir == 0) m.dir = TurnedToSoldier(m, world.player.x);

    DrawMosquito(WorldCanvas(world, draws), m, world.tickCounter);
}

}  // namespace

int32_t TurnedToSoldier(const Mosquito& m, int32_t soldierX) { return soldierX > m.x ? 1 : -1; }

void DrawMosquito(Canvas canvas, const Mosquito& m, uint8_t tickCounter) {
    const SpriteId frame = tickCounter % 2 == 0 ? SpriteMosquitoA : SpriteMosquitoB;
    const float angle = float(double(m.heading) - SpriteHeadingOffset);
    BlitSpriteRotated(canvas, m.x, m.y, frame, angle, m.dir);
}

int32_t NextMosquitoX(const GameWorld& world, int slot) {
    return NextStep(world.mosquitoes[size_t(slot)]).x;
}

int32_t NextMosquitoY(const GameWorld& world, int slot) {
    return NextStep(world.mosquitoes[size_t(slot)]).y;
}

// Ledges and blocks are solid to mosquitoes; the repellent devices are not.
SolidBoxes MosquitoSolids(const GameWorld& world) {
    SolidBoxes solids;
    for (const Platform& pl : world.platforms) {
        if (pl.type == PlatformLedge)
            AddPlaced(solids, pl, MosquitoLedgeBox);
        else if (pl.type == PlatformBlock)
            AddPlaced(solids, pl, MosquitoBlockBox);
    }
    return solids;
}

bool HitsSolidPlatform(const GameWorld& world, int32_t x, int32_t y) {
    return MosquitoSolids(world).Holds(x, y);
}

bool IsInBiteRange(const GameWorld& world, int32_t x, int32_t y) {
    const PlayerState& p = world.player;
    return PointInRect(x, y, SubWrap(p.x, 40), SubWrap(p.y, 44), AddWrap(p.x, 40), AddWrap(p.y, 1));
}

// Casts a ray along the current heading. A free ray (or one that meets the
// soldier) lets the mosquito fly on; a blocked one makes a chasing mosquito
// look for a detour and turn its heading and sense towards it. Returns
// whether the chase goes on.
bool SteerChase(GameWorld& world, const SolidBoxes& solids, int slot) {
    Mosquito& m = world.mosquitoes[size_t(slot)];
    const PlayerState& p = world.player;

    const RaySamples ray = SampleRay(m.x, m.y, m.heading, m.dir, RayLength);
    RayTest solid(solids, ray);
    int32_t bx = 0, by = 0;
    bool blocked = false;
    for (size_t k = 0; k < size_t(ray.count); ++k) {
        int32_t sx = ray.x[k];
        int32_t sy = ray.y[k];
        if (InSoldierBox(p, sx, sy)) return true;
        if (solid.Holds(k)) {
            bx = sx;
            by = sy;
            blocked = true;
            break;
        }
    }
    if (!blocked) return true;

    // One that had lost the chase does not look for a way round.
    if (!m.chasing) return false;
    if (!FindDetour(world, solids, bx, by, slot)) return false;

    int32_t ddx = SubWrap(bx, m.x);
    int32_t ddy = SubWrap(by, m.y);
    int64_t d = int64_t(Length(ddx, ddy));
    if (d <= int64_t(ArrivalDistance)) return false;
    if (p.invulnerableTicks != 0) return false;

    m.heading = HeadingFor(ddy, double(d));
    m.dir = ddx != 0 ? SignOf(ddx) : 0;  // straight up or down: decided when drawn
    return true;
}

// Looks 10..100 px left, right, above and below the blocked point for a free
// spot the mosquito can reach in a straight line.
bool FindDetour(const GameWorld& world, const SolidBoxes& solids, int32_t& x, int32_t& y,
                int slot) {
    const Mosquito& m = world.mosquitoes[size_t(slot)];
    // No path leaves a mosquito that sits in a platform.
    if (solids.Holds(m.x, m.y)) return false;
    // The 40 candidates in the order they are tried, and only the boxes
    // that meet the rectangle around them all to test them against.
    constexpr int Candidates = DetourReach / DetourStep * 4;
    std::array<int32_t, Candidates> cx{}, cy{};
    PointExtent around;
    for (int32_t o = DetourStep, n = 0; o <= DetourReach; o += DetourStep, n += 4) {
        const int32_t at[4][2] = {
            {SubWrap(x, o), y}, {AddWrap(x, o), y}, {x, SubWrap(y, o)}, {x, AddWrap(y, o)}};
        for (int k = 0; k < 4; ++k) {
            cx[size_t(n + k)] = at[k][0];
            cy[size_t(n + k)] = at[k][1];
            around.Take(at[k][0], at[k][1]);
        }
    }
    const SolidBoxes near = solids.Meeting(around.left, around.top, around.right, around.bottom);
    for (size_t n = 0; n < size_t(Candidates); ++n) {
        if (near.Holds(cx[n], cy[n])) continue;
        if (IsPathClearFromFree(solids, m.x, m.y, cx[n], cy[n])) {
            x = cx[n];
            y = cy[n];
            return true;
        }
    }
    return false;
}

// Walks 200 px from (ax, ay) towards (bx, by) in 5 px samples; true when a
// sample comes within 3 px of the target before any platform is met.
bool IsPathClear(const SolidBoxes& solids, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    return !solids.Holds(ax, ay) && IsPathClearFromFree(solids, ax, ay, bx, by);
}

bool SteerChase(GameWorld& world, int slot) {
    return SteerChase(world, MosquitoSolids(world), slot);
}

bool FindDetour(const GameWorld& world, int32_t& x, int32_t& y, int slot) {
    return FindDetour(world, MosquitoSolids(world), x, y, slot);
}

bool IsPathClear(const GameWorld& world, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    return IsPathClear(MosquitoSolids(world), ax, ay, bx, by);
}

// The platforms stand still while the swarm moves, so their boxes are
// worked out once for all of it.
void UpdateMosquitoes(GameWorld& world, DrawList& draws) {
    const SolidBoxes solids = MosquitoSolids(world);
    for (int i = 0; i < MaxMosquitoes; ++i)
        if (world.mosquitoes[size_t(i)].alive) UpdateMosquito(world, solids, i, draws);
}

void DrawNest(Canvas canvas, const Nest& nest) { BlitSprite(canvas, nest.x, nest.y, SpriteNest); }

void UpdateNests(GameWorld& world, DrawList& draws) {
    PlayerState& p = world.player;
    for (Nest& nest : world.nests) {
        if (nest.spawnTimer == 0) continue;
        DrawNest(WorldCanvas(world, draws), nest);

        if (PointInRect(p.x, p.y, nest.x, nest.y, AddWrap(nest.x, NestSize.width),
                        AddWrap(nest.y, NestSize.height)) &&
            p.invulnerableTicks == 0)
            NestSting(world);

        // Only a nest in view releases; one out of view loses its turn.
        ++nest.spawnTimer;
        if (nest.spawnTimer > NestReleasePeriod) {
            bool inView = PointInRect(nest.x, nest.y, world.cameraLeft, world.cameraTop,
                                      AddWrap(world.cameraLeft, FrameWidth),
                                      AddWrap(world.cameraTop, FrameHeight));
            if (inView && world.raptorOnScreen == 0)
                SpawnMosquito(world, AddWrap(nest.x, NestSize.width / 2),
                              SubWrap(nest.y, NestSize.height / 2));
            nest.spawnTimer = 1;
        }
    }
}

void SpawnMosquito(GameWorld& world, int32_t x, int32_t y) {
    for (Mosquito& m : world.mosquitoes) {
        if (m.alive) continue;
        m.x = x;
        m.y = y;
        m.alive = SpawnAlive;
        m.dir = MosquitoSpawnDir;
        m.heading = SpawnHeading;  // flies straight down until it first re-plans
        m.chasing = 0;
        return;
    }
}
