#pragma once

#include "app/device/FilterChannel.h"

#include <array>

namespace HidUsbFilter {

// The key filter driver's control device "\\.\quillgate": three overlapped handles (reading,
// writing, both), each with a cancel event. Controls use the read-and-write handle.
class FilterDevice : public IFilterChannel {
public:
    FilterDevice();
    ~FilterDevice() override;
    FilterDevice(const FilterDevice&) = delete;
    FilterDevice& operator=(const FilterDevice&) = delete;

    bool Open() override;
    bool Control(std::uint32_t code, const void* input, std::size_t inputSize, void* output,
                 std::size_t outputSize) override;
    void Cancel() override;
    void Rearm() override;
    void Close() override;

private:
    static constexpr std::size_t ReadWrite = 2;
    std::array<void*, 3> m_handles{};      // HANDLEs, null when closed
    std::array<void*, 3> m_cancelEvents{}; // manual-reset: a cancel stays in force until Rearm
};

} // namespace HidUsbFilter
