#pragma once

#include <filesystem>
#include <string>

// A file-system path from the program's wide text: UTF-16 on Windows, UTF-8 bytes on Linux.
std::filesystem::path PathFromWide(const std::wstring& path);
