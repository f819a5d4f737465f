#pragma once

#include <string>

// What the exchange commands need from the window that runs them: the selected list entries,
// the file dialogs, messages and the refresh of its lists. The main window implements it.

struct FileFilter {
    const wchar_t* name;
    const wchar_t* pattern;
};

inline constexpr FileFilter kExportProfileFilter{L"Profile (*.xml)", L"*.xml"};
inline constexpr FileFilter kImportProfileFilter{L"Custom Key (*.xml)", L"*.xml"};
inline constexpr FileFilter kExportMacroFilter{L"Macro (*.xml)", L"*.xml"};
inline constexpr FileFilter kImportMacroFilter{L"Macros (*.xml)", L"*.xml"};

enum class ExchangeFailure {
    ExportNotWritten, // the file could not be written; an older file of that name is intact
    ImportNotStored,  // the database refused the import; nothing of it was stored
};

class ExchangeHost {
public:
    virtual ~ExchangeHost() = default;

    // False when no entry is selected.
    virtual bool GetSelectedProfile(int& profileId, std::wstring& name) = 0;
    virtual bool GetSelectedMacro(int& macroId) = 0;

    // False when the user cancels.
    virtual bool ChooseSaveFile(const FileFilter& filter, std::wstring& path) = 0;
    virtual bool ChooseOpenFile(const FileFilter& filter, std::wstring& path) = 0;

    // A message box with language texts.
    virtual void ShowMessage(int textId, int titleId) = 0;
    virtual void ReportFailure(ExchangeFailure failure) = 0;

    // Append an entry to the list and select it.
    virtual void AddMacroToList(const std::wstring& name, int macroId) = 0;
    virtual void AddProfileToList(const std::wstring& name, int profileId) = 0;

    // Show the profile's assignments and hand them to the key filter.
    virtual void ShowProfile(int profileId) = 0;
    virtual void ReprogramKeyFilter() = 0;
};
