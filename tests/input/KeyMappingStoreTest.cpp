#include "app/device/Quillpad.h"
#include "app/input/KeyMapping.h"
#include "tests/input/KeyMappingFakes.h"
#include "tests/store/StoreFixture.h"

#include <gtest/gtest.h>

namespace {

using Changes = std::vector<std::string>;

class KeyMappingStoreTest : public StoreFixture {
protected:
    void Assign(int profile, int keyCode, int kind, int value) {
        KeyAssignment row;
        row.profile = profile;
        row.keyCode = keyCode;
        row.kind = kind;
        row.value = value;
        ASSERT_NE(m_store.SaveKeyAssignment(row), 0);
    }
    int AddMacro(int playTimes, const std::vector<std::pair<int, int>>& indexAndKey) {
        MacroInfo info;
        info.playTimes = playTimes;
        info.name = L"m";
        const int id = m_store.InsertMacro(info);
        for (const auto& [index, key] : indexAndKey) {
            MacroRecord record;
            record.macroId = id;
            record.index = index;
            record.type = 2;
            record.value = key;
            m_store.AddMacroRecord(record);
        }
        return id;
    }

    RecordingPad pad;
    Quillpad quillpad{pad};
    QueueFilter filter;
    VirtualSleeper sleeper;
    StoreMappingData data{m_store};
    std::vector<int> queued;
};

TEST_F(KeyMappingStoreTest, ActiveProfilesRowsAreWatchedAndCarriedOut) {
    ASSERT_TRUE(m_store.CreateDefaultProfiles(L"Profile"));
    ASSERT_TRUE(m_store.SetActiveProfile(2));
    const int macroId = AddMacro(1, {{1, 'B'}, {0, 'A'}});
    Assign(1, 4, kAssignKey, 6);
    Assign(2, 5, kAssignKey, 7);
    Assign(2, 6, kAssignMacro, macroId);
    KeyMapping mapping({quillpad, filter, data, sleeper, [this](int id) { queued.push_back(id); }});
    ASSERT_TRUE(mapping.ReprogramKeyFilter());
    EXPECT_EQ(filter.table, (std::vector<std::uint16_t>{5, 6}));

    mapping.OnKeyEvent(5, true);
    mapping.OnKeyEvent(5, false);
    mapping.OnKeyEvent(6, true);
    ASSERT_EQ(queued, std::vector<int>{macroId});
    mapping.PlayMacro(macroId);
    // Events play in record_index order, whatever order they were stored in.
    EXPECT_EQ(pad.Changes(), (Changes{"key 7 down", "key 7 up", "key 4 down", "key 5 down",
                                      "key 4 up", "key 5 up"}));

    pad.ClearChanges();
    ASSERT_TRUE(m_store.DeleteMacro(macroId));
    mapping.PlayMacro(macroId); // already queued before it was deleted
    EXPECT_EQ(pad.FrameCount(), 0);
}

} // namespace
