#pragma once

#include <minizip/zip.h>

#include <filesystem>
#include <string>
#include <vector>

// Writes zip archives for the tests, with whatever entry names they need, hostile ones too.
struct ZipEntry {
    std::string name;
    std::string content;
};

inline void WriteZip(const std::filesystem::path& path, const std::vector<ZipEntry>& entries) {
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    for (const ZipEntry& entry : entries) {
        zip_fileinfo info = {};
        zipOpenNewFileInZip64(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                              Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0);
        zipWriteInFileInZip(zip, entry.content.data(), static_cast<unsigned>(entry.content.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
}
