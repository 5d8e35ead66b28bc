// The About box on a screen of two device pixels per logical pixel.
#include "tests/gui/about_dlg_lines.h"

#include <cstdlib>

namespace {

// Before the test program's QApplication exists.
const bool kScaledScreen = [] {
    setenv("QT_SCALE_FACTOR", "2", 1);
    return true;
}();

}  // namespace

TEST(AboutDlgHiDpiTest, EveryLineShowsWholeAtTwoDevicePixelsPerPixel) {
    ASSERT_TRUE(kScaledScreen);
    ExpectEveryAboutLineWhole(2.0);
}
