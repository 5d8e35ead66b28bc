// main.cpp -- zarnok-spritegen: paints every bitmap of the game and writes
// them as <id>.bmp into the given directory, or the application icon in all
// its sizes into an icon theme's folder.
//
// Usage: zarnok-spritegen OUTDIR
//        zarnok-spritegen --icons THEMEDIR   (resources/icons/hicolor)
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/spritegen/bmp_writer.h"
#include "tools/spritegen/painters.h"
#ifdef ZARNOK_SPRITEGEN_ICONS
#include "tools/spritegen/qt/icon_png.h"
#endif

namespace {

enum class Key { Around, None, TopLeft };  // where the transparent white must be

struct Job {
    int id;
    int width, height, bitsPerPixel;
    Key key;
    Canvas (*paint)();
};

const Job kJobs[] = {
    {131, 9, 21, 4, Key::Around, PaintLegsTogether},
    {132, 18, 21, 4, Key::Around, PaintLegsStride},
    {133, 9, 16, 4, Key::Around, PaintTorso},
    {134, 9, 7, 4, Key::Around, PaintHead},
    {135, 35, 13, 4, Key::TopLeft, PaintRifle},
    {136, 38, 13, 4, Key::TopLeft, PaintRifleFlash},
    {137, 120, 30, 4, Key::Around, PaintLedge},
    {138, 7, 7, 4, Key::Around, PaintMagazine},
    {139, 35, 13, 4, Key::TopLeft, PaintRifleHalfOut},
    {140, 35, 13, 4, Key::TopLeft, PaintRifleEmpty},
    {145, 50, 25, 4, Key::TopLeft, PaintMosquitoWingsUp},
    {148, 37, 40, 8, Key::Around, PaintFlower},
    {149, 48, 39, 8, Key::Around, PaintShrub},
    {150, 20, 20, 4, Key::None, PaintCircuitBoard},
    {151, 20, 20, 4, Key::Around, PaintRepellent},
    {152, 20, 20, 8, Key::Around, PaintCrystal},
    {153, 20, 20, 8, Key::Around, PaintTulip},
    {156, 100, 100, 8, Key::Around, PaintBlock},
    {158, 50, 50, 8, Key::Around, PaintGoal},
    {159, 50, 50, 8, Key::None, PaintNest},
    {160, 50, 100, 8, Key::Around, PaintConifer},
    {161, 10, 40, 8, Key::Around, PaintBulrush},
    {162, 800, 523, 24, Key::None, PaintBackground},
    {163, 30, 82, 24, Key::Around, PaintVine},
    {164, 114, 77, 24, Key::Around, PaintHangingVines},
    {165, 143, 286, 8, Key::Around, PaintTree},
    {166, 50, 25, 4, Key::TopLeft, PaintMosquitoWingsDown},
    {167, 20, 20, 4, Key::Around, PaintStrawberry},
    {168, 20, 20, 4, Key::Around, PaintCoin},
    {169, 50, 40, 8, Key::Around, PaintRaptorOff},
    {170, 50, 40, 8, Key::Around, PaintRaptorOn},
};

int CountClear(const Canvas& canvas) {
    int n = 0;
    for (const Rgb& c : canvas.Pixels()) n += c == Clear;
    return n;
}

// The rules the blitters rely on: rotated sprites are clear at their pivot,
// full squares have no key colour at all, figures have some around them.
bool CheckKey(const Job& job, const Canvas& canvas, std::string& error) {
    const int clear = CountClear(canvas);
    if (job.key == Key::None && clear != 0) {
        error = std::to_string(clear) + " white pixels in a sprite that must have none";
        return false;
    }
    if (job.key != Key::None && clear == 0) {
        error = "no white around the figure";
        return false;
    }
    if (job.key == Key::TopLeft && canvas.Get(0, 0) != Clear) {
        error = "the pivot pixel (0, 0) is not white";
        return false;
    }
    return true;
}

// The icons need Qt's PNG writer; a build without Qt paints only the sprites.
int WriteIcons(const char* dir) {
#ifdef ZARNOK_SPRITEGEN_ICONS
    std::string error;
    if (WriteIconTheme(dir, error)) return 0;
    std::fprintf(stderr, "zarnok-spritegen: %s\n", error.c_str());
#else
    std::fprintf(stderr, "zarnok-spritegen: built without Qt, cannot write %s\n", dir);
#endif
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) return WriteIcons(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zarnok-spritegen OUTDIR | --icons THEMEDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    int failures = 0;
    for (const Job& job : kJobs) {
        const Canvas canvas = job.paint();
        std::string error;
        const std::string path = dir + "/" + std::to_string(job.id) + ".bmp";
        if (canvas.Width() != job.width || canvas.Height() != job.height) {
            error = "painted " + std::to_string(canvas.Width()) + " x " +
                    std::to_string(canvas.Height());
        } else if (CheckKey(job, canvas, error)) {
            WriteBmpFile(path, canvas, job.bitsPerPixel, error);
        }
        if (!error.empty()) {
            std::fprintf(stderr, "zarnok-spritegen: %d: %s\n", job.id, error.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
