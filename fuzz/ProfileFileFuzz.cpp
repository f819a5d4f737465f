// Imports arbitrary bytes as a profile file into a scratch database, then exports what was
// imported and imports that again: the second import must succeed.

#include "fuzz/ExchangeFuzz.h"

#include "app/store/ExchangeFiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ExchangeScratch scratch;
    ProfileStore& store = scratch.Store();
    ImportedProfile imported;
    if (ImportProfileFile(store, scratch.WriteInput(data, size), imported) !=
        ImportResult::Imported) {
        return 0;
    }
    if (WriteProfileFile(store, imported.profileId, imported.name, scratch.OutputPath())) {
        ImportedProfile again;
        const ImportResult result = ImportProfileFile(store, scratch.OutputPath(), again);
        if (result != ImportResult::Imported && result != ImportResult::ProfileLimit) {
            std::abort();
        }
    }
    return 0;
}
