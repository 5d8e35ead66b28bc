// text_stamp.h -- a text as the game font paints it, kept as runs of ink.
//
// The HUD paints the same few labels and numbers every tick. Laying a text
// out and painting it through QPainter costs far more than the handful of
// pixels it covers, so each text is painted once, its ink taken as runs of
// pixels relative to the pen, and stamped from then on.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One horizontal run of ink: `length` pixels from (x, y), y from the baseline
// and x from the pen.
struct InkRun {
    int16_t x = 0, y = 0, length = 0;
};

struct TextStamp {
    std::string utf8;
    uint32_t colour = 0;      // 0x00RRGGBB the text is painted in
    bool exact = false;       // false: the glyphs blend, only QPainter paints them
    int32_t advance = 0;      // px the pen moves
    std::vector<InkRun> ink;  // rows from the top, left to right within a row
    QRect inkBounds;          // all the runs, relative to the pen on the baseline
};

class TextStamps {
public:
    explicit TextStamps(const QFont& font) : font_(font) {}

    // The stamp of `utf8` in `colour`; null when the text's glyphs are not
    // plain one-colour pixels (then only QPainter paints it exactly).
    const TextStamp* Find(std::string_view utf8, uint32_t colour);

private:
    void Make(TextStamp& stamp) const;

    QFont font_;
    std::vector<TextStamp> stamps_;  // the most recently made last
};
