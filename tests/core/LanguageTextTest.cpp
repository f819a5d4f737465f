#include "app/core/LanguageText.h"
#include "app/core/Folders.h"
#include "app/core/Language.h"

#include <gtest/gtest.h>

#include <fstream>
#include <windows.h>

namespace {

// Language files written beside the test program under identifiers no real language uses.
class LanguageTextTest : public ::testing::Test {
protected:
    void SetUp() override { CreateDirectoryW((GetProgramFolder() + L"language").c_str(), nullptr); }
    void TearDown() override {
        for (int id : m_written) {
            DeleteFileW(FileFor(id).c_str());
        }
        SetLanguageId(kDefaultLanguageId);
    }

    static std::wstring FileFor(int id) {
        return GetProgramFolder() + L"language\\" + std::to_wstring(id) + L".lan";
    }
    void WriteBytes(int id, const std::string& bytes) {
        std::ofstream(FileFor(id).c_str(), std::ios::binary) << bytes;
        m_written.push_back(id);
    }
    static std::string Utf16WithMark(const std::wstring& text) {
        std::string bytes = "\xFF\xFE";
        bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
        return bytes;
    }

    std::vector<int> m_written;
};

TEST_F(LanguageTextTest, AnsiAndUtf16FilesReadAlike) {
    WriteBytes(9001, "; test texts\r\n[KB.DIALOG]\r\n5=Caf\xE9 lights\r\n");
    WriteBytes(9002, Utf16WithMark(L"; test texts\r\n[KB.DIALOG]\r\n5=Caf\u00E9 lights\r\n"));
    for (int id : {9001, 9002}) {
        SetLanguageId(id);
        EXPECT_EQ(GetText(kTextSection, 5), L"Caf\u00E9 lights") << id;
    }
}

TEST_F(LanguageTextTest, MissingTextFileOrSectionIsEmpty) {
    WriteBytes(9003, "[KB.DIALOG]\r\n1=One\r\n[OTHER]\r\n2=Two\r\n");
    SetLanguageId(9003);
    EXPECT_EQ(GetText(kTextSection, 1), L"One");
    EXPECT_EQ(GetText(kTextSection, 2), L"") << "the id lives in another section";
    EXPECT_EQ(GetText(kTextSection, 3), L"");
    EXPECT_EQ(GetText(L"NOPE", 1), L"");
    SetLanguageId(9099);
    EXPECT_EQ(GetText(kTextSection, 1), L"") << "no file for this language";
}

TEST_F(LanguageTextTest, LongTextsAreCutTo259Characters) {
    const std::string text(300, 'w');
    WriteBytes(9004, "[KB.DIALOG]\r\n7=" + text + "\r\n");
    SetLanguageId(9004);
    EXPECT_EQ(GetText(kTextSection, 7), std::wstring(259, L'w'));
}

} // namespace
