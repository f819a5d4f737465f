#pragma once

#include <cstdint>
#include <optional>

// Key codes shared by the user-mode key filter and virtual keyboard: Windows virtual-key codes,
// HID keyboard usages (the layout's key codes) and consumer-control usages.

// Low-level hook flags as the system reports them.
constexpr std::uint32_t HookFlagExtended = 0x01;
constexpr std::uint32_t HookFlagInjected = 0x10;
constexpr std::uint32_t HookFlagAltDown = 0x20;
constexpr std::uint32_t HookFlagUp = 0x80;

// The virtual-key code of a hook event: a numeric-pad key the system reports as a navigation key
// (NumLock off: not extended, no other flag) gives its numeric-pad code, and the numeric-pad
// Enter (extended, scan code 28) gives 108. 0 for a code of 0.
int HookVirtualKey(int virtualKey, std::uint32_t scanCode, std::uint32_t flags, bool down);

// The HID keyboard usage of a virtual-key code; media keys give their multimedia codes 232-249;
// 0 for a code without one.
int UsageOfVirtualKey(int virtualKey);

struct VirtualKeyStroke {
    int virtualKey = 0;
    bool extended = false;
};
// The key that produces a HID keyboard usage (below 232); nothing for a usage without one.
std::optional<VirtualKeyStroke> VirtualKeyOfUsage(int usage);

// The media, volume, browser or launch key of a consumer-control usage.
std::optional<int> VirtualKeyOfConsumerUsage(std::uint16_t usage);
