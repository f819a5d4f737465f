#pragma once

#include "app/core/TextCodec.h"
#include "app/store/ProfileStore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

// A store on a fresh database file in a folder of its own, and a second, raw connection to
// look at the file as SQLite sees it.
class StoreFixture : public ::testing::Test {
protected:
    static constexpr const wchar_t* kKeyboard = L"M614-RGB";

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   (std::string("clavira-store-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        ASSERT_TRUE(m_store.Open(Folder(), kKeyboard));
    }
    void TearDown() override {
        m_store.Close();
        std::filesystem::remove_all(m_folder);
    }

    std::wstring Folder() const { return Utf8ToWide(m_folder.string()); }
    std::filesystem::path DatabaseFile() const { return m_folder / "db" / "M614-RGB_data_v1.db"; }

    // Rows of a query on the raw connection, each as its columns' texts joined by '|'.
    std::vector<std::string> Rows(const std::string& sql) const {
        sqlite3* db = nullptr;
        std::vector<std::string> rows;
        if (sqlite3_open_v2(DatabaseFile().string().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
            SQLITE_OK) {
            sqlite3_stmt* statement = nullptr;
            sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
            while (statement != nullptr && sqlite3_step(statement) == SQLITE_ROW) {
                std::string row;
                for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                    const auto* text =
                        reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                    row += (i > 0 ? "|" : "") + std::string(text != nullptr ? text : "NULL");
                }
                rows.push_back(row);
            }
            sqlite3_finalize(statement);
        }
        sqlite3_close(db);
        return rows;
    }
    bool Exec(const std::string& sql) const {
        sqlite3* db = nullptr;
        bool done = sqlite3_open_v2(DatabaseFile().string().c_str(), &db, SQLITE_OPEN_READWRITE,
                                    nullptr) == SQLITE_OK &&
                    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
        return done;
    }
    // Makes every insert into `table` whose `column` equals `value` fail.
    bool FailInsertsWhere(const std::string& table, const std::string& column, int value) const {
        return Exec("CREATE TRIGGER fail_" + table + " BEFORE INSERT ON " + table + " WHEN NEW." +
                    column + " = " + std::to_string(value) +
                    " BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    }

    std::filesystem::path m_folder;
    ProfileStore m_store;
};
