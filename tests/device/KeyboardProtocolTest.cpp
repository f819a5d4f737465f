#include "app/device/KeyboardProtocol.h"
#include "tests/device/EmulatedKeyboard.h"

#include <functional>

namespace {

using emulator::Mode;

// Light positions of a few keys; key 0x05's position lies beyond both colour images.
const LightPositions kPositions{{0x29, 0}, {0x04, 1}, {0x2C, 109}, {0x05, 110}};
const std::vector<KeyColour> kColours{
    {0x29, 0x00332211}, {0x2C, 0x00665544}, {0x05, 0x00FFFFFF}, {0x77, 0x00FFFFFF}};

enum class Command { Light, Reset, Music, UserColours, KeyFrame, Preview };

struct GoldenCase {
    const char* name;
    Command command;
    int deviceType;
    Mode connection; // the plugged mode; the connection kind follows from it
    LightSettings light;
    bool parametersPending;
    // "interface kind[length] bytes", see Hex for how the bytes are written
    std::vector<std::string> expected;
};

LightSettings Light(int mode, int brightness, int speed, int direction, int colorIndex,
                    std::uint32_t colour = 0x00332211, std::uint32_t configFunc = 0x100,
                    int colorful = 1) {
    return {mode, brightness, speed, direction, colorful, colorIndex, colour, configFunc};
}

std::string Expect(const std::string& where, const std::string& bytes) {
    return where + " " + Hex(bytes);
}

const LightSettings kPlain = Light(3, 5, 3, 1, 2);
constexpr int kColourSet = 2;

class GoldenBytesTest : public EmulatedKeyboardTest,
                        public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GoldenBytesTest, SendsExactlyTheseReports) {
    const GoldenCase& c = GetParam();
    Connect({c.connection}, c.deviceType);
    KeyboardProtocol protocol(m_devices, m_clock);
    protocol.SetParametersPending(c.parametersPending);
    const int kind = m_devices.ConnectionKind();

    switch (c.command) {
    case Command::Light:
        protocol.SendLightSettings(c.deviceType, kind, c.light, kColourSet);
        break;
    case Command::Reset:
        protocol.RestoreFactorySettings(c.deviceType, kind);
        break;
    case Command::Music:
        protocol.SendMusicLevel(1, 3, MusicLevel(64, 2.0));
        break;
    case Command::UserColours:
        protocol.UploadUserColours(kColours, kPositions);
        break;
    case Command::KeyFrame:
        protocol.SendKeyFrame(c.deviceType, kind, kColours, kPositions);
        break;
    case Command::Preview:
        protocol.SendLightPreview(c.deviceType, c.light, kColourSet);
        break;
    }
    EXPECT_EQ(Arrived(), c.expected);
}

const std::string kCable = "cable/command feature-send[8]";
const std::string kCableOut = "cable/command output[65]";
const std::string kAux = "cable/aux output[65]";
const std::string kW1 = "wireless1/command output[65]";
const std::string kW2 = "wireless2/command output[65]";

INSTANTIATE_TEST_SUITE_P(
    Commands, GoldenBytesTest,
    ::testing::Values(
        // Feature protocol over cable.
        GoldenCase{"FeatureCable",
                   Command::Light,
                   201,
                   Mode::Cable,
                   kPlain,
                   true,
                   {Expect(kCable, "07 f7 02 02 01 02 04 02")}},
        GoldenCase{"FeatureCableZeroStaysZero",
                   Command::Light,
                   201,
                   Mode::Cable,
                   Light(3, 0, 0, 1, 2, 0, 0),
                   true,
                   {Expect(kCable, "07 f7 02 02 01 00 00 00")}},
        GoldenCase{"FeatureCableMode4CarriesTheColour",
                   Command::Light,
                   201,
                   Mode::Cable,
                   Light(4, 4, 3, 1, 5),
                   true,
                   {Expect(kCable, "07 f7 03 05 11 22 03 33")}},
        GoldenCase{"FeatureCableMode9KeepsTheSpeed",
                   Command::Light,
                   201,
                   Mode::Cable,
                   Light(9, 2, 7, 2, 1, 0, 0),
                   true,
                   {Expect(kCable, "07 f7 08 01 02 07 01 00")}},
        // Feature protocol over the wireless connections: payloads.
        GoldenCase{"FeatureWireless1",
                   Command::Light,
                   201,
                   Mode::Wireless1,
                   kPlain,
                   true,
                   {Expect(kW1, "00 bb aa 99 88 aa 02 02 01 02 04 02")}},
        GoldenCase{"FeatureWirelessZeroStaysZero",
                   Command::Light,
                   201,
                   Mode::Wireless2,
                   Light(3, 0, 0, 1, 2),
                   true,
                   {Expect(kW2, "00 bb aa 99 88 aa 02 02 01 00 00 02")}},
        GoldenCase{"FeatureWirelessMode4CarriesTheColour",
                   Command::Light,
                   201,
                   Mode::Wireless2,
                   Light(4, 4, 3, 1, 5),
                   true,
                   {Expect(kW2, "00 bb aa 99 88 aa 03 05 11 22 03 33")}},
        GoldenCase{"FeatureWirelessMode9HasNoRule",
                   Command::Light,
                   201,
                   Mode::Wireless1,
                   Light(9, 2, 7, 2, 1, 0, 0),
                   true,
                   {Expect(kW1, "00 bb aa 99 88 aa 08 01 02 06 01 00")}},
        // Report protocol: parameters, or the mode select after a mode change.
        GoldenCase{"ReportParameters",
                   Command::Light,
                   100,
                   Mode::Cable,
                   Light(5, 4, 3, 2, 0),
                   true,
                   {Expect(kCableOut, "00 89 00 63 11 22 33 04")}},
        GoldenCase{"ReportParametersMaskFields",
                   Command::Light,
                   100,
                   Mode::Wireless1,
                   Light(5, 200, 0x1F, 7, 0, 0x00CCBBAA, 0, 0),
                   true,
                   {Expect(kW1, "00 89 00 3f aa bb cc c8")}},
        GoldenCase{"ReportModeSelect",
                   Command::Light,
                   100,
                   Mode::Cable,
                   Light(5, 4, 3, 2, 0),
                   false,
                   {Expect(kCableOut, "00 88 00 05")}},
        GoldenCase{"Type200UsesTheReportProtocol",
                   Command::Light,
                   200,
                   Mode::Cable,
                   kPlain,
                   true,
                   {Expect(kCableOut, "00 89 00 53 11 22 33 05")}},
        GoldenCase{"Type300GetsNothing", Command::Light, 300, Mode::Cable, kPlain, true, {}},
        // Restore factory settings.
        GoldenCase{"ResetFeatureCable",
                   Command::Reset,
                   201,
                   Mode::Cable,
                   {},
                   true,
                   {Expect(kCable, "07 f0 aa")}},
        GoldenCase{
            "ResetFeatureWireless",
            Command::Reset,
            201,
            Mode::Wireless1,
            {},
            true,
            {Expect(kW1, "00 bb aa 99 88 aa aa aa aa aa aa"), Expect(kW1, "00 bb aa 99 88")}},
        GoldenCase{"ResetType200",
                   Command::Reset,
                   200,
                   Mode::Cable,
                   {},
                   true,
                   {Expect(kCableOut, "00 ff fe aa ff")}},
        GoldenCase{"ResetType300GetsNothing", Command::Reset, 300, Mode::Cable, {}, true, {}},
        // Music level: any device type, any connection.
        GoldenCase{"MusicLevel",
                   Command::Music,
                   201,
                   Mode::Wireless2,
                   {},
                   true,
                   {"wireless2/command feature-send[8] " + Hex("07 23 45 67 89 01 03 80")}},
        // User colours: report protocol packets, to a feature protocol keyboard too.
        GoldenCase{"UserColoursToAFeatureKeyboard",
                   Command::UserColours,
                   201,
                   Mode::Cable,
                   {},
                   true,
                   {Expect(kCableOut, "00 8b 3c 00 00 11 22 33 ff"),
                    Expect(kCableOut, "00 8b 3c 3c 00"), Expect(kCableOut, "00 8b 3c 78 00"),
                    Expect(kCableOut, "00 8b 3c b4 00"), Expect(kCableOut, "00 8b 3c f0 00"),
                    Expect(kCableOut, "00 8b 3c 2c 01"), Expect(kCableOut, "00 8b 3c 68 01"),
                    Expect(kCableOut, "00 8b 14 a4 01 {16} 44 55 66 ff")}},
        // Per-key frame: the stream start once, then six packets on the auxiliary interface.
        GoldenCase{"KeyFrameOverCable",
                   Command::KeyFrame,
                   100,
                   Mode::Cable,
                   {},
                   true,
                   {Expect(kCableOut, "00 f0 f4 01"), Expect(kAux, "00 f1 3c 00 00 11 22 33"),
                    Expect(kAux, "00 f1 3c 3c 00"), Expect(kAux, "00 f1 3c 78 00"),
                    Expect(kAux, "00 f1 3c b4 00"), Expect(kAux, "00 f1 3c f0 00"),
                    Expect(kAux, "00 f1 1e 2c 01 {27} 44 55 66")}},
        GoldenCase{
            "KeyFrameOverWirelessIsNotSent", Command::KeyFrame, 100, Mode::Wireless1, {}, true, {}},
        GoldenCase{"KeyFrameNotForType200", Command::KeyFrame, 200, Mode::Cable, {}, true, {}},
        // Light preview: report protocol keyboards below type 200.
        GoldenCase{"Preview",
                   Command::Preview,
                   100,
                   Mode::Cable,
                   Light(6, 3, 2, 0, 0),
                   true,
                   {Expect(kCable, "07 ff ff 05 03 02 00 02")}},
        GoldenCase{"PreviewWithoutColourSet",
                   Command::Preview,
                   100,
                   Mode::Cable,
                   Light(6, 3, 2, 0, 0, 0, 0x200),
                   true,
                   {Expect(kCable, "07 ff ff 05 03 02 00 00")}},
        GoldenCase{"PreviewNotForType200",
                   Command::Preview,
                   200,
                   Mode::Cable,
                   Light(6, 3, 2, 0, 0),
                   true,
                   {}}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) { return info.param.name; });

class KeyboardProtocolTest : public EmulatedKeyboardTest {
protected:
    // Each write attempt as "offset [failed] @ms".
    static std::vector<std::string> Timeline() {
        std::vector<std::string> timeline;
        for (const emulator::Report& report : emulator::Received()) {
            const int offset = report.bytes[3] | (report.bytes[4] << 8);
            timeline.push_back(std::to_string(offset) + (report.failed ? " failed @" : " @") +
                               std::to_string(static_cast<int>(report.time * 1000 + 0.5)));
        }
        return timeline;
    }

    KeyboardProtocol m_protocol{m_devices, m_clock};
};

TEST_F(KeyboardProtocolTest, AModeSelectIsFollowedByParameters) {
    Connect({Mode::Cable}, 100);
    m_protocol.SetParametersPending(false);
    const LightSettings light = Light(7, 4, 3, 2, 0);
    m_protocol.SendLightSettings(100, 0, light, 0);
    EXPECT_TRUE(m_protocol.ParametersPending());
    m_protocol.SendLightSettings(100, 0, light, 0);
    EXPECT_EQ(Arrived(), (std::vector<std::string>{Expect(kCableOut, "00 88 00 07"),
                                                   Expect(kCableOut, "00 89 00 63 11 22 33 04")}));
    EXPECT_EQ(emulator::State().mode, 7);
    EXPECT_EQ(emulator::State().brightness, 4);
}

TEST_F(KeyboardProtocolTest, AMissingLightRowSendsNothing) {
    Connect({Mode::Cable}, 100);
    m_protocol.SetParametersPending(false);
    m_protocol.SendLightSettings(100, 0, std::nullopt, 0);
    EXPECT_TRUE(emulator::Received().empty());
    EXPECT_FALSE(m_protocol.ParametersPending());
}

TEST_F(KeyboardProtocolTest, TheStreamStartsOncePerRun) {
    Connect({Mode::Cable}, 100);
    ASSERT_TRUE(m_protocol.SendKeyFrame(100, 0, kColours, kPositions));
    // Unplugged and plugged again: a new connection, the same run.
    emulator::Unplug(Mode::Cable);
    Connect({Mode::Cable}, 100);
    ASSERT_TRUE(m_protocol.SendKeyFrame(100, 0, kColours, kPositions));
    const auto arrived = Arrived();
    ASSERT_EQ(arrived.size(), 6u);
    EXPECT_EQ(arrived[0], Expect(kAux, "00 f1 3c 00 00 11 22 33"));
    EXPECT_EQ(emulator::State().keyColours[327], 0x44);
}

TEST_F(KeyboardProtocolTest, FramePacketsArePacedAndStopWithoutAuxiliaryInterface) {
    Connect({Mode::Wireless2}, 100);
    // Bluetooth has no auxiliary interface: asked for the cable form anyway, the frame sends
    // its start report and stops at the first packet, which finds no interface.
    EXPECT_FALSE(m_protocol.SendKeyFrame(100, 0, kColours, kPositions));
    EXPECT_EQ(Arrived(), std::vector<std::string>{"wireless2/command output[65] 00f0f401"});
    EXPECT_TRUE(m_protocol.StreamStarted());
    EXPECT_EQ(m_clock.NowMs(), 1);
}

TEST_F(KeyboardProtocolTest, UserColoursRetryEachPacketOnce) {
    Connect({Mode::Cable});
    emulator::InjectFailure(emulator::Failure::WriteTransfersNothing, 1, 1);
    EXPECT_TRUE(m_protocol.UploadUserColours(kColours, kPositions));
    EXPECT_EQ(Timeline(),
              (std::vector<std::string>{"0 @1", "60 failed @2", "60 @12", "120 @13", "180 @14",
                                        "240 @15", "300 @16", "360 @17", "420 @18"}));
}

TEST_F(KeyboardProtocolTest, UserColoursStopAtTheFirstFailedWrite) {
    Connect({Mode::Cable});
    emulator::InjectFailure(emulator::Failure::WriteTransfersNothing, 2, 2);
    EXPECT_FALSE(m_protocol.UploadUserColours(kColours, kPositions));
    // The packets before the failed one stay sent.
    EXPECT_EQ(Timeline(),
              (std::vector<std::string>{"0 @1", "60 @2", "120 failed @3", "120 failed @13"}));
}

TEST_F(KeyboardProtocolTest, UploadedColoursLandInTheKeyboard) {
    Connect({Mode::Wireless1});
    ASSERT_TRUE(m_protocol.UploadUserColours(kColours, kPositions));
    const auto& image = emulator::State().userColours;
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 8),
              (std::vector<std::uint8_t>{0x11, 0x22, 0x33, 0xFF, 0, 0, 0, 0}));
    EXPECT_EQ(image[436], 0x44);
    EXPECT_EQ(image[439], 0xFF);
    EXPECT_EQ(m_clock.NowMs(), 8);
}

TEST_F(KeyboardProtocolTest, WirelessResetWaits1600msBetweenItsPayloads) {
    Connect({Mode::Wireless1});
    m_protocol.RestoreFactorySettings(201, 1);
    const auto received = emulator::Received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_DOUBLE_EQ(received[1].time - received[0].time, 1.6);
    EXPECT_EQ(emulator::State().factoryResets, 1);
}

TEST_F(KeyboardProtocolTest, CableResetWaits100msAfterwards) {
    Connect({Mode::Cable});
    m_protocol.RestoreFactorySettings(201, 0);
    EXPECT_EQ(m_clock.NowMs(), 16 + 100);
    EXPECT_EQ(emulator::State().factoryResets, 1);
}

TEST_F(KeyboardProtocolTest, FirmwareVersion010AReadsAs10) {
    emulator::SetFirmwareVersion(0x010A);
    Connect({Mode::Cable});
    int number = 0;
    ASSERT_TRUE(m_protocol.ReadFirmwareNumber(number));
    EXPECT_EQ(number, 10);
    EXPECT_FALSE(FirmwareOutdated(number, L"10"));
    EXPECT_TRUE(FirmwareOutdated(number, L"11"));
}

TEST_F(KeyboardProtocolTest, NoFirmwareNumberWithoutAReply) {
    Connect({Mode::Cable});
    emulator::InjectFailure(emulator::Failure::FeatureGetWrongId, 2);
    int number = -1;
    EXPECT_FALSE(m_protocol.ReadFirmwareNumber(number));
    EXPECT_EQ(number, -1);
}

} // namespace
