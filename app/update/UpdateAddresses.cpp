#include "app/update/UpdateAddresses.h"

namespace {

std::wstring Stem(UpdateKind kind) {
    return kind == UpdateKind::Program ? L"Keyboard-Software-" : L"FirmwareUpdateTool-";
}

} // namespace

std::wstring VersionFileAddress(const std::wstring& serviceAddress) {
    return serviceAddress + L"version";
}

std::wstring PackageName(UpdateKind kind, const std::wstring& version) {
    return Stem(kind) + version + L".zip";
}

std::wstring StartedProgramName(UpdateKind kind, const std::wstring& version) {
    return Stem(kind) + version + L".exe";
}

std::wstring PackageAddress(const std::wstring& serviceAddress, const std::wstring& packageName) {
    return serviceAddress + L"//" + packageName;
}

std::wstring WorkFolder(const std::wstring& dataFolder) { return dataFolder + L"\\temp\\"; }
