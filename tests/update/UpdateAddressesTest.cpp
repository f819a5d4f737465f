#include "app/update/UpdateAddresses.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateAddresses, NamesAndPathsForSampleVersions) {
    const std::wstring service = L"http://127.0.0.1:8614/clavira/";
    const std::wstring data = L"C:\\Users\\u\\AppData\\Local\\Clavira Files\\";
    EXPECT_EQ(VersionFileAddress(service), L"http://127.0.0.1:8614/clavira/version");
    EXPECT_EQ(VersionFileAddress(L""), L"version");
    EXPECT_EQ(PackageName(UpdateKind::Program, L"1.0.2"), L"Keyboard-Software-1.0.2.zip");
    EXPECT_EQ(StartedProgramName(UpdateKind::Program, L"1.0.2"), L"Keyboard-Software-1.0.2.exe");
    EXPECT_EQ(PackageName(UpdateKind::Firmware, L"106"), L"FirmwareUpdateTool-106.zip");
    EXPECT_EQ(StartedProgramName(UpdateKind::Firmware, L"106"), L"FirmwareUpdateTool-106.exe");
    EXPECT_EQ(PackageAddress(service, L"FirmwareUpdateTool-106.zip"),
              L"http://127.0.0.1:8614/clavira///FirmwareUpdateTool-106.zip");
    EXPECT_EQ(WorkFolder(data), data + L"\\temp\\");
}

} // namespace
