#include "app/core/FilePath.h"

#include "app/core/TextCodec.h"

std::filesystem::path PathFromWide(const std::wstring& path) {
    const std::string utf8 = WideToUtf8(path);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
