#include "app/input/MappingData.h"

#include "app/store/ProfileStore.h"

int StoreMappingData::ActiveProfile() { return m_store.GetActiveProfile(); }

std::vector<KeyAssignment> StoreMappingData::Assignments(int profile, int layer) {
    std::vector<KeyAssignment> rows;
    m_store.ListKeyAssignments(profile, layer, rows);
    return rows;
}

std::optional<MacroInfo> StoreMappingData::Macro(int macroId) {
    MacroInfo info;
    if (!m_store.GetMacro(macroId, info)) {
        return std::nullopt;
    }
    return info;
}

std::vector<MacroRecord> StoreMappingData::MacroEvents(int macroId) {
    std::vector<MacroRecord> events;
    m_store.ListMacroRecords(macroId, events);
    return events;
}
