#pragma once

#include "app/input/MacroRecorder.h"

#include <optional>
#include <string>
#include <vector>

// The record list as the recorder fills it, and the captured key's name once one is shown.
class ListSink : public IRecordSink {
public:
    void AppendRecord(const RecordedKey& record) override { records.push_back(record); }
    void SetLastRecordDelay(int delay) override {
        if (!records.empty()) {
            records.back().delay = delay;
        }
    }
    void ShowCapturedKey(const std::wstring& name) override { captured = name; }

    std::vector<RecordedKey> records;
    std::optional<std::wstring> captured;
};
