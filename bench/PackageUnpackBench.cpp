// How long unpacking a 20 MB update package takes (an installer and a few data files).

#include "app/update/PackageUnpacker.h"

#include <benchmark/benchmark.h>
#include <minizip/zip.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

fs::path MakePackage(const fs::path& folder) {
    fs::create_directories(folder);
    const fs::path package = folder / "package.zip";
    std::mt19937 random(614);
    zipFile zip = zipOpen64(package.c_str(), APPEND_STATUS_CREATE);
    for (int file = 0; file < 5; ++file) {
        // Half noise, half repetition: compresses about as well as a real installer.
        std::string content(4 * 1024 * 1024, '\0');
        for (size_t i = 0; i < content.size(); ++i) {
            content[i] = (i / 4096) % 2 ? static_cast<char>(random()) : static_cast<char>(i % 64);
        }
        const std::string name =
            file == 0 ? "Keyboard-Software-1.0.2.exe" : "data/part" + std::to_string(file) + ".bin";
        zip_fileinfo info = {};
        zipOpenNewFileInZip64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                              Z_DEFAULT_COMPRESSION, 1);
        zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    return package;
}

void Unpack20MegabytePackage(benchmark::State& state) {
    const fs::path root = fs::temp_directory_path() / "clavira-unpack-bench";
    fs::remove_all(root);
    const fs::path package = MakePackage(root);
    for (auto _ : state) {
        fs::remove_all(root / "temp");
        if (UnpackPackage(package, root / "temp") != UnpackResult::Unpacked) {
            state.SkipWithError("unpack failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * 20 * 1024 * 1024);
    fs::remove_all(root);
}
BENCHMARK(Unpack20MegabytePackage)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace
