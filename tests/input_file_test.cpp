// input_file_test.cpp -- the tools' capped whole-file reader: sizes at and past the cap, pipes, other kinds.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tools/common/input_file.h"

namespace fs = std::filesystem;

namespace {

struct InputFileTest : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("zarnok-input-" + std::to_string(getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

TEST_F(InputFileTest, RegularFilesUpToTheLimitComeBackWholeAndLargerOnesAreRefused) {
    const std::string exact(1000, 'x');
    std::string contents, error;
    ASSERT_TRUE(ReadInputFile(Write("exact", exact), contents, error, 1000)) << error;
    EXPECT_EQ(contents, exact);
    ASSERT_TRUE(ReadInputFile(Write("empty", ""), contents, error, 1000)) << error;
    EXPECT_EQ(contents, "");

    const std::string over = Write("over", exact + "y");
    EXPECT_FALSE(ReadInputFile(over, contents, error, 1000));
    EXPECT_EQ(error.rfind(over + ": larger than 1000 bytes", 0), 0u) << error;
    EXPECT_TRUE(contents.empty());
}

TEST_F(InputFileTest, TheDefaultLimitIsSixtyFourMebibytesAndIsCheckedBeforeReading) {
    const std::string path = (dir / "sparse").string();
    std::ofstream(path).close();
    fs::resize_file(path, InputFileLimit + 1);  // a hole: nothing to read in practice
    std::string contents, error;
    EXPECT_FALSE(ReadInputFile(path, contents, error));
    EXPECT_NE(error.find("larger than 64 MiB"), std::string::npos) << error;
}

// A child that opens the FIFO a little after the reader and sends `size` bytes.
pid_t StartLateWriter(const fs::path& fifo, size_t size) {
    const pid_t child = fork();
    if (child == 0) {
        usleep(50 * 1000);
        const std::string bytes(size, 'p');
        const int fd = open(fifo.c_str(), O_WRONLY);
        for (size_t sent = 0; fd >= 0 && sent < size;) {
            const ssize_t n = write(fd, bytes.data() + sent, size - sent);
            if (n <= 0) break;
            sent += size_t(n);
        }
        _exit(0);
    }
    return child;
}

TEST_F(InputFileTest, APipeWaitsForItsWriterAndIsReadToItsEndButNotPastTheLimit) {
    // More than a pipe's buffer, so the writer is still sending while the reader runs.
    constexpr size_t Limit = 200000;
    for (size_t size : {Limit, Limit + 1}) {
        const fs::path fifo = dir / ("fifo" + std::to_string(size));
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        const pid_t writer = StartLateWriter(fifo, size);
        ASSERT_GT(writer, 0);
        std::string contents, error;
        const bool read = ReadInputFile(fifo.string(), contents, error, Limit);
        kill(writer, SIGKILL);  // a reader that gave up early must not hang the test
        waitpid(writer, nullptr, 0);
        EXPECT_EQ(read, size <= Limit) << size << ": " << error;
        EXPECT_EQ(contents.size(), read ? size : 0u);
    }
}

TEST_F(InputFileTest, DevicesDirectoriesAndMissingFilesAreRefusedInWords) {
    std::string contents, error;
    EXPECT_FALSE(ReadInputFile("/dev/zero", contents, error));
    EXPECT_EQ(error, "/dev/zero: not a regular file or a pipe; refusing to read it");
    EXPECT_FALSE(ReadInputFile(dir.string(), contents, error));
    EXPECT_EQ(error, dir.string() + ": not a regular file or a pipe; refusing to read it");
    const std::string missing = (dir / "missing").string();
    EXPECT_FALSE(ReadInputFile(missing, contents, error));
    EXPECT_EQ(error, missing + ": cannot open (No such file or directory)");
}

}  // namespace
