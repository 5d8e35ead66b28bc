// The sound player heard through SDL's disk audio driver: the loop flows on
// without a gap and stops at once, the chime starts over, the audio path
// holds over hundreds of presses, and every kind of failure stays silent
// without holding up the window.
#include "tests/gui/disk_audio.h"
#include "tests/gui/gui_support.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <optional>
#include <utility>

#include "shell/gamepad_input.h"
#include "shell/sound_player.h"

namespace {

using namespace disk_audio;

const QString kSoundFolder = QStringLiteral(ZARNOK_SOURCE_DIR "/resources/sounds");

std::vector<int16_t> LoopSamples() { return GameSound("ZARNOKF.wav"); }
std::vector<int16_t> ChimeSamples() { return GameSound("collect.wav"); }

bool WaitOpen(const SoundPlayer& sound) {
    return WaitUntil([&] { return sound.DeviceState() == SoundPlayer::Device::Open; }, 3000);
}

// All the device wrote, once the sound was stopped and `quiet` more frames
// played, and its one sound: the loop from its start at `loopBegin`.
struct HeardLoop {
    std::vector<int16_t> out;
    Sound sound;
    int64_t loopBegin = 0;  // frame of the loop's first sample
};

// None, with a failure, unless exactly one sound was heard.
std::optional<HeardLoop> StopAndListen(SoundPlayer& sound, const Capture& capture, int64_t quiet,
                                       const std::vector<int16_t>& loop) {
    sound.StopSound();
    if (!capture.WaitPlayed(quiet)) {
        ADD_FAILURE() << "the device stopped writing";
        return std::nullopt;
    }
    std::vector<int16_t> out = capture.Left();
    const std::vector<Sound> sounds = Sounds(out);
    EXPECT_EQ(sounds.size(), 1u);
    if (sounds.size() != 1) return std::nullopt;
    const int64_t loopBegin = sounds.front().begin - LeadIn(loop);
    return HeardLoop{std::move(out), sounds.front(), loopBegin};
}

class SoundOutputTest : public ::testing::Test {
protected:
    QString OutPath() const { return folder_.filePath(QStringLiteral("out.raw")); }
    QTemporaryDir folder_;
};

}  // namespace

// ---------------------------------------------------------------------------
// The firing loop
// ---------------------------------------------------------------------------

TEST_F(SoundOutputTest, ALoopHeldTwoSecondsPlaysOnWithoutAGapAndEndsAtTheStop) {
    const std::vector<int16_t> loop = LoopSamples();
    ASSERT_FALSE(loop.empty());
    Capture capture(OutPath());
    SoundPlayer sound(kSoundFolder);

    sound.PlayFiringLoop();
    ASSERT_TRUE(WaitOpen(sound));
    ASSERT_TRUE(sound.FiringLoopLoaded());
    const int64_t opened = capture.Played();
    // The key's auto-repeat asks for the loop again every 30 ms.
    QElapsedTimer held;
    held.start();
    while (held.elapsed() < 2000) {
        QTest::qWait(30);
        sound.PlayFiringLoop();
    }
    EXPECT_EQ(sound.FiringLoopStarts(), 1);
    const int64_t stopped = capture.Played();
    const std::optional<HeardLoop> heard = StopAndListen(sound, capture, Frames(300), loop);
    ASSERT_TRUE(heard);

    const int64_t begin = heard->loopBegin;
    EXPECT_LT(Ms(begin - opened), 60.0) << "the loop came late";
    EXPECT_GT(Ms(stopped - begin), 1500.0);
    // Everything up to the stop is the loop from its start, round after
    // round: neither restarted by the repeats nor broken at the seam.
    EXPECT_TRUE(PlaysFrom(heard->out, begin, loop, 0, stopped - begin));
    EXPECT_LT(Ms(heard->sound.end - stopped), 100.0) << "the loop outlasted its stop";
}

// Run on a device that mixes several times faster than real time: each
// press waits until its sound is written, each release until silence is.
TEST_F(SoundOutputTest, TwoHundredPressesInARowAllSound) {
    const std::vector<int16_t> loop = LoopSamples();
    Capture capture(OutPath(), 1);
    SoundPlayer sound(kSoundFolder);
    sound.PlayFiringLoop();
    sound.StopSound();
    ASSERT_TRUE(WaitOpen(sound));

    constexpr int Presses = 200;
    for (int i = 0; i < Presses; ++i) {
        sound.PlayFiringLoop();
        ASSERT_TRUE(capture.WaitPlayed(Frames(60))) << "press " << i;
        sound.StopSound();
        ASSERT_TRUE(capture.WaitPlayed(Frames(60))) << "release " << i;
    }
    const std::vector<int16_t> out = capture.Left();
    const std::vector<Sound> sounds = Sounds(out);
    ASSERT_EQ(sounds.size(), size_t(Presses));
    for (const Sound& press : sounds) {
        const int64_t begin = press.begin - LeadIn(loop);
        ASSERT_TRUE(PlaysFrom(out, begin, loop, 0, press.end - begin))
            << "the press at frame " << begin << " did not play the loop from its start";
    }
    EXPECT_EQ(sound.FiringLoopStarts(), Presses + 1);
}

// ---------------------------------------------------------------------------
// The chime
// ---------------------------------------------------------------------------

TEST_F(SoundOutputTest, TwoChimesAHundredMillisecondsApartGiveTwoOnsets) {
    const std::vector<int16_t> chime = ChimeSamples();
    ASSERT_FALSE(chime.empty());
    Capture capture(OutPath());
    SoundPlayer sound(kSoundFolder);
    sound.PlayFiringLoop();  // opens the device
    sound.StopSound();       // before anything plays
    ASSERT_TRUE(WaitOpen(sound));

    sound.RestartChime();
    QTest::qWait(100);
    sound.RestartChime();
    ASSERT_TRUE(capture.WaitPlayed(Frames(500)));

    const std::vector<int16_t> out = capture.Left();
    const std::vector<int64_t> starts = Starts(out, chime);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_GT(Ms(starts[1] - starts[0]), 50.0);
    EXPECT_LT(Ms(starts[1] - starts[0]), 250.0);
    // The second cut the first and then rang out whole.
    EXPECT_TRUE(PlaysFrom(out, starts[0], chime, 0, starts[1] - starts[0]));
    EXPECT_TRUE(PlaysFrom(out, starts[1], chime, 0, int64_t(chime.size())));
    const std::vector<Sound> sounds = Sounds(out);
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_LE(sounds.front().end, starts[1] + int64_t(chime.size()));
}

TEST_F(SoundOutputTest, TheChimeRingsOverTheLoopAndOutlastsItsStop) {
    const std::vector<int16_t> loop = LoopSamples(), chime = ChimeSamples();
    Capture capture(OutPath());
    SoundPlayer sound(kSoundFolder);
    sound.PlayFiringLoop();
    ASSERT_TRUE(WaitOpen(sound));
    ASSERT_TRUE(capture.WaitPlayed(Frames(150)));
    sound.RestartChime();
    ASSERT_TRUE(capture.WaitPlayed(Frames(100)));
    const std::optional<HeardLoop> heard = StopAndListen(sound, capture, Frames(400), loop);
    ASSERT_TRUE(heard);

    const std::vector<int16_t>& out = heard->out;
    const int64_t begin = heard->loopBegin;
    // After the stop only the chime is left: its last 70 ms tell where it began.
    const int64_t tail = int64_t(chime.size()) - Frames(70);
    const int64_t tailAt = Find(out, chime, tail, MatchFrames);
    ASSERT_GE(tailAt, 0) << "the stop cut the chime";
    const int64_t chimeBegin = tailAt - tail;
    ASSERT_GT(chimeBegin, begin);
    EXPECT_TRUE(PlaysFrom(out, begin, loop, 0, chimeBegin - begin));
    // Where both play, the output is their sum, clipped to 16 bits.
    int64_t mixed = 0;
    for (int64_t i = chimeBegin; i < chimeBegin + Frames(50); ++i) {
        const int expected = std::clamp(
            loop[size_t((i - begin) % int64_t(loop.size()))] + chime[size_t(i - chimeBegin)],
            -32768, 32767);
        mixed += std::abs(int(out[size_t(i)]) - expected) <= 2 * SampleTolerance;
    }
    EXPECT_EQ(mixed, Frames(50));
}

// ---------------------------------------------------------------------------
// Failures: silence, and the window never waits
// ---------------------------------------------------------------------------

TEST_F(SoundOutputTest, MissingBrokenOrBlockingFilesAreSilent) {
    QTemporaryDir game;
    QFile broken(game.filePath(QStringLiteral("ZARNOKF.wav")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF\x10\0\0\0WAVEfmt garbage that is no sound at all");
    broken.close();
    // A fifo would hold up whoever opened it for reading.
    ASSERT_EQ(
        mkfifo(QFile::encodeName(game.filePath(QStringLiteral("collect.wav"))).constData(), 0600),
        0);

    Capture capture(OutPath());
    QElapsedTimer clock;
    clock.start();
    {
        SoundPlayer sound(game.path());
        sound.PlayFiringLoop();
        sound.RestartChime();
        ASSERT_TRUE(WaitOpen(sound));
        EXPECT_FALSE(sound.FiringLoopLoaded());
        EXPECT_FALSE(sound.ChimeLoaded());
        sound.StopSound();
        sound.PlayFiringLoop();
        sound.RestartChime();
        ASSERT_TRUE(capture.WaitPlayed(Frames(200)));
        EXPECT_EQ(sound.ChimeRestarts(), 2);
    }
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(Sounds(capture.Left()).empty());
}

TEST(SoundPlayerTest, MissingFilesAreSilentAndNothingWaits) {
    QTemporaryDir empty;
    QElapsedTimer clock;
    clock.start();
    {
        SoundPlayer sound(empty.path());
        sound.PlayFiringLoop();
        sound.RestartChime();
        sound.StopSound();
        EXPECT_TRUE(WaitUntil([&] { return sound.DeviceState() != SoundPlayer::Device::Opening; }));
        EXPECT_FALSE(sound.FiringLoopLoaded());
        EXPECT_FALSE(sound.ChimeLoaded());
        EXPECT_EQ(sound.ChimeRestarts(), 1);
    }
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(SoundPlayerTest, TheLoopPlaysOnThroughRepeatedStartsAndTheChimeRestartsEachTime) {
    QElapsedTimer clock;
    clock.start();
    {
        SoundPlayer sound(kSoundFolder);
        sound.PlayFiringLoop();
        ASSERT_TRUE(WaitOpen(sound));
        ASSERT_TRUE(sound.FiringLoopLoaded());
        QTest::qWait(50);
        sound.PlayFiringLoop();
        sound.PlayFiringLoop();
        EXPECT_EQ(sound.FiringLoopStarts(), 1);
        EXPECT_TRUE(sound.FiringLoopRequested());
        sound.StopSound();
        EXPECT_FALSE(sound.FiringLoopRequested());
        sound.PlayFiringLoop();
        EXPECT_EQ(sound.FiringLoopStarts(), 2) << "a stopped loop starts again";

        sound.RestartChime();
        sound.RestartChime();
        EXPECT_TRUE(sound.ChimeLoaded());
        EXPECT_EQ(sound.ChimeRestarts(), 2);
        QTest::qWait(50);
    }
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST(SoundPlayerTest, NoAudioDriverMeansSilenceAtOnce) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        SoundPlayer sound(kSoundFolder);
        sound.PlayFiringLoop();
        sound.RestartChime();
        EXPECT_TRUE(WaitUntil(
            [&] { return sound.DeviceState() == SoundPlayer::Device::Unavailable; }, 1000));
        sound.StopSound();
        sound.PlayFiringLoop();
        EXPECT_EQ(sound.FiringLoopStarts(), 2);
        EXPECT_EQ(sound.DeviceState(), SoundPlayer::Device::Unavailable);
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

// A sound server that takes connections and never answers holds SDL's
// audio start-up for as long as it lives; the window must not notice.
TEST(SoundPlayerTest, ASoundServerThatNeverAnswersHoldsUpNothing) {
    QTemporaryDir folder;
    const QByteArray socketPath = QFile::encodeName(folder.filePath(QStringLiteral("pulse")));
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(server, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(server, 4), 0);
    setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
    setenv("PULSE_SERVER", ("unix:" + socketPath).constData(), 1);

    QElapsedTimer clock;
    {
        SoundPlayer sound(kSoundFolder);
        for (int i = 0; i < 20; ++i) {
            clock.start();
            sound.PlayFiringLoop();
            sound.RestartChime();
            sound.StopSound();
            EXPECT_LT(clock.elapsed(), 100);
            QTest::qWait(20);
        }
        EXPECT_EQ(sound.DeviceState(), SoundPlayer::Device::Opening);
        clock.start();
    }
    EXPECT_LT(clock.elapsed(), 200) << "leaving waited for the server";

    // The abandoned start-up still holds SDL: a pad starting now must not
    // keep the window waiting, and comes once SDL is let go.
    GameWorld world;
    clock.start();
    GamepadInput pad(PadTarget{world, [] { return false; }, [] { return nullptr; }, [] {}});
    pad.Poll();
    EXPECT_LT(clock.elapsed(), 100) << "the pad waited for the sound's start";
    EXPECT_FALSE(pad.Available());

    // The server goes; the abandoned start-up fails and lets go of SDL.
    close(server);
    EXPECT_TRUE(WaitUntil([&] { return pad.Available(); }, 5000));
    unsetenv("PULSE_SERVER");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

// ---------------------------------------------------------------------------
// In the game: the "Звуки" command
// ---------------------------------------------------------------------------

namespace {

void SendFireKey(QWidget* view, QEvent::Type type) {
    QKeyEvent event(type, Qt::Key_Control,
                    type == QEvent::KeyPress ? Qt::ControlModifier : Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

}  // namespace

class GameSoundTest : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        ASSERT_TRUE(CopyGameSounds(folder_.path()));
        ASSERT_TRUE(WaitTicks(2));
        ASSERT_EQ(World().gameRunning, 1);
    }

    // A pickup under the soldier's feet, taken on the next tick.
    bool TakePickup() {
        for (Pickup& pickup : World().pickups) {
            if (pickup.type != 0) continue;
            pickup = {World().player.x - 10, World().player.y - 10, 1};
            return WaitUntil([&] { return pickup.type == 0; });
        }
        return false;
    }
};

TEST_F(GameSoundTest, WithSoundsOffNothingNewStartsButARunningLoopEndsOnTheRelease) {
    const std::vector<int16_t> loop = LoopSamples(), chime = ChimeSamples();
    const Capture capture(folder_.filePath(QStringLiteral("out.raw")));
    SoundPlayer& sound = view_->Sound();
    ASSERT_TRUE(TakePickup());
    ASSERT_TRUE(WaitOpen(sound));
    ASSERT_TRUE(capture.WaitPlayed(Frames(400)));  // the chime rings out

    World().player.rounds = 30;
    SendFireKey(view_, QEvent::KeyPress);
    ASSERT_TRUE(capture.WaitPlayed(Frames(200)));
    frame_->Command(ID_SOUNDS)->trigger();
    ASSERT_EQ(World().soundOn, 0);
    ASSERT_TRUE(capture.WaitPlayed(Frames(200)));
    const int64_t released = capture.Played();
    SendFireKey(view_, QEvent::KeyRelease);
    ASSERT_TRUE(WaitUntil([this] { return !view_->SoundStopTimerActive(); }, 1000));
    ASSERT_TRUE(capture.WaitPlayed(Frames(200)));

    // Silent now: fire, a pickup, and the idle weapon's stop all start nothing.
    World().player.rounds = 30;
    SendFireKey(view_, QEvent::KeyPress);
    ASSERT_TRUE(capture.WaitPlayed(Frames(200)));
    SendFireKey(view_, QEvent::KeyRelease);
    ASSERT_TRUE(TakePickup());
    ASSERT_TRUE(capture.WaitPlayed(Frames(300)));
    EXPECT_EQ(sound.FiringLoopStarts(), 1);
    EXPECT_EQ(sound.ChimeRestarts(), 1);

    const std::vector<int16_t> out = capture.Left();
    const std::vector<Sound> sounds = Sounds(out);
    ASSERT_EQ(sounds.size(), 2u) << "the chime, then the loop, and nothing after";
    EXPECT_EQ(Starts(out, chime), std::vector<int64_t>{sounds[0].begin - LeadIn(chime)});
    const int64_t begin = sounds[1].begin - LeadIn(loop);
    EXPECT_TRUE(PlaysFrom(out, begin, loop, 0, released - begin)) << "the toggle cut the loop";
    EXPECT_LT(Ms(sounds[1].end - released), 150.0);
}
