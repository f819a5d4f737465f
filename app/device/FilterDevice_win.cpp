#include "app/device/FilterDevice.h"

#include <windows.h>

namespace HidUsbFilter {

namespace {

constexpr wchar_t DeviceName[] = L"\\\\.\\quillgate";

} // namespace

FilterDevice::FilterDevice() {
    for (void*& event : m_cancelEvents) {
        event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
}

FilterDevice::~FilterDevice() {
    Close();
    for (void* event : m_cancelEvents) {
        if (event != nullptr) {
            CloseHandle(event);
        }
    }
}

bool FilterDevice::Open() {
    Close();
    const std::array<DWORD, 3> access{GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
    for (std::size_t i = 0; i < m_handles.size(); ++i) {
        HANDLE handle = CreateFileW(DeviceName, access[i], FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
        m_handles[i] = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }
    return m_handles[ReadWrite] != nullptr;
}

bool FilterDevice::Control(std::uint32_t code, const void* input, std::size_t inputSize,
                           void* output, std::size_t outputSize) {
    HANDLE device = m_handles[ReadWrite];
    if (device == nullptr) {
        return false;
    }
    OVERLAPPED overlapped{};
    overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (overlapped.hEvent == nullptr) {
        return false;
    }
    DWORD returned = 0;
    bool done =
        DeviceIoControl(device, code, const_cast<void*>(input), static_cast<DWORD>(inputSize),
                        output, static_cast<DWORD>(outputSize), &returned, &overlapped);
    if (!done && GetLastError() == ERROR_IO_PENDING) {
        const HANDLE waits[2] = {overlapped.hEvent, m_cancelEvents[ReadWrite]};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0) {
            done = GetOverlappedResult(device, &overlapped, &returned, FALSE);
        } else {
            CancelIoEx(device, &overlapped);
            GetOverlappedResult(device, &overlapped, &returned, TRUE);
            done = false;
        }
    }
    CloseHandle(overlapped.hEvent);
    // A control that completes at once has completed: a key event read that way is an event.
    return done && returned >= outputSize;
}

void FilterDevice::Cancel() {
    for (std::size_t i = 0; i < m_handles.size(); ++i) {
        SetEvent(m_cancelEvents[i]);
        if (m_handles[i] != nullptr) {
            CancelIoEx(m_handles[i], nullptr);
        }
    }
}

void FilterDevice::Rearm() {
    for (void* event : m_cancelEvents) {
        ResetEvent(event);
    }
}

void FilterDevice::Close() {
    for (std::size_t i = 0; i < m_handles.size(); ++i) {
        if (m_handles[i] != nullptr) {
            SetEvent(m_cancelEvents[i]);
            CancelIoEx(m_handles[i], nullptr);
            CloseHandle(m_handles[i]);
            m_handles[i] = nullptr;
        }
    }
}

} // namespace HidUsbFilter
