// Writes to a profile database without pause until it is killed. Every write is one store
// operation that replaces a whole set, tagged with a generation number, so whoever opens the
// file afterwards can tell a whole set from a torn one:
//   - a macro's records: 1 + generation % 40 records, all with value = generation;
//   - the custom colour set: 104 keys, all with colour = generation;
//   - an imported profile "gen <generation>" with ten assignments of value = generation and
//     one running its own macro, whose events are tagged like the others.
// Prints "ready" once the file is open and the writing starts.

#include "app/core/TextCodec.h"
#include "app/store/ExchangeFiles.h"
#include "app/store/ProfileStore.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace {

constexpr int kMacros = 8;
constexpr int kProfileLimit = 40;

// Imports a profile file "gen <generation>.xml" with ten key assignments of value =
// generation and one key running a macro of 1 + generation % 40 events of value = generation.
void ImportProfileGeneration(ProfileStore& store, const std::string& folder, int generation) {
    store.Atomically([&] {
        std::vector<ProfileRecord> profiles;
        if (store.ListProfiles(profiles) < kProfileLimit) {
            return true;
        }
        const int oldest = profiles.front().profileId;
        return store.DeleteProfile(oldest) && store.DeleteProfileAssignments(oldest);
    });
    const std::string number = std::to_string(generation);
    std::string text = "<profile><profileinfo name=\"x\"/><keyitems>";
    for (int key = 1; key <= 10; ++key) {
        text += "<item key_code=\"" + std::to_string(key) + "\" macro_type=\"2\" macro_value=\"" +
                number + "\"/>";
    }
    text += "<item key_code=\"11\" macro_type=\"3\" macro_value=\"1\"/></keyitems>"
            "<macroinfo name=\"m\" macro_id=\"1\"><macroitems>";
    for (int i = 0; i <= generation % 40; ++i) {
        text += "<item type=\"2\" value=\"" + number + "\"/>";
    }
    text += "</macroitems></macroinfo></profile>";
    const std::string path = folder + "/gen " + number + ".xml";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    ImportedProfile imported;
    ImportProfileFile(store, Utf8ToWide(path), imported);
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
            ImportProfileGeneration(store, argv[1], generation);
            break;
        }
    }
}
