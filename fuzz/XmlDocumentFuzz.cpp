// Feeds arbitrary bytes to the XML loader as a file, walks whatever tree it accepted the way
// the description readers do, and saves it again.

#include "app/core/TextCodec.h"
#include "app/store/XmlDocument.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::wstring ScratchFile(const char* stem) {
    static const std::string folder = std::filesystem::temp_directory_path().string();
    return Utf8ToWide(folder + "/" + stem + "-" + std::to_string(getpid()) + ".xml");
}

void Walk(XmlDocument& doc, int depth) {
    for (const wchar_t* name : {L"config", L"device.info", L"keyboard", L"mode", L"key"}) {
        while (doc.FindElement(name)) {
            doc.GetAttribute(L"name");
            doc.GetAttribute(L"code");
            if (depth < 4 && doc.EnterElement()) {
                Walk(doc, depth + 1);
                doc.LeaveElement();
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::wstring input = ScratchFile("fuzz-in");
    static const std::wstring output = ScratchFile("fuzz-out");
    {
        std::ofstream file(WideToUtf8(input), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    XmlDocument doc;
    if (doc.LoadFile(input)) {
        Walk(doc, 0);
        doc.AddElement(L"added");
        doc.SetAttribute(L"v", L"<&>\"'");
        doc.SaveFile(output);
        XmlDocument again;
        again.LoadFile(output);
    }
    return 0;
}
