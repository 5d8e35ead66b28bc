// icon_assets_test.cpp -- the application icon in resources/icons: painted by
// zarnok-spritegen byte for byte, round on a clear ground at every size, and
// named by the same id as the desktop entry and the metainfo.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <string>

#include "tests/support/sim_process.h"
#include "tools/spritegen/paint_icon.h"

namespace {

const std::string kSource = ZARNOK_SOURCE_DIR;

std::string IconPath(const std::string& theme, int size) {
    const std::string side = std::to_string(size);
    return theme + "/" + side + "x" + side + "/apps/" + IconName + ".png";
}

TEST(IconAssets, RegeneratingGivesTheCommittedFiles) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const std::string theme = scratch.filePath("hicolor").toStdString();
    const ProgramRun run = RunProgram("zarnok-spritegen", {"--icons", theme},
                                      scratch.path().toStdString());
    ASSERT_EQ(run.status, 0) << run.err;
    for (const int size : IconSizes) {
        SCOPED_TRACE(size);
        const std::string committed = ReadFileBytes(
            IconPath(kSource + "/resources/icons/hicolor", size));
        ASSERT_FALSE(committed.empty());
        EXPECT_TRUE(ReadFileBytes(IconPath(theme, size)) == committed)
            << "run zarnok-spritegen --icons resources/icons/hicolor and commit the result";
    }
}

// A badge with its mosquito in the middle: clear corners, solid centre, and
// the dark body standing out from the sky around it.
TEST(IconAssets, EverySizeIsARoundBadgeWithTheMosquito) {
    for (const int size : IconSizes) {
        SCOPED_TRACE(size);
        const QImage icon(
            QString::fromStdString(IconPath(kSource + "/resources/icons/hicolor", size)));
        ASSERT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel());
        const int last = size - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
        int darkest = 255 * 3, lightest = 0;
        for (int y = size / 3; y < size * 2 / 3; ++y) {
            for (int x = size / 4; x < size * 3 / 4; ++x) {
                const QRgb c = icon.pixel(x, y);
                EXPECT_EQ(qAlpha(c), 255) << x << "," << y;
                darkest = std::min(darkest, qRed(c) + qGreen(c) + qBlue(c));
                lightest = std::max(lightest, qRed(c) + qGreen(c) + qBlue(c));
            }
        }
        EXPECT_GT(lightest - darkest, 300) << "the mosquito must stand out";
    }
}

TEST(IconAssets, DesktopEntryAndMetainfoUseTheIconsId) {
    const std::string id = IconName;
    const std::string entry = ReadFileBytes(kSource + "/resources/desktop/" + id + ".desktop");
    const std::string metainfo = ReadFileBytes(kSource + "/resources/desktop/" + id +
                                               ".metainfo.xml");
    EXPECT_NE(entry.find("\nIcon=" + id + "\n"), std::string::npos);
    EXPECT_NE(metainfo.find("<id>" + id + "</id>"), std::string::npos);
    EXPECT_NE(metainfo.find(">" + id + ".desktop</launchable>"), std::string::npos);
}

}  // namespace
