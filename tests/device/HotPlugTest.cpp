#include "tests/device/WorkerFixture.h"

#include <thread>

using emulator::Mode;

namespace {

// A Bluetooth keyboard's interfaces: its HID-over-GATT service and its own HID collection.
const std::wstring kGattName = L"\\\\?\\hid#{00001812-0000-1000-8000-00805f9b34fb}_dev_vid&"
                               L"000235f1_pid&4616_rev&0001#9&2a6b1c0d&0&0000#"
                               L"{4d1e55b2-f16f-11cf-88cb-001111000030}";
const std::wstring kBluetoothName = L"\\\\?\\hid#{00001124-0000-1000-8000-00805f9b34fb}_vid&"
                                    L"000235f1_pid&4616&col02#8&1d2e3f40&0&0000#"
                                    L"{4d1e55b2-f16f-11cf-88cb-001111000030}";
const std::wstring kCableName = L"\\\\?\\hid#vid_35f1&pid_4614&mi_02#7&2f1c9044&0&0002#"
                                L"{4d1e55b2-f16f-11cf-88cb-001111000030}";
const std::wstring kMouseName = L"\\\\?\\hid#vid_046d&pid_c077#7&11aa22bb&0&0000#"
                                L"{4d1e55b2-f16f-11cf-88cb-001111000030}";

} // namespace

class HotPlugTest : public WorkerTest {
protected:
    bool Notify(std::uint32_t event, const std::wstring& name,
                std::uint32_t broadcast = kDeviceInterfaceBroadcast) {
        return m_worker->OnDeviceChange(event, broadcast, name);
    }
};

TEST_F(HotPlugTest, NotificationsThatQueueNothing) {
    struct Case {
        const char* why;
        std::uint32_t event;
        std::uint32_t broadcast;
        std::wstring name;
    };
    const Case cases[] = {
        {"HID-over-GATT service", kDeviceArrival, kDeviceInterfaceBroadcast, kGattName},
        {"another device", kDeviceArrival, kDeviceInterfaceBroadcast, kMouseName},
        {"not an interface broadcast", kDeviceArrival, 2, kCableName},
        {"removal pending", 0x8003, kDeviceInterfaceBroadcast, kCableName},
        {"never marked connected", kDeviceRemoveComplete, kDeviceInterfaceBroadcast, kCableName},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Notify(c.event, c.name, c.broadcast)) << c.why;
    }
    EXPECT_TRUE(m_worker->PendingTasks().empty());
}

TEST_F(HotPlugTest, BluetoothHidInterfaceQueuesArrivalWhateverItsCase) {
    EXPECT_TRUE(Notify(kDeviceArrival, kBluetoothName));
    EXPECT_EQ(m_worker->PendingTasks(), std::vector<int>{kTaskArrival});
}

TEST_F(HotPlugTest, EmptyInterfaceTextMatchesEveryArrival) {
    m_connections[0].interfaceFragment.clear();
    EXPECT_TRUE(Notify(kDeviceArrival, kMouseName));
}

TEST_F(HotPlugTest, RemovalClearsTheFlagOnceAndQueuesARefresh) {
    Attach({Mode::Cable});
    ASSERT_EQ(m_connections[0].connected, 1);
    EXPECT_TRUE(Notify(kDeviceRemoveComplete, kCableName));
    EXPECT_EQ(m_connections[0].connected, 0);
    EXPECT_FALSE(Notify(kDeviceRemoveComplete, kCableName));
    EXPECT_EQ(m_worker->PendingTasks(), std::vector<int>{kTaskRemoval});
}

TEST_F(HotPlugTest, ArrivalShowsConnectedAndQueuesFirmwareCheckThenProfile) {
    emulator::Plug(Mode::Cable);
    // Each of the cable's four interfaces announces itself.
    ASSERT_EQ(m_worker->PendingTasks(), std::vector<int>(4, kTaskArrival));
    m_worker->RunPass();
    EXPECT_EQ(m_worker->PendingTasks(), (std::vector<int>{kTaskArrival, kTaskArrival, kTaskArrival,
                                                          kTaskFirmwareCheck, kTaskApplyProfile}));
    EXPECT_EQ(m_host.Calls(),
              (std::vector<std::string>{"reset selector", "mark 201", "close secondary",
                                        "connected", "enable 0", "enable 1"}));
    EXPECT_TRUE(m_worker->DeviceFound());
    EXPECT_TRUE(m_worker->DeviceDescribed());
    EXPECT_EQ(m_worker->ConnectionKind(), 0);
}

TEST_F(HotPlugTest, CableWinsOverWireless) {
    Attach({Mode::Wireless1, Mode::Cable});
    EXPECT_EQ(m_worker->ConnectionKind(), 0);
    m_worker->QueueTask(kTaskLightSettings);
    StoreLightRow(1, 3, 2);
    m_worker->RunPass();
    ASSERT_EQ(Arrived().size(), 1u);
    EXPECT_EQ(Arrived()[0].rfind("cable/command", 0), 0u);
}

TEST_F(HotPlugTest, UndescribedWirelessShowsNotConnectedAndQueuesNothing) {
    m_connections.resize(1); // the device list knows the cable mode only
    emulator::Plug(Mode::Wireless1);
    m_worker->OnDeviceChange(kDeviceArrival, kDeviceInterfaceBroadcast,
                             L"\\\\?\\HID#VID_35F1&PID_4614&MI_02#X");
    m_worker->RunPass();
    EXPECT_TRUE(m_worker->DeviceFound());
    EXPECT_FALSE(m_worker->DeviceDescribed());
    EXPECT_EQ(m_worker->ConnectionKind(), 1);
    EXPECT_EQ(m_host.Count("not connected"), 1);
    EXPECT_EQ(m_host.Count("connected"), 0);
    EXPECT_TRUE(m_worker->PendingTasks().empty());
}

TEST_F(HotPlugTest, UndescribedCableQueuesTasksThatAreDropped) {
    m_connections.erase(m_connections.begin()); // no cable mode in the device list
    emulator::Plug(Mode::Cable);
    m_worker->OnDeviceChange(kDeviceArrival, kDeviceInterfaceBroadcast,
                             L"\\\\?\\HID#VID_35F1&PID_4615&MI_02#X");
    m_worker->RunPass();
    EXPECT_EQ(m_host.Count("connected"), 1);
    EXPECT_EQ(m_worker->PendingTasks(), (std::vector<int>{kTaskFirmwareCheck, kTaskApplyProfile}));
    emulator::ClearReceived();
    ASSERT_TRUE(Drain());
    EXPECT_TRUE(Arrived().empty());
    EXPECT_EQ(m_host.Count("key page"), 0);
    EXPECT_EQ(m_transfer.fetches, 0);
}

TEST_F(HotPlugTest, NothingFoundShowsNotConnected) {
    Attach({Mode::Cable});
    emulator::Unplug(Mode::Cable);
    ASSERT_TRUE(Drain());
    EXPECT_FALSE(m_worker->DeviceFound());
    EXPECT_EQ(m_worker->ConnectionKind(), -1);
    EXPECT_EQ(m_host.Calls(),
              (std::vector<std::string>{"reset selector", "close secondary", "not connected"}));
    EXPECT_EQ(emulator::OpenHandles(), 0);
}

// The keyboard goes while a refresh still works from the enumeration taken before: the
// removal must lead to another refresh, even though the description was not yet marked.
TEST_F(HotPlugTest, RemovalDuringARefreshIsNotLost) {
    emulator::Plug(Mode::Cable);
    m_host.duringRefresh = [this] {
        m_host.duringRefresh = nullptr;
        emulator::Unplug(Mode::Cable);
    };
    ASSERT_TRUE(Drain());
    EXPECT_FALSE(m_worker->DeviceFound());
    EXPECT_EQ(m_host.Calls().back(), "not connected");
}

class HotPlugStormTest : public HotPlugTest {
protected:
    // Passes back to back, but giving the plugging thread room.
    class BriefPause : public Sleeper {
    public:
        void SleepFor(std::chrono::milliseconds) override {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
    };
    HotPlugStormTest() { m_pause = &m_briefPause; }
    BriefPause m_briefPause;

    bool WaitForEmptyQueue() {
        for (int i = 0; i < 5000; ++i) {
            if (m_worker->PendingTasks().empty()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
    // The state the last refresh showed.
    std::string LastState() const {
        const std::vector<std::string> calls = m_host.Calls();
        for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
            if (*call == "connected" || *call == "not connected") {
                return *call;
            }
        }
        return {};
    }
};

TEST_F(HotPlugStormTest, ThousandPlugCyclesLeaveTheRightState) {
    StoreLightRow(1, 3, 2);
    m_worker->Start();
    m_worker->QueueTask(kTaskFirstConnection);
    const Mode modes[] = {Mode::Cable, Mode::Wireless1, Mode::Wireless2};
    for (int i = 0; i < 1000; ++i) {
        const Mode mode = modes[i % 3];
        emulator::Plug(mode);
        if (i % 7 == 0) {
            m_worker->QueueTask(kTaskLightSettings);
            m_worker->QueueMacro(i);
        }
        emulator::Unplug(mode);
    }
    emulator::Plug(Mode::Wireless2);
    ASSERT_TRUE(WaitForEmptyQueue());
    // The worker may still be in the pass that emptied the queue.
    m_worker->Stop();
    EXPECT_TRUE(m_worker->DeviceFound());
    EXPECT_TRUE(m_worker->DeviceDescribed());
    EXPECT_EQ(m_worker->ConnectionKind(), 2);
    EXPECT_EQ(m_connections[2].connected, 1);
    EXPECT_EQ(emulator::OpenHandles(), 1) << "the Bluetooth command interface only";
    EXPECT_EQ(LastState(), "connected");

    m_worker->Start();
    emulator::Unplug(Mode::Wireless2);
    ASSERT_TRUE(WaitForEmptyQueue());
    m_worker->Stop();
    EXPECT_FALSE(m_worker->DeviceFound());
    EXPECT_EQ(LastState(), "not connected");
    EXPECT_EQ(emulator::OpenHandles(), 0);
    EXPECT_EQ(m_timer.raised, m_timer.restored);
}
