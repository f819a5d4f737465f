#pragma once

#include "app/core/ProfileDatabase.h"
#include "app/store/ProfileRecords.h"
#include "app/store/SQLite.h"

#include <functional>
#include <initializer_list>
#include <mutex>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The per-keyboard profile database, "<data folder>/db/<keyboard>_data_v1.db". Every other part
// of the program reads and writes it through these operations; each one holds the store's lock
// for its whole duration, and each operation of several statements is one transaction, so a
// crash leaves it either done or not done at all.
//
// Failures come back as results: false, 0 (row id, count, id) or an unchanged output.
class ProfileStore : public ProfileDatabase {
public:
    // The process-wide store, created on first use.
    static ProfileStore& Instance();

    ProfileStore() = default;
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;
    ~ProfileStore() override;

    // A keyboard name becomes part of a file name; names that could reach outside the database
    // folder (separators, "..", drive letters, reserved characters) are refused.
    static bool IsValidKeyboardName(std::wstring_view keyboardName);
    // Empty for a refused name.
    static std::wstring DatabasePath(const std::wstring& folder, std::wstring_view keyboardName);

    // Opens (creating when missing) the keyboard's file and makes sure its tables exist.
    bool Open(const std::wstring& folder, std::wstring_view keyboardName) override;
    // Opens the file at the current path with create permission and creates the tables; true
    // at once when the store is open already.
    bool CreateSchema();
    bool Close() override;
    bool DeleteDatabaseFile(const std::wstring& folder, std::wstring_view keyboardName);
    bool IsOpen() const override;

    // Runs `body` (which calls operations of this store) as one transaction under the lock:
    // committed when it returns true, rolled back completely otherwise.
    bool Atomically(const std::function<bool()>& body);

    // Profiles.
    int AddProfile(const ProfileRecord& record);
    bool DeleteProfile(int profileId);
    bool RenameProfile(int profileId, std::wstring_view name);
    bool GetProfileName(int profileId, std::wstring& name);
    int ListProfiles(std::vector<ProfileRecord>& list);
    int CountProfiles();
    bool SetActiveProfile(int profileId);
    int GetActiveProfile();

    // Key assignments. Saving replaces the key's row; an assignment with no values (and not a
    // disabled key) resets the key and stores nothing.
    int SaveKeyAssignment(const KeyAssignment& record);
    // Whether saving `record` stores a row (rather than resetting the key or doing nothing).
    static bool IsStoredAssignment(const KeyAssignment& record);
    bool GetKeyAssignment(int profile, int layer, int keyCode, KeyAssignment& record);
    int ListKeyAssignments(int profile, int layer, std::vector<KeyAssignment>& list);
    bool DeleteProfileAssignments(int profile);
    int AddKeyOtherData(std::wstring_view text, std::wstring_view param, int type);
    // False, with the outputs unchanged, when no such row exists.
    bool GetKeyOtherData(int id, std::wstring& text, std::wstring& param, int& type);

    // Macros.
    int AddMacro(std::wstring_view name);
    int InsertMacro(const MacroInfo& info);
    bool RenameMacro(int macroId, std::wstring_view name);
    bool UpdateMacroPlayback(const MacroInfo& info);
    // Removes the macro, its records and every key of any profile that runs it.
    bool DeleteMacro(int macroId);
    bool GetMacroPlayTimes(int macroId, int& times);
    bool GetMacro(int macroId, MacroInfo& info);
    int ListMacros(std::vector<MacroInfo>& list);
    int AddMacroRecord(const MacroRecord& record);
    // All records or none.
    bool AddMacroRecords(const std::vector<MacroRecord>& list);
    // The macro's records become `list` (their macro ids are set to `macroId`), all or nothing.
    bool ReplaceMacroRecords(int macroId, const std::vector<MacroRecord>& list);
    int ListMacroRecords(int macroId, std::vector<MacroRecord>& list);
    bool DeleteMacroRecords(int macroId);
    int CountMacroActions(int macroId);

    // Lighting.
    int CountLightSettings(int profile);
    int AddLightSetting(const LightSetting& record);
    bool UpdateLightSetting(int profile, int mode, const LightSetting& record);
    // The one active light mode of the whole file.
    bool SetActiveLightMode(int profile, int mode);
    int GetActiveLightMode(int profile);
    bool GetLightSetting(int profile, int mode, LightSetting& record);
    int ListLightSettings(int profile, std::vector<LightSetting>& list);
    // Number of elements stored: all of them, or 0 when nothing was stored.
    int AddKeyLights(const std::vector<KeyLight>& list);
    bool DeleteCustomKeyLights();
    // The custom colour set becomes `list`, all or nothing.
    bool ReplaceCustomKeyLights(const std::vector<KeyLight>& list);
    int ListKeyLights(int lightId, std::vector<KeyLight>& list);

    // Music layer (one, under profile 1).
    int CountMusicLayers();
    int AddMusicLayer(std::wstring_view name, int foreMode);
    bool GetMusicLayer(int layerId, MusicLayer& layer);
    bool UpdateMusicLayer(const MusicLayer& layer);
    bool SelectMusicLayer();
    int GetSelectedMusicLayer();

    // Defaults of a new file. Each creates its rows only when none exist yet, in one
    // transaction; true when the rows exist afterwards.
    bool WriteDefaultConfig();
    bool CreateDefaultProfiles(std::wstring_view namePrefix);
    bool CreateDefaultLightSettings(const LightDefaults& defaults);
    bool CreateDefaultMusicLayer(std::wstring_view name, int foreMode);

private:
    using Param = std::variant<int, std::wstring_view>;
    using RowReader = std::function<void(const SQLiteStatement&)>;

    bool OpenLocked(int flags);
    bool EnsureSchema();
    bool Prepare(SQLiteStatement& statement, std::string_view sql,
                 std::initializer_list<Param> params);
    bool Run(std::string_view sql, std::initializer_list<Param> params);
    int Insert(std::string_view sql, std::initializer_list<Param> params);
    bool Query(std::string_view sql, std::initializer_list<Param> params, const RowReader& onRow);
    int Count(std::string_view sql, std::initializer_list<Param> params);

    mutable std::recursive_mutex m_lock;
    SQLiteDB m_db;
    std::string m_path;
    int m_transactionDepth = 0;
    bool m_opened = false;
};
