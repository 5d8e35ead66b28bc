// editor_full_disk_test.cpp -- a save onto a full disk or one that will not sync leaves the old level whole.
#include "tests/gui/editor_fixture.h"
#include "tests/support/shim/file_faults.h"

namespace {

const char Source[] = "start 60 410 right\ngoal 600 360\nledge 0 400\n";

TEST_F(EditorTest, ASaveTheDiskRefusesLeavesTheOldFileAndNoLitter) {
    const QString path = Path("level.txt");
    Write(path, Source);
    ASSERT_TRUE(window_->OpenFile(path));
    window_->PlaceAt({editor::Group::Pickup, 2, 0, 200, 380});
    const struct {
        Call call;
        int error;
        long bytesFirst;
    } refusals[] = {{Call::Write, ENOSPC, 0}, {Call::Write, ENOSPC, 20}, {Call::Sync, EIO, 0},
                    {Call::Rename, EIO, 0}};
    for (const auto& refusal : refusals) {
        faults = Faults{home_.path().toStdString(), refusal.call, refusal.error, refusal.bytesFirst};
        EXPECT_FALSE(window_->Save()) << int(refusal.call);
        faults = Faults{};
        EXPECT_EQ(Read(path), QByteArray(Source)) << int(refusal.call);
        EXPECT_TRUE(window_->isWindowModified());
        EXPECT_EQ(QDir(home_.path()).entryList(QDir::Files), QStringList{"level.txt"});
    }
    // The disk has room again: the save goes through.
    EXPECT_TRUE(window_->Save());
    EXPECT_NE(Read(path), QByteArray(Source));
    EXPECT_FALSE(window_->isWindowModified());
}

}  // namespace
