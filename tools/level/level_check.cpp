// level_check.cpp -- finds kind bytes that mean nothing, strays, pits and bad starts.
//
// The game accepts any record; these are the ones that will not play the
// way their maker meant. The soldier's numbers used here: he stands with
// his soles 10 px below a ledge's top or on a block's top, moves in steps
// of 10 px, and dies when he falls 100 px below the lowest platform slot.
#include "tools/level/level_check.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "game/rules.h"

namespace levelsource {

namespace {

constexpr int PlatformKinds = 4;  // ledge, block, raptor off, raptor on
constexpr int DecorationKinds = 7;
constexpr int PickupKinds = 6;

// Where the soldier's soles stand on each kind, from the contact boxes.
constexpr Box LedgeFeet = LedgeContact.feet;
constexpr Box BlockFeet = BlockContact.feet;
constexpr int64_t StepPx = WalkStep;  // every move of the soldier
constexpr int64_t FarX = FrameWidth;  // "far outside": a whole view away
constexpr int64_t FarY = FrameHeight;
constexpr uint8_t WrappingTimer = 255;  // +1 gives 0: the nest disappears

// The soles at (x, y) inside `feet` placed at the platform: standing. In
// 64 bits, so a level near the edge of the coordinates is judged exactly.
bool InFeetBox(int64_t x, int64_t y, const ElementEntry& p, const Box& feet) {
    const int64_t px = p.x, py = p.y;
    return x >= px + feet.left && x <= px + feet.right && y >= py + feet.top &&
           y <= py + feet.bottom;
}

bool IsSolid(uint8_t kind) { return kind == PlatformLedge || kind == PlatformBlock; }

class Checker {
public:
    Checker(const LevelRecord& level, const SourceLines* lines) : level_(level), lines_(lines) {}

    std::vector<Finding> Run() {
        FindExtent();
        CheckStart();
        CheckKinds();
        CheckStrays();
        CheckDeathPlane();
        CheckNests();
        return std::move(findings_);
    }

private:
    void Report(const std::string& where, int line, std::string message) {
        findings_.push_back({where, line, std::move(message)});
    }

    void ReportSlot(Table table, size_t slot, std::string message) {
        int line = 0;
        if (lines_ != nullptr) {
            const std::vector<int>& slots = lines_->slots[size_t(table)];
            line = slot < slots.size() ? slots[slot] : 0;
        }
        Report(std::string(TableName(table)) + " slot " + std::to_string(slot), line,
               std::move(message));
    }

    int StartLine() const { return lines_ != nullptr ? lines_->start : 0; }
    int GoalLine() const { return lines_ != nullptr ? lines_->goal : 0; }

    static std::string Point(int64_t x, int64_t y) {
        return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }

    // The box the ledges and blocks span, with the start and the goal.
    void FindExtent() {
        left_ = right_ = level_.startX;
        top_ = bottom_ = level_.startY;
        Extend(level_.goalX, level_.goalY);
        for (const ElementEntry& p : level_.platforms) {
            if (IsSolid(p.kind)) {
                Extend(p.x, p.y);
                ++solidCount_;
            }
        }
        if (solidCount_ == 0) {
            Report("platforms", 0, "the level has no ledge or block to stand on");
        }
    }

    void Extend(int64_t x, int64_t y) {
        left_ = std::min(left_, x);
        right_ = std::max(right_, x);
        top_ = std::min(top_, y);
        bottom_ = std::max(bottom_, y);
    }

    bool FarOutside(int64_t x, int64_t y) const {
        return x < left_ - FarX || x > right_ + FarX || y < top_ - FarY || y > bottom_ + FarY;
    }

    std::string ExtentText() const {
        return "the level spans x " + std::to_string(left_) + ".." + std::to_string(right_) +
               ", y " + std::to_string(top_) + ".." + std::to_string(bottom_);
    }

    void CheckStart() {
        if (level_.facing != -1 && level_.facing != 1) {
            Report("start", StartLine(),
                   "facing " + std::to_string(level_.facing) + " is neither left nor right");
        }
        const int64_t x = level_.startX, y = level_.startY;
        bool standing = false;
        bool atRest = false;
        for (size_t i = 0; i < level_.platforms.size(); ++i) {
            const ElementEntry& p = level_.platforms[i];
            if (p.kind == PlatformLedge && InFeetBox(x, y, p, LedgeFeet)) {
                standing = true;
                atRest = atRest || y == int64_t(p.y) + LedgeFeet.top;
            }
            if (p.kind == PlatformBlock && InFeetBox(x, y, p, BlockFeet)) {
                standing = true;
                atRest = atRest || y == int64_t(p.y) + BlockFeet.top;
            }
            CheckGrid(i, p);
        }
        if (!standing) {
            Report("start", StartLine(),
                   "the soldier at " + Point(x, y) +
                       " does not stand on a ledge or block and falls at once");
        } else if (!atRest) {
            Report("start", StartLine(),
                   "the soldier at " + Point(x, y) +
                       " stands inside his platform, not on it (soles belong 10 px below a "
                       "ledge's top or on a block's top); he will be pushed back as he walks");
        }
    }

    // The soldier's soles only ever take heights start y + k * 10; a
    // platform off that grid catches him deeper than its resting line.
    void CheckGrid(size_t slot, const ElementEntry& p) {
        if (!IsSolid(p.kind)) {
            return;
        }
        const int64_t rest = int64_t(p.y) + (p.kind == PlatformLedge ? LedgeFeet.top : BlockFeet.top);
        const int64_t off = ((rest - level_.startY) % StepPx + StepPx) % StepPx;
        if (off != 0) {
            ReportSlot(Table::Platforms, slot,
                       "y " + std::to_string(p.y) +
                           " is off the soldier's 10 px grid: he "
                           "lands " +
                           std::to_string(StepPx - off) + " px too deep and is pushed back by it");
        }
    }

    // Every slot of a table whose kind is past the last one the game knows.
    void CheckKindsOf(Table table, std::span<const ElementEntry> slots, int lastKind,
                      const char* what) {
        for (size_t i = 0; i < slots.size(); ++i) {
            if (slots[i].kind > lastKind) {
                ReportSlot(table, i, "kind " + std::to_string(slots[i].kind) + what);
            }
        }
    }

    void CheckKinds() {
        CheckKindsOf(Table::Platforms, level_.platforms, PlatformKinds,
                     " is no platform (1 ledge, 2 block, 3 and 4 raptor): the slot does nothing");
        CheckKindsOf(Table::Decorations, level_.decorations, DecorationKinds,
                     " is no decoration (1 to 7): nothing is drawn");
        CheckKindsOf(Table::Pickups, level_.pickups, PickupKinds,
                     " is no pickup (1 to 6): invisible, never collected, and it chimes on every "
                     "tick the soldier touches it");
        for (size_t i = 0; i < level_.mosquitoes.size(); ++i) {
            const MosquitoEntry& m = level_.mosquitoes[i];
            if (m.alive != 0 && m.dir != -1 && m.dir != 1) {
                ReportSlot(Table::Mosquitoes, i,
                           "dir " + std::to_string(m.dir) + " is neither left (-1) nor right (1)");
            }
        }
    }

    template <typename Entry, typename Present>
    void CheckStrays(Table table, std::span<const Entry> slots, Present present) {
        for (size_t i = 0; i < slots.size(); ++i) {
            if (present(slots[i]) && FarOutside(slots[i].x, slots[i].y)) {
                ReportSlot(table, i,
                           "at " + Point(slots[i].x, slots[i].y) + ", far outside the level (" +
                               ExtentText() + ")");
            }
        }
    }

    void CheckStrays() {
        if (solidCount_ == 0) {
            return;
        }
        const auto kindSet = [](const ElementEntry& e) { return e.kind != 0; };
        CheckStrays(Table::Platforms, std::span<const ElementEntry>(level_.platforms), kindSet);
        CheckStrays(Table::Decorations, std::span<const ElementEntry>(level_.decorations), kindSet);
        CheckStrays(Table::Pickups, std::span<const ElementEntry>(level_.pickups), kindSet);
        CheckStrays(Table::Nests, std::span<const ElementEntry>(level_.nests), kindSet);
        CheckStrays(Table::Mosquitoes, std::span<const MosquitoEntry>(level_.mosquitoes),
                    [](const MosquitoEntry& m) { return m.alive != 0; });
    }

    // The game takes the lowest y of all 200 slots, empty ones too.
    void CheckDeathPlane() {
        int64_t lowestAll = level_.platforms[0].y;
        int64_t lowestReal = INT64_MIN;
        for (const ElementEntry& p : level_.platforms) {
            lowestAll = std::max<int64_t>(lowestAll, p.y);
            if (p.kind >= 1 && p.kind <= PlatformKinds) {
                lowestReal = std::max<int64_t>(lowestReal, p.y);
            }
        }
        const int64_t deathPlane = int64_t(AddWrap(int32_t(lowestAll), DeathPlaneMargin));
        if (lowestReal != INT64_MIN) {
            for (size_t i = 0; i < level_.platforms.size(); ++i) {
                const ElementEntry& p = level_.platforms[i];
                const bool empty = p.kind == 0 || p.kind > PlatformKinds;
                if (empty && p.y > lowestReal) {
                    ReportSlot(Table::Platforms, i,
                               "this empty slot's y " + std::to_string(p.y) +
                                   " moves the death plane down to " + std::to_string(deathPlane) +
                                   " (the platforms alone put it at " +
                                   std::to_string(lowestReal + DeathPlaneMargin) + ")");
                }
            }
        }
        if (deathPlane < lowestAll) {
            Report("platforms", 0,
                   "the lowest y " + std::to_string(lowestAll) +
                       " is so large that the death plane wraps round to " +
                       std::to_string(deathPlane) + ": the soldier dies at once");
        }
        if (int64_t(level_.goalY) > deathPlane - GoalProbeRise) {
            Report("goal", GoalLine(),
                   "the goal at y " + std::to_string(level_.goalY) +
                       " lies below the death plane (" + std::to_string(deathPlane) +
                       "): the soldier dies before he reaches it");
        }
    }

    void CheckNests() {
        for (size_t i = 0; i < level_.nests.size(); ++i) {
            const ElementEntry& n = level_.nests[i];
            if (n.kind == 0 && (n.x != 0 || n.y != 0)) {
                ReportSlot(Table::Nests, i,
                           "timer 0 marks an empty slot: the nest at " + Point(n.x, n.y) +
                               " never appears");
            }
            if (n.kind == WrappingTimer) {
                ReportSlot(Table::Nests, i,
                           "timer 255 wraps to 0 on the first tick and the nest vanishes");
            }
        }
    }

    const LevelRecord& level_;
    const SourceLines* lines_;
    std::vector<Finding> findings_;
    int64_t left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    int solidCount_ = 0;
};

}  // namespace

std::vector<Finding> CheckLevel(const LevelRecord& level, const SourceLines* lines) {
    return Checker(level, lines).Run();
}

}  // namespace levelsource
