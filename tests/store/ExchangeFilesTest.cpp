#include "tests/store/StoreFixture.h"

#include "app/store/ExchangeFiles.h"

#include <fstream>
#include <iterator>

namespace {

struct FakeHost : ExchangeHost {
    bool GetSelectedProfile(int& id, std::wstring& name) override {
        id = selectedProfile;
        name = selectedProfileName;
        return selectedProfile != 0;
    }
    bool GetSelectedMacro(int& id) override {
        id = selectedMacro;
        return selectedMacro != 0;
    }
    bool ChooseSaveFile(const FileFilter& filter, std::wstring& path) override {
        filters.push_back(filter.name);
        path = chosenPath;
        return !chosenPath.empty();
    }
    bool ChooseOpenFile(const FileFilter& filter, std::wstring& path) override {
        return ChooseSaveFile(filter, path);
    }
    void ShowMessage(int textId, int titleId) override { messages.emplace_back(textId, titleId); }
    void ReportFailure(ExchangeFailure failure) override { failures.push_back(failure); }
    void AddMacroToList(const std::wstring& name, int id) override {
        macroList.emplace_back(name, id);
    }
    void AddProfileToList(const std::wstring& name, int id) override {
        profileList.emplace_back(name, id);
    }
    void ShowProfile(int id) override { shownProfile = id; }
    void ReprogramKeyFilter() override { ++reprogrammed; }

    int selectedProfile = 0;
    std::wstring selectedProfileName;
    int selectedMacro = 0;
    std::wstring chosenPath;
    std::vector<std::wstring> filters;
    std::vector<std::pair<int, int>> messages;
    std::vector<ExchangeFailure> failures;
    std::vector<std::pair<std::wstring, int>> macroList;
    std::vector<std::pair<std::wstring, int>> profileList;
    int shownProfile = 0;
    int reprogrammed = 0;
};

class ExchangeFilesTest : public StoreFixture {
protected:
    std::wstring FilePath(const std::string& name) const {
        return Utf8ToWide((m_folder / name).string());
    }
    std::wstring WriteFile(const std::string& name, const std::string& text) const {
        std::ofstream(m_folder / name, std::ios::binary) << text;
        return FilePath(name);
    }
    std::string ReadFile(const std::string& name) const {
        std::ifstream file(m_folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    int AddMacro(ProfileStore& store, const std::wstring& name, int records) {
        MacroInfo info{0, name, 0, 2, 3, 40};
        const int id = store.InsertMacro(info);
        std::vector<MacroRecord> list;
        for (int i = 0; i < records; ++i) {
            list.push_back({0, id, 2 + i % 2, i, 65 + i, 10 * i, L"A & <" + std::to_wstring(i)});
        }
        store.AddMacroRecords(list);
        return id;
    }
    void Assign(ProfileStore& store, int profile, int keyCode, int kind, int value, int value2 = 0,
                int layer = 0) {
        KeyAssignment a;
        a.profile = profile;
        a.layer = layer;
        a.keyCode = keyCode;
        a.layoutValue = keyCode * 2;
        a.layoutText = L"layout " + std::to_wstring(keyCode);
        a.kind = kind;
        a.value = value;
        a.value2 = value2;
        a.value3 = -keyCode;
        a.text = L"\"quoted\" \u00E9 " + std::to_wstring(keyCode);
        store.SaveKeyAssignment(a);
    }
    static size_t Count(const std::string& text, const std::string& what) {
        size_t count = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
            ++count;
        }
        return count;
    }

    FakeHost m_host;
};

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

TEST_F(ExchangeFilesTest, ProfileRoundTripIntoAnotherDatabase) {
    ProfileRecord record;
    record.name = L"Game";
    const int profile = m_store.AddProfile(record);
    AddMacro(m_store, L"unused", 2);
    const int fire = AddMacro(m_store, L"Fire", 4);
    const int combo = AddMacro(m_store, L"Combo", 3);
    const int kinds[] = {1, 2, 5, 6, 7, 8, 9, 10, 12};
    for (int i = 0; i < 9; ++i) {
        Assign(m_store, profile, 10 + i, kinds[i], kinds[i] == 1 ? 0 : 100 + i, i);
    }
    Assign(m_store, profile, 30, kKindMacro, fire);
    Assign(m_store, profile, 31, kKindMacro, combo);
    Assign(m_store, profile, 32, kKindMacro, fire);
    Assign(m_store, profile, 33, 2, 77, 0, 1); // layer 1 stays behind

    m_host.selectedProfile = profile;
    m_host.selectedProfileName = L"Game";
    m_host.chosenPath = FilePath("Game.xml");
    ASSERT_TRUE(ExchangeCommands(m_host, m_store).ExportProfile());
    EXPECT_EQ(m_host.filters, std::vector<std::wstring>{L"Profile (*.xml)"});
    const std::string text = ReadFile("Game.xml");
    EXPECT_EQ(text.rfind(kDeclaration, 0), 0u);
    EXPECT_EQ(Count(text, "<macroinfo"), 2u) << "a macro used by two keys is written once";
    EXPECT_EQ(Count(text, "<item"), 12u + 7u);

    const std::filesystem::path other = m_folder / "other";
    ProfileStore target;
    ASSERT_TRUE(target.Open(Utf8ToWide(other.string()), kKeyboard));
    AddMacro(target, L"local", 1); // takes id 1, so the imported ids differ from the file's
    FakeHost host;
    host.chosenPath = m_host.chosenPath;
    ASSERT_TRUE(ExchangeCommands(host, target).ImportProfile());
    EXPECT_EQ(host.filters, std::vector<std::wstring>{L"Custom Key (*.xml)"});
    ASSERT_EQ(host.profileList.size(), 1u);
    const int imported = host.profileList[0].second;
    EXPECT_EQ(host.profileList[0].first, L"Game");
    EXPECT_EQ(host.shownProfile, imported);
    EXPECT_EQ(host.reprogrammed, 1);
    EXPECT_EQ(target.GetActiveProfile(), imported);
    ASSERT_EQ(host.macroList.size(), 2u);
    EXPECT_EQ(host.macroList[0].first, L"Fire");
    EXPECT_EQ(host.macroList[1].first, L"Combo");

    std::vector<KeyAssignment> before, after;
    m_store.ListKeyAssignments(profile, 0, before);
    target.ListKeyAssignments(imported, 0, after);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        const KeyAssignment& b = before[i];
        const KeyAssignment& a = after[i];
        EXPECT_EQ(a.keyCode, b.keyCode);
        EXPECT_EQ(a.kind, b.kind) << b.keyCode;
        EXPECT_EQ(std::tie(a.layoutValue, a.layoutText, a.value2, a.value3, a.text),
                  std::tie(b.layoutValue, b.layoutText, b.value2, b.value3, b.text))
            << b.keyCode;
        if (b.kind == kKindMacro) {
            const int expected = host.macroList[b.value == fire ? 0 : 1].second;
            EXPECT_EQ(a.value, expected) << b.keyCode;
        } else {
            EXPECT_EQ(a.value, b.value) << b.keyCode;
        }
    }
    std::vector<MacroRecord> original, copy;
    m_store.ListMacroRecords(fire, original);
    target.ListMacroRecords(host.macroList[0].second, copy);
    ASSERT_EQ(copy.size(), original.size());
    for (size_t i = 0; i < copy.size(); ++i) {
        EXPECT_EQ(
            std::tie(copy[i].index, copy[i].type, copy[i].value, copy[i].delayTime, copy[i].text),
            std::tie(original[i].index, original[i].type, original[i].value, original[i].delayTime,
                     original[i].text));
    }
    MacroInfo info;
    ASSERT_TRUE(target.GetMacro(host.macroList[0].second, info));
    EXPECT_EQ(std::tie(info.playTimes, info.delayType, info.delayTime), std::make_tuple(2, 3, 40));
}

TEST_F(ExchangeFilesTest, ImportIntoTheSameDatabaseReusesItsMacros) {
    ProfileRecord record;
    const int profile = m_store.AddProfile(record);
    const int macro = AddMacro(m_store, L"Fire", 2);
    Assign(m_store, profile, 30, kKindMacro, macro);
    ASSERT_TRUE(WriteProfileFile(m_store, profile, L"p", FilePath("p.xml")));
    ImportedProfile imported;
    ASSERT_EQ(ImportProfileFile(m_store, FilePath("p.xml"), imported), ImportResult::Imported);
    EXPECT_TRUE(imported.newMacros.empty());
    std::vector<MacroInfo> macros;
    EXPECT_EQ(m_store.ListMacros(macros), 1);
    KeyAssignment read;
    ASSERT_TRUE(m_store.GetKeyAssignment(imported.profileId, 0, 30, read));
    EXPECT_EQ(read.value, macro);
}

TEST_F(ExchangeFilesTest, ImportedKeysBindOnlyToMacrosOfTheFile) {
    const int local = AddMacro(m_store, L"local", 1);
    const std::wstring path = WriteFile(
        "keys.xml", kDeclaration +
                        "<profile><profileinfo name=\"ignored\"/><keyitems>"
                        "<item fn_layer=\"0\" key_code=\"10\" macro_type=\"3\" macro_value=\"" +
                        std::to_string(local) +
                        "\"/>"
                        "<item fn_layer=\"0\" key_code=\"11\" macro_type=\"3\" macro_value=\"7\"/>"
                        "<item fn_layer=\"0\" key_code=\"12\" macro_type=\"3\" macro_value=\"7\"/>"
                        "<item fn_layer=\"0\" key_code=\"13\" macro_type=\"2\" macro_value=\"0\"/>"
                        "<item fn_layer=\"0\" key_code=\"14\" macro_type=\"1\"/>"
                        "<item fn_layer=\"2\" key_code=\"15\" macro_type=\"2\" macro_value=\"x9\" "
                        "macro_value2=\"5\"/>"
                        "</keyitems>"
                        "<macroinfo name=\"Twice\" macro_id=\"7\" times=\"1\"><macroitems>"
                        "<item desc=\"a\" type=\"2\" value=\"65\"/></macroitems></macroinfo>"
                        "<macroinfo name=\"Twice\" macro_id=\"7\" times=\"1\"><macroitems>"
                        "<item desc=\"a\" type=\"2\" value=\"65\"/></macroitems></macroinfo>"
                        "</profile>");
    ImportedProfile imported;
    ASSERT_EQ(ImportProfileFile(m_store, path, imported), ImportResult::Imported);
    EXPECT_EQ(imported.name, L"keys");
    ASSERT_EQ(imported.newMacros.size(), 1u) << "a macro listed twice is imported once";
    const int twice = imported.newMacros[0].macroId;
    std::vector<MacroRecord> records;
    EXPECT_EQ(m_store.ListMacroRecords(twice, records), 1);

    EXPECT_EQ(Rows("SELECT fn_layer, key_code, macro_type, macro_value, macro_value2 FROM "
                   "t_key_macro_data ORDER BY key_code"),
              (std::vector<std::string>{"0|11|3|" + std::to_string(twice) + "|0",
                                        "0|12|3|" + std::to_string(twice) + "|0", "0|14|1|0|0",
                                        "2|15|2|0|5"}))
        << "key 10 names a macro missing from the file, key 13 has no values";
}

TEST_F(ExchangeFilesTest, UnusableFilesImportNothing) {
    const std::pair<const char*, std::string> cases[] = {
        {"not well formed", "<profile><keyitems></profile>"},
        {"wrong root", "<macro><macroinfo name=\"m\"/></macro>"},
        {"empty", ""},
    };
    for (const auto& [what, text] : cases) {
        ImportedProfile imported;
        EXPECT_EQ(ImportProfileFile(m_store, WriteFile("bad.xml", text), imported),
                  ImportResult::Unreadable)
            << what;
        MacroInfo macro;
        if (std::string(what) != "wrong root") {
            EXPECT_EQ(ImportMacroFile(m_store, FilePath("bad.xml"), macro),
                      ImportResult::Unreadable)
                << what;
        }
    }
    m_host.chosenPath = FilePath("missing.xml");
    EXPECT_FALSE(ExchangeCommands(m_host, m_store).ImportProfile());
    EXPECT_FALSE(ExchangeCommands(m_host, m_store).ImportMacro());
    EXPECT_EQ(Rows("SELECT (SELECT count(*) FROM t_profile_data) + (SELECT count(*) FROM "
                   "t_macro_data)"),
              std::vector<std::string>{"0"});
    EXPECT_TRUE(m_host.messages.empty());
    EXPECT_TRUE(m_host.failures.empty());
}

TEST_F(ExchangeFilesTest, ImportStopsAtTheProfileLimit) {
    ASSERT_TRUE(m_store.Atomically([&] {
        for (int i = 0; i < kMaxProfiles; ++i) {
            m_store.AddProfile(ProfileRecord{});
        }
        return true;
    }));
    m_host.chosenPath = WriteFile(
        "full.xml", "<profile><keyitems/><macroinfo name=\"m\" macro_id=\"5\"/></profile>");
    EXPECT_FALSE(ExchangeCommands(m_host, m_store).ImportProfile());
    EXPECT_EQ(m_host.messages, (std::vector<std::pair<int, int>>{{295, 65}}));
    EXPECT_EQ(m_store.CountProfiles(), kMaxProfiles);
    std::vector<MacroInfo> macros;
    EXPECT_EQ(m_store.ListMacros(macros), 0) << "nothing of the file is stored";
    EXPECT_TRUE(m_host.profileList.empty());
}

TEST_F(ExchangeFilesTest, AFailedImportStoresNothingAndListsNothing) {
    ASSERT_TRUE(FailInsertsWhere("t_macrorecord", "value", 66));
    m_host.chosenPath = WriteFile(
        "Broken.xml", "<profile><keyitems><item key_code=\"4\" macro_type=\"2\" macro_value=\"1\"/>"
                      "</keyitems><macroinfo name=\"ok\" macro_id=\"1\"/>"
                      "<macroinfo name=\"bad\" macro_id=\"2\"><macroitems><item value=\"65\"/>"
                      "<item value=\"66\"/></macroitems></macroinfo></profile>");
    EXPECT_FALSE(ExchangeCommands(m_host, m_store).ImportProfile());
    EXPECT_EQ(m_host.failures, std::vector<ExchangeFailure>{ExchangeFailure::ImportNotStored});
    EXPECT_TRUE(m_host.macroList.empty());
    EXPECT_TRUE(m_host.profileList.empty());
    EXPECT_EQ(Rows("SELECT (SELECT count(*) FROM t_profile_data) + (SELECT count(*) FROM "
                   "t_macro_data) + (SELECT count(*) FROM t_macrorecord) + (SELECT count(*) FROM "
                   "t_key_macro_data)"),
              std::vector<std::string>{"0"});

    m_host.chosenPath = WriteFile("Solo.xml", "<macro><macroinfo/><macroitems><item value=\"66\"/>"
                                              "</macroitems></macro>");
    EXPECT_FALSE(ExchangeCommands(m_host, m_store).ImportMacro());
    EXPECT_TRUE(m_host.macroList.empty()) << "a macro joins the list only once it is stored";
    EXPECT_EQ(Rows("SELECT count(*) FROM t_macro_data"), std::vector<std::string>{"0"});
}

TEST_F(ExchangeFilesTest, MacroRoundTripAndLayout) {
    const int id = AddMacro(m_store, L"Original", 3);
    m_host.selectedMacro = id;
    m_host.chosenPath = FilePath("Burst.v2.xml");
    ASSERT_TRUE(ExchangeCommands(m_host, m_store).ExportMacro());
    const std::string text = ReadFile("Burst.v2.xml");
    EXPECT_EQ(text.rfind(kDeclaration, 0), 0u);
    EXPECT_EQ(text.find("macro_id"), std::string::npos);
    EXPECT_LT(text.find("</macroinfo>") == std::string::npos ? text.find("<macroinfo")
                                                             : text.find("</macroinfo>"),
              text.find("<macroitems"))
        << "the events sit beside the macro's element, not inside it";

    ASSERT_TRUE(ExchangeCommands(m_host, m_store).ImportMacro());
    ASSERT_EQ(m_host.macroList.size(), 1u);
    EXPECT_EQ(m_host.macroList[0].first, L"Burst");
    MacroInfo info;
    ASSERT_TRUE(m_store.GetMacro(m_host.macroList[0].second, info));
    EXPECT_EQ(info.name, L"Burst");
    EXPECT_EQ(std::tie(info.playTimes, info.delayType, info.delayTime, info.linkCount),
              std::make_tuple(2, 3, 40, 0));
    std::vector<MacroRecord> original, copy;
    m_store.ListMacroRecords(id, original);
    ASSERT_EQ(m_store.ListMacroRecords(info.macroId, copy), 3);
    EXPECT_EQ(copy[2].text, original[2].text);
    EXPECT_EQ(copy[2].index, 2);
    EXPECT_EQ(m_host.filters, (std::vector<std::wstring>{L"Macro (*.xml)", L"Macros (*.xml)"}));
}

TEST_F(ExchangeFilesTest, MacroFileInProfileLayoutImportsWithoutEvents) {
    MacroInfo info;
    ASSERT_EQ(ImportMacroFile(m_store,
                              WriteFile("nested.xml", "<macro><macroinfo times=\"3\"><macroitems>"
                                                      "<item value=\"1\"/></macroitems>"
                                                      "</macroinfo></macro>"),
                              info),
              ImportResult::Imported);
    EXPECT_EQ(info.playTimes, 3);
    std::vector<MacroRecord> records;
    EXPECT_EQ(m_store.ListMacroRecords(info.macroId, records), 0);
}

TEST_F(ExchangeFilesTest, NamesComeFromTheFileName) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"/home/u/Game.Second.xml", L"Game"}, {L"C:\\Users\\u\\Game.xml", L"Game"},
        {L"C:\\Users\\u\\NoDot", L"NoDot"},    {L"C:NoFolder.xml", L"NoFolder"},
        {L"/x/.hidden.xml", L".hidden"},       {L"/x/\u914D\u7F6E.xml", L"\u914D\u7F6E"},
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(NameFromFilePath(path), name) << WideToUtf8(path);
    }
}

TEST_F(ExchangeFilesTest, ExportsReportNothingSelectedAndCancel) {
    ExchangeCommands commands(m_host, m_store);
    EXPECT_FALSE(commands.ExportProfile());
    EXPECT_FALSE(commands.ExportMacro());
    EXPECT_EQ(m_host.messages, (std::vector<std::pair<int, int>>{{151, 152}, {540, 541}}));
    EXPECT_TRUE(m_host.filters.empty()) << "no dialog without a selection";
    m_host.selectedProfile = 1;
    EXPECT_FALSE(commands.ExportProfile()) << "cancelled";
    EXPECT_TRUE(m_host.failures.empty());
}

TEST_F(ExchangeFilesTest, AFailedExportIsReportedAndLeavesNoFile) {
    ProfileRecord record;
    m_host.selectedProfile = m_store.AddProfile(record);
    m_host.selectedMacro = AddMacro(m_store, L"m", 1);
    m_host.chosenPath = FilePath("missing-folder/out.xml");
    ExchangeCommands commands(m_host, m_store);
    EXPECT_FALSE(commands.ExportProfile());
    EXPECT_FALSE(commands.ExportMacro());
    EXPECT_EQ(m_host.failures, (std::vector<ExchangeFailure>{ExchangeFailure::ExportNotWritten,
                                                             ExchangeFailure::ExportNotWritten}));

    // Over an existing file: replaced whole, with no temporary left beside it.
    m_host.chosenPath = WriteFile("out.xml", "old");
    EXPECT_TRUE(commands.ExportMacro());
    EXPECT_NE(ReadFile("out.xml").find("<macro>"), std::string::npos);
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder)) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, 1u);
}

} // namespace
