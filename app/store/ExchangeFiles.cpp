#include "app/store/ExchangeFiles.h"

#include "app/core/FilePath.h"
#include "app/core/TextCodec.h"
#include "app/store/ProfileStore.h"
#include "app/store/XmlDocument.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <system_error>

namespace {

constexpr const wchar_t* kDeclaration = L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// Language texts of the messages shown here.
constexpr int kNoProfileSelectedText = 151;
constexpr int kNoProfileSelectedTitle = 152;
constexpr int kNoMacroSelectedText = 540;
constexpr int kNoMacroSelectedTitle = 541;
constexpr int kTooManyProfilesText = 295;
constexpr int kTooManyProfilesTitle = 65;

// Decimal like "%d" wrote it; anything else (absent, not a number, out of range) reads as 0.
int ReadNumber(const XmlDocument& doc, const wchar_t* name) {
    const std::wstring text = doc.GetAttribute(name);
    size_t at = 0;
    while (at < text.size() && (text[at] == L' ' || text[at] == L'\t')) {
        ++at;
    }
    const bool negative = at < text.size() && text[at] == L'-';
    at += (at < text.size() && (text[at] == L'-' || text[at] == L'+')) ? 1 : 0;
    long long value = 0;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
        value = value * 10 + (text[at] - L'0');
        if (value > 2147483648LL) {
            return 0;
        }
    }
    value = negative ? -value : value;
    return value >= INT32_MIN && value <= INT32_MAX ? static_cast<int>(value) : 0;
}

void SetNumber(XmlDocument& doc, const wchar_t* name, int value) {
    doc.SetAttribute(name, std::to_wstring(value));
}

void WriteRecords(XmlDocument& doc, const std::vector<MacroRecord>& records) {
    for (const MacroRecord& record : records) {
        doc.AddElement(L"item");
        doc.SetAttribute(L"desc", record.text);
        SetNumber(doc, L"type", record.type);
        SetNumber(doc, L"value", record.value);
        SetNumber(doc, L"delay_time", record.delayTime);
    }
}

// Reads the `item` children of the current `macroitems`, entering and leaving it.
std::vector<MacroRecord> ReadRecords(XmlDocument& doc) {
    std::vector<MacroRecord> records;
    if (!doc.EnterElement()) {
        return records;
    }
    while (doc.FindElement(L"item")) {
        MacroRecord record;
        record.index = static_cast<int>(records.size());
        record.text = doc.GetAttribute(L"desc");
        record.type = ReadNumber(doc, L"type");
        record.value = ReadNumber(doc, L"value");
        record.delayTime = ReadNumber(doc, L"delay_time");
        records.push_back(record);
    }
    doc.LeaveElement();
    return records;
}

bool SaveInPlace(const XmlDocument& doc, const std::wstring& path) {
    const std::wstring temporary = path + L".partial";
    std::error_code error;
    if (!doc.SaveFile(temporary)) {
        std::filesystem::remove(PathFromWide(temporary), error);
        return false;
    }
    std::filesystem::rename(PathFromWide(temporary), PathFromWide(path), error);
    if (error) {
        std::filesystem::remove(PathFromWide(temporary), error);
        return false;
    }
    return true;
}

bool LoadRoot(XmlDocument& doc, const std::wstring& path, const wchar_t* root) {
    return doc.LoadFile(path) && doc.FindElement(root) && doc.EnterElement();
}

struct FileMacro {
    int fileId = 0;
    MacroInfo info;
    std::vector<MacroRecord> records;
};

struct ProfileFile {
    std::vector<FileMacro> macros;
    std::vector<KeyAssignment> assignments;
};

// The macros and the assignments are looked for separately, each from the start of the root.
bool ReadProfileFile(const std::wstring& path, ProfileFile& file) {
    XmlDocument macros;
    XmlDocument keys;
    if (!LoadRoot(macros, path, L"profile") || !LoadRoot(keys, path, L"profile")) {
        return false;
    }
    while (macros.FindElement(L"macroinfo")) {
        FileMacro macro;
        macro.fileId = ReadNumber(macros, L"macro_id");
        macro.info.name = macros.GetAttribute(L"name");
        macro.info.playTimes = ReadNumber(macros, L"times");
        macro.info.delayType = ReadNumber(macros, L"type");
        macro.info.delayTime = ReadNumber(macros, L"delaytime");
        if (macros.EnterElement()) {
            if (macros.FindElement(L"macroitems")) {
                macro.records = ReadRecords(macros);
            }
            macros.LeaveElement();
        }
        file.macros.push_back(macro);
    }
    keys.FindElement(L"profileinfo"); // its name is not used: the file's name is
    if (keys.FindElement(L"keyitems") && keys.EnterElement()) {
        while (keys.FindElement(L"item")) {
            KeyAssignment a;
            a.layer = ReadNumber(keys, L"fn_layer");
            a.keyCode = ReadNumber(keys, L"key_code");
            a.layoutValue = ReadNumber(keys, L"layout_value");
            a.layoutText = keys.GetAttribute(L"layout_desc");
            a.kind = ReadNumber(keys, L"macro_type");
            a.value = ReadNumber(keys, L"macro_value");
            a.value2 = ReadNumber(keys, L"macro_value2");
            a.value3 = ReadNumber(keys, L"macro_value3");
            a.text = keys.GetAttribute(L"macro_desc");
            file.assignments.push_back(a);
        }
    }
    return true;
}

} // namespace

std::wstring NameFromFilePath(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"/\\");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const size_t colon = name.find(L':'); // "C:name.xml"
    if (slash == std::wstring::npos && colon != std::wstring::npos) {
        name.erase(0, colon + 1);
    }
    const size_t dot = name.find(L'.');
    if (dot != 0) {
        return name.substr(0, dot);
    }
    const size_t last = name.rfind(L'.');
    return last == 0 ? name : name.substr(0, last);
}

bool WriteProfileFile(ProfileStore& store, int profileId, const std::wstring& profileName,
                      const std::wstring& path) {
    std::vector<KeyAssignment> assignments;
    store.ListKeyAssignments(profileId, 0, assignments);

    XmlDocument doc;
    doc.SetText(kDeclaration);
    doc.AddElement(L"profile");
    doc.EnterElement();
    doc.AddElement(L"profileinfo");
    doc.SetAttribute(L"name", profileName);
    doc.AddElement(L"keyitems");
    doc.EnterElement();
    std::vector<int> macroIds;
    for (const KeyAssignment& a : assignments) {
        doc.AddElement(L"item");
        SetNumber(doc, L"fn_layer", a.layer);
        SetNumber(doc, L"key_code", a.keyCode);
        SetNumber(doc, L"layout_value", a.layoutValue);
        doc.SetAttribute(L"layout_desc", a.layoutText);
        SetNumber(doc, L"macro_type", a.kind);
        SetNumber(doc, L"macro_value", a.value);
        SetNumber(doc, L"macro_value2", a.value2);
        SetNumber(doc, L"macro_value3", a.value3);
        doc.SetAttribute(L"macro_desc", a.text);
        if (a.kind == kKindMacro &&
            std::find(macroIds.begin(), macroIds.end(), a.value) == macroIds.end()) {
            macroIds.push_back(a.value);
        }
    }
    doc.LeaveElement();
    for (int macroId : macroIds) {
        MacroInfo info;
        if (!store.GetMacro(macroId, info)) {
            continue; // a key naming a deleted macro: the importer drops such keys
        }
        std::vector<MacroRecord> records;
        store.ListMacroRecords(macroId, records);
        doc.AddElement(L"macroinfo");
        doc.SetAttribute(L"name", info.name);
        SetNumber(doc, L"macro_id", info.macroId);
        SetNumber(doc, L"times", info.playTimes);
        SetNumber(doc, L"type", info.delayType);
        SetNumber(doc, L"delaytime", info.delayTime);
        doc.EnterElement();
        doc.AddElement(L"macroitems");
        doc.EnterElement();
        WriteRecords(doc, records);
        doc.LeaveElement();
        doc.LeaveElement();
    }
    return SaveInPlace(doc, path);
}

bool WriteMacroFile(ProfileStore& store, int macroId, const std::wstring& path) {
    MacroInfo info;
    if (!store.GetMacro(macroId, info)) {
        return false;
    }
    std::vector<MacroRecord> records;
    store.ListMacroRecords(macroId, records);

    XmlDocument doc;
    doc.SetText(kDeclaration);
    doc.AddElement(L"macro");
    doc.EnterElement();
    doc.AddElement(L"macroinfo");
    doc.SetAttribute(L"name", info.name);
    SetNumber(doc, L"times", info.playTimes);
    SetNumber(doc, L"type", info.delayType);
    SetNumber(doc, L"delaytime", info.delayTime);
    doc.AddElement(L"macroitems");
    doc.EnterElement();
    WriteRecords(doc, records);
    return SaveInPlace(doc, path);
}

ImportResult ImportProfileFile(ProfileStore& store, const std::wstring& path,
                               ImportedProfile& imported) {
    ProfileFile file;
    if (!ReadProfileFile(path, file)) {
        return ImportResult::Unreadable;
    }
    ImportedProfile result;
    result.name = NameFromFilePath(path);
    bool overLimit = false;
    const bool stored = store.Atomically([&] {
        if (store.CountProfiles() >= kMaxProfiles) {
            overLimit = true;
            return false;
        }
        std::vector<MacroInfo> existing;
        store.ListMacros(existing);
        // File id -> id in this database. A macro listed twice in the file is stored once.
        std::map<int, int> macroIds;
        for (const FileMacro& macro : file.macros) {
            if (macroIds.contains(macro.fileId)) {
                continue;
            }
            const bool present = std::any_of(existing.begin(), existing.end(), [&](auto& m) {
                return m.macroId == macro.fileId && m.name == macro.info.name;
            });
            if (present) {
                macroIds[macro.fileId] = macro.fileId;
                continue;
            }
            const int id = store.InsertMacro(macro.info);
            if (id == 0 || !store.ReplaceMacroRecords(id, macro.records)) {
                return false;
            }
            macroIds[macro.fileId] = id;
            MacroInfo info = macro.info;
            info.macroId = id;
            result.newMacros.push_back(info);
        }
        ProfileRecord profile;
        profile.name = result.name;
        result.profileId = store.AddProfile(profile);
        if (result.profileId == 0) {
            return false;
        }
        for (KeyAssignment assignment : file.assignments) {
            assignment.profile = result.profileId;
            if (assignment.kind == kKindMacro) {
                const auto found = macroIds.find(assignment.value);
                if (found == macroIds.end()) {
                    continue; // its macro is not in the file: never bind a stranger
                }
                assignment.value = found->second;
            }
            if (ProfileStore::IsStoredAssignment(assignment) &&
                store.SaveKeyAssignment(assignment) == 0) {
                return false;
            }
        }
        return true;
    });
    if (!stored) {
        return overLimit ? ImportResult::ProfileLimit : ImportResult::NotStored;
    }
    imported = result;
    return ImportResult::Imported;
}

ImportResult ImportMacroFile(ProfileStore& store, const std::wstring& path, MacroInfo& imported) {
    XmlDocument doc;
    if (!LoadRoot(doc, path, L"macro")) {
        return ImportResult::Unreadable;
    }
    MacroInfo info;
    info.name = NameFromFilePath(path);
    if (doc.FindElement(L"macroinfo")) {
        info.playTimes = ReadNumber(doc, L"times");
        info.delayType = ReadNumber(doc, L"type");
        info.delayTime = ReadNumber(doc, L"delaytime");
    }
    std::vector<MacroRecord> records;
    if (doc.FindElement(L"macroitems")) {
        records = ReadRecords(doc);
    }
    const bool stored = store.Atomically([&] {
        info.macroId = store.InsertMacro(info);
        return info.macroId != 0 && store.ReplaceMacroRecords(info.macroId, records);
    });
    if (!stored) {
        return ImportResult::NotStored;
    }
    imported = info;
    return ImportResult::Imported;
}

bool ExchangeCommands::ExportProfile() {
    int profileId = 0;
    std::wstring name;
    if (!m_host.GetSelectedProfile(profileId, name)) {
        m_host.ShowMessage(kNoProfileSelectedText, kNoProfileSelectedTitle);
        return false;
    }
    std::wstring path;
    if (!m_host.ChooseSaveFile(kExportProfileFilter, path)) {
        return false;
    }
    if (!WriteProfileFile(m_store, profileId, name, path)) {
        m_host.ReportFailure(ExchangeFailure::ExportNotWritten);
        return false;
    }
    return true;
}

bool ExchangeCommands::ImportProfile() {
    std::wstring path;
    std::error_code error;
    if (!m_host.ChooseOpenFile(kImportProfileFilter, path) ||
        !std::filesystem::is_regular_file(PathFromWide(path), error)) {
        return false;
    }
    ImportedProfile imported;
    switch (ImportProfileFile(m_store, path, imported)) {
    case ImportResult::Imported:
        break;
    case ImportResult::ProfileLimit:
        m_host.ShowMessage(kTooManyProfilesText, kTooManyProfilesTitle);
        return false;
    case ImportResult::NotStored:
        m_host.ReportFailure(ExchangeFailure::ImportNotStored);
        return false;
    case ImportResult::Unreadable:
        return false;
    }
    for (const MacroInfo& macro : imported.newMacros) {
        m_host.AddMacroToList(macro.name, macro.macroId);
    }
    m_host.AddProfileToList(imported.name, imported.profileId);
    m_store.SetActiveProfile(imported.profileId);
    m_host.ShowProfile(imported.profileId);
    m_host.ReprogramKeyFilter();
    return true;
}

bool ExchangeCommands::ExportMacro() {
    int macroId = 0;
    if (!m_host.GetSelectedMacro(macroId)) {
        m_host.ShowMessage(kNoMacroSelectedText, kNoMacroSelectedTitle);
        return false;
    }
    std::wstring path;
    if (!m_host.ChooseSaveFile(kExportMacroFilter, path)) {
        return false;
    }
    if (!WriteMacroFile(m_store, macroId, path)) {
        m_host.ReportFailure(ExchangeFailure::ExportNotWritten);
        return false;
    }
    return true;
}

bool ExchangeCommands::ImportMacro() {
    std::wstring path;
    std::error_code error;
    if (!m_host.ChooseOpenFile(kImportMacroFilter, path) ||
        !std::filesystem::is_regular_file(PathFromWide(path), error)) {
        return false;
    }
    MacroInfo imported;
    switch (ImportMacroFile(m_store, path, imported)) {
    case ImportResult::Imported:
        m_host.AddMacroToList(imported.name, imported.macroId);
        return true;
    case ImportResult::NotStored:
        m_host.ReportFailure(ExchangeFailure::ImportNotStored);
        return false;
    case ImportResult::Unreadable:
    case ImportResult::ProfileLimit:
        return false;
    }
    return false;
}
