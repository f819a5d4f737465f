#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// Thin owners of SQLite handles. Results are SQLite's own codes; nothing here throws.

// True for the step results that count as success: 0, SQLITE_ROW and SQLITE_DONE.
bool IsStepSuccess(int result);

class SQLiteStatement {
public:
    SQLiteStatement() = default;
    SQLiteStatement(const SQLiteStatement&) = delete;
    SQLiteStatement& operator=(const SQLiteStatement&) = delete;
    virtual ~SQLiteStatement();

    // Texts are copied by SQLite, so the caller's buffer may go away before the step.
    int BindInt(int index, int value);
    int BindText(int index, std::wstring_view text);
    int Step();
    int GetInt(int column) const;
    std::wstring GetText(int column) const;
    bool IsDone() const { return m_done; }
    void Finalize();

private:
    friend class SQLiteDB;
    sqlite3_stmt* m_handle = nullptr;
    bool m_done = true;
};

class SQLiteDB {
public:
    SQLiteDB() = default;
    SQLiteDB(const SQLiteDB&) = delete;
    SQLiteDB& operator=(const SQLiteDB&) = delete;
    virtual ~SQLiteDB();

    // Closes what was open, then opens the UTF-8 path with the given SQLITE_OPEN_* flags.
    bool OpenFile(const std::string& utf8Path, int flags);
    // True when nothing is open or the close succeeded.
    bool Close();
    bool IsOpen() const { return m_handle != nullptr; }

    // SQLITE_MISUSE without a connection or SQL text.
    int Prepare(SQLiteStatement& statement, std::string_view sql) const;
    int Execute(const char* sql) const;
    // -1 without a connection.
    int64_t LastInsertId() const;
    // False while a transaction is open on the connection.
    bool IsAutoCommit() const;

private:
    sqlite3* m_handle = nullptr;
};

// BEGIN on construction; the destructor rolls back whatever was not committed, so an early
// return or a failed step never leaves half an operation in the file.
class SQLiteAutoTransaction {
public:
    explicit SQLiteAutoTransaction(SQLiteDB& db);
    SQLiteAutoTransaction(const SQLiteAutoTransaction&) = delete;
    SQLiteAutoTransaction& operator=(const SQLiteAutoTransaction&) = delete;
    virtual ~SQLiteAutoTransaction();

    bool Begin();
    bool Commit();
    void Rollback();
    bool IsActive() const { return m_active; }

private:
    SQLiteDB& m_db;
    bool m_active = false;
};
