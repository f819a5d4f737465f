#pragma once

#include "app/device/DriverlessReportTranslator.h"
#include "app/device/QuillpadChannel.h"

#include <mutex>

// The virtual keyboard without a driver: each frame's changes become synthesised input.
class DriverlessQuillpad : public IQuillpadChannel {
public:
    DriverlessQuillpad() = default;
    // Releases whatever is still pressed.
    ~DriverlessQuillpad() override;

    // Always present; releases what the previous "device" left pressed.
    bool Find() override;
    bool IsOpen() const override { return true; }
    bool WriteFrame(const QuillpadFrame& frame) override;

private:
    std::mutex m_lock; // guards m_translator
    DriverlessReportTranslator m_translator;
};
