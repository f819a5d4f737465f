#pragma once

#include "app/core/KeyPlacement.h"

#include <string>

// The keyboard views of the main window that show a layout's keys; each is filled only while
// its page is enabled in the feature mask.
enum class KeyboardView { CustomKeys, Lighting, Settings };

// What the description files show in the main window, and its registration for device
// notifications. The main window implements it.
class DeviceListHost {
public:
    virtual ~DeviceListHost() = default;

    // Adds a keyboard model to the keyboard selector, hidden until it connects.
    virtual void AddDevice(const std::wstring& name, int deviceType) = 0;
    virtual void SetVersionLabel(const std::wstring& text) = 0;
    virtual void SetCopyrightLabel(const std::wstring& text) = 0;
    // Asks for arrival and removal notifications of the HID device interface class.
    virtual void RegisterDeviceNotification() = 0;

    // Removes every key from the view.
    virtual void ClearItem(KeyboardView view) = 0;
    // Places the view and gives it its picture, a file below the skin folder, and the picture's
    // drawing size.
    virtual void SetKeyboardPicture(KeyboardView view, const KeyRect& rect,
                                    const std::wstring& image, int width, int height) = 0;
    // Appends a key, drawn without an icon.
    virtual void AddKeyItem(KeyboardView view, const std::wstring& name, const std::wstring& text,
                            int keyValue, const KeyRect& rect) = 0;
};
