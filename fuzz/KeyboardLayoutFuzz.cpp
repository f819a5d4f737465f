// Feeds arbitrary bytes as the selected keyboard's layout file, named by the shipped
// config.xml, through the device list loading and the keyboard selection.

#include "fuzz/DescriptionFuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::filesystem::copy_file(CLAVIRA_DATA_DIR "config.xml", ScratchProgramFolder() / "config.xml",
                               std::filesystem::copy_options::overwrite_existing);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteBytes(ScratchProgramFolder() / "layouts" / "M614-RGB.xml", data, size);
    LoadAndCheck();
    return 0;
}
