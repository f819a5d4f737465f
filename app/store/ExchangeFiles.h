#pragma once

#include "app/store/ExchangeHost.h"
#include "app/store/ProfileRecords.h"

#include <string>
#include <vector>

class ProfileStore;

// Profile and macro exchange files: XML documents written from and read into the profile
// database. The file functions are independent of any window; ExchangeCommands runs them for
// the main window's buttons.

inline constexpr int kMaxProfiles = 200;

// The name an imported profile or macro gets: the file's name without its folder, cut before
// its first full stop; a name that starts with a full stop loses its last extension only.
std::wstring NameFromFilePath(const std::wstring& path);

// Both write to a temporary file beside `path` and rename it into place, so a failed write
// never leaves half a file.
bool WriteProfileFile(ProfileStore& store, int profileId, const std::wstring& profileName,
                      const std::wstring& path);
bool WriteMacroFile(ProfileStore& store, int macroId, const std::wstring& path);

enum class ImportResult {
    Imported,
    Unreadable,   // unreadable, not well formed or the wrong root: nothing stored
    ProfileLimit, // the database already holds the most profiles it may
    NotStored,    // the database refused a write: nothing stored
};

struct ImportedProfile {
    int profileId = 0;
    std::wstring name;
    std::vector<MacroInfo> newMacros; // macros created for it, in file order
};

// Each import is one transaction: all of it is stored or nothing.
ImportResult ImportProfileFile(ProfileStore& store, const std::wstring& path,
                               ImportedProfile& imported);
ImportResult ImportMacroFile(ProfileStore& store, const std::wstring& path, MacroInfo& imported);

class ExchangeCommands {
public:
    ExchangeCommands(ExchangeHost& host, ProfileStore& store) : m_host(host), m_store(store) {}

    // Each is true when the chosen file was written or imported.
    bool ExportProfile();
    bool ImportProfile();
    bool ExportMacro();
    bool ImportMacro();

private:
    ExchangeHost& m_host;
    ProfileStore& m_store;
};
