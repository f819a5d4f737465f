#include "emulator/LogReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(LogReader, ReplaysReportsAndSaysWhatTheyChanged) {
    struct Case {
        std::string line;
        std::string described;
    };
    const std::vector<Case> cases = {
        {R"({"time":1.500000,"interface":"cable/keyboard","kind":"feature-send","bytes":"07f7030511220333","result":"ok"})",
         "1.500000 cable/keyboard feature-send 07 f7 03 05 11 22 03 33 -> mode 4, brightness 3, "
         "colour index 5, colour 112233"},
        // The same settings again change nothing.
        {R"({"time":1.600000,"interface":"cable/keyboard","kind":"feature-send","bytes":"07f7030511220333","result":"ok"})",
         "1.600000 cable/keyboard feature-send 07 f7 03 05 11 22 03 33"},
        // A report the keyboard never took changes nothing either.
        {R"({"time":1.700000,"interface":"cable/keyboard","kind":"feature-send","bytes":"07f7010000000000","result":"failed"})",
         "1.700000 cable/keyboard feature-send 07 f7 01 00 00 00 00 00 (failed)"},
    };
    emulator::LogReplay replay;
    for (const Case& c : cases) {
        const auto parsed = emulator::ParseLogLine(c.line);
        ASSERT_TRUE(parsed) << c.line;
        EXPECT_EQ(replay.Describe(*parsed), c.described);
    }
}

TEST(LogReader, RefusesLinesThatAreNotReports) {
    for (const char* line :
         {"", "not json", R"({"mode":4,"brightness":3})",
          R"({"time":1,"interface":"cable/aux","kind":"output","bytes":"0g","result":"ok"})",
          R"({"time":1,"interface":"cable/aux","kind":"output","bytes":"abc","result":"ok"})",
          R"({"time":x,"interface":"cable/aux","kind":"output","bytes":"00","result":"ok"})"}) {
        EXPECT_FALSE(emulator::ParseLogLine(line)) << line;
    }
}

} // namespace
