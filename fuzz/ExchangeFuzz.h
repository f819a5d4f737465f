#pragma once

#include "app/core/TextCodec.h"
#include "app/store/ProfileStore.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// A scratch database and input file for the exchange-file fuzzers. The database starts afresh
// every few hundred inputs so it stays small.
class ExchangeScratch {
public:
    ExchangeScratch()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("clavira-exchange-fuzz-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(m_folder);
        m_store.Open(Folder(), L"fuzz");
    }

    ProfileStore& Store() {
        if (++m_runs % 256 == 0) {
            m_store.DeleteDatabaseFile(Folder(), L"fuzz");
            m_store.Open(Folder(), L"fuzz");
        }
        return m_store;
    }

    std::wstring WriteInput(const uint8_t* data, size_t size) const {
        const std::filesystem::path path = m_folder / "Input.Name.xml";
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return Utf8ToWide(path.string());
    }

    std::wstring OutputPath() const { return Utf8ToWide((m_folder / "output.xml").string()); }

private:
    std::wstring Folder() const { return Utf8ToWide(m_folder.string()); }

    std::filesystem::path m_folder;
    ProfileStore m_store;
    unsigned m_runs = 0;
};
