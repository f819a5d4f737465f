#include "app/core/DeviceCatalog.h"
#include "tests/core/DeviceCatalogFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

std::wstring ToWide(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return Utf8ToWide(std::string(text.begin(), text.end()));
}

int FilledCells(const KeyGrid& grid) {
    int count = 0;
    for (const auto& row : grid) {
        count += static_cast<int>(std::count_if(
            row.begin(), row.end(), [](uint8_t cell) { return cell != kEmptyGridCell; }));
    }
    return count;
}

std::string Layout(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<device.info>" + body + "</device.info>";
}

const std::string kOneKeyboard = R"(<?xml version="1.0" encoding="UTF-8"?>
<config>
  <device.info>
    <keyboard name="Board" device_type="201" device_info="board">
      <mode value="0" desc="cable" vid="0x1234" pid="0x0001" product_name="" hid_interface="VID_1234&amp;PID_0001"/>
      <mode value="1" desc="radio" vid="1234" pid="2" product_name="Radio" hid_interface="PID_0002"/>
    </keyboard>
  </device.info>
  <software name="App" version="2.5">
    <website url="http://w/"/>
    <store url="http://s/"/>
    <upgrade url="http://u/"/>
    <copyright info="(c) Board"/>
  </software>
</config>)";

const std::string kLightModes =
    R"(<light rgb_keyboard="1" default_mode="3" default_brightness="4" default_speed="2" brightness_max="5" speed_max="6">
    <info name="401" mode="1" attribute="0"/>
    <info name="402" mode="2" attribute="3"/>
  </light>)";
const std::string kFirmware = R"(<firmware version="1.2" file="fw.bin" url="http://f/"/>)";
const std::string kTwoKeys =
    R"(<Keyboard xpos="0" ypos="0" width="10" height="10" image="b.png" row_count="1" col_count="2">
    <KeyItems>
      <key code="0x29" name="Esc" desc="Escape" key_index="0" row_col="0#0" rect="0#0#5#5"/>
      <key code="0x3A" name="F1" desc="F1" key_index="1" row_col="0#1" rect="5#0#5#5"/>
    </KeyItems>
  </Keyboard>)";

class DeviceCatalogTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder =
            std::filesystem::temp_directory_path() / (std::string("catalog-") + info->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder / "layouts");
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void WriteConfig(const std::string& text) const {
        std::ofstream(m_folder / "config.xml", std::ios::binary | std::ios::trunc) << text;
    }
    void WriteLayout(const std::string& name, const std::string& text) const {
        std::ofstream(m_folder / "layouts" / (name + ".xml"), std::ios::binary | std::ios::trunc)
            << text;
    }

    // A catalog over the test's folder, or over another program folder.
    DeviceCatalog& Catalog(const std::wstring& programFolder = {}) {
        m_catalog.emplace(programFolder.empty() ? ToWide(m_folder) : programFolder, kDataFolder,
                          m_host, m_registry, m_database);
        return *m_catalog;
    }
    ViewState& View(KeyboardView view) { return m_host.views[view]; }

    const std::wstring kDataFolder = L"data-folder";
    std::filesystem::path m_folder;
    CallLog m_log;
    FakeHost m_host{m_log};
    FakeRegistry m_registry{m_log};
    FakeDatabase m_database{m_log};
    std::optional<DeviceCatalog> m_catalog;
};

TEST_F(DeviceCatalogTest, LoadsTheShippedKeyboard) {
    DeviceCatalog& catalog = Catalog(Utf8ToWide(CLAVIRA_DATA_DIR));
    catalog.LoadDeviceList();

    ASSERT_EQ(catalog.KeyboardList().size(), 1u);
    EXPECT_EQ(catalog.KeyboardList()[0].name, L"M614-RGB");
    EXPECT_EQ(catalog.KeyboardList()[0].deviceType, 201);
    ASSERT_EQ(catalog.ConnectionList().size(), 3u);
    for (int mode = 0; mode < 3; ++mode) {
        EXPECT_EQ(catalog.ConnectionList()[mode].connectionMode, mode);
        EXPECT_EQ(catalog.ConnectionList()[mode].vendorId, 0x35F1);
        EXPECT_EQ(catalog.ConnectionList()[mode].deviceType, 201);
    }
    EXPECT_EQ(
        std::count_if(m_log.begin(), m_log.end(),
                      [](const std::string& call) { return call.starts_with("AddKnownDevice"); }),
        3);

    const DeviceDescription& d = catalog.Description();
    EXPECT_EQ(d.currentKeyboardName, L"M614-RGB");
    EXPECT_EQ(d.featureMask, 0x47u);
    EXPECT_TRUE(d.HasFirmwarePackage());
    EXPECT_EQ(d.lightModes.size(), 18u);
    EXPECT_EQ(d.lightPositions.size(), 105u);
    EXPECT_EQ(FilledCells(d.keyGrid), 105) << "every key has a cell of its own";
    EXPECT_EQ(d.gridRows, 6);
    EXPECT_EQ(d.programVersion, L"1.0.0");
    for (KeyboardView view :
         {KeyboardView::CustomKeys, KeyboardView::Lighting, KeyboardView::Settings}) {
        EXPECT_EQ(View(view).keys.size(), 105u);
    }
}

TEST_F(DeviceCatalogTest, LoadDeviceListRegistersEveryModeAndSelectsTheKeyboard) {
    WriteConfig(kOneKeyboard);
    DeviceCatalog& catalog = Catalog();
    catalog.LoadDeviceList();

    const CallLog expected = {
        "AddDevice Board 201",
        "AddKnownDevice 4660 1 [] 201 0 [VID_1234&PID_0001]",
        "AddKnownDevice 4660 2 [Radio] 201 1 [PID_0002]",
        "SetVersionLabel Ver: 2.5",
        "SetCopyrightLabel (c) Board",
        "Open data-folder [Board]",
        "RegisterDeviceNotification",
    };
    EXPECT_EQ(m_log, expected);

    ASSERT_EQ(catalog.KeyboardList().size(), 1u);
    const DeviceEntry& keyboard = catalog.KeyboardList()[0];
    EXPECT_EQ(keyboard.layoutName, L"board");
    EXPECT_EQ(keyboard.vendorId, 0);
    EXPECT_TRUE(keyboard.description.empty());
    EXPECT_EQ(keyboard.slot, -1);

    ASSERT_EQ(catalog.ConnectionList().size(), 2u);
    const DeviceEntry& radio = catalog.ConnectionList()[1];
    EXPECT_EQ(radio.name, L"Radio");
    EXPECT_EQ(radio.layoutName, L"board");
    EXPECT_EQ(radio.description, L"radio");
    EXPECT_EQ(radio.productId, 2);
    EXPECT_EQ(radio.connected, 0);
    EXPECT_EQ(radio.slot, -1);

    const DeviceDescription& d = catalog.Description();
    EXPECT_EQ(d.currentDeviceType, 201);
    EXPECT_EQ(d.currentKeyboardName, L"Board");
    EXPECT_EQ(d.websiteAddress, L"http://w/");
    EXPECT_EQ(d.storeAddress, L"http://s/");
    EXPECT_EQ(d.upgradeAddress, L"http://u/");

    catalog.LoadDeviceList();
    EXPECT_EQ(catalog.KeyboardList().size(), 1u) << "a new load rebuilds the lists";
    EXPECT_EQ(catalog.ConnectionList().size(), 2u);
}

TEST_F(DeviceCatalogTest, ModeWithoutVendorIdRegistersZero) {
    WriteConfig(R"(<config><device.info><keyboard name="K" device_type="201" device_info="k">
        <mode value="2" pid="0x10"/>
        </keyboard></device.info></config>)");
    Catalog().LoadDeviceList();
    EXPECT_NE(std::find(m_log.begin(), m_log.end(), "AddKnownDevice 0 16 [] 201 2 []"),
              m_log.end());
}

TEST_F(DeviceCatalogTest, OnlyTheFirstKeyboardOfADeviceTypeIsSelected) {
    WriteConfig(R"(<config><device.info>
        <keyboard name="First" device_type="201" device_info="first"/>
        <keyboard name="Second" device_type="201" device_info="second"/>
        </device.info></config>)");
    WriteLayout("first", Layout(R"(<firmware version="1" file="first.bin"/>)"));
    WriteLayout("second", Layout(R"(<firmware version="2" file="second.bin"/>)"));
    DeviceCatalog& catalog = Catalog();
    catalog.LoadDeviceList();
    catalog.SelectKeyboard(201);

    EXPECT_EQ(catalog.KeyboardList().size(), 2u);
    EXPECT_EQ(catalog.Description().currentKeyboardName, L"First");
    EXPECT_EQ(catalog.Description().firmwareFile, L"first.bin");
    EXPECT_EQ(std::count(m_log.begin(), m_log.end(), "Open data-folder [Second]"), 0);
}

TEST_F(DeviceCatalogTest, MissingOrMalformedConfigLeavesEmptyLists) {
    const struct {
        const char* what;
        const char* text; // null: no file
    } cases[] = {
        {"missing", nullptr},
        {"empty", ""},
        {"not well formed", "<config><device.info><keyboard name=\"K\" device_type=\"201\">"},
        {"another root", "<settings><device.info><keyboard name=\"K\" device_type=\"201\"/>"
                         "</device.info></settings>"},
    };
    for (const auto& c : cases) {
        WriteConfig(kOneKeyboard);
        DeviceCatalog& catalog = Catalog();
        catalog.LoadDeviceList();
        if (c.text) {
            WriteConfig(c.text);
        } else {
            std::filesystem::remove(m_folder / "config.xml");
        }
        m_log.clear();
        catalog.LoadDeviceList();

        EXPECT_TRUE(catalog.KeyboardList().empty()) << c.what;
        EXPECT_TRUE(catalog.ConnectionList().empty()) << c.what;
        EXPECT_TRUE(catalog.Description().currentKeyboardName.empty()) << c.what;
        const CallLog expected = {"Close", "Open data-folder []", "RegisterDeviceNotification"};
        EXPECT_EQ(m_log, expected) << c.what;
    }
}

TEST_F(DeviceCatalogTest, LightListedBeforeFirmwareIsNotSeen) {
    WriteConfig(kOneKeyboard);
    WriteLayout("board", Layout(kLightModes + kFirmware));
    DeviceCatalog& catalog = Catalog();
    catalog.LoadDeviceList();
    EXPECT_EQ(catalog.Description().firmwareFile, L"fw.bin");
    EXPECT_TRUE(catalog.Description().lightModes.empty());
    EXPECT_EQ(catalog.Description().defaultLightMode, 0);

    WriteLayout("board", Layout(kFirmware + kLightModes));
    catalog.SelectKeyboard(201);
    const DeviceDescription& d = catalog.Description();
    EXPECT_EQ(d.firmwareAddress, L"http://f/");
    ASSERT_EQ(d.lightModes.size(), 2u);
    EXPECT_EQ(d.lightModes[1].name, L"402");
    EXPECT_EQ(d.lightModes[1].mode, 2);
    EXPECT_EQ(d.lightModes[1].attribute, 3);
    EXPECT_TRUE(d.rgbKeyboard);
    EXPECT_EQ(d.defaultLightMode, 3);
    EXPECT_EQ(d.defaultBrightness, 4);
    EXPECT_EQ(d.defaultSpeed, 2);
    EXPECT_EQ(d.brightnessMax, 5);
    EXPECT_EQ(d.speedMax, 6);
}

TEST_F(DeviceCatalogTest, UnreadableLayoutKeepsThePreviousDescription) {
    const struct {
        const char* what;
        const char* text; // null: no file
    } cases[] = {
        {"missing", nullptr},
        {"not well formed", "<device.info><menu macro=\"0\"/>"},
        {"another root", "<layout><menu macro=\"0\" light_mode=\"0\"/></layout>"},
    };
    for (const auto& c : cases) {
        WriteConfig(kOneKeyboard);
        WriteLayout("board", Layout(R"(<menu macro="1" light_mode="1"/>)" + kFirmware +
                                    kLightModes + kTwoKeys));
        DeviceCatalog& catalog = Catalog();
        catalog.LoadDeviceList();
        const DeviceDescription before = catalog.Description();
        const int clears = View(KeyboardView::CustomKeys).clears;

        if (c.text) {
            WriteLayout("board", c.text);
        } else {
            std::filesystem::remove(m_folder / "layouts" / "board.xml");
        }
        catalog.SelectKeyboard(201);

        const DeviceDescription& d = catalog.Description();
        EXPECT_EQ(d.featureMask, before.featureMask) << c.what;
        EXPECT_EQ(d.firmwareFile, before.firmwareFile) << c.what;
        EXPECT_EQ(d.lightModes.size(), 2u) << c.what;
        EXPECT_EQ(d.lightPositions, before.lightPositions) << c.what;
        EXPECT_EQ(d.keyGrid, before.keyGrid) << c.what;
        EXPECT_EQ(d.gridColumns, 2) << c.what;
        EXPECT_TRUE(d.firmwareAddress.empty())
            << c.what << ": the address is cleared before loading";
        EXPECT_EQ(View(KeyboardView::CustomKeys).clears, clears) << c.what;
        EXPECT_EQ(View(KeyboardView::CustomKeys).keys.size(), 2u) << c.what;
    }
}

TEST_F(DeviceCatalogTest, KeysFillTheGridThePositionsAndTheViews) {
    WriteConfig(kOneKeyboard);
    WriteLayout("board", Layout(R"(
      <Keyboard xpos="5" ypos="6" width="100" height="50" image="kb.png" row_count="3" col_count="14">
        <KeyItems>
          <key code="0x29" name="Esc" desc="Escape" key_index="0" row_col="0#5" rect="10#20#30#40"/>
          <key code="0x3A" name="F1" desc="Function 1" key_index="1" row_col="2#13" rect="1#2#3"/>
          <key code="0x04" name="A" desc="A" key_index="110" row_col="9#1" rect="0#0#1#1"/>
          <key code="0x1FF" name="Wide" desc="Wide" key_index="5" row_col="1#1" rect="0#0#1#1"/>
          <key code="0xFF" name="Marker" desc="Marker" key_index="6" row_col="1#2" rect="0#0#1#1"/>
          <key code="0x29" name="Esc2" desc="Escape again" key_index="7" row_col="1#3" rect="0#0#1#1"/>
        </KeyItems>
      </Keyboard>)"));
    DeviceCatalog& catalog = Catalog();
    catalog.LoadDeviceList();
    const DeviceDescription& d = catalog.Description();

    EXPECT_EQ(d.gridRows, 3);
    EXPECT_EQ(d.gridColumns, 14);
    EXPECT_EQ(d.keyGrid[0][5], 0x29);
    EXPECT_EQ(d.keyGrid[2][13], 0x3A);
    EXPECT_EQ(d.keyGrid[1][3], 0x29);
    EXPECT_EQ(FilledCells(d.keyGrid), 3)
        << "no cell for row 9, code 0x1FF or the empty marker 0xFF";

    const std::map<int, int> positions = {{0x29, 7}, {0x3A, 1}, {0x1FF, 5}, {0xFF, 6}};
    EXPECT_EQ(d.lightPositions, positions) << "key_index 110 lies past the colour data";
    EXPECT_EQ(d.LightPosition(0x3A), 1);
    EXPECT_EQ(d.LightPosition(0x04), std::nullopt);

    for (KeyboardView view :
         {KeyboardView::CustomKeys, KeyboardView::Lighting, KeyboardView::Settings}) {
        const ViewState& state = View(view);
        ASSERT_EQ(state.pictures.size(), 1u);
        EXPECT_EQ(state.pictures[0].rect, (KeyRect{5, 6, 105, 56}));
        EXPECT_EQ(state.pictures[0].image, L"keyboard\\kb.png");
        EXPECT_EQ(state.pictures[0].width, 100);
        EXPECT_EQ(state.pictures[0].height, 50);
        ASSERT_EQ(state.keys.size(), 6u) << "every key is shown, placed or not";
        EXPECT_EQ(state.keys[0].name, L"Esc");
        EXPECT_EQ(state.keys[0].text, L"Escape");
        EXPECT_EQ(state.keys[0].keyValue, 0x29);
        EXPECT_EQ(state.keys[0].rect, (KeyRect{10, 20, 40, 60}));
        EXPECT_EQ(state.keys[1].rect, (KeyRect{1, 2, 4, 2}));
    }
}

TEST_F(DeviceCatalogTest, EveryCodeSharesPositionZeroWhileNoKeyIsListed) {
    WriteConfig(kOneKeyboard);
    WriteLayout("board", Layout(R"(<Keyboard width="10" height="10"/>)"));
    DeviceCatalog& catalog = Catalog();
    catalog.LoadDeviceList();
    EXPECT_EQ(catalog.Description().LightPosition(0x29), 0);
    EXPECT_EQ(catalog.Description().LightPosition(0x3A), 0);
}

TEST_F(DeviceCatalogTest, MenuDecidesWhichViewsAreFilled) {
    const struct {
        const char* menu;
        uint32_t mask;
        size_t customKeys, lighting, settings;
    } cases[] = {
        {R"(<menu macro="1" light_mode="1"/>)", 0x47, 2, 2, 2},
        {R"(<menu macro="0" light_mode="1"/>)", 0x45, 2, 2, 2},
        {R"(<menu/>)", 0x41, 2, 0, 2},
        {R"(<menu macro="1" light_mode="0"/>)", 0x43, 2, 0, 2},
        {"", 0x43, 2, 0, 2}, // no menu: the previous mask stays
    };
    WriteConfig(kOneKeyboard);
    DeviceCatalog& catalog = Catalog();
    catalog.LoadDeviceList();
    EXPECT_EQ(catalog.Description().featureMask, kAllFeatures) << "every page before any layout";
    for (const auto& c : cases) {
        WriteLayout("board", Layout(c.menu + kTwoKeys));
        catalog.SelectKeyboard(201);
        EXPECT_EQ(catalog.Description().featureMask, c.mask) << c.menu;
        EXPECT_EQ(View(KeyboardView::CustomKeys).keys.size(), c.customKeys) << c.menu;
        EXPECT_EQ(View(KeyboardView::Lighting).keys.size(), c.lighting)
            << c.menu << ": a disabled view keeps no keys of an earlier layout";
        EXPECT_EQ(View(KeyboardView::Settings).keys.size(), c.settings) << c.menu;
    }
}

TEST_F(DeviceCatalogTest, GridSizeStaysInsideTheGrid) {
    const struct {
        const char* rows;
        const char* columns;
        int gridRows, gridColumns;
    } cases[] = {
        {"6", "22", 6, 22}, {"8", "32", 8, 32}, {"9", "40", 8, 32},
        {"-1", "-5", 0, 0}, {"", "x", 0, 0},
    };
    WriteConfig(kOneKeyboard);
    DeviceCatalog& catalog = Catalog();
    for (const auto& c : cases) {
        WriteLayout("board", Layout(std::string("<Keyboard row_count=\"") + c.rows +
                                    "\" col_count=\"" + c.columns + "\"/>"));
        catalog.LoadDeviceList();
        EXPECT_EQ(catalog.Description().gridRows, c.gridRows) << c.rows;
        EXPECT_EQ(catalog.Description().gridColumns, c.gridColumns) << c.columns;
    }
}

TEST_F(DeviceCatalogTest, SelectingAKeyboardReopensTheDatabase) {
    WriteConfig(kOneKeyboard);
    WriteLayout("board", Layout(kFirmware + kTwoKeys));
    DeviceCatalog& catalog = Catalog();
    catalog.LoadDeviceList();
    m_log.clear();

    catalog.SelectKeyboard(5);
    const CallLog expected = {"Close", "Open data-folder []"};
    EXPECT_EQ(m_log, expected);
    EXPECT_EQ(catalog.Description().currentDeviceType, 5);
    EXPECT_TRUE(catalog.Description().currentKeyboardName.empty());
    EXPECT_EQ(catalog.Description().firmwareFile, L"fw.bin") << "no layout to load: it stays";
}

} // namespace
