#include "tests/store/StoreFixture.h"

#include <atomic>
#include <thread>

namespace {

using ProfileStoreTest = StoreFixture;

KeyAssignment Assignment(int profile, int keyCode, int kind, int value, int value2 = 0) {
    KeyAssignment a;
    a.profile = profile;
    a.keyCode = keyCode;
    a.kind = kind;
    a.value = value;
    a.value2 = value2;
    a.value3 = 7;
    a.layoutValue = 5;
    a.layoutText = L"layout \u00E9";
    a.text = L"text \u4E2D";
    return a;
}

std::vector<MacroRecord> Records(int macroId, const std::vector<int>& values) {
    std::vector<MacroRecord> list;
    for (size_t i = 0; i < values.size(); ++i) {
        list.push_back({0, macroId, 2, static_cast<int>(i), values[i], 10, L"k"});
    }
    return list;
}

TEST_F(ProfileStoreTest, SchemaIsTheFileFormat) {
    const std::vector<std::string> expected = {
        "table|t_configdata|CREATE TABLE t_configdata(config_id INTEGER PRIMARY KEY "
        "AUTOINCREMENT, profile INTEGER, key TEXT, value TEXT)",
        "table|t_profile_data|CREATE TABLE t_profile_data(profile INTEGER PRIMARY KEY "
        "AUTOINCREMENT, name TEXT, status INTEGER, app TEXT, type INTEGER)",
        "index|profileindex|CREATE INDEX profileindex ON t_profile_data(profile)",
        "table|t_key_macro_data|CREATE TABLE t_key_macro_data(key_id INTEGER PRIMARY KEY "
        "AUTOINCREMENT, profile INTEGER, fn_layer INTEGER, key_code INTEGER, layout_value "
        "INTEGER, layout_desc TEXT, macro_type INTEGER, macro_value INTEGER, macro_value2 "
        "INTEGER, macro_value3 INTEGER, macro_desc TEXT)",
        "index|keyindex|CREATE INDEX keyindex ON t_key_macro_data(key_id)",
        "table|t_key_otherdata|CREATE TABLE t_key_otherdata(macro_value INTEGER PRIMARY KEY "
        "AUTOINCREMENT, macro_desc TEXT, param TEXT, type INTEGER)",
        "index|otheridindex|CREATE INDEX otheridindex ON t_key_otherdata(macro_value)",
        "table|t_macro_data|CREATE TABLE t_macro_data(macro_id INTEGER PRIMARY KEY "
        "AUTOINCREMENT, play_times INTEGER, delay_type INTEGER, delay_time INTEGER, link_count "
        "INTEGER, name TEXT)",
        "index|macroidindex|CREATE INDEX macroidindex ON t_macro_data(macro_id)",
        "table|t_macrorecord|CREATE TABLE t_macrorecord(record_id INTEGER PRIMARY KEY "
        "AUTOINCREMENT, macro_id INTEGER, type INTEGER, record_index INTEGER, desc TEXT, value "
        "INTEGER, delay_time INTEGER)",
        "index|macrorecordindex|CREATE INDEX macrorecordindex ON t_macrorecord(record_id)",
        "table|t_light_data|CREATE TABLE t_light_data(light_id INTEGER PRIMARY KEY "
        "AUTOINCREMENT, profile INTEGER, name TEXT, mode INTEGER, brightness INTEGER, speed "
        "INTEGER, direction INTEGER, colorful INTEGER, colorindex INTEGER, color_value INTEGER, "
        "config_func INTEGER, reserved INTEGER, status INTEGER)",
        "index|lightindex|CREATE INDEX lightindex ON t_light_data(light_id)",
        "table|t_key_light_data|CREATE TABLE t_key_light_data(keylight_id INTEGER PRIMARY KEY "
        "AUTOINCREMENT, profile INTEGER, light_id INTEGER, key_code INTEGER, key_rgb INTEGER)",
        "index|keylightindex|CREATE INDEX keylightindex ON t_key_light_data(keylight_id)",
        "table|t_musiclayer_data|CREATE TABLE t_musiclayer_data(layer_id INTEGER PRIMARY KEY "
        "AUTOINCREMENT, profile INTEGER, name TEXT, deviceindex INTEGER, foremode INTEGER, "
        "fore_amplitude INTEGER, backmode INTEGER, backb_right INTEGER, sel INTEGER)",
        "index|musiclayerindex|CREATE INDEX musiclayerindex ON t_musiclayer_data(layer_id)",
    };
    const std::string query = "SELECT type, name, sql FROM sqlite_master WHERE name <> "
                              "'sqlite_sequence' ORDER BY rowid";
    EXPECT_EQ(Rows(query), expected);

    // Opening the file again re-runs the creation statements, which must leave it as it is.
    ASSERT_TRUE(m_store.Close());
    ASSERT_TRUE(m_store.Open(Folder(), kKeyboard));
    EXPECT_EQ(Rows(query), expected);
}

TEST_F(ProfileStoreTest, NewDatabaseHoldsExactlyTheDefaults) {
    LightDefaults lights;
    lights.modes = {{L"301", 1, 0x1}, {L"302", 2, 0x200}, {L"303", 5, 0x400}};
    lights.brightness = 4;
    lights.speed = 3;
    lights.mode = 2;
    for (int pass = 0; pass < 2; ++pass) { // the second pass finds the rows and adds nothing
        ASSERT_TRUE(m_store.CreateDefaultProfiles(L"Profile"));
        ASSERT_TRUE(m_store.CreateDefaultLightSettings(lights));
        ASSERT_TRUE(m_store.CreateDefaultMusicLayer(L"Music 1", 17));
    }
    EXPECT_EQ(
        Rows("SELECT * FROM t_profile_data"),
        (std::vector<std::string>{"1|Profile 1|1||0", "2|Profile 2|0||0", "3|Profile 3|0||0"}));
    EXPECT_EQ(Rows("SELECT * FROM t_configdata"),
              (std::vector<std::string>{
                  "1|1|version|1.0.1", "2|1|keyboard_layout|1", "3|1|fn_layer|0", "4|1|lightmode|1",
                  "5|1|sleep_light|1", "6|1|userlight|0", "7|1|customlight_run|0", "8|1|gamemode|0",
                  "9|1|disable_alttab|0", "10|1|disable_altf4|0", "11|1|disable_win|0"}));
    EXPECT_EQ(Rows("SELECT * FROM t_light_data"),
              (std::vector<std::string>{"1|1|301|1|4|3|0|1|0|255|1|0|0",
                                        "2|1|302|2|4|3|0|1|0|255|512|0|1",
                                        "3|1|303|5|4|3|0|1|0|255|1024|0|0"}));
    EXPECT_EQ(Rows("SELECT * FROM t_musiclayer_data"),
              std::vector<std::string>{"1|1|Music 1|0|17|300|0|100|1"});
    for (const char* table : {"t_key_macro_data", "t_key_otherdata", "t_macro_data",
                              "t_macrorecord", "t_key_light_data"}) {
        EXPECT_EQ(Rows(std::string("SELECT count(*) FROM ") + table), std::vector<std::string>{"0"})
            << table;
    }
    EXPECT_EQ(m_store.GetActiveProfile(), 1);
    EXPECT_EQ(m_store.GetActiveLightMode(1), 2);
    EXPECT_EQ(m_store.GetSelectedMusicLayer(), 1);
}

TEST_F(ProfileStoreTest, ProfilesKeepIdsAndOneActiveMark) {
    ProfileRecord record;
    record.name = L"\u914D\u7F6E one";
    const int first = m_store.AddProfile(record);
    const int second = m_store.AddProfile(record);
    ASSERT_EQ(first, 1);
    ASSERT_EQ(second, 2);
    EXPECT_TRUE(m_store.RenameProfile(second, L"renamed"));
    std::wstring name = L"stale";
    EXPECT_TRUE(m_store.GetProfileName(second, name));
    EXPECT_EQ(name, L"renamed");
    EXPECT_FALSE(m_store.GetProfileName(99, name));
    EXPECT_EQ(name, L"") << "emptied first";

    EXPECT_EQ(m_store.GetActiveProfile(), 0);
    EXPECT_TRUE(m_store.SetActiveProfile(first));
    EXPECT_TRUE(m_store.SetActiveProfile(second));
    EXPECT_EQ(Rows("SELECT profile FROM t_profile_data WHERE status = 1"),
              std::vector<std::string>{"2"});

    std::vector<ProfileRecord> list(3);
    ASSERT_EQ(m_store.ListProfiles(list), 2);
    EXPECT_EQ(list[0].name, L"\u914D\u7F6E one");
    EXPECT_EQ(list[1].status, 1);

    EXPECT_TRUE(m_store.DeleteProfile(first));
    EXPECT_TRUE(m_store.DeleteProfile(second));
    EXPECT_EQ(m_store.AddProfile(record), 3) << "ids are never reused";
}

TEST_F(ProfileStoreTest, SavingAnAssignmentReplacesTheKeysRow) {
    struct Case {
        const char* what;
        KeyAssignment saved;
        bool stored;
    };
    const Case cases[] = {
        {"key", Assignment(1, 30, 2, 65), true},
        {"modifiers only", Assignment(1, 30, 7, 0, 3), true},
        {"disabled key keeps its row", Assignment(1, 30, kKindDisabled, 0, 0), true},
        {"empty assignment resets", Assignment(1, 30, 0, 0, 0), false},
        {"resetting again is harmless", Assignment(1, 30, 0, 0, 0), false},
    };
    for (const Case& c : cases) {
        const int id = m_store.SaveKeyAssignment(c.saved);
        KeyAssignment read;
        const bool found = m_store.GetKeyAssignment(1, 0, 30, read);
        EXPECT_EQ(found, c.stored) << c.what;
        EXPECT_EQ(id > 0, c.stored) << c.what;
        if (found) {
            EXPECT_EQ(read.keyId, id) << c.what;
            EXPECT_EQ(read.kind, c.saved.kind) << c.what;
            EXPECT_EQ(read.value2, c.saved.value2) << c.what;
            EXPECT_EQ(read.layoutText, c.saved.layoutText) << c.what;
            EXPECT_EQ(read.text, c.saved.text) << c.what;
        }
        EXPECT_LE(Rows("SELECT * FROM t_key_macro_data").size(), 1u) << c.what;
    }
}

TEST_F(ProfileStoreTest, KeyCodeZeroChangesNothing) {
    ASSERT_GT(m_store.SaveKeyAssignment(Assignment(1, 30, 2, 65)), 0);
    const auto before = Rows("SELECT * FROM t_key_macro_data");
    EXPECT_EQ(m_store.SaveKeyAssignment(Assignment(1, 0, 2, 66)), 0);
    EXPECT_EQ(m_store.SaveKeyAssignment(Assignment(1, 0, 0, 0)), 0);
    EXPECT_EQ(Rows("SELECT * FROM t_key_macro_data"), before);
}

TEST_F(ProfileStoreTest, FailedInsertKeepsThePreviousAssignment) {
    ASSERT_GT(m_store.SaveKeyAssignment(Assignment(1, 30, 2, 65)), 0);
    ASSERT_TRUE(FailInsertsWhere("t_key_macro_data", "macro_value", 999));
    EXPECT_EQ(m_store.SaveKeyAssignment(Assignment(1, 30, 2, 999)), 0);
    KeyAssignment read;
    ASSERT_TRUE(m_store.GetKeyAssignment(1, 0, 30, read));
    EXPECT_EQ(read.value, 65);
}

TEST_F(ProfileStoreTest, ListsAssignmentsOfOneProfileAndLayer) {
    m_store.SaveKeyAssignment(Assignment(1, 30, 2, 65));
    m_store.SaveKeyAssignment(Assignment(1, 31, 2, 66));
    m_store.SaveKeyAssignment(Assignment(2, 30, 2, 67));
    KeyAssignment layer1 = Assignment(1, 32, 2, 68);
    layer1.layer = 1;
    m_store.SaveKeyAssignment(layer1);
    std::vector<KeyAssignment> list;
    ASSERT_EQ(m_store.ListKeyAssignments(1, 0, list), 2);
    EXPECT_EQ(list[0].value, 65);
    EXPECT_EQ(list[1].value, 66);
    EXPECT_TRUE(m_store.DeleteProfileAssignments(1));
    EXPECT_EQ(m_store.ListKeyAssignments(1, 0, list), 0);
    EXPECT_EQ(m_store.ListKeyAssignments(2, 0, list), 1);
}

TEST_F(ProfileStoreTest, KeyOtherDataReportsWhetherItWasFound) {
    const int id = m_store.AddKeyOtherData(L"Notepad", L"C:\\notepad.exe", 8);
    ASSERT_GT(id, 0);
    std::wstring text = L"unchanged", param = L"unchanged";
    int type = -1;
    EXPECT_FALSE(m_store.GetKeyOtherData(id + 1, text, param, type));
    EXPECT_EQ(text, L"unchanged");
    EXPECT_EQ(type, -1);
    EXPECT_TRUE(m_store.GetKeyOtherData(id, text, param, type));
    EXPECT_EQ(text, L"Notepad");
    EXPECT_EQ(param, L"C:\\notepad.exe");
    EXPECT_EQ(type, 8);
}

TEST_F(ProfileStoreTest, MacroOperations) {
    const int id = m_store.AddMacro(L"Macro 1");
    ASSERT_GT(id, 0);
    MacroInfo info;
    ASSERT_TRUE(m_store.GetMacro(id, info));
    EXPECT_EQ(info.name, L"Macro 1");
    EXPECT_EQ(info.playTimes, 1);
    EXPECT_EQ(info.delayType, 1);
    info.playTimes = 4;
    info.delayType = 3;
    info.delayTime = 25;
    EXPECT_TRUE(m_store.UpdateMacroPlayback(info));
    EXPECT_TRUE(m_store.RenameMacro(id, L"Fire"));
    int times = 0;
    EXPECT_TRUE(m_store.GetMacroPlayTimes(id, times));
    EXPECT_EQ(times, 4);
    EXPECT_FALSE(m_store.GetMacroPlayTimes(id + 1, times));
    std::vector<MacroInfo> macros;
    ASSERT_EQ(m_store.ListMacros(macros), 1);
    EXPECT_EQ(macros[0].name, L"Fire");
    EXPECT_EQ(macros[0].delayTime, 25);
}

TEST_F(ProfileStoreTest, RecordsComeBackInIndexOrder) {
    const int id = m_store.AddMacro(L"m");
    for (int index : {2, 0, 3, 1}) {
        ASSERT_GT(m_store.AddMacroRecord({0, id, index == 3 ? 1 : 2, index, 100 + index, 5, L"e"}),
                  0);
    }
    std::vector<MacroRecord> list;
    ASSERT_EQ(m_store.ListMacroRecords(id, list), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list[i].index, i);
        EXPECT_EQ(list[i].value, 100 + i);
    }
    EXPECT_EQ(m_store.CountMacroActions(id), 3) << "kind 1 rows are not actions";
}

TEST_F(ProfileStoreTest, BulkRecordWritesAreAllOrNothing) {
    const int id = m_store.AddMacro(L"m");
    ASSERT_TRUE(m_store.AddMacroRecords(Records(id, {1, 2, 3})));
    ASSERT_TRUE(FailInsertsWhere("t_macrorecord", "value", 999));
    EXPECT_FALSE(m_store.AddMacroRecords(Records(id, {4, 999, 5})));
    EXPECT_FALSE(m_store.ReplaceMacroRecords(id, Records(id, {6, 7, 999})));
    std::vector<MacroRecord> list;
    ASSERT_EQ(m_store.ListMacroRecords(id, list), 3);
    EXPECT_EQ(list[2].value, 3);
    EXPECT_TRUE(m_store.ReplaceMacroRecords(id, Records(0, {8, 9})));
    ASSERT_EQ(m_store.ListMacroRecords(id, list), 2);
    EXPECT_EQ(list[0].macroId, id);
    EXPECT_EQ(list[1].value, 9);
}

TEST_F(ProfileStoreTest, DeletingAMacroRemovesItsRecordsAndTheKeysThatRunIt) {
    const int doomed = m_store.AddMacro(L"doomed");
    const int kept = m_store.AddMacro(L"kept");
    m_store.AddMacroRecords(Records(doomed, {1, 2}));
    m_store.AddMacroRecords(Records(kept, {3}));
    m_store.SaveKeyAssignment(Assignment(1, 30, kKindMacro, doomed));
    m_store.SaveKeyAssignment(Assignment(2, 31, kKindMacro, doomed));
    m_store.SaveKeyAssignment(Assignment(2, 32, kKindMacro, kept));
    m_store.SaveKeyAssignment(Assignment(1, 33, 2, doomed)); // a key code that equals the id

    ASSERT_TRUE(m_store.DeleteMacro(doomed));
    MacroInfo info;
    EXPECT_FALSE(m_store.GetMacro(doomed, info));
    std::vector<MacroRecord> records;
    EXPECT_EQ(m_store.ListMacroRecords(doomed, records), 0);
    EXPECT_EQ(m_store.ListMacroRecords(kept, records), 1);
    EXPECT_EQ(Rows("SELECT profile, key_code FROM t_key_macro_data ORDER BY key_code"),
              (std::vector<std::string>{"2|32", "1|33"}));
}

TEST_F(ProfileStoreTest, OneActiveLightModeInTheWholeFile) {
    LightSetting setting;
    for (int profile : {1, 2}) {
        for (int mode : {1, 2}) {
            setting.profile = profile;
            setting.mode = mode;
            setting.name = std::to_wstring(300 + mode);
            ASSERT_GT(m_store.AddLightSetting(setting), 0);
        }
    }
    EXPECT_EQ(m_store.CountLightSettings(1), 2);
    EXPECT_EQ(m_store.GetActiveLightMode(1), 0) << "no row active yet";
    ASSERT_TRUE(m_store.SetActiveLightMode(2, 1));
    ASSERT_TRUE(m_store.SetActiveLightMode(1, 2));
    EXPECT_EQ(Rows("SELECT profile, mode FROM t_light_data WHERE status = 1"),
              std::vector<std::string>{"1|2"});
    EXPECT_EQ(m_store.GetActiveLightMode(2), 0);

    setting.brightness = 3;
    setting.speed = 0x21;
    setting.colorValue = 0x00FF8040;
    setting.modeAttribute = 0x400;
    ASSERT_TRUE(m_store.UpdateLightSetting(1, 2, setting));
    LightSetting read;
    ASSERT_TRUE(m_store.GetLightSetting(1, 2, read));
    EXPECT_EQ(read.speed, 0x21);
    EXPECT_EQ(read.colorValue, 0x00FF8040);
    EXPECT_EQ(read.modeAttribute, 0x400);
    EXPECT_EQ(read.name, L"302");
    EXPECT_EQ(read.status, 1);
    std::vector<LightSetting> list;
    EXPECT_EQ(m_store.ListLightSettings(2, list), 2);
}

TEST_F(ProfileStoreTest, CustomColourSetIsReplacedWhole) {
    std::vector<KeyLight> first, second;
    for (int key = 1; key <= 104; ++key) {
        first.push_back({0, 1, kCustomKeyLightSet, key, 0x0000FF});
        second.push_back({0, 2, kCustomKeyLightSet, key, 0x00FF00});
    }
    ASSERT_EQ(m_store.AddKeyLights({{0, 1, 129, 5, 1}}), 1);
    ASSERT_TRUE(m_store.ReplaceCustomKeyLights(first));
    ASSERT_TRUE(FailInsertsWhere("t_key_light_data", "key_code", 104));
    EXPECT_FALSE(m_store.ReplaceCustomKeyLights(second));
    std::vector<KeyLight> read;
    ASSERT_EQ(m_store.ListKeyLights(kCustomKeyLightSet, read), 104);
    EXPECT_EQ(read[103].color, 0x0000FF);
    EXPECT_EQ(m_store.ListKeyLights(129, read), 1) << "other sets are left alone";
    EXPECT_TRUE(m_store.DeleteCustomKeyLights());
    EXPECT_EQ(m_store.ListKeyLights(kCustomKeyLightSet, read), 0);
}

TEST_F(ProfileStoreTest, MusicLayerUpdatesItsOwnRow) {
    ASSERT_EQ(m_store.AddMusicLayer(L"one", 1), 1);
    ASSERT_EQ(m_store.AddMusicLayer(L"two", 1), 2);
    MusicLayer layer;
    ASSERT_TRUE(m_store.GetMusicLayer(2, layer));
    layer.deviceIndex = 3;
    layer.foreMode = 17;
    layer.foreAmplitude = 150;
    layer.backMode = 2;
    layer.backBrightness = 40;
    ASSERT_TRUE(m_store.UpdateMusicLayer(layer));
    EXPECT_EQ(Rows("SELECT * FROM t_musiclayer_data"),
              (std::vector<std::string>{"1|1|one|0|1|300|0|100|0", "2|1|two|3|17|150|2|40|0"}));
    EXPECT_EQ(m_store.CountMusicLayers(), 2);
    EXPECT_EQ(m_store.GetSelectedMusicLayer(), 0);
    EXPECT_TRUE(m_store.SelectMusicLayer());
    EXPECT_EQ(m_store.GetSelectedMusicLayer(), 1);
}

TEST_F(ProfileStoreTest, KeyboardNamesCannotLeaveTheDatabaseFolder) {
    const wchar_t* refused[] = {
        L"",     L"..",   L"../evil", L"..\\evil", L"a/b",  L"a\\b", L"C:evil", L"\\\\host\\share",
        L"/abs", L"x..y", L"NUL",     L"com1",     L"a\tb", L"a?b"};
    for (const wchar_t* name : refused) {
        ProfileStore store;
        EXPECT_FALSE(store.Open(Folder(), name)) << WideToUtf8(name);
        EXPECT_FALSE(store.IsOpen()) << WideToUtf8(name);
        EXPECT_EQ(ProfileStore::DatabasePath(Folder(), name), L"") << WideToUtf8(name);
    }
    size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_folder)) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, 1u) << "only the fixture's own database";
    const std::wstring path = ProfileStore::DatabasePath(L"data", L"M614-RGB v2.0");
    EXPECT_TRUE(path == L"data/db/M614-RGB v2.0_data_v1.db" ||
                path == L"data\\db\\M614-RGB v2.0_data_v1.db")
        << WideToUtf8(path);
}

TEST_F(ProfileStoreTest, ClosedStoreFailsEveryOperation) {
    ASSERT_TRUE(m_store.Close());
    EXPECT_FALSE(m_store.IsOpen());
    ProfileRecord record;
    EXPECT_EQ(m_store.AddProfile(record), 0);
    EXPECT_EQ(m_store.AddMacro(L"m"), 0);
    EXPECT_EQ(m_store.SaveKeyAssignment(Assignment(1, 30, 2, 65)), 0);
    EXPECT_FALSE(m_store.SetActiveProfile(1));
    EXPECT_EQ(m_store.CountLightSettings(1), 0);
    std::vector<MacroInfo> macros(1);
    EXPECT_EQ(m_store.ListMacros(macros), 0);
    EXPECT_TRUE(macros.empty());
}

TEST_F(ProfileStoreTest, ResetDeletesTheFileAndOpenCreatesAFreshOne) {
    ASSERT_TRUE(m_store.CreateDefaultProfiles(L"P"));
    ASSERT_TRUE(m_store.DeleteDatabaseFile(Folder(), kKeyboard));
    EXPECT_FALSE(std::filesystem::exists(DatabaseFile()));
    ASSERT_TRUE(m_store.Open(Folder(), kKeyboard));
    std::vector<ProfileRecord> list;
    EXPECT_EQ(m_store.ListProfiles(list), 0);
}

TEST_F(ProfileStoreTest, ReadersNeverSeeHalfAReplacedSet) {
    const int id = m_store.AddMacro(L"m");
    ASSERT_TRUE(m_store.ReplaceMacroRecords(id, Records(id, std::vector<int>(20, 0))));
    std::atomic<bool> stop = false;
    std::thread writer([&] {
        for (int generation = 1; generation <= 20; ++generation) {
            m_store.ReplaceMacroRecords(id, Records(id, std::vector<int>(20, generation)));
        }
        stop = true;
    });
    int torn = 0;
    std::vector<MacroRecord> list;
    while (!stop) {
        m_store.ListMacroRecords(id, list);
        torn += list.size() != 20 || list.front().value != list.back().value ? 1 : 0;
    }
    writer.join();
    EXPECT_EQ(torn, 0);
}

} // namespace
