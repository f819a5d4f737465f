// How long the profile database's heavier writes take, each a single transaction synced to
// disk: importing a full profile file, saving the custom colours of every key, and opening the
// file when a keyboard is selected.

#include "app/core/TextCodec.h"
#include "app/store/ExchangeFiles.h"
#include "app/store/ProfileStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr const wchar_t* kKeyboard = L"M614-RGB";

class Scratch {
public:
    explicit Scratch(const char* name)
        : m_folder(std::filesystem::temp_directory_path() /
                   (std::string("clavira-bench-") + name + "-" + std::to_string(getpid()))) {
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        m_store.Open(Folder(), kKeyboard);
    }
    ~Scratch() {
        m_store.Close();
        std::filesystem::remove_all(m_folder);
    }
    std::wstring Folder() const { return Utf8ToWide(m_folder.string()); }
    std::wstring File(const char* name) const { return Utf8ToWide((m_folder / name).string()); }
    ProfileStore& Store() { return m_store; }
    void Reset() {
        m_store.DeleteDatabaseFile(Folder(), kKeyboard);
        m_store.Open(Folder(), kKeyboard);
    }

private:
    std::filesystem::path m_folder;
    ProfileStore m_store;
};

// A profile with 104 assignments, 20 of them running macros of 50 events each.
std::wstring WriteLargeProfile(Scratch& scratch) {
    ProfileStore& store = scratch.Store();
    const int profile = store.AddProfile(ProfileRecord{});
    for (int key = 1; key <= 104; ++key) {
        KeyAssignment a;
        a.profile = profile;
        a.keyCode = key;
        a.kind = 2;
        a.value = 64 + key;
        a.text = L"Key " + std::to_wstring(key);
        if (key <= 20) {
            a.kind = kKindMacro;
            a.value = store.AddMacro(L"Macro " + std::to_wstring(key));
            std::vector<MacroRecord> records;
            for (int i = 0; i < 50; ++i) {
                records.push_back({0, a.value, 2 + i % 2, i, 65 + i / 2, 12, L"A"});
            }
            store.AddMacroRecords(records);
        }
        store.SaveKeyAssignment(a);
    }
    const std::wstring path = scratch.File("large.xml");
    WriteProfileFile(store, profile, L"Large", path);
    return path;
}

void ImportLargeProfile(benchmark::State& state) {
    Scratch source("source");
    const std::wstring path = WriteLargeProfile(source);
    Scratch target("import");
    for (auto _ : state) {
        if (target.Store().CountProfiles() >= 150) {
            state.PauseTiming();
            target.Reset();
            state.ResumeTiming();
        }
        ImportedProfile imported;
        if (ImportProfileFile(target.Store(), path, imported) != ImportResult::Imported) {
            state.SkipWithError("import failed");
            break;
        }
    }
}
BENCHMARK(ImportLargeProfile)->Unit(benchmark::kMillisecond);

void SaveCustomColours(benchmark::State& state) {
    Scratch scratch("colours");
    std::vector<KeyLight> lights;
    for (int key = 1; key <= 104; ++key) {
        lights.push_back({0, 1, kCustomKeyLightSet, key, key * 0x010203});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(scratch.Store().ReplaceCustomKeyLights(lights));
    }
}
BENCHMARK(SaveCustomColours)->Unit(benchmark::kMillisecond);

void OpenExistingDatabase(benchmark::State& state) {
    Scratch scratch("open");
    scratch.Store().CreateDefaultProfiles(L"Profile");
    for (auto _ : state) {
        scratch.Store().Close();
        benchmark::DoNotOptimize(scratch.Store().Open(scratch.Folder(), kKeyboard));
    }
}
BENCHMARK(OpenExistingDatabase)->Unit(benchmark::kMicrosecond);

} // namespace
