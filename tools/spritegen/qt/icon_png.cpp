// icon_png.cpp -- the icons go out through Qt's PNG writer, the one the headless runner saves its pictures with.
#include "tools/spritegen/qt/icon_png.h"

#include <QImage>
#include <QString>

#include <filesystem>
#include <system_error>

#include "tools/spritegen/paint_icon.h"

namespace {

QImage ToImage(const IconImage& icon) {
    QImage image(icon.size, icon.size, QImage::Format_ARGB32);
    for (int y = 0; y < icon.size; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < icon.size; ++x)
            row[x] = icon.argb[size_t(y) * size_t(icon.size) + size_t(x)];
    }
    return image;
}

}  // namespace

bool WriteIconTheme(const std::string& dir, std::string& error) {
    for (const int size : IconSizes) {
        const std::string side = std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(dir) / (side + "x" + side) /
                                             "apps";
        const std::filesystem::path path = folder / (std::string(IconName) + ".png");
        std::error_code made;
        std::filesystem::create_directories(folder, made);
        const IconImage icon = PaintIcon(size);
        if (made || icon.size != size ||
            !ToImage(icon).save(QString::fromStdString(path.string()), "PNG")) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}
