#pragma once

#include <cstddef>
#include <cstdint>

namespace HidUsbFilter {

// The key filter's control device: the kernel driver or its user-mode stand-in.
class IFilterChannel {
public:
    virtual ~IFilterChannel() = default;
    // Closes whatever is open, then opens the device; false when it is not there.
    virtual bool Open() = 0;
    // One I/O control. True when it completed successfully (at once or after waiting); a wait
    // ends early, returning false, once Cancel has been called.
    virtual bool Control(std::uint32_t code, const void* input, std::size_t inputSize, void* output,
                         std::size_t outputSize) = 0;
    // Ends any wait in Control and makes later waits end at once until Rearm; a cancel that
    // comes before the wait starts is therefore never lost.
    virtual void Cancel() = 0;
    virtual void Rearm() = 0;
    virtual void Close() = 0;
};

} // namespace HidUsbFilter
