#pragma once

// What the description fuzzers share: a scratch program folder and stand-ins for the main
// window, the device manager and the profile store that take every call and keep nothing.

#include "app/core/DeviceCatalog.h"
#include "app/core/DeviceListHost.h"
#include "app/core/KnownDeviceRegistry.h"
#include "app/core/ProfileDatabase.h"
#include "app/core/TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

class NullHost : public DeviceListHost {
public:
    void AddDevice(const std::wstring&, int) override {}
    void SetVersionLabel(const std::wstring&) override {}
    void SetCopyrightLabel(const std::wstring&) override {}
    void RegisterDeviceNotification() override {}
    void ClearItem(KeyboardView) override {}
    void SetKeyboardPicture(KeyboardView, const KeyRect&, const std::wstring&, int, int) override {}
    void AddKeyItem(KeyboardView, const std::wstring&, const std::wstring&, int,
                    const KeyRect&) override {}
};

class NullRegistry : public KnownDeviceRegistry {
public:
    void AddKnownDevice(int, int, const std::wstring&, int, int, const std::wstring&) override {}
};

class NullDatabase : public ProfileDatabase {
public:
    bool IsOpen() const override { return m_open; }
    bool Close() override {
        m_open = false;
        return true;
    }
    bool Open(const std::wstring&, std::wstring_view) override {
        m_open = true;
        return true;
    }

private:
    bool m_open = false;
};

// A program folder of this process with its layouts folder, removed when the process ends.
inline const std::filesystem::path& ScratchProgramFolder() {
    struct Folder {
        Folder()
            : path(std::filesystem::temp_directory_path() /
                   ("description-fuzz-" + std::to_string(getpid()))) {
            std::filesystem::create_directories(path / "layouts");
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        std::filesystem::path path;
    };
    static const Folder folder;
    return folder.path;
}

inline void WriteBytes(const std::filesystem::path& path, const uint8_t* data, size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Loads the folder's files and checks what no input may break: the grid size and every light
// position stay inside their tables.
inline void LoadAndCheck() {
    NullHost host;
    NullRegistry registry;
    NullDatabase database;
    DeviceCatalog catalog(Utf8ToWide(ScratchProgramFolder().string()), L"data", host, registry,
                          database);
    catalog.LoadDeviceList();
    catalog.SelectKeyboard(kStartDeviceType);
    const DeviceDescription& d = catalog.Description();
    if (d.gridRows < 0 || d.gridRows > kKeyGridRows || d.gridColumns < 0 ||
        d.gridColumns > kKeyGridColumns) {
        std::abort();
    }
    for (const auto& [code, position] : d.lightPositions) {
        if (position < 0 || position >= kLightPositionCount) {
            std::abort();
        }
    }
}
