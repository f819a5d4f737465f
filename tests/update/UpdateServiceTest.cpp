#include "ZipBuilder.h"

#include "app/update/UpdateService.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

namespace {

namespace fs = std::filesystem;

const std::wstring kProgramService = L"http://127.0.0.1:8614/clavira/";
const std::wstring kFirmwareService = L"http://127.0.0.1:8614/firmware/";

// Serves texts and files by address, as the update service would.
class FakeTransfer : public UpdateTransfer {
public:
    int FetchText(const std::wstring& url, std::wstring& text) override {
        const auto found = texts.find(url);
        if (found == texts.end()) {
            return -1;
        }
        text = found->second;
        return 1;
    }
    int DownloadFile(const std::wstring& url, const fs::path& path) override {
        downloads.push_back(url);
        const auto found = files.find(url);
        if (found == files.end()) {
            return -1;
        }
        fs::copy_file(found->second, path, fs::copy_options::overwrite_existing);
        return downloadResult;
    }

    std::map<std::wstring, std::wstring> texts;
    std::map<std::wstring, fs::path> files;
    std::vector<std::wstring> downloads;
    int downloadResult = 1;
};

class FakeHost : public UpdateHost {
public:
    int ReadFirmwareVersion() override {
        ++firmwareReads;
        return firmwareVersion;
    }
    void MarkProgramUpdate() override { programMarked = true; }
    void MarkFirmwareUpdate() override { firmwareMarked = true; }
    void QueueFirmwareInstall() override { firmwareQueued = true; }
    bool StartProgram(const fs::path& program) override {
        started = program;
        return startWorks;
    }
    void EndProgram() override { ended = true; }

    int firmwareVersion = -1;
    int firmwareReads = 0;
    bool programMarked = false;
    bool firmwareMarked = false;
    bool firmwareQueued = false;
    bool startWorks = true;
    fs::path started;
    bool ended = false;
};

class UpdateServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() /
                 ("update-" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "server");
        m_sources = {L"1.0.1", kProgramService, kFirmwareService, m_root / "data" / "temp"};
    }
    void TearDown() override { fs::remove_all(m_root); }

    // Offers `version` with a package holding the given entries.
    void OfferProgram(const std::wstring& version, const std::vector<ZipEntry>& entries) {
        m_transfer.texts[kProgramService + L"version"] = version;
        const fs::path package = m_root / "server" / "package.zip";
        WriteZip(package, entries);
        m_transfer.files[kProgramService + L"//Keyboard-Software-" + version + L".zip"] = package;
    }

    FakeTransfer m_transfer;
    FakeHost m_host;
    UpdateService m_service{m_transfer, m_host};
    UpdateSources m_sources;
    fs::path m_root;
};

TEST_F(UpdateServiceTest, NewerProgramIsDownloadedUnpackedAndStarted) {
    OfferProgram(L"1.0.2", {{"Keyboard-Software-1.0.2.exe", "MZ"}, {"lib/data.bin", "d"}});
    m_service.CheckProgramUpdate(m_sources);
    EXPECT_EQ(m_host.started, m_sources.workFolder / "Keyboard-Software-1.0.2.exe");
    EXPECT_TRUE(m_host.ended);
    EXPECT_FALSE(m_host.programMarked);
    EXPECT_TRUE(fs::exists(m_sources.workFolder / "lib" / "data.bin"));
    EXPECT_FALSE(fs::exists(m_sources.workFolder / "Keyboard-Software-1.0.2.zip"))
        << "the unpacked package is removed";
}

TEST_F(UpdateServiceTest, NothingHappensWithoutATrustworthyNewerVersion) {
    const std::wstring offers[] = {L"1.0.1",       L"1.0",          L"0.9.9", L"",
                                   L"1.0.2.33333", L"1.0.2\\..\\x", L"1.0.2 "};
    for (const std::wstring& offered : offers) {
        OfferProgram(offered, {{"Keyboard-Software-1.0.2.exe", "MZ"}});
        m_service.CheckProgramUpdate(m_sources);
        EXPECT_TRUE(m_transfer.downloads.empty()) << testing::PrintToString(offered);
        EXPECT_FALSE(m_host.ended);
        EXPECT_FALSE(m_host.programMarked);
    }
}

TEST_F(UpdateServiceTest, AnUpdateThatCannotStartLeavesTheProgramRunning) {
    struct Case {
        const char* what;
        std::vector<ZipEntry> entries;
        int downloadResult;
        bool startWorks;
    };
    const Case cases[] = {
        {"download failed", {{"Keyboard-Software-1.0.2.exe", "MZ"}}, -1, true},
        {"download cancelled", {{"Keyboard-Software-1.0.2.exe", "MZ"}}, -2, true},
        {"hostile package", {{"Keyboard-Software-1.0.2.exe", "MZ"}, {"../evil.exe", "x"}}, 1, true},
        {"installer missing", {{"readme.txt", "no installer"}}, 1, true},
        {"start refused", {{"Keyboard-Software-1.0.2.exe", "MZ"}}, 1, false},
    };
    for (const auto& c : cases) {
        fs::remove_all(m_sources.workFolder);
        OfferProgram(L"1.0.2", c.entries);
        m_transfer.downloadResult = c.downloadResult;
        m_host.startWorks = c.startWorks;
        m_host.programMarked = false;
        m_service.CheckProgramUpdate(m_sources);
        EXPECT_FALSE(m_host.ended) << c.what;
        EXPECT_TRUE(m_host.programMarked) << c.what << ": the button still offers the update";
        EXPECT_FALSE(fs::exists(m_root / "data" / "evil.exe")) << c.what;
    }
}

TEST_F(UpdateServiceTest, PackageThatIsNotAnArchiveStartsNothing) {
    m_transfer.texts[kProgramService + L"version"] = L"1.0.2";
    const fs::path page = m_root / "server" / "page.html";
    std::ofstream(page) << "<html>Not found</html>";
    m_transfer.files[kProgramService + L"//Keyboard-Software-1.0.2.zip"] = page;
    m_service.CheckProgramUpdate(m_sources);
    EXPECT_TRUE(m_host.started.empty());
    EXPECT_FALSE(m_host.ended);
}

TEST_F(UpdateServiceTest, FirmwareCheckComparesTheKeyboardsVersion) {
    struct Case {
        int keyboard;
        const wchar_t* offered;
        bool update;
    };
    const Case cases[] = {
        {0x105, L"106", true}, {0x106, L"106", false}, {-1, L"106", false}, {0x105, L"", false}};
    for (const auto& c : cases) {
        m_transfer.texts[kFirmwareService + L"version"] = c.offered;
        m_host = FakeHost();
        m_host.firmwareVersion = c.keyboard;
        m_service.CheckFirmwareUpdate(m_sources);
        EXPECT_EQ(m_host.firmwareMarked, c.update) << c.keyboard;
        EXPECT_EQ(m_host.firmwareQueued, c.update) << c.keyboard;
        EXPECT_EQ(m_service.NewestFirmwareVersion(), c.offered) << c.keyboard;
    }
    m_transfer.texts.clear();
    m_service.CheckFirmwareUpdate(m_sources);
    EXPECT_EQ(m_service.NewestFirmwareVersion(), L"") << "emptied before each check";
}

TEST_F(UpdateServiceTest, FirmwareCheckReadsTheKeyboardWithoutAService) {
    m_host.firmwareVersion = 0x105;
    m_service.CheckFirmwareUpdate(m_sources);
    EXPECT_EQ(m_host.firmwareReads, 1) << "the window shows the version it read";
    EXPECT_FALSE(m_host.firmwareQueued);
    EXPECT_TRUE(m_transfer.downloads.empty());
}

TEST_F(UpdateServiceTest, FirmwareToolIsStartedFromItsPackage) {
    m_transfer.texts[kFirmwareService + L"version"] = L"106";
    const fs::path package = m_root / "server" / "fw.zip";
    WriteZip(package, {{"FirmwareUpdateTool-106.exe", "MZ"}});
    m_transfer.files[kFirmwareService + L"//FirmwareUpdateTool-106.zip"] = package;
    m_host.firmwareVersion = 0x105;
    m_service.CheckFirmwareUpdate(m_sources);
    ASSERT_TRUE(m_host.firmwareQueued);
    EXPECT_TRUE(m_service.InstallFirmwareUpdate(m_sources));
    EXPECT_EQ(m_host.started, m_sources.workFolder / "FirmwareUpdateTool-106.exe");
    EXPECT_TRUE(m_host.ended);
}

} // namespace
