// level_file_kinds_test.cpp -- a Data.dat that is not a regular file is refused at once, never waited on.
//
// A FIFO with no writer blocks a plain open for ever. Each test that meets
// one keeps a watchdog that, should the game block, opens the FIFO from the
// other end so the test can fail instead of hanging.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "game/level_file.h"
#include "game/progression.h"
#include "game/world.h"
#include "tests/support/expected_texts.h"
#include "tests/support/level_builder.h"
#include "tools/common/scripted_host.h"

namespace fs = std::filesystem;

namespace {

const std::string OpenFailedText = ExpectedText("OpenFailedText");
const std::string WriteOpenFailedText = ExpectedText("WriteOpenFailedText");

// Unblocks a reader stuck in open() or read() on `fifo` if it is still
// there when the grace time is up, and remembers that it had to.
class FifoWatchdog {
public:
    explicit FifoWatchdog(std::string fifo)
        : fifo_(std::move(fifo)), thread_([this] { Watch(); }) {}
    ~FifoWatchdog() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    bool Fired() {
        std::lock_guard<std::mutex> lock(mutex_);
        return fired_;
    }

private:
    void Watch() {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!done_) {
            if (wake_.wait_for(lock, std::chrono::seconds(3), [this] { return done_; })) {
                return;
            }
            fired_ = true;
            const int fd = open(fifo_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                close(fd);  // the blocked reader now sees the end of the file
            }
        }
    }

    std::string fifo_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    bool fired_ = false;
    std::thread thread_;  // last: starts once the rest is ready
};

// A private folder in which Data.dat is made into one kind of file or another.
class OddDataFile {
public:
    OddDataFile() {
        dir_ = fs::temp_directory_path() /
               ("zarnok-kinds-" + std::to_string(getpid()) + "-" + std::to_string(++count_));
        fs::create_directories(dir_);
    }
    ~OddDataFile() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string Path() const { return (dir_ / "Data.dat").string(); }
    std::string Fifo() const { return (dir_ / "fifo").string(); }

    void MakeFifo(const std::string& path) const { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }
    void MakeSocket() {
        socket_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ASSERT_GE(socket_, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(Path().size(), sizeof(address.sun_path));
        std::memcpy(address.sun_path, Path().c_str(), Path().size() + 1);
        ASSERT_EQ(bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    }
    void MakeLink(const std::string& target) const { fs::create_symlink(target, Path()); }
    void MakeDirectory() const { fs::create_directory(Path()); }

    void CloseSocket() {
        if (socket_ >= 0) {
            close(socket_);
            socket_ = -1;
        }
    }

private:
    static inline int count_ = 0;
    fs::path dir_;
    int socket_ = -1;
};

enum class Kind { Fifo, LinkToFifo, Socket, CharDevice, LinkToDevice, Directory, LinkToDirectory };

struct KindCase {
    Kind kind;
    const char* name;
};

const KindCase Kinds[] = {
    {Kind::Fifo, "fifo"},
    {Kind::LinkToFifo, "link to a fifo"},
    {Kind::Socket, "socket"},
    {Kind::CharDevice, "/dev/zero"},
    {Kind::LinkToDevice, "link to /dev/zero"},
    {Kind::Directory, "directory"},
    {Kind::LinkToDirectory, "link to a directory"},
};

// Puts the kind in place; returns the path to give the game and the FIFO
// (if any) the watchdog must guard.
std::string Prepare(OddDataFile& dir, Kind kind, std::string& fifo) {
    switch (kind) {
    case Kind::Fifo:
        dir.MakeFifo(dir.Path());
        fifo = dir.Path();
        break;
    case Kind::LinkToFifo:
        dir.MakeFifo(dir.Fifo());
        dir.MakeLink(dir.Fifo());
        fifo = dir.Fifo();
        break;
    case Kind::Socket: dir.MakeSocket(); break;
    case Kind::CharDevice: return "/dev/zero";
    case Kind::LinkToDevice: dir.MakeLink("/dev/zero"); break;
    case Kind::Directory: dir.MakeDirectory(); break;
    case Kind::LinkToDirectory: dir.MakeLink(fs::temp_directory_path().string()); break;
    }
    return dir.Path();
}

TEST(LevelFileKinds, EveryOperationRefusesAFileThatIsNotRegularWithoutWaiting) {
    for (const KindCase& c : Kinds) {
        SCOPED_TRACE(c.name);
        OddDataFile dir;
        std::string fifo;
        const std::string path = Prepare(dir, c.kind, fifo);
        FifoWatchdog watchdog(fifo.empty() ? dir.Fifo() : fifo);

        ScriptedHost host;
        host.dataFilePath = path;
        GameWorld world;
        world.player.x = 555;
        world.score = 10;
        world.playerName = "Z";

        EXPECT_FALSE(LoadLevel(world, host, 1));
        EXPECT_EQ(world.player.x, 555);
        EXPECT_FALSE(ReadBestScore(host).has_value());
        EXPECT_FALSE(ShowBestPlayer(world, host));
        EXPECT_FALSE(WriteBestRecord(world, host));
        EXPECT_FALSE(watchdog.Fired()) << "an operation blocked on the file";

        ASSERT_EQ(host.messages.size(), 4u);
        EXPECT_EQ(host.messages[1].text, OpenFailedText);
        EXPECT_EQ(host.messages[1].icon, MessageIcon::Stop);
        EXPECT_EQ(host.messages[2].caption,
                  ExpectedText("ErrorCaption"));  // the best record cannot be read
        EXPECT_EQ(host.messages[3].text, WriteOpenFailedText);
        EXPECT_EQ(host.messages[3].icon, MessageIcon::Warning);
        dir.CloseSocket();
    }
}

TEST(LevelFileKinds, AFifoSwappedInDuringAGameIsRefusedAtTheNextLevelAndAtGameOver) {
    OddDataFile dir;
    DataFileSketch sketch;
    sketch.levels[0].startX = 70;
    TempDataFile real(sketch);
    ScriptedHost host;
    host.dataFilePath = dir.Path();
    fs::copy_file(real.Path(), dir.Path());
    GameWorld world;
    StartNewGame(world, host);
    ASSERT_EQ(world.gameRunning, 1);
    ASSERT_EQ(world.player.x, 70);

    // Between two loads.
    dir.MakeFifo(dir.Fifo());
    fs::rename(dir.Fifo(), dir.Path());
    FifoWatchdog watchdog(dir.Path());
    host.messages.clear();
    AdvanceLevel(world, host);
    EXPECT_EQ(world.gameRunning, 0);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text, OpenFailedText);

    // Before the game-over check: no record can be read, so no name is asked.
    host.messages.clear();
    world.score = 99999;
    host.Answer(ScriptedAnswer::No);
    GameOver(world, host);
    EXPECT_EQ(host.nameDialogs, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, ExpectedText("PlayAgainCaption"));
    EXPECT_FALSE(watchdog.Fired()) << "the game blocked on the swapped-in FIFO";
}

}  // namespace
