#pragma once

#include "app/device/QuillpadChannel.h"

// The virtual keyboard's kernel driver: the HID interface "\\?\HID#quillpad..." with vendor
// 0xDEED, product 0xFEED, usage page 0xFF00 and usage 1.
class QuillpadDriverChannel : public IQuillpadChannel {
public:
    QuillpadDriverChannel() = default;
    ~QuillpadDriverChannel() override;
    QuillpadDriverChannel(const QuillpadDriverChannel&) = delete;
    QuillpadDriverChannel& operator=(const QuillpadDriverChannel&) = delete;

    bool Find() override;
    bool IsOpen() const override;
    bool WriteFrame(const QuillpadFrame& frame) override;

private:
    void Close();

    void* m_device = nullptr; // HANDLE; null when closed
};
