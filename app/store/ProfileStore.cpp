#include "app/store/ProfileStore.h"

#include "app/core/FilePath.h"
#include "app/core/TextCodec.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

namespace {

// Creation order and text are part of the file format.
constexpr const char* kSchema[] = {
    "CREATE TABLE IF NOT EXISTS t_configdata(config_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "profile INTEGER, key TEXT, value TEXT);",
    "CREATE TABLE IF NOT EXISTS t_profile_data(profile INTEGER PRIMARY KEY AUTOINCREMENT, "
    "name TEXT, status INTEGER, app TEXT, type INTEGER);",
    "CREATE INDEX IF NOT EXISTS profileindex ON t_profile_data(profile);",
    "CREATE TABLE IF NOT EXISTS t_key_macro_data(key_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "profile INTEGER, fn_layer INTEGER, key_code INTEGER, layout_value INTEGER, "
    "layout_desc TEXT, macro_type INTEGER, macro_value INTEGER, macro_value2 INTEGER, "
    "macro_value3 INTEGER, macro_desc TEXT);",
    "CREATE INDEX IF NOT EXISTS keyindex ON t_key_macro_data(key_id);",
    "CREATE TABLE IF NOT EXISTS t_key_otherdata(macro_value INTEGER PRIMARY KEY AUTOINCREMENT, "
    "macro_desc TEXT, param TEXT, type INTEGER);",
    "CREATE INDEX IF NOT EXISTS otheridindex ON t_key_otherdata(macro_value);",
    "CREATE TABLE IF NOT EXISTS t_macro_data(macro_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "play_times INTEGER, delay_type INTEGER, delay_time INTEGER, link_count INTEGER, "
    "name TEXT);",
    "CREATE INDEX IF NOT EXISTS macroidindex ON t_macro_data(macro_id);",
    "CREATE TABLE IF NOT EXISTS t_macrorecord(record_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "macro_id INTEGER, type INTEGER, record_index INTEGER, desc TEXT, value INTEGER, "
    "delay_time INTEGER);",
    "CREATE INDEX IF NOT EXISTS macrorecordindex ON t_macrorecord(record_id);",
    "CREATE TABLE IF NOT EXISTS t_light_data(light_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "profile INTEGER, name TEXT, mode INTEGER, brightness INTEGER, speed INTEGER, "
    "direction INTEGER, colorful INTEGER, colorindex INTEGER, color_value INTEGER, "
    "config_func INTEGER, reserved INTEGER, status INTEGER);",
    "CREATE INDEX IF NOT EXISTS lightindex ON t_light_data(light_id);",
    "CREATE TABLE IF NOT EXISTS t_key_light_data(keylight_id INTEGER PRIMARY KEY "
    "AUTOINCREMENT, profile INTEGER, light_id INTEGER, key_code INTEGER, key_rgb INTEGER);",
    "CREATE INDEX IF NOT EXISTS keylightindex ON t_key_light_data(keylight_id);",
    "CREATE TABLE IF NOT EXISTS t_musiclayer_data(layer_id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "profile INTEGER, name TEXT, deviceindex INTEGER, foremode INTEGER, "
    "fore_amplitude INTEGER, backmode INTEGER, backb_right INTEGER, sel INTEGER);",
    "CREATE INDEX IF NOT EXISTS musiclayerindex ON t_musiclayer_data(layer_id);",
};

constexpr const char* kInsertMacro = "INSERT INTO t_macro_data(play_times, delay_type, "
                                     "delay_time, link_count, name) VALUES (?, ?, ?, ?, ?);";
constexpr const char* kInsertMacroRecord =
    "INSERT INTO t_macrorecord(macro_id, type, record_index, desc, value, delay_time) "
    "VALUES (?, ?, ?, ?, ?, ?);";
constexpr const char* kInsertKeyLight =
    "INSERT INTO t_key_light_data(profile, light_id, key_code, key_rgb) VALUES (?, ?, ?, ?);";
constexpr const char* kInsertConfig =
    "INSERT INTO t_configdata(profile, key, value) VALUES (?, ?, ?);";

constexpr std::pair<const wchar_t*, const wchar_t*> kDefaultConfig[] = {
    {L"version", L"1.0.1"},     {L"keyboard_layout", L"1"}, {L"fn_layer", L"0"},
    {L"lightmode", L"1"},       {L"sleep_light", L"1"},     {L"userlight", L"0"},
    {L"customlight_run", L"0"}, {L"gamemode", L"0"},        {L"disable_alttab", L"0"},
    {L"disable_altf4", L"0"},   {L"disable_win", L"0"},
};

ProfileRecord ReadProfile(const SQLiteStatement& row) {
    return {row.GetInt(0), row.GetText(1), row.GetText(3), row.GetInt(4), row.GetInt(2)};
}

KeyAssignment ReadAssignment(const SQLiteStatement& row) {
    return {row.GetInt(0), row.GetInt(1),  row.GetInt(2),  row.GetInt(3),
            row.GetInt(4), row.GetText(5), row.GetInt(6),  row.GetInt(7),
            row.GetInt(8), row.GetInt(9),  row.GetText(10)};
}

MacroInfo ReadMacro(const SQLiteStatement& row) {
    return {row.GetInt(0), row.GetText(5), row.GetInt(4),
            row.GetInt(1), row.GetInt(2),  row.GetInt(3)};
}

MacroRecord ReadMacroRecord(const SQLiteStatement& row) {
    return {row.GetInt(0), row.GetInt(1), row.GetInt(2), row.GetInt(3),
            row.GetInt(5), row.GetInt(6), row.GetText(4)};
}

LightSetting ReadLightSetting(const SQLiteStatement& row) {
    return {row.GetInt(0),  row.GetInt(1),  row.GetText(2), row.GetInt(3), row.GetInt(4),
            row.GetInt(5),  row.GetInt(6),  row.GetInt(7),  row.GetInt(8), row.GetInt(9),
            row.GetInt(10), row.GetInt(11), row.GetInt(12)};
}

KeyLight ReadKeyLight(const SQLiteStatement& row) {
    return {row.GetInt(0), row.GetInt(1), row.GetInt(2), row.GetInt(3), row.GetInt(4)};
}

MusicLayer ReadMusicLayer(const SQLiteStatement& row) {
    return {row.GetInt(0), row.GetInt(1), row.GetText(2), row.GetInt(3), row.GetInt(4),
            row.GetInt(5), row.GetInt(6), row.GetInt(7),  row.GetInt(8)};
}

bool IsReservedDeviceName(std::wstring_view name) {
    std::wstring upper;
    for (wchar_t c : name.substr(0, name.find(L'.'))) {
        upper += (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    }
    for (const wchar_t* reserved : {L"CON", L"PRN", L"AUX", L"NUL"}) {
        if (upper == reserved) {
            return true;
        }
    }
    return upper.size() == 4 && (upper.starts_with(L"COM") || upper.starts_with(L"LPT")) &&
           upper[3] >= L'0' && upper[3] <= L'9';
}

} // namespace

ProfileStore& ProfileStore::Instance() {
    static ProfileStore store;
    return store;
}

ProfileStore::~ProfileStore() { Close(); }

bool ProfileStore::IsValidKeyboardName(std::wstring_view keyboardName) {
    if (keyboardName.empty() || keyboardName.find(L"..") != std::wstring_view::npos ||
        IsReservedDeviceName(keyboardName)) {
        return false;
    }
    for (wchar_t c : keyboardName) {
        if (c < 0x20 || c == 0x7F ||
            std::wstring_view(L"/\\:*?\"<>|").find(c) != std::wstring_view::npos) {
            return false;
        }
    }
    return true;
}

std::wstring ProfileStore::DatabasePath(const std::wstring& folder,
                                        std::wstring_view keyboardName) {
    if (!IsValidKeyboardName(keyboardName)) {
        return {};
    }
#ifdef _WIN32
    constexpr wchar_t kSeparator = L'\\';
#else
    constexpr wchar_t kSeparator = L'/';
#endif
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') {
        path += kSeparator;
    }
    return path + L"db" + kSeparator + std::wstring(keyboardName) + L"_data_v1.db";
}

bool ProfileStore::Open(const std::wstring& folder, std::wstring_view keyboardName) {
    std::lock_guard lock(m_lock);
    const std::wstring path = DatabasePath(folder, keyboardName);
    if (path.empty()) {
        m_opened = false;
        return false;
    }
    const std::string utf8 = WideToUtf8(path);
    if (m_db.IsOpen() && utf8 == m_path) {
        m_opened = true;
        return true;
    }
    if (!m_db.Close()) {
        m_opened = false;
        return false;
    }
    m_path = utf8;
    std::error_code ignored;
    std::filesystem::create_directories(PathFromWide(path).parent_path(), ignored);
    m_opened = CreateSchema();
    return m_opened;
}

bool ProfileStore::CreateSchema() {
    std::lock_guard lock(m_lock);
    if (m_db.IsOpen()) {
        return true;
    }
    if (!OpenLocked(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX)) {
        return false;
    }
    // Also run on existing files: a file whose creation was cut short by a crash gets its
    // tables here instead of failing every operation from then on.
    if (!EnsureSchema()) {
        m_db.Close();
        return false;
    }
    return true;
}

bool ProfileStore::OpenLocked(int flags) { return !m_path.empty() && m_db.OpenFile(m_path, flags); }

bool ProfileStore::EnsureSchema() {
    return Atomically([this] {
        for (const char* statement : kSchema) {
            if (m_db.Execute(statement) != SQLITE_OK) {
                return false;
            }
        }
        return true;
    });
}

bool ProfileStore::Close() {
    std::lock_guard lock(m_lock);
    m_opened = false;
    return m_db.Close();
}

bool ProfileStore::DeleteDatabaseFile(const std::wstring& folder, std::wstring_view keyboardName) {
    std::lock_guard lock(m_lock);
    const std::wstring path = DatabasePath(folder, keyboardName);
    if (path.empty()) {
        return false;
    }
    if (m_db.IsOpen() && WideToUtf8(path) == m_path && !Close()) {
        return false;
    }
    std::error_code error;
    std::filesystem::remove(PathFromWide(path), error);
    // A journal left by an interrupted transaction belongs to the deleted file and must not
    // be played back into the next one.
    std::filesystem::remove(PathFromWide(path + L"-journal"), error);
    return !std::filesystem::exists(PathFromWide(path), error);
}

bool ProfileStore::IsOpen() const {
    std::lock_guard lock(m_lock);
    return m_opened && m_db.IsOpen();
}

bool ProfileStore::Atomically(const std::function<bool()>& body) {
    std::lock_guard lock(m_lock);
    if (m_transactionDepth > 0) {
        return body();
    }
    SQLiteAutoTransaction transaction(m_db);
    if (!transaction.IsActive()) {
        return false;
    }
    ++m_transactionDepth;
    const bool done = body();
    --m_transactionDepth;
    return done && transaction.Commit();
}

bool ProfileStore::Prepare(SQLiteStatement& statement, std::string_view sql,
                           std::initializer_list<Param> params) {
    if (m_db.Prepare(statement, sql) != SQLITE_OK) {
        return false;
    }
    int index = 1;
    for (const Param& param : params) {
        const int result = std::holds_alternative<int>(param)
                               ? statement.BindInt(index, std::get<int>(param))
                               : statement.BindText(index, std::get<std::wstring_view>(param));
        if (result != SQLITE_OK) {
            return false;
        }
        ++index;
    }
    return true;
}

bool ProfileStore::Run(std::string_view sql, std::initializer_list<Param> params) {
    std::lock_guard lock(m_lock);
    SQLiteStatement statement;
    return Prepare(statement, sql, params) && IsStepSuccess(statement.Step());
}

int ProfileStore::Insert(std::string_view sql, std::initializer_list<Param> params) {
    std::lock_guard lock(m_lock);
    SQLiteStatement statement;
    if (!Prepare(statement, sql, params) || statement.Step() != SQLITE_DONE) {
        return 0;
    }
    const int64_t id = m_db.LastInsertId();
    return id > 0 && id <= INT32_MAX ? static_cast<int>(id) : 0;
}

bool ProfileStore::Query(std::string_view sql, std::initializer_list<Param> params,
                         const RowReader& onRow) {
    std::lock_guard lock(m_lock);
    SQLiteStatement statement;
    if (!Prepare(statement, sql, params)) {
        return false;
    }
    for (;;) {
        const int result = statement.Step();
        if (result == SQLITE_ROW) {
            onRow(statement);
        } else {
            return result == SQLITE_DONE;
        }
    }
}

int ProfileStore::Count(std::string_view sql, std::initializer_list<Param> params) {
    int count = 0;
    Query(sql, params, [&](const SQLiteStatement& row) { count = row.GetInt(0); });
    return count;
}

// Profiles.

int ProfileStore::AddProfile(const ProfileRecord& record) {
    return Insert("INSERT INTO t_profile_data(name, status, app, type) VALUES (?, ?, ?, ?);",
                  {record.name, 0, record.app, 0});
}

bool ProfileStore::DeleteProfile(int profileId) {
    return Run("DELETE FROM t_profile_data WHERE profile = ?", {profileId});
}

bool ProfileStore::RenameProfile(int profileId, std::wstring_view name) {
    return Run("UPDATE t_profile_data SET name = ? WHERE profile = ?", {name, profileId});
}

bool ProfileStore::GetProfileName(int profileId, std::wstring& name) {
    name.clear();
    bool found = false;
    Query("SELECT name FROM t_profile_data WHERE profile = ?", {profileId},
          [&](const SQLiteStatement& row) {
              if (!found) {
                  name = row.GetText(0);
                  found = true;
              }
          });
    return found;
}

int ProfileStore::ListProfiles(std::vector<ProfileRecord>& list) {
    list.clear();
    Query("SELECT * FROM t_profile_data", {},
          [&](const SQLiteStatement& row) { list.push_back(ReadProfile(row)); });
    return static_cast<int>(list.size());
}

int ProfileStore::CountProfiles() { return Count("SELECT count(*) FROM t_profile_data", {}); }

bool ProfileStore::SetActiveProfile(int profileId) {
    return Atomically([&] {
        return Run("UPDATE t_profile_data SET status = ?", {0}) &&
               Run("UPDATE t_profile_data SET status = ? WHERE profile = ?", {1, profileId});
    });
}

int ProfileStore::GetActiveProfile() {
    int id = 0;
    Query("SELECT profile FROM t_profile_data WHERE status = ?", {1},
          [&](const SQLiteStatement& row) {
              if (id == 0) {
                  id = row.GetInt(0);
              }
          });
    return id;
}

// Key assignments.

bool ProfileStore::IsStoredAssignment(const KeyAssignment& r) {
    // A disabled key carries no values, yet differs from the key's default.
    return r.keyCode != 0 && (r.value != 0 || r.value2 != 0 || r.kind == kKindDisabled);
}

int ProfileStore::SaveKeyAssignment(const KeyAssignment& r) {
    if (r.keyCode == 0) {
        return 0;
    }
    int id = 0;
    Atomically([&] {
        if (!Run("DELETE FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and "
                 "key_code = ?",
                 {r.profile, r.layer, r.keyCode})) {
            return false;
        }
        if (!IsStoredAssignment(r)) {
            return true;
        }
        id = Insert("INSERT INTO t_key_macro_data(profile, fn_layer, key_code, layout_value, "
                    "layout_desc, macro_type, macro_value, macro_value2, macro_value3, "
                    "macro_desc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                    {r.profile, r.layer, r.keyCode, r.layoutValue, r.layoutText, r.kind, r.value,
                     r.value2, r.value3, r.text});
        return id != 0;
    });
    return id;
}

bool ProfileStore::GetKeyAssignment(int profile, int layer, int keyCode, KeyAssignment& record) {
    bool found = false;
    Query("SELECT * FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?",
          {profile, layer, keyCode}, [&](const SQLiteStatement& row) {
              if (!found) {
                  record = ReadAssignment(row);
                  found = true;
              }
          });
    return found;
}

int ProfileStore::ListKeyAssignments(int profile, int layer, std::vector<KeyAssignment>& list) {
    list.clear();
    Query("SELECT * FROM t_key_macro_data WHERE profile = ? and fn_layer = ?", {profile, layer},
          [&](const SQLiteStatement& row) { list.push_back(ReadAssignment(row)); });
    return static_cast<int>(list.size());
}

bool ProfileStore::DeleteProfileAssignments(int profile) {
    return Run("DELETE FROM t_key_macro_data WHERE profile = ?", {profile});
}

int ProfileStore::AddKeyOtherData(std::wstring_view text, std::wstring_view param, int type) {
    return Insert("INSERT INTO t_key_otherdata(macro_desc, param, type) VALUES (?, ?, ?);",
                  {text, param, type});
}

bool ProfileStore::GetKeyOtherData(int id, std::wstring& text, std::wstring& param, int& type) {
    bool found = false;
    Query("SELECT macro_desc, param, type FROM t_key_otherdata WHERE macro_value = ?", {id},
          [&](const SQLiteStatement& row) {
              if (!found) {
                  text = row.GetText(0);
                  param = row.GetText(1);
                  type = row.GetInt(2);
                  found = true;
              }
          });
    return found;
}

// Macros.

int ProfileStore::AddMacro(std::wstring_view name) {
    return Insert(kInsertMacro, {1, 1, 0, 0, name});
}

int ProfileStore::InsertMacro(const MacroInfo& info) {
    return Insert(kInsertMacro,
                  {info.playTimes, info.delayType, info.delayTime, info.linkCount, info.name});
}

bool ProfileStore::RenameMacro(int macroId, std::wstring_view name) {
    return Run("UPDATE t_macro_data SET name = ? WHERE macro_id = ?", {name, macroId});
}

bool ProfileStore::UpdateMacroPlayback(const MacroInfo& info) {
    return Run("UPDATE t_macro_data SET play_times = ?, delay_type = ?, delay_time = ? WHERE "
               "macro_id = ?",
               {info.playTimes, info.delayType, info.delayTime, info.macroId});
}

bool ProfileStore::DeleteMacro(int macroId) {
    return Atomically([&] {
        return Run("DELETE FROM t_macro_data WHERE macro_id = ?", {macroId}) &&
               Run("DELETE FROM t_macrorecord WHERE macro_id = ?", {macroId}) &&
               Run("DELETE FROM t_key_macro_data WHERE macro_type = ? and macro_value = ?",
                   {kKindMacro, macroId});
    });
}

bool ProfileStore::GetMacroPlayTimes(int macroId, int& times) {
    bool found = false;
    Query("SELECT play_times FROM t_macro_data WHERE macro_id = ?", {macroId},
          [&](const SQLiteStatement& row) {
              if (!found) {
                  times = row.GetInt(0);
                  found = true;
              }
          });
    return found;
}

bool ProfileStore::GetMacro(int macroId, MacroInfo& info) {
    bool found = false;
    Query("SELECT * FROM t_macro_data WHERE macro_id = ?", {macroId},
          [&](const SQLiteStatement& row) {
              if (!found) {
                  info = ReadMacro(row);
                  found = true;
              }
          });
    return found;
}

int ProfileStore::ListMacros(std::vector<MacroInfo>& list) {
    list.clear();
    Query("SELECT * FROM t_macro_data", {},
          [&](const SQLiteStatement& row) { list.push_back(ReadMacro(row)); });
    return static_cast<int>(list.size());
}

int ProfileStore::AddMacroRecord(const MacroRecord& r) {
    return Insert(kInsertMacroRecord, {r.macroId, r.type, r.index, r.text, r.value, r.delayTime});
}

bool ProfileStore::AddMacroRecords(const std::vector<MacroRecord>& list) {
    return Atomically([&] {
        for (const MacroRecord& record : list) {
            if (AddMacroRecord(record) == 0) {
                return false;
            }
        }
        return true;
    });
}

bool ProfileStore::ReplaceMacroRecords(int macroId, const std::vector<MacroRecord>& list) {
    return Atomically([&] {
        if (!DeleteMacroRecords(macroId)) {
            return false;
        }
        for (MacroRecord record : list) {
            record.macroId = macroId;
            if (AddMacroRecord(record) == 0) {
                return false;
            }
        }
        return true;
    });
}

int ProfileStore::ListMacroRecords(int macroId, std::vector<MacroRecord>& list) {
    list.clear();
    Query("SELECT * FROM t_macrorecord WHERE macro_id = ? ORDER BY record_index ASC", {macroId},
          [&](const SQLiteStatement& row) { list.push_back(ReadMacroRecord(row)); });
    return static_cast<int>(list.size());
}

bool ProfileStore::DeleteMacroRecords(int macroId) {
    return Run("DELETE FROM t_macrorecord WHERE macro_id = ?", {macroId});
}

int ProfileStore::CountMacroActions(int macroId) {
    int count = 0;
    Query("SELECT * FROM t_macrorecord WHERE macro_id = ? ORDER BY record_index ASC", {macroId},
          [&](const SQLiteStatement& row) { count += row.GetInt(2) != 1 ? 1 : 0; });
    return count;
}

// Lighting.

int ProfileStore::CountLightSettings(int profile) {
    return Count("select count(*) FROM t_light_data WHERE profile = ?", {profile});
}

int ProfileStore::AddLightSetting(const LightSetting& r) {
    return Insert("INSERT INTO t_light_data(profile, name, mode, brightness, speed, direction, "
                  "colorful, colorindex, color_value, config_func, reserved, status) VALUES "
                  "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
                  {r.profile, r.name, r.mode, r.brightness, r.speed, r.direction, r.colorful,
                   r.colorIndex, r.colorValue, r.modeAttribute, r.reserved, r.status});
}

bool ProfileStore::UpdateLightSetting(int profile, int mode, const LightSetting& r) {
    return Run("UPDATE t_light_data SET brightness = ?, speed = ?, direction = ?, colorful = ?, "
               "colorindex = ?, color_value = ?, config_func = ?, reserved = ? WHERE profile = ? "
               "and mode = ?",
               {r.brightness, r.speed, r.direction, r.colorful, r.colorIndex, r.colorValue,
                r.modeAttribute, r.reserved, profile, mode});
}

bool ProfileStore::SetActiveLightMode(int profile, int mode) {
    return Atomically([&] {
        return Run("UPDATE t_light_data SET status = ?", {0}) &&
               Run("UPDATE t_light_data SET status = ? WHERE profile = ? and mode = ?",
                   {1, profile, mode});
    });
}

int ProfileStore::GetActiveLightMode(int profile) {
    int mode = 0;
    bool found = false;
    Query("SELECT mode FROM t_light_data WHERE profile = ? and status = ?", {profile, 1},
          [&](const SQLiteStatement& row) {
              if (!found) {
                  mode = row.GetInt(0);
                  found = true;
              }
          });
    return mode;
}

bool ProfileStore::GetLightSetting(int profile, int mode, LightSetting& record) {
    bool found = false;
    Query("SELECT * FROM t_light_data WHERE profile = ? AND mode = ?", {profile, mode},
          [&](const SQLiteStatement& row) {
              if (!found) {
                  record = ReadLightSetting(row);
                  found = true;
              }
          });
    return found;
}

int ProfileStore::ListLightSettings(int profile, std::vector<LightSetting>& list) {
    list.clear();
    Query("SELECT * FROM t_light_data WHERE profile = ?", {profile},
          [&](const SQLiteStatement& row) { list.push_back(ReadLightSetting(row)); });
    return static_cast<int>(list.size());
}

int ProfileStore::AddKeyLights(const std::vector<KeyLight>& list) {
    const bool stored = Atomically([&] {
        for (const KeyLight& light : list) {
            if (Insert(kInsertKeyLight,
                       {light.profile, light.lightId, light.keyCode, light.color}) == 0) {
                return false;
            }
        }
        return true;
    });
    return stored ? static_cast<int>(list.size()) : 0;
}

bool ProfileStore::DeleteCustomKeyLights() {
    return Run("DELETE FROM t_key_light_data WHERE light_id = ?", {kCustomKeyLightSet});
}

bool ProfileStore::ReplaceCustomKeyLights(const std::vector<KeyLight>& list) {
    return Atomically([&] {
        return DeleteCustomKeyLights() &&
               (list.empty() || AddKeyLights(list) == static_cast<int>(list.size()));
    });
}

int ProfileStore::ListKeyLights(int lightId, std::vector<KeyLight>& list) {
    list.clear();
    Query("SELECT * FROM t_key_light_data WHERE light_id = ?", {lightId},
          [&](const SQLiteStatement& row) { list.push_back(ReadKeyLight(row)); });
    return static_cast<int>(list.size());
}

// Music layer.

int ProfileStore::CountMusicLayers() {
    return Count("select count(*) FROM t_musiclayer_data WHERE profile = ?", {1});
}

int ProfileStore::AddMusicLayer(std::wstring_view name, int foreMode) {
    return Insert("INSERT INTO t_musiclayer_data(profile, name, deviceindex, foremode, "
                  "fore_amplitude, backmode, backb_right, sel) VALUES (?, ?, ?, ?, ?, ?, ?, ?);",
                  {1, name, 0, foreMode, 300, 0, 100, 0});
}

bool ProfileStore::GetMusicLayer(int layerId, MusicLayer& layer) {
    bool found = false;
    Query("SELECT * FROM t_musiclayer_data WHERE layer_id = ?", {layerId},
          [&](const SQLiteStatement& row) {
              if (!found) {
                  layer = ReadMusicLayer(row);
                  found = true;
              }
          });
    return found;
}

bool ProfileStore::UpdateMusicLayer(const MusicLayer& layer) {
    return Run("UPDATE t_musiclayer_data SET deviceindex= ?, foremode= ?, fore_amplitude = ?, "
               "backmode= ?, backb_right= ? WHERE layer_id = ?",
               {layer.deviceIndex, layer.foreMode, layer.foreAmplitude, layer.backMode,
                layer.backBrightness, layer.layerId});
}

bool ProfileStore::SelectMusicLayer() {
    return Atomically([&] {
        return Run("UPDATE t_musiclayer_data SET sel = ? WHERE profile = ?", {0, 1}) &&
               Run("UPDATE t_musiclayer_data SET sel = ? WHERE profile = ? AND layer_id = ?",
                   {1, 1, 1});
    });
}

int ProfileStore::GetSelectedMusicLayer() {
    int id = 0;
    Query("SELECT layer_id FROM t_musiclayer_data WHERE profile = ? AND sel = ?", {1, 1},
          [&](const SQLiteStatement& row) {
              if (id == 0) {
                  id = row.GetInt(0);
              }
          });
    return id;
}

// Defaults.

bool ProfileStore::WriteDefaultConfig() {
    return Atomically([&] {
        for (const auto& [key, value] : kDefaultConfig) {
            if (Insert(kInsertConfig, {1, key, value}) == 0) {
                return false;
            }
        }
        return true;
    });
}

bool ProfileStore::CreateDefaultProfiles(std::wstring_view namePrefix) {
    return Atomically([&] {
        if (Count("SELECT count(*) FROM t_profile_data", {}) > 0) {
            return true;
        }
        int first = 0;
        for (int number = 1; number <= 3; ++number) {
            ProfileRecord record;
            record.name = std::wstring(namePrefix) + L" " + std::to_wstring(number);
            const int id = AddProfile(record);
            if (id == 0 || (number == 1 && !WriteDefaultConfig())) {
                return false;
            }
            first = first == 0 ? id : first;
        }
        return SetActiveProfile(first);
    });
}

bool ProfileStore::CreateDefaultLightSettings(const LightDefaults& defaults) {
    return Atomically([&] {
        if (CountLightSettings(1) > 0) {
            return true;
        }
        for (const LightModeDefault& entry : defaults.modes) {
            LightSetting setting;
            setting.profile = 1;
            setting.name = entry.name;
            setting.mode = entry.mode;
            setting.brightness = defaults.brightness;
            setting.speed = defaults.speed;
            setting.colorful = 1;
            setting.colorValue = 255;
            setting.modeAttribute = entry.attribute;
            if (AddLightSetting(setting) == 0) {
                return false;
            }
        }
        return defaults.modes.empty() || SetActiveLightMode(1, defaults.mode);
    });
}

bool ProfileStore::CreateDefaultMusicLayer(std::wstring_view name, int foreMode) {
    return Atomically([&] {
        if (CountMusicLayers() > 0) {
            return true;
        }
        return AddMusicLayer(name, foreMode) != 0 && SelectMusicLayer();
    });
}
