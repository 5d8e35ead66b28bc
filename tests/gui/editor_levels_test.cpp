// editor_levels_test.cpp -- the shipped levels through the editor: sources, Data.dat, picture; test games.
#include "tests/gui/editor_fixture.h"

#include <QKeyEvent>

#include "game/level_file.h"
#include "game/level_still.h"
#include "game/world.h"
#include "tools/common/scripted_host.h"
#include "tools/editor/test_play.h"

namespace {

QString ShippedSource(int level) {
    return QStringLiteral(ZARNOK_SOURCE_DIR "/resources/levels/level%1.txt").arg(level);
}

using EditorLevelsTest = EditorTest;

TEST_F(EditorLevelsTest, ShippedLevelsComeBackAsTheyWent) {
    const std::vector<uint8_t> fresh = FreshDataFile();
    const QString base = Path("Data.dat");
    Write(base, QByteArray(reinterpret_cast<const char*>(fresh.data()), qsizetype(fresh.size())));
    for (int level = 1; level <= LevelCount; ++level) {
        SCOPED_TRACE(level);
        ASSERT_TRUE(window_->OpenFile(ShippedSource(level)));
        EXPECT_EQ(QByteArray::fromStdString(Saved()), Read(ShippedSource(level)));
        // The export holds this level in its place: the build's bytes again.
        ASSERT_TRUE(window_->ExportTo(Path("export.dat"), level, base));
        EXPECT_EQ(Read(Path("export.dat")), Read(base));

        // The death plane drawn is where the game's loader puts it.
        ScriptedHost host;
        host.dataFilePath = base.toStdString();
        auto world = std::make_unique<GameWorld>();
        ASSERT_TRUE(LoadLevel(*world, host, uint8_t(level)));
        EXPECT_EQ(DeathPlaneOf(window_->Document().Record()), world->deathPlaneY);

        // A Data.dat's level opens as the level it holds.
        ASSERT_TRUE(window_->OpenFile(base, level));
        const std::span<const uint8_t> record(fresh.data() + size_t(level - 1) * LevelRecordSize,
                                              size_t(LevelRecordSize));
        EXPECT_EQ(window_->Document().Record(), DecodeLevel(record.first<LevelRecordSize>()));
    }
}

TEST_F(EditorLevelsTest, PictureAtFullSizeIsTheGamesFrame) {
    window_->resize(1800, 1300);
    ASSERT_TRUE(WaitUntil([&] { return Canvas().viewport()->width() >= FrameWidth; }));
    for (int level = 1; level <= LevelCount; ++level) {
        SCOPED_TRACE(level);
        ASSERT_TRUE(window_->OpenFile(ShippedSource(level)));
        editor::LevelCanvas& canvas = Canvas();
        canvas.SetOverlays(false);
        canvas.SetZoomPercent(100);
        canvas.ScrollTo(canvas.StartCamera());
        // Where the start view lies in the viewport: its corner, unless the
        // whole level fits and the scroll bars have nowhere to go.
        const QPoint corner = canvas.ViewPointOf(canvas.StartCamera());
        ASSERT_LE(corner.x() + FrameWidth, canvas.viewport()->width());
        ASSERT_LE(corner.y() + FrameHeight, canvas.viewport()->height());
        ASSERT_GE(corner.x(), 0);
        ASSERT_GE(corner.y(), 0);
        const QImage shown = canvas.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);

        auto world = std::make_unique<GameWorld>();
        PlaceLevel(window_->Document().Record(), *world);
        LevelStill still;
        const QPoint camera = canvas.StartCamera();
        const std::span<const uint32_t> frame = still.Draw(*world, camera.x(), camera.y());
        int differing = 0;
        for (int y = 0; y < FrameHeight; ++y)
            for (int x = 0; x < FrameWidth; ++x)
                differing += (shown.pixel(corner.x() + x, corner.y() + y) & 0xFFFFFFu) != frame[size_t(y * FrameWidth + x)];
        EXPECT_EQ(differing, 0);
    }
}

TEST_F(EditorLevelsTest, TestGamesStartAndComeBack) {
    const QByteArray shippedBefore = Read(QStringLiteral(ZARNOK_BIN_DIR "/Data.dat"));
    struct Case {
        const char* source;
        editor::PlayEnd end;
    };
    const Case cases[] = {
        {"start 60 410 right\ngoal 600 360\nledge 0 400\nledge 120 400\n", editor::PlayEnd::Escaped},
        {"start 60 410 right\ngoal 600 360\nledge 1000 500\n", editor::PlayEnd::Died},
        {"start 60 410 right\ngoal 40 360\nledge 0 400\n", editor::PlayEnd::Goal},
    };
    for (const Case& c : cases) {
        Write(Path("play.txt"), c.source);
        ASSERT_TRUE(window_->OpenFile(Path("play.txt")));
        window_->SelectAll();
        const std::set<uint64_t> selection = Canvas().Selection();
        Canvas().ScrollTo({-300, 100});
        const QPoint view = Canvas().TopLeft();

        QTest::keyClick(window_.get(), Qt::Key_F5);
        editor::TestPlay* play = window_->Playing();
        ASSERT_NE(play, nullptr);
        std::optional<editor::PlayEnd> ended;
        QObject::connect(play->View(), &editor::TestPlayView::Ended,
                         [&ended](editor::PlayEnd how) { ended = how; });
        ASSERT_TRUE(WaitUntil([&] { return play->World().gameRunning != 0 || ended; }));
        if (!ended) {
            EXPECT_EQ(play->World().player.x, 60);
        }
        if (c.end == editor::PlayEnd::Escaped) {
            ASSERT_TRUE(WaitUntil([&] { return play->World().tickCounter > 3; }));
            QTest::keyClick(play->View(), Qt::Key_Escape);
        }
        ASSERT_TRUE(WaitUntil([&] { return window_->Playing() == nullptr; }, 5000));
        EXPECT_EQ(ended, c.end);
        EXPECT_EQ(Canvas().TopLeft(), view);
        EXPECT_EQ(Canvas().Selection(), selection);
        // An arrow still held from the game moves nothing in the editor.
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&Canvas(), &held);
        EXPECT_FALSE(window_->isWindowModified());
    }
    // No record was asked for or written, and no Data.dat was touched.
    EXPECT_TRUE(seen_.empty()) << seen_.front().toStdString();
    EXPECT_EQ(Read(QStringLiteral(ZARNOK_BIN_DIR "/Data.dat")), shippedBefore);
    EXPECT_FALSE(QFile::exists(QStringLiteral("Data.dat")));
}

}  // namespace

namespace {

TEST_F(EditorLevelsTest, ZoomIsCrispAndKeptInItsRange) {
    ASSERT_TRUE(window_->OpenFile(ShippedSource(2)));
    editor::LevelCanvas& canvas = Canvas();
    canvas.SetOverlays(false);
    canvas.SetZoomPercent(100);
    const QPoint corner = canvas.TopLeft();
    const QImage one = canvas.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    canvas.SetZoomPercent(200);
    canvas.ScrollTo(corner);
    ASSERT_EQ(canvas.TopLeft(), corner);
    const QImage two = canvas.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Nearest neighbour: each level pixel becomes a 2 x 2 block of its colour.
    int blurred = 0;
    for (int y = 0; y < two.height() / 2; ++y)
        for (int x = 0; x < two.width() / 2; ++x)
            for (int d = 0; d < 4; ++d)
                blurred += two.pixel(2 * x + d % 2, 2 * y + d / 2) != one.pixel(x, y);
    EXPECT_EQ(blurred, 0);
    canvas.SetZoomPercent(1000);
    EXPECT_EQ(canvas.ZoomPercent(), editor::LevelCanvas::MaxZoomPercent);
    canvas.SetZoomPercent(1);
    EXPECT_EQ(canvas.ZoomPercent(), editor::LevelCanvas::MinZoomPercent);
}

TEST_F(EditorLevelsTest, PlayFromTheMouseAndInstallIntoAGameFolder) {
    ASSERT_TRUE(window_->OpenFile(ShippedSource(3)));
    const std::string source = window_->Document().Text();
    const QPoint at = Canvas().viewport()->rect().center() + QPoint(3, 3);
    const QPoint start = Canvas().Snapped(Canvas().LevelAt(at));
    QTest::mouseMove(Canvas().viewport(), at);
    QTest::keyClick(window_.get(), Qt::Key_F5, Qt::ShiftModifier);
    ASSERT_NE(window_->Playing(), nullptr);
    editor::TestPlay* play = window_->Playing();
    ASSERT_TRUE(WaitUntil([&] { return play->World().gameRunning != 0; }));
    EXPECT_EQ(play->World().player.x, start.x());
    EXPECT_EQ(play->World().player.y, start.y());
    EXPECT_EQ(start.x() % 10, 0);  // on the grid
    QTest::keyClick(play->View(), Qt::Key_Escape);
    ASSERT_TRUE(WaitUntil([&] { return window_->Playing() == nullptr; }));
    EXPECT_EQ(window_->Document().Text(), source);

    // Into a player's folder: this level in its place, the record kept.
    const std::vector<uint8_t> fresh = FreshDataFile();
    std::vector<uint8_t> played = fresh;
    played[BestScoreOffset] = 0x39;  // a score of the player's own
    const QString folder = Path("game");
    QDir().mkpath(folder);
    Write(folder + QStringLiteral("/Data.dat"),
          QByteArray(reinterpret_cast<const char*>(played.data()), qsizetype(played.size())));
    window_->PlaceAt({editor::Group::Pickup, 3, 0, 1200, 300});
    ASSERT_TRUE(window_->InstallInto(folder));
    const QByteArray installed = Read(folder + QStringLiteral("/Data.dat"));
    ASSERT_EQ(installed.size(), DataFileSize);
    const auto* bytes = reinterpret_cast<const uint8_t*>(installed.constData());
    EXPECT_EQ(DecodeLevel(std::span<const uint8_t, LevelRecordSize>(bytes + 2 * LevelRecordSize,
                                                                      size_t(LevelRecordSize))),
              window_->Document().Record());
    EXPECT_EQ(installed.left(2 * LevelRecordSize),
              QByteArray(reinterpret_cast<const char*>(fresh.data()), 2 * LevelRecordSize));
    EXPECT_EQ(uint8_t(installed[BestScoreOffset]), 0x39);
}

}  // namespace
