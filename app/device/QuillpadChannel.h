#pragma once

#include "app/device/QuillpadReports.h"

// Where the virtual keyboard's frames go: the kernel device or its user-mode stand-in.
class IQuillpadChannel {
public:
    virtual ~IQuillpadChannel() = default;
    // Closes any open device and searches for it again; true when one is open afterwards.
    virtual bool Find() = 0;
    virtual bool IsOpen() const = 0;
    // One 64-byte write; false when it did not reach the device.
    virtual bool WriteFrame(const QuillpadFrame& frame) = 0;
};
