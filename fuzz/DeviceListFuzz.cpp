// Feeds arbitrary bytes as config.xml, with the shipped layout beside it, through the device
// list loading.

#include "fuzz/DescriptionFuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::filesystem::copy_file(CLAVIRA_DATA_DIR "layouts/M614-RGB.xml",
                               ScratchProgramFolder() / "layouts" / "M614-RGB.xml",
                               std::filesystem::copy_options::overwrite_existing);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteBytes(ScratchProgramFolder() / "config.xml", data, size);
    LoadAndCheck();
    return 0;
}
