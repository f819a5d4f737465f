#include "app/device/DriverInstaller.h"
#include "app/device/DriverlessKeyCodes.h"
#include "app/device/DriverlessReportTranslator.h"
#include "app/device/Quillpad.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

using Kind = VirtualInputChange::Kind;

// Feeds the translator exactly what Quillpad writes.
class TranslatingChannel : public IQuillpadChannel {
public:
    bool Find() override { return true; }
    bool IsOpen() const override { return true; }
    bool WriteFrame(const QuillpadFrame& frame) override {
        for (const VirtualInputChange& change : translator.Apply(frame)) {
            changes.push_back(change);
        }
        return true;
    }
    DriverlessReportTranslator translator;
    std::vector<VirtualInputChange> changes;
};

TEST(DriverlessReportTranslator, ProducesOnlyChanges) {
    TranslatingChannel channel;
    Quillpad pad(channel);
    pad.SetKey(4, true);
    pad.SetKey(5, true);
    pad.SetKey(4, true); // already pressed: nothing new
    pad.SetKey(4, false);
    pad.SetMouseButton(1, true);
    pad.SetMouseButton(1, true);
    pad.SetConsumer(0xE9);
    pad.SetConsumer(0xEA);
    pad.Reset();
    const std::vector<VirtualInputChange> expected{
        {Kind::Key, 4, true},          {Kind::Key, 5, true},         {Kind::Key, 4, false},
        {Kind::MouseButton, 1, true},  {Kind::Consumer, 0xE9, true}, {Kind::Consumer, 0xE9, false},
        {Kind::Consumer, 0xEA, true},  {Kind::Key, 5, false},        {Kind::MouseButton, 1, false},
        {Kind::Consumer, 0xEA, false},
    };
    EXPECT_EQ(channel.changes, expected);
}

TEST(DriverlessReportTranslator, ModifiersWrapOtherKeysOfTheSameReport) {
    DriverlessReportTranslator translator;
    QuillpadReports reports;
    SetKeyboardUsage(reports, 6, true);   // C
    SetKeyboardUsage(reports, 224, true); // Ctrl
    auto changes = translator.Apply(BuildQuillpadFrame(reports.keyboard, 1));
    EXPECT_EQ(changes,
              (std::vector<VirtualInputChange>{{Kind::Key, 224, true}, {Kind::Key, 6, true}}));
    changes = translator.Apply(BuildQuillpadFrame(QuillpadReports{}.keyboard, 1));
    EXPECT_EQ(changes,
              (std::vector<VirtualInputChange>{{Kind::Key, 6, false}, {Kind::Key, 224, false}}));
}

TEST(DriverlessReportTranslator, IgnoresForeignFramesAndTheFourthReport) {
    DriverlessReportTranslator translator;
    QuillpadFrame frame = BuildQuillpadFrame(std::vector<std::uint8_t>{0xFF, 0xFF}, 4);
    EXPECT_TRUE(translator.Apply(frame).empty());
    frame = BuildQuillpadFrame(std::vector<std::uint8_t>{0x00, 0xFF}, 1);
    frame[0] = 0x06;
    EXPECT_TRUE(translator.Apply(frame).empty());
}

TEST(DriverlessReportTranslator, ReleaseAllLeavesNothingPressed) {
    DriverlessReportTranslator translator;
    QuillpadReports reports;
    SetKeyboardUsage(reports, 30, true);
    translator.Apply(BuildQuillpadFrame(reports.keyboard, 1));
    EXPECT_EQ(translator.ReleaseAll(), (std::vector<VirtualInputChange>{{Kind::Key, 30, false}}));
    EXPECT_TRUE(translator.ReleaseAll().empty());
}

struct HookCase {
    int virtualKey;
    std::uint32_t scanCode;
    std::uint32_t flags;
    bool down;
    int expected;
};

class HookVirtualKeys : public testing::TestWithParam<HookCase> {};

TEST_P(HookVirtualKeys, MapsNumericPadKeys) {
    const HookCase& c = GetParam();
    EXPECT_EQ(HookVirtualKey(c.virtualKey, c.scanCode, c.flags, c.down), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HookVirtualKeys,
    testing::Values(HookCase{36, 71, 0x00, true, 103},  // pad 7 as Home, NumLock off
                    HookCase{36, 71, 0x80, false, 103}, // its release
                    HookCase{36, 71, 0x01, true, 36},   // the real Home key is extended
                    HookCase{46, 83, 0x00, true, 110},  // pad Del
                    HookCase{45, 82, 0x00, true, 96},   // pad Ins
                    HookCase{36, 71, 0x10, true, 36},   // injected: flags not exactly 0
                    HookCase{13, 28, 0x01, true, 108},  // pad Enter
                    HookCase{13, 28, 0x81, false, 108}, // its release
                    HookCase{13, 28, 0x00, true, 13},   // main Enter
                    HookCase{65, 30, 0x00, true, 65}));

struct UsageCase {
    int virtualKey;
    int usage;
};

class UsageOfKeys : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageOfKeys, FollowsTheUsageTable) {
    EXPECT_EQ(UsageOfVirtualKey(GetParam().virtualKey), GetParam().usage);
}

INSTANTIATE_TEST_SUITE_P(Cases, UsageOfKeys,
                         testing::Values(UsageCase{65, 4}, UsageCase{90, 29}, UsageCase{49, 30},
                                         UsageCase{48, 39}, UsageCase{112, 58}, UsageCase{135, 115},
                                         UsageCase{97, 89}, UsageCase{96, 98}, UsageCase{108, 88},
                                         UsageCase{162, 224}, UsageCase{92, 231},
                                         UsageCase{254, 175}, UsageCase{137, 137},
                                         UsageCase{173, 235}, UsageCase{183, 242}, UsageCase{0, 0},
                                         UsageCase{7, 0}, UsageCase{255, 0}));

// Every keyboard usage a key produces leads back to a key with that usage.
TEST(DriverlessKeyCodes, UsagesRoundTripThroughVirtualKeys) {
    for (int usage = 1; usage < 232; ++usage) {
        const auto stroke = VirtualKeyOfUsage(usage);
        if (stroke) {
            const int back = usage == 88 ? 108 : stroke->virtualKey;
            EXPECT_EQ(UsageOfVirtualKey(back), usage) << usage;
        }
    }
    EXPECT_EQ(VirtualKeyOfUsage(88)->virtualKey, 13);
    EXPECT_TRUE(VirtualKeyOfUsage(88)->extended);
    EXPECT_TRUE(VirtualKeyOfUsage(82)->extended); // Up
    EXPECT_FALSE(VirtualKeyOfUsage(4)->extended);
    EXPECT_FALSE(VirtualKeyOfUsage(50).has_value()); // no key produces it
    EXPECT_FALSE(VirtualKeyOfUsage(232).has_value());
}

TEST(DriverlessKeyCodes, ConsumerUsagesMatchTheMediaKeys) {
    // Each consumer usage leads to the media key whose multimedia code sends that usage.
    const std::vector<std::pair<std::uint16_t, int>> cases{{0xE9, 175}, {0xEA, 174},  {0xE2, 173},
                                                           {0xCD, 179}, {0x223, 172}, {0x192, 183},
                                                           {0x194, 182}};
    for (const auto& [usage, virtualKey] : cases) {
        EXPECT_EQ(VirtualKeyOfConsumerUsage(usage), virtualKey) << usage;
    }
    EXPECT_FALSE(VirtualKeyOfConsumerUsage(0x1234).has_value());
}

class FakeTool : public IDriverTool {
public:
    bool IsFile(const std::wstring& path) override { return files.count(path) > 0; }
    bool Run(const std::wstring& application, const std::wstring& commandLine) override {
        runs.push_back(application + L"|" + commandLine);
        if (commandLine.find(L"install") != std::wstring::npos && installs) {
            installed = true;
        }
        return files.count(application) > 0;
    }
    std::set<std::wstring> files;
    std::vector<std::wstring> runs;
    bool installs = true;
    bool installed = false;
};

class FakeDevice : public IQuillpadChannel {
public:
    explicit FakeDevice(std::function<bool()> present) : m_present(std::move(present)) {}
    bool Find() override { return m_open = m_present(); }
    bool IsOpen() const override { return m_open; }
    bool WriteFrame(const QuillpadFrame&) override { return m_open; }

private:
    std::function<bool()> m_present;
    bool m_open = false;
};

TEST(DriverInstaller, FolderAndCommandLines) {
    EXPECT_EQ(DriverFolder(L"C:\\P\\", true), L"C:\\P\\driver\\x64");
    EXPECT_EQ(DriverFolder(L"C:\\P\\", false), L"C:\\P\\driver\\x86");
    EXPECT_EQ(RemoveCommandLine(), L" remove root\\quillpad");
    EXPECT_EQ(InstallCommandLine(L"C:\\d\\quillgate.inf"),
              L" install \"C:\\d\\quillgate.inf\" root\\quillpad");
}

TEST(DriverInstaller, FallsBackToTheVirtualDeviceInf) {
    FakeTool tool;
    tool.files = {L"D\\devcon.exe", L"D\\quillpad.inf"};
    EXPECT_TRUE(ReinstallVirtualDevice(L"D", tool));
    EXPECT_EQ(tool.runs, (std::vector<std::wstring>{
                             L"D\\devcon.exe| remove root\\quillpad",
                             L"D\\devcon.exe| install \"D\\quillpad.inf\" root\\quillpad"}));
    tool.files.insert(L"D\\quillgate.inf");
    EXPECT_EQ(ChooseInfFile(L"D", tool), L"D\\quillgate.inf");
}

TEST(DriverInstaller, ChoosesKernelDriverAfterInstalling) {
    FakeTool tool;
    tool.files = {L"D\\devcon.exe", L"D\\quillgate.inf"};
    FakeDevice kernel([&] { return tool.installed; });
    FakeDevice driverless([] { return true; });
    EXPECT_EQ(ChooseVirtualDevice(kernel, driverless, L"D", tool),
              InputChannelChoice::KernelDriver);
}

TEST(DriverInstaller, UsesTheUserModeDeviceWhenNothingCanBeInstalled) {
    FakeTool tool; // the shipped state: no devcon.exe, no INF files
    FakeDevice kernel([] { return false; });
    FakeDevice driverless([] { return true; });
    EXPECT_EQ(ChooseVirtualDevice(kernel, driverless, L"D", tool), InputChannelChoice::Driverless);
    EXPECT_TRUE(tool.runs.empty());
}

TEST(DriverInstaller, UnavailableWhenNeitherWorks) {
    FakeTool tool;
    tool.files = {L"D\\devcon.exe", L"D\\quillgate.inf"};
    tool.installs = false;
    FakeDevice kernel([] { return false; });
    FakeDevice driverless([] { return false; });
    EXPECT_EQ(ChooseVirtualDevice(kernel, driverless, L"D", tool), InputChannelChoice::Unavailable);
    EXPECT_EQ(tool.runs.size(), 2u);
}

class FakeFilter : public HidUsbFilter::IFilterChannel {
public:
    explicit FakeFilter(bool opens) : m_opens(opens) {}
    bool Open() override { return m_opens; }
    bool Control(std::uint32_t, const void*, std::size_t, void*, std::size_t) override {
        return false;
    }
    void Cancel() override {}
    void Rearm() override {}
    void Close() override {}

private:
    bool m_opens;
};

struct ChannelCase {
    const char* name;
    bool kernelPad;
    bool kernelFilter;
    bool driverlessFilter;
    InputChannelChoice choice;
    bool usesKernelPad;
    bool usesKernelFilter;
};

class InputChannels : public testing::TestWithParam<ChannelCase> {};

TEST_P(InputChannels, PairTheKeyboardWithAFilter) {
    const ChannelCase& c = GetParam();
    FakeTool tool;
    FakeDevice kernelPad([&] { return c.kernelPad; });
    FakeDevice driverlessPad([] { return true; });
    FakeFilter kernelFilter(c.kernelFilter);
    FakeFilter driverlessFilter(c.driverlessFilter);
    const InputChannelSet set =
        ChooseInputChannels(kernelPad, driverlessPad, kernelFilter, driverlessFilter, L"D", tool);
    EXPECT_EQ(set.choice, c.choice);
    EXPECT_EQ(set.pad,
              c.usesKernelPad ? static_cast<IQuillpadChannel*>(&kernelPad) : &driverlessPad);
    EXPECT_EQ(set.filter, c.usesKernelFilter ? &kernelFilter : &driverlessFilter);
}

// The user-mode filter's hook takes the kernel keyboard's keys for typed ones: the kernel
// keyboard never goes with it.
INSTANTIATE_TEST_SUITE_P(
    Table, InputChannels,
    testing::Values(ChannelCase{"BothDrivers", true, true, true, InputChannelChoice::KernelDriver,
                                true, true},
                    ChannelCase{"KernelKeyboardOnly", true, false, true,
                                InputChannelChoice::Driverless, false, false},
                    ChannelCase{"KernelKeyboardNoFilter", true, false, false,
                                InputChannelChoice::KernelDriver, true, false},
                    ChannelCase{"KernelFilterOnly", false, true, true,
                                InputChannelChoice::Driverless, false, true},
                    ChannelCase{"UserModePair", false, false, true, InputChannelChoice::Driverless,
                                false, false},
                    ChannelCase{"NoFilter", false, false, false, InputChannelChoice::Unavailable,
                                false, false}),
    [](const testing::TestParamInfo<ChannelCase>& info) { return info.param.name; });

} // namespace
