#include "tests/store/StoreFixture.h"

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Kills a writer process at random moments and checks after every kill that the file is a
// sound database in which every set is either the old or the new one.
class CrashSafetyTest : public StoreFixture {
protected:
    // Starts the writer; with `waitUntilWriting` returns only once it has opened the file.
    pid_t StartWriter(unsigned seed, bool waitUntilWriting) {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            return -1;
        }
        const std::string folder = m_folder.string();
        const std::string seedText = std::to_string(seed);
        const pid_t child = fork();
        if (child == 0) {
            dup2(pipeEnds[1], STDOUT_FILENO);
            close(pipeEnds[0]);
            close(pipeEnds[1]);
            execl(CLAVIRA_CRASH_WRITER, CLAVIRA_CRASH_WRITER, folder.c_str(), seedText.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeEnds[1]);
        if (waitUntilWriting) {
            char buffer[6];
            [[maybe_unused]] const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        }
        close(pipeEnds[0]);
        return child;
    }

    void ExpectWholeSets(int kill) {
        if (!std::filesystem::exists(DatabaseFile())) {
            return; // killed before the file was created
        }
        ProfileStore store; // opening plays back a journal left by the killed writer
        ASSERT_TRUE(store.Open(Folder(), kKeyboard)) << "kill " << kill;
        ASSERT_EQ(Rows("PRAGMA integrity_check"), std::vector<std::string>{"ok"})
            << "kill " << kill;
        ASSERT_EQ(Rows("SELECT count(*) FROM sqlite_master WHERE name <> 'sqlite_sequence'"),
                  std::vector<std::string>{"17"})
            << "kill " << kill;

        // Per macro: count, distinct values, lowest value, index range.
        for (const std::string& row :
             Rows("SELECT count(*), count(DISTINCT value), min(value), min(record_index), "
                  "max(record_index) FROM t_macrorecord GROUP BY macro_id")) {
            int count, distinct, value, first, last;
            ASSERT_EQ(std::sscanf(row.c_str(), "%d|%d|%d|%d|%d", &count, &distinct, &value, &first,
                                  &last),
                      5);
            EXPECT_EQ(distinct, 1) << "kill " << kill << ": " << row;
            EXPECT_EQ(count, 1 + value % 40) << "kill " << kill << ": " << row;
            EXPECT_EQ(first, 0) << "kill " << kill << ": " << row;
            EXPECT_EQ(last, count - 1) << "kill " << kill << ": " << row;
        }
        const auto lights = Rows("SELECT count(*), count(DISTINCT key_rgb), count(DISTINCT "
                                 "key_code) FROM t_key_light_data");
        EXPECT_TRUE(lights == std::vector<std::string>{"0|0|0"} ||
                    lights == std::vector<std::string>{"104|1|104"})
            << "kill " << kill << ": " << lights.front();
        for (const std::string& row :
             Rows("SELECT p.name, count(k.key_id), count(DISTINCT k.macro_value), "
                  "max(k.macro_value) FROM t_profile_data p LEFT JOIN t_key_macro_data k ON "
                  "k.profile = p.profile GROUP BY p.profile")) {
            int generation, count, distinct, value;
            ASSERT_EQ(
                std::sscanf(row.c_str(), "gen %d|%d|%d|%d", &generation, &count, &distinct, &value),
                4)
                << row;
            EXPECT_EQ(count, 11) << "kill " << kill << ": " << row;
            EXPECT_EQ(distinct, 2) << "kill " << kill << ": " << row;
            EXPECT_EQ(value, generation) << "kill " << kill << ": " << row;
        }
        EXPECT_EQ(Rows("SELECT count(*) FROM t_key_macro_data WHERE macro_type = 3 AND "
                       "macro_value NOT IN (SELECT macro_id FROM t_macro_data)"),
                  std::vector<std::string>{"0"})
            << "kill " << kill;
        EXPECT_EQ(Rows("SELECT count(*) FROM t_key_macro_data WHERE profile NOT IN (SELECT "
                       "profile FROM t_profile_data)"),
                  std::vector<std::string>{"0"})
            << "kill " << kill;
    }
};

TEST_F(CrashSafetyTest, KilledWriterNeverLeavesATornSet) {
    constexpr int kKills = 220;
    ASSERT_TRUE(m_store.Close());
    std::mt19937 random(20261211);
    for (int round = 0; round < kKills; ++round) {
        // The first kills also land while the file and its tables are being created.
        const bool fresh = round < 20;
        if (fresh) {
            std::filesystem::remove(DatabaseFile());
            std::filesystem::remove(DatabaseFile().string() + "-journal");
        }
        const pid_t writer = StartWriter(random(), !fresh);
        ASSERT_GT(writer, 0);
        usleep(fresh ? random() % 40000 : random() % 12000);
        ::kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped on its own, status " << status;
        ExpectWholeSets(round);
        if (HasFailure()) {
            return;
        }
    }
}

} // namespace
