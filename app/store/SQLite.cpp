#include "app/store/SQLite.h"

#include "app/core/TextCodec.h"

#include <sqlite3.h>

bool IsStepSuccess(int result) {
    return result == SQLITE_OK || result == SQLITE_ROW || result == SQLITE_DONE;
}

SQLiteStatement::~SQLiteStatement() { Finalize(); }

void SQLiteStatement::Finalize() {
    if (m_handle != nullptr) {
        sqlite3_finalize(m_handle);
        m_handle = nullptr;
    }
    m_done = true;
}

int SQLiteStatement::BindInt(int index, int value) {
    if (m_handle == nullptr) {
        return SQLITE_MISUSE;
    }
    return sqlite3_bind_int(m_handle, index, value);
}

int SQLiteStatement::BindText(int index, std::wstring_view text) {
    if (m_handle == nullptr) {
        return SQLITE_MISUSE;
    }
    const std::string utf8 = WideToUtf8(text);
    return sqlite3_bind_text(m_handle, index, utf8.data(), static_cast<int>(utf8.size()),
                             SQLITE_TRANSIENT);
}

int SQLiteStatement::Step() {
    if (m_handle == nullptr) {
        return SQLITE_MISUSE;
    }
    const int result = sqlite3_step(m_handle);
    m_done = result == SQLITE_DONE;
    return result;
}

int SQLiteStatement::GetInt(int column) const {
    return m_handle == nullptr ? 0 : sqlite3_column_int(m_handle, column);
}

std::wstring SQLiteStatement::GetText(int column) const {
    if (m_handle == nullptr) {
        return {};
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_handle, column));
    if (text == nullptr) {
        return {};
    }
    const int bytes = sqlite3_column_bytes(m_handle, column);
    return Utf8ToWide(std::string_view(text, static_cast<size_t>(bytes)));
}

SQLiteDB::~SQLiteDB() { Close(); }

bool SQLiteDB::OpenFile(const std::string& utf8Path, int flags) {
    if (m_handle != nullptr) {
        sqlite3_interrupt(m_handle);
        Close();
    }
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(utf8Path.c_str(), &handle, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(handle);
        return false;
    }
    m_handle = handle;
    sqlite3_busy_timeout(m_handle, 5000);
    // A full sync at every commit: with the rollback journal this is what makes a committed
    // operation survive a crash or power loss.
    Execute("PRAGMA synchronous = FULL;");
    return true;
}

bool SQLiteDB::Close() {
    if (m_handle == nullptr) {
        return true;
    }
    if (sqlite3_close(m_handle) != SQLITE_OK) {
        return false;
    }
    m_handle = nullptr;
    return true;
}

int SQLiteDB::Prepare(SQLiteStatement& statement, std::string_view sql) const {
    statement.Finalize();
    if (m_handle == nullptr || sql.empty()) {
        return SQLITE_MISUSE;
    }
    return sqlite3_prepare_v2(m_handle, sql.data(), static_cast<int>(sql.size()),
                              &statement.m_handle, nullptr);
}

int SQLiteDB::Execute(const char* sql) const {
    if (m_handle == nullptr || sql == nullptr) {
        return SQLITE_MISUSE;
    }
    return sqlite3_exec(m_handle, sql, nullptr, nullptr, nullptr);
}

int64_t SQLiteDB::LastInsertId() const {
    return m_handle == nullptr ? -1 : sqlite3_last_insert_rowid(m_handle);
}

bool SQLiteDB::IsAutoCommit() const {
    return m_handle == nullptr || sqlite3_get_autocommit(m_handle) != 0;
}

SQLiteAutoTransaction::SQLiteAutoTransaction(SQLiteDB& db) : m_db(db) { Begin(); }

SQLiteAutoTransaction::~SQLiteAutoTransaction() { Rollback(); }

bool SQLiteAutoTransaction::Begin() {
    if (!m_active) {
        // IMMEDIATE takes the write lock at once, so a second writer waits here instead of
        // failing half-way through the operation.
        m_active = m_db.Execute("BEGIN IMMEDIATE;") == SQLITE_OK;
    }
    return m_active;
}

bool SQLiteAutoTransaction::Commit() {
    if (!m_active) {
        return false;
    }
    if (m_db.Execute("COMMIT;") != SQLITE_OK) {
        Rollback();
        return false;
    }
    m_active = false;
    return true;
}

void SQLiteAutoTransaction::Rollback() {
    if (m_active) {
        // SQLite may already have rolled back on its own (a full disk, an I/O error); only an
        // open transaction is ended here.
        if (!m_db.IsAutoCommit()) {
            m_db.Execute("ROLLBACK;");
        }
        m_active = false;
    }
}
