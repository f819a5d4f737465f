#include "app/device/Quillpad.h"

#include <span>

bool Quillpad::Find() {
    std::lock_guard guard(m_lock);
    return m_channel.Find();
}

bool Quillpad::SetKey(int usage, bool pressed) {
    std::lock_guard guard(m_lock);
    if (!SetKeyboardUsage(m_reports, usage, pressed)) {
        return false;
    }
    return WriteLocked(m_reports.keyboard.data(), m_reports.keyboard.size(),
                       QuillpadKeyboardReportId);
}

bool Quillpad::SetMouseButton(int bit, bool pressed) {
    std::lock_guard guard(m_lock);
    SetMouseButtonBit(m_reports, bit, pressed);
    return WriteLocked(m_reports.mouse.data(), m_reports.mouse.size(), QuillpadMouseReportId);
}

bool Quillpad::SetConsumer(std::uint16_t usage) {
    std::lock_guard guard(m_lock);
    SetConsumerUsage(m_reports, usage);
    return WriteLocked(m_reports.consumer.data(), m_reports.consumer.size(),
                       QuillpadConsumerReportId);
}

bool Quillpad::Reset() {
    std::lock_guard guard(m_lock);
    m_reports = QuillpadReports{};
    // Every report is sent even when an earlier one failed: each releases its own inputs.
    bool sent =
        WriteLocked(m_reports.keyboard.data(), m_reports.keyboard.size(), QuillpadKeyboardReportId);
    sent =
        WriteLocked(m_reports.mouse.data(), m_reports.mouse.size(), QuillpadMouseReportId) && sent;
    sent = WriteLocked(m_reports.consumer.data(), m_reports.consumer.size(),
                       QuillpadConsumerReportId) &&
           sent;
    sent = WriteLocked(m_reports.fourth.data(), m_reports.fourth.size(), QuillpadFourthReportId) &&
           sent;
    return sent;
}

bool Quillpad::Write(const std::uint8_t* data, std::size_t length, std::uint8_t reportId) {
    std::lock_guard guard(m_lock);
    return WriteLocked(data, length, reportId);
}

QuillpadReports Quillpad::Reports() const {
    std::lock_guard guard(m_lock);
    return m_reports;
}

bool Quillpad::WriteLocked(const std::uint8_t* data, std::size_t length, std::uint8_t reportId) {
    const QuillpadFrame frame = BuildQuillpadFrame(std::span(data, length), reportId);
    if (m_channel.IsOpen() && m_channel.WriteFrame(frame)) {
        return true;
    }
    // The device was closed or went away (reinstalled, re-enumerated): search once and retry.
    return m_channel.Find() && m_channel.WriteFrame(frame);
}
