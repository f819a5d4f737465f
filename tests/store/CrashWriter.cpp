// Writes to a profile database without pause until it is killed. Every write is one store
// operation that replaces a whole set, tagged with a generation number, so whoever opens the
// file afterwards can tell a whole set from a torn one:
//   - a macro's records: 1 + generation % 40 records, all with value = generation;
//   - the custom colour set: 104 keys, all with colour = generation;
//   - a profile named "gen <generation>" with ten assignments of value = generation.
// Prints "ready" once the file is open and the writing starts.

#include "app/core/TextCodec.h"
#include "app/store/ProfileStore.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr int kMacros = 8;
constexpr int kProfileLimit = 40;

bool AddProfileGeneration(ProfileStore& store, int generation) {
    return store.Atomically([&] {
        std::vector<ProfileRecord> profiles;
        if (store.ListProfiles(profiles) >= kProfileLimit) {
            const int oldest = profiles.front().profileId;
            if (!store.DeleteProfile(oldest) || !store.DeleteProfileAssignments(oldest)) {
                return false;
            }
        }
        ProfileRecord record;
        record.name = L"gen " + std::to_wstring(generation);
        const int id = store.AddProfile(record);
        for (int key = 1; id != 0 && key <= 10; ++key) {
            KeyAssignment assignment;
            assignment.profile = id;
            assignment.keyCode = key;
            assignment.kind = 2;
            assignment.value = generation;
            if (store.SaveKeyAssignment(assignment) == 0) {
                return false;
            }
        }
        return id != 0;
    });
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    ProfileStore store;
    if (!store.Open(Utf8ToWide(argv[1]), L"M614-RGB")) {
        return 1;
    }
    std::vector<MacroInfo> macros;
    while (store.ListMacros(macros) < kMacros) {
        store.AddMacro(L"macro");
    }
    std::printf("ready\n");
    std::fflush(stdout);

    std::mt19937 random(static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
    int generation = static_cast<int>(random() % 1000000) * 1000;
    for (;;) {
        ++generation;
        switch (random() % 3) {
        case 0: {
            const int macroId = macros[random() % macros.size()].macroId;
            std::vector<MacroRecord> records(1 + generation % 40);
            for (size_t i = 0; i < records.size(); ++i) {
                records[i] = {0, macroId, 2, static_cast<int>(i), generation, 10, L"key"};
            }
            store.ReplaceMacroRecords(macroId, records);
            break;
        }
        case 1: {
            std::vector<KeyLight> lights;
            for (int key = 1; key <= 104; ++key) {
                lights.push_back({0, 1, kCustomKeyLightSet, key, generation});
            }
            store.ReplaceCustomKeyLights(lights);
            break;
        }
        default:
            AddProfileGeneration(store, generation);
            break;
        }
    }
}
