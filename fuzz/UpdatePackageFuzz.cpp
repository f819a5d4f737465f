// Feeds arbitrary bytes to the update package unpacker and checks that nothing ever lands
// outside the work folder; also exercises the version rules on the same bytes.

#include "app/core/TextCodec.h"
#include "app/update/PackageUnpacker.h"
#include "app/update/Versions.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path root =
        fs::temp_directory_path() / ("update-fuzz-" + std::to_string(getpid()));
    const fs::path work = root / "data" / "temp";
    const fs::path package = root / "package.zip";
    fs::remove_all(root);
    fs::create_directories(work);
    std::ofstream(package, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    UnpackPackage(package, work);
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        const fs::path& path = item.path();
        const bool inside =
            std::mismatch(work.begin(), work.end(), path.begin(), path.end()).first == work.end();
        if (!inside && path != package && path != work.parent_path() && path != work) {
            std::abort();
        }
    }

    const std::string text(reinterpret_cast<const char*>(data), std::min<size_t>(size, 64));
    const std::wstring wide = Utf8ToWide(text);
    const int forward = CompareVersions(wide, L"1.0.2");
    const int backward = CompareVersions(L"1.0.2", wide);
    if (forward != -backward) {
        std::abort();
    }
    return 0;
}
