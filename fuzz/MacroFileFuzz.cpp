// Imports arbitrary bytes as a macro file into a scratch database, then exports the macro and
// imports it again: the second import must succeed with the same number of events.

#include "fuzz/ExchangeFuzz.h"

#include "app/store/ExchangeFiles.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ExchangeScratch scratch;
    ProfileStore& store = scratch.Store();
    MacroInfo imported;
    if (ImportMacroFile(store, scratch.WriteInput(data, size), imported) !=
        ImportResult::Imported) {
        return 0;
    }
    if (WriteMacroFile(store, imported.macroId, scratch.OutputPath())) {
        MacroInfo again;
        if (ImportMacroFile(store, scratch.OutputPath(), again) != ImportResult::Imported) {
            std::abort();
        }
        std::vector<MacroRecord> first, second;
        if (store.ListMacroRecords(imported.macroId, first) !=
            store.ListMacroRecords(again.macroId, second)) {
            std::abort();
        }
    }
    return 0;
}
