// The About box at the platform's font: every line shows whole.
#include "tests/gui/about_dlg_lines.h"

TEST(AboutDlgTest, EveryLineShowsWholeAtThePlatformFont) { ExpectEveryAboutLineWhole(1.0); }
