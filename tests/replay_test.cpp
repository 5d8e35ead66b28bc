// replay_test.cpp -- reading, rejecting and writing replay journals.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "input/key_bindings.h"
#include "tools/common/replay.h"

namespace {

ReplayJournal Parse(const std::string& text) {
    ReplayJournal journal;
    std::string error;
    EXPECT_TRUE(ParseReplay(text, journal, error)) << error;
    return journal;
}

std::string ParseError(const std::string& text) {
    ReplayJournal journal;
    std::string error;
    EXPECT_FALSE(ParseReplay(text, journal, error)) << "accepted: " << text;
    return error;
}

bool SameKeys(const std::vector<ReplayKeyEvent>& a, const std::vector<ReplayKeyEvent>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].tick != b[i].tick || a[i].down != b[i].down || a[i].key != b[i].key) return false;
    return true;
}

bool SameAnswers(const std::vector<ScriptedAnswer>& a, const std::vector<ScriptedAnswer>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].kind != b[i].kind || a[i].name != b[i].name) return false;
    return true;
}

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("zarnok_replay_" + std::to_string(getpid()) + "_" + name))
        .string();
}

TEST(ReplayParse, ReadsEveryLineForm) {
    ReplayJournal j = Parse(
        "# a whole game in miniature\n"
        "\n"
        "0 down left\n"
        "   3 up RIGHT   # comment after an event\n"
        "3 down 0x11\n"
        "17 up 16\r\n"
        "18446744073709551615 down Control\n"
        "answer ok\n"
        "answer  YES\n"
        "answer no # the restart question\n"
        "answer cancel\n"
        "answer name Иван Петров # не комментарий\n"
        "answer name\n"
        "\t# indented comment\n"
        "5 down shift");
    ASSERT_EQ(j.keys.size(), 6u);
    EXPECT_TRUE(SameKeys(j.keys, {{0, true, VK_Left},
                                  {3, false, VK_Right},
                                  {3, true, VK_Control},
                                  {17, false, VK_Shift},
                                  {UINT64_MAX, true, VK_Control},
                                  {5, true, VK_Shift}}));
    EXPECT_TRUE(SameAnswers(j.answers, {{ScriptedAnswer::Ok, ""},
                                        {ScriptedAnswer::Yes, ""},
                                        {ScriptedAnswer::No, ""},
                                        {ScriptedAnswer::Cancel, ""},
                                        {ScriptedAnswer::Name, "Иван Петров # не комментарий"},
                                        {ScriptedAnswer::Name, ""}}));
}

TEST(ReplayParse, KeyTokens) {
    const std::pair<const char*, int32_t> accepted[] = {{"left", VK_Left},
                                                        {"right", VK_Right},
                                                        {"up", VK_Up},
                                                        {"down", VK_Down},
                                                        {"control", VK_Control},
                                                        {"shift", VK_Shift},
                                                        {"0x26", 0x26},
                                                        {"0XfF", 255},
                                                        {"0", 0},
                                                        {"2147483647", INT32_MAX},
                                                        {"0x7fffffff", INT32_MAX}};
    for (auto [token, code] : accepted) {
        int32_t key = -1;
        EXPECT_TRUE(ParseKeyToken(token, key)) << token;
        EXPECT_EQ(key, code) << token;
    }
    for (const char* token :
         {"", "ctrl", "2147483648", "0x80000000", "0x", "-1", "12a", "0x1g", "+5"}) {
        int32_t key = 0;
        EXPECT_FALSE(ParseKeyToken(token, key)) << token;
    }
}

TEST(ReplayParse, ErrorsNameTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"x down left", "tick"},
        {"-1 down left", "tick"},
        {"18446744073709551616 down left", "tick"},
        {"5 sideways left", "'sideways'"},
        {"5 down", "missing key"},
        {"5 down banana", "'banana'"},
        {"5 up 0x", "'0x'"},
        {"5 down left right", "after the key"},
        {"answer maybe", "'maybe'"},
        {"answer", "answer"},
        {"answer ok please", "after answer"},
    };
    for (auto [line, hint] : cases) {
        // The faulty line comes third, after a comment and a good line.
        std::string error = ParseError(std::string("# header\n1 down left\n") + line +
                                       "\n2 up left\n");
        EXPECT_EQ(error.rfind("line 3: ", 0), 0u) << line << " -> " << error;
        EXPECT_NE(error.find(hint), std::string::npos) << line << " -> " << error;
    }
}

TEST(ReplayWrite, RoundTripsThroughText) {
    ReplayJournal original;
    original.keys = {{0, true, VK_Right}, {0, true, VK_Control}, {7, false, VK_Control},
                     {9, true, 0},        {9, true, INT32_MAX},  {UINT64_MAX, false, 0x41}};
    original.answers = {{ScriptedAnswer::Ok, ""},   {ScriptedAnswer::Name, "  Анна #1  "},
                        {ScriptedAnswer::Name, ""}, {ScriptedAnswer::Cancel, ""},
                        {ScriptedAnswer::Yes, ""},  {ScriptedAnswer::No, ""}};
    const std::string text = FormatReplay(original);
    ReplayJournal back = Parse(text);
    EXPECT_TRUE(SameKeys(back.keys, original.keys)) << text;
    EXPECT_TRUE(SameAnswers(back.answers, original.answers)) << text;
    EXPECT_EQ(FormatReplay(back), text);
    // Named keys are written by name, the rest in decimal.
    EXPECT_NE(text.find("0 down right\n"), std::string::npos) << text;
    EXPECT_NE(text.find("9 down 2147483647\n"), std::string::npos) << text;
}

TEST(ReplayWrite, LineBreaksInANameBecomeSpaces) {
    ReplayJournal journal;
    journal.answers = {{ScriptedAnswer::Name, "a\nb\r\nc"}, {ScriptedAnswer::Yes, ""}};
    ReplayJournal back = Parse(FormatReplay(journal));
    EXPECT_TRUE(
        SameAnswers(back.answers, {{ScriptedAnswer::Name, "a b  c"}, {ScriptedAnswer::Yes, ""}}));
}

TEST(ReplayFile, SavesLoadsAndReportsPathAndLine) {
    const std::string path = TempPath("journal.txt");
    ReplayJournal journal;
    journal.keys = {{2, true, VK_Shift}};
    journal.answers = {{ScriptedAnswer::Name, "Зоя"}};
    std::string error;
    ASSERT_TRUE(SaveReplayFile(path, journal, error)) << error;
    ReplayJournal loaded;
    ASSERT_TRUE(LoadReplayFile(path, loaded, error)) << error;
    EXPECT_TRUE(SameKeys(loaded.keys, journal.keys));
    EXPECT_TRUE(SameAnswers(loaded.answers, journal.answers));

    std::ofstream(path, std::ios::trunc) << "1 down left\n\n2 jump\n";
    ReplayJournal bad;
    EXPECT_FALSE(LoadReplayFile(path, bad, error));
    EXPECT_EQ(error.rfind(path + ":3: ", 0), 0u) << error;
    std::remove(path.c_str());

    EXPECT_FALSE(LoadReplayFile(path, bad, error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_FALSE(SaveReplayFile("/nonexistent-folder/x/journal.txt", journal, error));
    EXPECT_NE(error.find("/nonexistent-folder/x/journal.txt"), std::string::npos) << error;
}

// A versioned journal: the header, every kind of event, checks between them.
TEST(JournalParse, ReadsTheHeaderEventsAndChecks) {
    const std::string text =
        "zarnok-journal 1\n"
        "game 1.4\n"
        "levels 00000000deadbeef\n"
        "start 1\n"
        "from 250\n"
        "record 000102030405060708090a0b0c0d0e0f1011121314151617\n"
        "# recorded 2026-12-09 22:30\n"
        "0 down right\n"
        "3 sound\n"
        "3 select jump\n"
        "4 bind fire 0x41\n"
        "answer yes\n"
        "check 100 0123456789abcdef\n"
        "100 new\n"
        "120 best\n"
        "check 200 fedcba9876543210\n";
    ReplayJournal j = Parse(text);
    EXPECT_EQ(j.header.version, 1u);
    EXPECT_EQ(j.header.gameVersion, "1.4");
    EXPECT_EQ(j.header.levelsHash, 0xdeadbeefu);
    EXPECT_EQ(j.header.fromTick, 250u);
    ASSERT_TRUE(j.header.record.has_value());
    EXPECT_EQ((*j.header.record)[23], 0x17);
    ASSERT_EQ(j.keys.size(), 6u);
    EXPECT_EQ(j.keys[2].kind, JournalEventKind::Select);
    EXPECT_EQ(j.keys[2].action, ActionJump);
    EXPECT_EQ(j.keys[3].kind, JournalEventKind::Bind);
    EXPECT_EQ(j.keys[3].action, ActionFire);
    EXPECT_EQ(j.keys[3].key, 0x41);
    EXPECT_EQ(j.keys[4].kind, JournalEventKind::NewGame);
    EXPECT_EQ(j.keys[5].kind, JournalEventKind::BestPlayer);
    ASSERT_EQ(j.checks.size(), 2u);
    EXPECT_EQ(j.checks[1].tick, 200u);
    EXPECT_EQ(j.checks[1].hash, 0xfedcba9876543210u);
    // Written again: the same lines, the answer moved behind the events.
    ReplayJournal back = Parse(FormatReplay(j));
    EXPECT_EQ(FormatReplay(back), FormatReplay(j));
    EXPECT_EQ(back.header.record, j.header.record);
    EXPECT_EQ(back.checks.size(), 2u);
}

// What a damaged or hostile journal gets: a message naming its line.
TEST(JournalParse, RefusesDamageByLine) {
    const std::string head = "zarnok-journal 1\ngame 1.4\nlevels 0000000000000001\n";
    const std::pair<std::string, std::string> cases[] = {
        {"zarnok-journal 2\n", "line 1: journal format 2 is newer"},
        {head + "check 100 0123\n", "line 4: a check is"},
        {head + "5 down left\n3 up left\n", "line 5: tick 3 after tick 5"},
        {head + "check 100 0000000000000000\n50 up left\n", "line 5: tick 50 after tick 100"},
        {head + "check 100 0000000000000000\ncheck 100 0000000000000000\n",
         "line 5: a second check for tick 100"},
        {head + "5 down left\n5 down", "line 5: cut off"},
        {head + "5 teleport\n", "line 4: expected down, up"},
        {head + "bogus line\n", "line 4: expected a tick number"},
        {head + "5 down left\ngame 1.5\n", "line 5: 'game' belongs in the header"},
        {head + "levels 0000000000000002\n", "line 4: a second 'levels'"},
        {head + "start 3\n", "line 4: every game starts on level 1"},
        {head + "5 bind fire\n", "line 4: missing key"},
        {"zarnok-journal 1\ngame 1.4\n1 down left\n", "line 3: the header has no 'levels'"},
        {"1 down left\ncheck 1 0000000000000000\n", "line 2: a check needs the header"},
        {"1 down left\nlevels 0000000000000001\n", "line 2: 'levels' is a header line"},
        {head + "1 down left\x01\n", "line 4: not text: byte 0x01 at column 12"},
        {head + std::string("\0\xff\xfe", 3) + "\n", "line 4: not text: byte 0x00"},
        {head + "answer name " + std::string(8 << 20, 'x') + "\n", "line 4: line longer than"},
    };
    for (const auto& [text, expected] : cases) {
        const std::string error = ParseError(text);
        EXPECT_EQ(error.rfind(expected, 0), 0u) << text.substr(0, 200) << " -> " << error;
    }
}

// Every journal the game has shipped is an old one and reads as before.
TEST(JournalParse, ReadsEveryShippedJournal) {
    size_t read = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(ZARNOK_SOURCE_DIR "/tests/replays")) {
        if (entry.path().extension() != ".txt") continue;
        ReplayJournal journal;
        std::string error;
        EXPECT_TRUE(LoadReplayFile(entry.path().string(), journal, error)) << error;
        EXPECT_EQ(journal.header.version, 0u);
        EXPECT_FALSE(journal.keys.empty()) << entry.path();
        ++read;
    }
    EXPECT_GE(read, 14u);
}

}  // namespace
