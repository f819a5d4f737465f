#pragma once

#include "app/store/ProfileRecords.h"

#include <optional>
#include <vector>

class ProfileStore;

// What the key mapping reads from the profile database.
class MappingData {
public:
    virtual ~MappingData() = default;
    // 0 when no profile is active.
    virtual int ActiveProfile() = 0;
    // The profile's assignment rows of one layer, in the database's order.
    virtual std::vector<KeyAssignment> Assignments(int profile, int layer) = 0;
    virtual std::optional<MacroInfo> Macro(int macroId) = 0;
    // The macro's events in record_index order.
    virtual std::vector<MacroRecord> MacroEvents(int macroId) = 0;
};

// The same, read through the profile store.
class StoreMappingData : public MappingData {
public:
    explicit StoreMappingData(ProfileStore& store) : m_store(store) {}

    int ActiveProfile() override;
    std::vector<KeyAssignment> Assignments(int profile, int layer) override;
    std::optional<MacroInfo> Macro(int macroId) override;
    std::vector<MacroRecord> MacroEvents(int macroId) override;

private:
    ProfileStore& m_store;
};
