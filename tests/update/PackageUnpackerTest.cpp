#include "app/update/PackageUnpacker.h"

#include "ZipBuilder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class PackageUnpackerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() / (std::string("unpack-") + info->name());
        fs::remove_all(m_root);
        m_work = m_root / "data" / "temp";
        fs::create_directories(m_work);
    }
    void TearDown() override { fs::remove_all(m_root); }

    fs::path Package(const std::vector<ZipEntry>& entries) const {
        const fs::path path = m_root / "package.zip";
        WriteZip(path, entries);
        return path;
    }

    // Every file below the test's root other than the package itself.
    std::vector<std::string> FilesWritten() const {
        std::vector<std::string> files;
        for (const auto& item : fs::recursive_directory_iterator(m_root)) {
            if (item.is_regular_file() && item.path().filename() != "package.zip") {
                files.push_back(fs::relative(item.path(), m_root).generic_string());
            }
        }
        return files;
    }

    static std::string Read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    fs::path m_root;
    fs::path m_work;
};

TEST_F(PackageUnpackerTest, KeepsTheFolderStructure) {
    const fs::path package = Package({{"Keyboard-Software-1.0.2.exe", "MZ installer"},
                                      {"data/", ""},
                                      {"data/readme.txt", "hello"},
                                      {"data\\lang\\1033.lan", "[KB.DIALOG]"}});
    ASSERT_EQ(UnpackPackage(package, m_work), UnpackResult::Unpacked);
    EXPECT_EQ(Read(m_work / "Keyboard-Software-1.0.2.exe"), "MZ installer");
    EXPECT_EQ(Read(m_work / "data" / "readme.txt"), "hello");
    EXPECT_EQ(Read(m_work / "data" / "lang" / "1033.lan"), "[KB.DIALOG]");
}

TEST_F(PackageUnpackerTest, HostilePackagesAreRefusedWhole) {
    const char* hostile[] = {
        "../escape.exe",
        "data/../../escape.exe",
        "..\\escape.exe",
        "/tmp/escape.exe",
        "\\escape.exe",
        "C:\\Windows\\escape.exe",
        "C:escape.exe",
        "file.txt:stream",
        "CON",
        "data/nul.txt",
        "LPT1.log",
        "com9",
        "trailing.",
        "trailing ",
        "wild*card",
        "data//double",
    };
    for (const char* name : hostile) {
        const fs::path package =
            Package({{"aaa-first.txt", "written first if unchecked"}, {name, "payload"}});
        EXPECT_EQ(UnpackPackage(package, m_work), UnpackResult::Refused) << name;
        EXPECT_EQ(FilesWritten(), std::vector<std::string>{}) << name;
    }
}

TEST_F(PackageUnpackerTest, SafeNamesThatLookOdd) {
    for (const char* name : {"a..b.exe", "data/./setup.exe", "CONFIG.SYS", "com10", "lpt",
                             "Keyboard-Software-1.0.2.exe", "dir/"}) {
        EXPECT_TRUE(IsSafeEntryName(name)) << name;
    }
}

TEST_F(PackageUnpackerTest, NotAnArchiveOrMissing) {
    std::ofstream(m_root / "package.zip") << "<html>404 Not Found</html>";
    EXPECT_EQ(UnpackPackage(m_root / "package.zip", m_work), UnpackResult::NotAnArchive);
    EXPECT_EQ(UnpackPackage(m_root / "absent.zip", m_work), UnpackResult::NotAnArchive);
}

TEST_F(PackageUnpackerTest, TruncatedArchiveFails) {
    const fs::path package =
        Package({{"setup.exe", std::string(200000, 'x') + "tail"}, {"b.txt", "b"}});
    const std::string whole = Read(package);
    for (size_t keep : {whole.size() / 2, whole.size() - 30}) {
        std::ofstream(package, std::ios::binary | std::ios::trunc).write(whole.data(), keep);
        EXPECT_NE(UnpackPackage(package, m_work), UnpackResult::Unpacked) << keep;
    }
}

TEST_F(PackageUnpackerTest, ContentDifferentFromItsDeclaredSizeFails) {
    const fs::path package = Package({{"setup.exe", "0123456789"}});
    std::string bytes = Read(package);
    // Corrupt one byte of the compressed data: the CRC check at the end of the entry fails.
    const size_t data = bytes.find("setup.exe") + 9 + 2;
    bytes[data] = static_cast<char>(bytes[data] ^ 0x55);
    std::ofstream(package, std::ios::binary | std::ios::trunc) << bytes;
    EXPECT_EQ(UnpackPackage(package, m_work), UnpackResult::Failed);
}

TEST_F(PackageUnpackerTest, HugeDeclaredSizeIsRefused) {
    const fs::path package = Package({{"setup.exe", "small"}});
    std::string bytes = Read(package);
    // Rewrite the central directory's uncompressed size (offset 24 in its record) as 3 GiB.
    const size_t central = bytes.rfind(std::string("PK\x01\x02", 4));
    ASSERT_NE(central, std::string::npos);
    const unsigned size = 3u << 30;
    for (int i = 0; i < 4; ++i) {
        bytes[central + 24 + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    }
    std::ofstream(package, std::ios::binary | std::ios::trunc) << bytes;
    EXPECT_EQ(UnpackPackage(package, m_work), UnpackResult::Refused);
    EXPECT_EQ(FilesWritten(), std::vector<std::string>{});
}

} // namespace
