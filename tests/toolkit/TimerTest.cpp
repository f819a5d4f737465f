#include "ToolkitFixture.h"

#include <chrono>
#include <set>
#include <thread>

namespace toolkit_test {
namespace {

using OrvixUI::PaintManager;

TEST(WindowTimers, IdsAreUniqueAndNeverReserved) {
    HostWindow host;
    std::vector<Probe*> probes;
    std::set<UINT> ids;
    int started = 0;
    for (UINT i = 0; i < 250; ++i) {
        Probe* probe = host.AddProbe(100 + i, RECT{0, 0, 1, 1});
        probes.push_back(probe);
        if (host.manager().SetTimer(probe, 5, 1000)) {
            ++started;
            UINT id = host.manager().GetTimerID(probe, 5);
            EXPECT_TRUE(ids.insert(id).second) << "id " << id << " given twice";
            EXPECT_NE(id, 0u);
            EXPECT_NE(id, +PaintManager::kOverlayHoldTimer);
            EXPECT_NE(id, +PaintManager::kOverlayFadeTimer);
            EXPECT_NE(id, +PaintManager::kProgressTimer);
        }
    }
    EXPECT_EQ(started, 236) << "ids 1 ... 239 without the three reserved ones";

    // A stopped timer keeps its id for a restart; a deleted one frees it for the next control.
    UINT kept = host.manager().GetTimerID(probes[0], 5);
    EXPECT_TRUE(host.manager().KillTimer(probes[0], 5));
    EXPECT_FALSE(host.manager().SetTimer(probes[240], 5, 1000)) << "stopped records keep ids";
    EXPECT_TRUE(host.manager().SetTimer(probes[0], 5, 1000));
    EXPECT_EQ(host.manager().GetTimerID(probes[0], 5), kept);
    EXPECT_FALSE(host.manager().SetTimer(probes[0], 5, 1000)) << "already running";
    host.manager().KillTimer(probes[1]);
    EXPECT_TRUE(host.manager().SetTimer(probes[240], 5, 1000));
}

TEST(WindowTimers, TimerMessagesReachTheControlsOfThatId) {
    HostWindow host;
    Probe* one = host.AddProbe(10, RECT{0, 0, 1, 1});
    Probe* two = host.AddProbe(20, RECT{0, 0, 1, 1});
    ASSERT_TRUE(host.manager().SetTimer(one, 1, 100000));
    ASSERT_TRUE(host.manager().SetTimer(two, 1, 100000));
    host.Send(WM_TIMER, host.manager().GetTimerID(one, 1), 0);
    EXPECT_EQ(one->Ticks(), 1);
    EXPECT_EQ(two->Ticks(), 0);
    host.manager().KillTimer(one, 1);
    host.Send(WM_TIMER, host.manager().GetTimerID(one, 1), 0);
    EXPECT_EQ(one->Ticks(), 1) << "a stopped timer calls nobody";
    host.Send(WM_TIMER, +PaintManager::kOverlayFadeTimer, 0);
    EXPECT_EQ(one->Ticks() + two->Ticks(), 1) << "reserved ids are the manager's own";
}

TEST(WindowTimers, DestroyedControlsLeaveNoTimers) {
    HostWindow host;
    Probe* probe = host.AddProbe(10, RECT{0, 0, 1, 1});
    ASSERT_TRUE(host.manager().SetTimer(probe, 1, 100000));
    UINT id = host.manager().GetTimerID(probe, 1);
    host.manager().RemoveControl(probe);
    host.Send(WM_TIMER, id, 0);
    EXPECT_EQ(host.manager().GetHoverControl(), nullptr);
}

TEST(SharedTimer, TicksReachRegisteredRunningControls) {
    HostWindow host;
    Probe* running = host.AddProbe(10, RECT{0, 0, 1, 1});
    Probe* idle = host.AddProbe(20, RECT{0, 0, 1, 1});
    running->SetRunTimer(TRUE);
    running->AddMTimer();
    idle->AddMTimer();
    ASSERT_NE(host.manager().SetMTimer(10), 0u);
    for (int i = 0; i < 200 && running->Ticks() < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    host.manager().KillMTimer();
    EXPECT_GE(running->Ticks(), 3);
    EXPECT_EQ(idle->Ticks(), 0) << "not running on the timer";
    EXPECT_TRUE(host.manager().DeleteFSTimer(running));
    EXPECT_FALSE(host.manager().DeleteFSTimer(running));
}

} // namespace
} // namespace toolkit_test
