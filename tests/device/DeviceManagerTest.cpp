#include "tests/device/EmulatedKeyboard.h"

#include <functional>

namespace {

using emulator::Failure;
using emulator::Mode;

const DeviceManager::Feature kMusic{0x07, 0x23, 0x45, 0x67, 0x89, 0x01, 0x00, 0x40};
const DeviceManager::Report kReport{0x00, 0x89};
const DeviceManager::Payload kPayload{0xBB, 0xAA, 0x99, 0x88, 0xAA};

// Where commands go and which command form applies, for every combination of plugged modes.
struct ChoiceCase {
    std::vector<Mode> plugged;
    const char* commandInterface; // null: no current device
    int connectionKind;
};

class DeviceChoiceTest : public EmulatedKeyboardTest,
                         public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(DeviceChoiceTest, CableFirstThenWireless1ThenWireless2) {
    const ChoiceCase& c = GetParam();
    Register(201);
    for (Mode mode : c.plugged) {
        emulator::Plug(mode);
    }
    m_devices.Refresh();
    m_devices.SetSelectedType(201);

    EXPECT_EQ(m_devices.ConnectionKind(), c.connectionKind);
    EXPECT_EQ(m_devices.SendFeatureNow(kMusic), c.commandInterface != nullptr);
    if (c.commandInterface) {
        EXPECT_EQ(emulator::Received().at(0).interface, c.commandInterface);
    } else {
        EXPECT_TRUE(emulator::Received().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryCombination, DeviceChoiceTest,
    ::testing::Values(ChoiceCase{{}, nullptr, -1}, ChoiceCase{{Mode::Cable}, "cable/command", 0},
                      ChoiceCase{{Mode::Wireless1}, "wireless1/command", 1},
                      ChoiceCase{{Mode::Wireless2}, "wireless2/command", 2},
                      ChoiceCase{{Mode::Cable, Mode::Wireless1}, "cable/command", 0},
                      ChoiceCase{{Mode::Cable, Mode::Wireless2}, "cable/command", 0},
                      ChoiceCase{{Mode::Wireless1, Mode::Wireless2}, "wireless1/command", 2},
                      ChoiceCase{
                          {Mode::Cable, Mode::Wireless1, Mode::Wireless2}, "cable/command", 0}));

TEST_F(EmulatedKeyboardTest, KeepsOnlyTheVendorInterfacesOpen) {
    Connect({Mode::Cable, Mode::Wireless2});
    std::vector<ConnectedDevice> entries;
    ASSERT_TRUE(m_devices.CollectEntries(entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].pid, 0x4614);
    EXPECT_EQ(entries[0].wired, 1);
    EXPECT_EQ(entries[0].release, 0x0100u);
    EXPECT_NE(entries[0].path.find("mi_02"), std::string::npos);
    EXPECT_EQ(entries[1].index, 1);
    EXPECT_EQ(entries[1].mode, 2u);
    EXPECT_EQ(entries[1].wired, 0);
    EXPECT_EQ(entries[1].deviceType, 201u);
    // The two command interfaces and the cable's auxiliary one; keyboard and consumer
    // interfaces were opened, found to be something else, and closed.
    EXPECT_EQ(emulator::OpenHandles(), 3);
}

TEST_F(EmulatedKeyboardTest, TheLaterAuxiliaryInterfaceWins) {
    Connect({Mode::Cable, Mode::Wireless1});
    EXPECT_TRUE(m_devices.WriteAuxReport(kReport));
    ASSERT_EQ(emulator::Received().size(), 1u);
    EXPECT_EQ(emulator::Received()[0].interface, "wireless1/aux");
    // The replaced auxiliary handle was closed, not leaked.
    EXPECT_EQ(emulator::OpenHandles(), 3);
}

TEST_F(EmulatedKeyboardTest, WithoutKnownDevicesEveryPrimitiveFails) {
    emulator::Plug(Mode::Cable);
    m_devices.Refresh();
    m_devices.SetSelectedType(201);
    int version = -7;
    std::vector<ConnectedDevice> entries;

    EXPECT_EQ(emulator::OpenHandles(), 0);
    EXPECT_EQ(m_devices.CurrentDevice(), nullptr);
    EXPECT_FALSE(m_devices.CollectEntries(entries));
    EXPECT_FALSE(m_devices.SendFeature(kMusic));
    EXPECT_FALSE(m_devices.SendFeatureNow(kMusic));
    EXPECT_FALSE(m_devices.ReadFirmwareVersion(version));
    EXPECT_FALSE(m_devices.WriteReport(kReport));
    EXPECT_FALSE(m_devices.WriteAuxReport(kReport));
    EXPECT_FALSE(m_devices.WritePayload(kPayload));
    EXPECT_EQ(version, -7);
    EXPECT_TRUE(emulator::Received().empty());
}

TEST_F(EmulatedKeyboardTest, AKnownDeviceWithAProductNameNeverMatches) {
    m_devices.AddKnownDevice(0x35F1, 0x4614, L"M614-RGB", 201, 0, L"VID_35F1&PID_4614");
    emulator::Plug(Mode::Cable);
    m_devices.Refresh();
    std::vector<ConnectedDevice> entries;
    EXPECT_FALSE(m_devices.CollectEntries(entries));
    EXPECT_EQ(emulator::OpenHandles(), 0);
}

TEST_F(EmulatedKeyboardTest, CommandsNeedTheOpenFlagAndTheSelectedType) {
    Connect({Mode::Cable});
    m_devices.SetSelectedType(100);
    EXPECT_FALSE(m_devices.SendFeatureNow(kMusic));
    EXPECT_EQ(m_devices.ConnectionKind(), -1);
    m_devices.SetSelectedType(201);
    m_devices.SetOpen(false);
    EXPECT_FALSE(m_devices.SendFeatureNow(kMusic));
    EXPECT_FALSE(m_devices.WriteAuxReport(kReport));
    EXPECT_TRUE(emulator::Received().empty());
}

TEST_F(EmulatedKeyboardTest, CloseAllForgetsTheCurrentDevice) {
    Connect({Mode::Cable});
    ASSERT_NE(m_devices.CurrentDevice(), nullptr);
    m_devices.CloseAll();
    EXPECT_EQ(m_devices.CurrentDevice(), nullptr);

    // Re-enumerated without selecting the type again: commands reach the new handle, never
    // the closed one.
    m_devices.Enumerate();
    m_devices.SetOpen(true);
    EXPECT_TRUE(m_devices.SendFeatureNow(kMusic));
    EXPECT_EQ(Arrived(), std::vector<std::string>{"cable/command feature-send[8] 072345678901"
                                                  "0040"});
}

TEST_F(EmulatedKeyboardTest, FindEntryMatchesVidPidAndMode) {
    Connect({Mode::Cable, Mode::Wireless1});
    EXPECT_EQ(m_devices.FindEntry(0x35F1, 0x4614, L"", 0), 0);
    EXPECT_EQ(m_devices.FindEntry(0x35F1, 0x4615, L"", 1), 1);
    EXPECT_EQ(m_devices.FindEntry(0x35F1, 0x4615, L"", 0), -1);
    EXPECT_EQ(m_devices.FindEntry(0x35F1, 0x4616, L"", 2), -1);
    // The product string is never read, so a named product never matches.
    EXPECT_EQ(m_devices.FindEntry(0x35F1, 0x4614, L"M614-RGB", 0), -1);
}

TEST_F(EmulatedKeyboardTest, AnUnpluggedDeviceFailsAfterOneRetry) {
    Connect({Mode::Cable});
    emulator::Unplug(Mode::Cable);
    EXPECT_FALSE(m_devices.WriteReport(kReport));
    const auto received = emulator::Received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_TRUE(received[0].failed);
    EXPECT_TRUE(received[1].failed);
}

TEST_F(EmulatedKeyboardTest, AnInterfaceThatDoesNotOpenIsLeftOut) {
    // The cable's keyboard, consumer and command interfaces fail to open; the mouse before
    // them is not the keyboard and is never opened.
    emulator::InjectFailure(Failure::OpenFails, 3);
    Connect({Mode::Cable});
    std::vector<ConnectedDevice> entries;
    EXPECT_FALSE(m_devices.CollectEntries(entries));
    EXPECT_TRUE(m_devices.WriteAuxReport(kReport));
}

// Pacing and single retries, timed on the virtual clock by the emulator.
struct PacingCase {
    const char* name;
    std::function<bool(DeviceManager&)> call;
    std::vector<std::pair<Failure, int>> failures;
    bool result;
    // "kind ok|failed @ms" for every attempt, in order
    std::vector<std::string> timeline;
};

class PacingTest : public EmulatedKeyboardTest, public ::testing::WithParamInterface<PacingCase> {};

TEST_P(PacingTest, WaitsAndRetriesOnce) {
    const PacingCase& c = GetParam();
    Connect({Mode::Cable});
    for (const auto& [failure, count] : c.failures) {
        emulator::InjectFailure(failure, count);
    }
    EXPECT_EQ(c.call(m_devices), c.result);
    std::vector<std::string> timeline;
    for (const emulator::Report& report : emulator::Received()) {
        timeline.push_back(report.kind + (report.failed ? " failed @" : " ok @") +
                           std::to_string(static_cast<int>(report.time * 1000 + 0.5)));
    }
    EXPECT_EQ(timeline, c.timeline);
}

bool ReadVersion(DeviceManager& devices) {
    int version = 0;
    return devices.ReadFirmwareVersion(version);
}

INSTANTIATE_TEST_SUITE_P(
    Primitives, PacingTest,
    ::testing::Values(
        PacingCase{"SendFeatureWaits16msAndReportsFalse",
                   [](DeviceManager& d) { return d.SendFeature(kMusic); },
                   {},
                   false,
                   {"feature-send ok @16"}},
        PacingCase{"SendFeatureDoesNotRetry",
                   [](DeviceManager& d) { return d.SendFeature(kMusic); },
                   {{Failure::FeatureSendFails, 1}},
                   false,
                   {"feature-send failed @16"}},
        PacingCase{"SendFeatureNowDoesNotWait",
                   [](DeviceManager& d) { return d.SendFeatureNow(kMusic); },
                   {},
                   true,
                   {"feature-send ok @0"}},
        PacingCase{"WriteReportRetriesAfter10ms",
                   [](DeviceManager& d) { return d.WriteReport(kReport); },
                   {{Failure::WriteTransfersNothing, 1}},
                   true,
                   {"output failed @0", "output ok @10"}},
        PacingCase{"WriteReportRetriesOnlyOnce",
                   [](DeviceManager& d) { return d.WriteReport(kReport); },
                   {{Failure::WriteTransfersNothing, 2}},
                   false,
                   {"output failed @0", "output failed @10"}},
        PacingCase{"WriteAuxReportHidesTheOutcome",
                   [](DeviceManager& d) { return d.WriteAuxReport(kReport); },
                   {{Failure::WriteTransfersNothing, 2}},
                   true,
                   {"output failed @0", "output failed @10"}},
        PacingCase{"WritePayloadRetriesAfter32ms",
                   [](DeviceManager& d) { return d.WritePayload(kPayload); },
                   {{Failure::WriteTransfersNothing, 1}},
                   true,
                   {"output failed @0", "output ok @32"}},
        PacingCase{"WritePayloadRetriesOnlyOnce",
                   [](DeviceManager& d) { return d.WritePayload(kPayload); },
                   {{Failure::WriteTransfersNothing, 2}},
                   false,
                   {"output failed @0", "output failed @32"}},
        PacingCase{"FirmwareReadIsPaced",
                   ReadVersion,
                   {},
                   true,
                   {"feature-send ok @16", "feature-get ok @32"}},
        PacingCase{"FirmwareReadRetriesAWrongReportId",
                   ReadVersion,
                   {{Failure::FeatureGetWrongId, 1}},
                   true,
                   {"feature-send ok @16", "feature-get ok @32", "feature-get ok @48"}},
        PacingCase{"FirmwareReadFailsOnAWrongReportIdTwice",
                   ReadVersion,
                   {{Failure::FeatureGetWrongId, 2}},
                   false,
                   {"feature-send ok @16", "feature-get ok @32", "feature-get ok @48"}},
        PacingCase{"FirmwareReadFailsWhenBothGetsFail",
                   ReadVersion,
                   {{Failure::FeatureGetFails, 2}},
                   false,
                   {"feature-send ok @16", "feature-get failed @32", "feature-get failed @48"}},
        PacingCase{"FirmwareReadStopsWhenTheRequestFails",
                   ReadVersion,
                   {{Failure::FeatureSendFails, 1}},
                   false,
                   {"feature-send failed @16"}}),
    [](const ::testing::TestParamInfo<PacingCase>& info) { return info.param.name; });

TEST_F(EmulatedKeyboardTest, FirmwareVersionComesFromTheReply) {
    emulator::SetFirmwareVersion(0x010A);
    Connect({Mode::Wireless1});
    emulator::InjectFailure(Failure::FeatureGetWrongId, 1);
    int version = 0;
    ASSERT_TRUE(m_devices.ReadFirmwareVersion(version));
    EXPECT_EQ(version, 0x010A);
}

TEST_F(EmulatedKeyboardTest, AFailedGetIsNotTakenForAVersion) {
    Connect({Mode::Cable});
    emulator::InjectFailure(Failure::FeatureGetFails, 2);
    int version = 1234;
    EXPECT_FALSE(m_devices.ReadFirmwareVersion(version));
    EXPECT_EQ(version, 1234);
}

TEST_F(EmulatedKeyboardTest, TheRealSleeperWaitsBeforeTheRetry) {
    emulator::SetClock(nullptr);
    DeviceManager devices; // sleeps for real
    devices.AddKnownDevice(0x35F1, 0x4614, L"", 201, 0, L"");
    emulator::Plug(Mode::Cable);
    devices.Refresh();
    devices.SetSelectedType(201);
    emulator::InjectFailure(Failure::WriteTransfersNothing, 1);
    ASSERT_TRUE(devices.WriteReport(kReport));
    const auto received = emulator::Received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_GE(received[1].time - received[0].time, 0.010);
}

} // namespace
