#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

// Unpacks a downloaded update package (a zip archive) into the work folder, keeping the folder
// structure stored in it. Nothing is ever written outside the work folder: a package with any
// entry that could reach outside it, or that declares an implausible size, is refused whole
// before a single file is written.

enum class UnpackResult {
    Unpacked,
    NotAnArchive, // the file is missing or is not a zip archive
    Refused,      // an entry name or size is unsafe; nothing was written
    Failed,       // the archive broke off or a file could not be written
};

// Entries larger than this, or packages whose entries add up to more, are refused.
constexpr std::uint64_t kMaxEntryBytes = 1ull << 30;
constexpr std::uint64_t kMaxPackageBytes = 2ull << 30;

// Whether a stored entry name stays inside the folder it is unpacked into, on Windows as on
// Linux: relative, no "..", no drive or stream colon, no device names, no characters Windows
// forbids or silently strips.
bool IsSafeEntryName(std::string_view name);

UnpackResult UnpackPackage(const std::filesystem::path& package,
                           const std::filesystem::path& workFolder);
