#include "tests/device/WorkerFixture.h"

#include <thread>

using emulator::Mode;

namespace {

int LightPackets() {
    int count = 0;
    for (const std::string& report : Arrived()) {
        count += report.find("feature-send[8] 07f7") != std::string::npos;
    }
    return count;
}

} // namespace

TEST_F(WorkerTest, LightChangeWithoutKeyboardIsDroppedAndNotSentLater) {
    StoreLightRow(1, 3, 2);
    m_worker->QueueTask(kTaskLightSettings);
    m_worker->RunPass();
    EXPECT_TRUE(m_worker->PendingTasks().empty());

    emulator::Plug(Mode::Cable);
    ASSERT_TRUE(Drain());
    EXPECT_TRUE(m_worker->DeviceDescribed());
    EXPECT_EQ(LightPackets(), 0);
    EXPECT_EQ(m_host.Count("close wait"), 0);
}

TEST_F(WorkerTest, FirstConnectionRunsOnce) {
    emulator::SetInterfaceListener(nullptr);
    emulator::Plug(Mode::Cable);
    m_worker->QueueTask(kTaskFirstConnection);
    m_worker->QueueTask(kTaskFirstConnection);
    ASSERT_TRUE(Drain());
    EXPECT_TRUE(m_worker->FirstConnectionDone());
    EXPECT_EQ(m_host.Count("connected"), 1);
    EXPECT_EQ(m_host.Count("visualizer"), 1);
}

TEST_F(WorkerTest, UnknownCodesAreRemovedWithoutTraffic) {
    Attach({Mode::Cable});
    const int fetches = m_transfer.fetches;
    for (int code : {0, 4, 6, 9, 11, 16, -1, 1000}) {
        m_worker->QueueTask(code);
        m_worker->RunPass();
        EXPECT_TRUE(m_worker->PendingTasks().empty()) << code;
    }
    EXPECT_TRUE(Arrived().empty());
    EXPECT_EQ(m_transfer.fetches, fetches);
}

TEST_F(WorkerTest, MacroWaitsUntilKeyboardIsFound) {
    m_worker->QueueMacro(7);
    for (int i = 0; i < 3; ++i) {
        m_worker->RunPass();
    }
    EXPECT_EQ(m_worker->PendingMacros(), std::vector<int>{7});
    EXPECT_EQ(m_host.Count("play 7"), 0);

    emulator::Plug(Mode::Cable);
    ASSERT_TRUE(Drain());
    m_worker->RunPass();
    EXPECT_TRUE(m_worker->PendingMacros().empty());
    EXPECT_EQ(m_host.Count("play 7"), 1);
}

TEST_F(WorkerTest, OneTaskPerPassWithWindowDisabledAroundIt) {
    StoreLightRow(1, 3, 2);
    Attach({Mode::Cable});
    for (int i = 0; i < 3; ++i) {
        m_worker->QueueTask(kTaskLightSettings);
    }
    m_worker->QueueMacro(5);
    const long long before = m_clock.NowMs();
    m_worker->RunPass();
    EXPECT_EQ(LightPackets(), 1);
    EXPECT_EQ(m_worker->PendingTasks().size(), 2u);
    // The feature report's own 16 ms wait, then the 100 ms after the task.
    EXPECT_EQ(m_clock.NowMs() - before, 116);
    EXPECT_EQ(m_host.Calls(),
              (std::vector<std::string>{"enable 0", "close wait", "enable 1", "play 5"}));
    ASSERT_TRUE(Drain());
    EXPECT_EQ(LightPackets(), 3);
    EXPECT_EQ(m_timer.raised, m_timer.restored);
}

TEST_F(WorkerTest, LightSettingsTakeTheSelectedRowAndConnection) {
    StoreLightRow(1, 3, 2);
    StoreLightRow(4, 5, 0);
    Attach({Mode::Cable, Mode::Wireless1});
    m_host.lightMode = 4;
    m_worker->QueueTask(kTaskLightSettings);
    m_worker->RunPass();
    EXPECT_EQ(Arrived(), std::vector<std::string>{"cable/command feature-send[8] " +
                                                  Hex("07 f7 03 00 00 00 04")});
}

TEST_F(WorkerTest, MissingLightRowSendsNothingButClosesTheWaitDialog) {
    Attach({Mode::Cable});
    m_host.lightMode = 9;
    m_worker->QueueTask(kTaskLightSettings);
    m_worker->RunPass();
    EXPECT_TRUE(Arrived().empty());
    EXPECT_EQ(m_host.Count("close wait"), 1);
}

TEST_F(WorkerTest, ApplyingTheProfileReloadsThePagesTheLayoutEnables) {
    struct Case {
        std::uint32_t mask;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {0x47,
         {"enable 0", "macro page", "key page", "key filter", "light page", "music set-up",
          "enable 1"}},
        {0x01, {"enable 0", "key page", "key filter", "enable 1"}},
    };
    Attach({Mode::Cable});
    for (const Case& c : cases) {
        m_host.ClearCalls();
        m_host.featureMask = c.mask;
        m_worker->QueueTask(kTaskApplyProfile);
        m_worker->RunPass();
        EXPECT_EQ(m_host.Calls(), c.calls) << c.mask;
    }
}

TEST_F(WorkerTest, FactoryResetReloadsPagesThenClosesTheWaitDialog) {
    Attach({Mode::Cable});
    m_worker->QueueTask(kTaskFactoryReset);
    m_worker->RunPass();
    EXPECT_EQ(Arrived(),
              std::vector<std::string>{"cable/command feature-send[8] " + Hex("07 f0 aa")});
    EXPECT_EQ(m_host.Calls(), (std::vector<std::string>{"enable 0", "macro page", "key page",
                                                        "light page", "close wait", "enable 1"}));
}

TEST_F(WorkerTest, UserColoursGoOutAsEightReports) {
    ASSERT_EQ(m_store.AddKeyLights({{0, 1, kCustomKeyLightSet, 42, 0x00FF0000}}), 1);
    Attach({Mode::Cable});
    m_worker->QueueTask(kTaskUserColours);
    m_worker->RunPass();
    const std::vector<std::string> arrived = Arrived();
    ASSERT_EQ(arrived.size(), 8u);
    EXPECT_EQ(arrived[0], "cable/command output[65] " + Hex("00 8b 3c 00 00 {4} 00 00 ff ff"));
}

TEST_F(WorkerTest, UpdateTasksReachTheUpdateService) {
    m_worker->QueueTask(kTaskProgramCheck);
    m_worker->RunPass();
    EXPECT_EQ(m_transfer.fetches, 1) << "the program check needs no keyboard";
    for (int code : {kTaskFirmwareCheck, kTaskProgramInstall, kTaskFirmwareInstall}) {
        m_worker->QueueTask(code);
        m_worker->RunPass();
    }
    EXPECT_EQ(m_transfer.fetches, 1) << "the others are dropped without one";
    Attach({Mode::Cable});
    const int afterAttach = m_transfer.fetches;
    m_worker->QueueTask(kTaskFirmwareCheck);
    m_worker->RunPass();
    EXPECT_EQ(m_transfer.fetches, afterAttach + 1);
}

struct FrameCase {
    const char* name;
    bool visible;
    int tab;
    int deviceType;
    std::uint32_t functions;
    bool painted;
};

class KeyFrameTest : public WorkerTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(KeyFrameTest, FrameOnlyForAVisibleLightingTab) {
    const FrameCase& c = GetParam();
    Attach({Mode::Cable});
    m_host.visible = c.visible;
    m_host.tab = c.tab;
    m_host.deviceType = c.deviceType;
    m_host.lightFunctions = c.functions;
    m_worker->RunPass();
    const int paints = m_host.Count("paint 512") + m_host.Count("paint 1024");
    EXPECT_EQ(paints, c.painted ? 1 : 0);
    // The stream start, then six packets on the auxiliary interface.
    EXPECT_EQ(Arrived().size(), c.painted ? 7u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyFrameTest,
    ::testing::Values(FrameCase{"music", true, kLightingTab, 100, 0x200 | 0x100, true},
                      FrameCase{"screen", true, kLightingTab, 100, 0x400, true},
                      FrameCase{"hidden", false, kLightingTab, 100, 0x200, false},
                      FrameCase{"otherTab", true, 1, 100, 0x200, false},
                      FrameCase{"featureProtocol", true, kLightingTab, 201, 0x200, false},
                      FrameCase{"typeLimit", true, kLightingTab, 200, 0x200, false},
                      FrameCase{"plainMode", true, kLightingTab, 100, 0x100, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WorkerTest, NothingSentWhenNoPaintedColourCounts) {
    Attach({Mode::Cable});
    m_host.tab = kLightingTab;
    m_host.deviceType = 100;
    m_host.lightFunctions = 0x200;
    m_host.paintResult = false;
    m_worker->RunPass();
    EXPECT_EQ(m_host.Count("paint 512"), 1);
    EXPECT_TRUE(Arrived().empty());
}

TEST_F(WorkerTest, NoFrameWhileATaskIsWaiting) {
    Attach({Mode::Cable});
    m_host.tab = kLightingTab;
    m_host.deviceType = 100;
    m_host.lightFunctions = 0x200;
    m_worker->QueueTask(4);
    m_worker->RunPass();
    EXPECT_EQ(m_host.Count("paint 512"), 0);
}

class WorkerThreadTest : public WorkerTest {
protected:
    WorkerThreadTest() { m_pause = &ThreadSleeper(); }
};

TEST_F(WorkerThreadTest, RunsQueuedTasksAndStops) {
    StoreLightRow(1, 3, 2);
    Attach({Mode::Cable});
    m_worker->Start();
    EXPECT_TRUE(m_worker->IsRunning());
    EXPECT_EQ(m_worker->Period(), 16);
    m_worker->QueueTask(kTaskLightSettings);
    for (int i = 0; i < 500 && !m_worker->PendingTasks().empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_TRUE(m_worker->Stop());
    EXPECT_FALSE(m_worker->IsRunning());
    EXPECT_EQ(LightPackets(), 1);
}
