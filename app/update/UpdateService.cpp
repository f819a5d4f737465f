#include "app/update/UpdateService.h"

#include "app/core/FilePath.h"
#include "app/update/PackageUnpacker.h"
#include "app/update/UpdateAddresses.h"
#include "app/update/Versions.h"

std::wstring UpdateService::FetchVersion(const std::wstring& service) {
    std::wstring text;
    if (m_transfer.FetchText(VersionFileAddress(service), text) != 1 || !IsValidVersionText(text)) {
        return {};
    }
    return text;
}

void UpdateService::CheckProgramUpdate(const UpdateSources& sources) {
    const std::wstring offered = FetchVersion(sources.programService);
    if (offered.empty()) {
        return;
    }
    m_newestProgramVersion = offered;
    // When the update could not be started, the button offers it again.
    if (CompareVersions(sources.programVersion, offered) >= 1 && !InstallProgramUpdate(sources)) {
        m_host.MarkProgramUpdate();
    }
}

// The keyboard is asked first, so its version is known (and shown) also when the update
// service cannot be reached.
void UpdateService::CheckFirmwareUpdate(const UpdateSources& sources) {
    m_newestFirmwareVersion.clear();
    const int keyboardVersion = m_host.ReadFirmwareVersion();
    const std::wstring offered = FetchVersion(sources.firmwareService);
    if (offered.empty()) {
        return;
    }
    m_newestFirmwareVersion = offered;
    if (FirmwareNeedsUpdate(keyboardVersion, offered)) {
        m_host.MarkFirmwareUpdate();
        m_host.QueueFirmwareInstall();
    }
}

bool UpdateService::InstallProgramUpdate(const UpdateSources& sources) {
    return Install(true, sources);
}

bool UpdateService::InstallFirmwareUpdate(const UpdateSources& sources) {
    return Install(false, sources);
}

bool UpdateService::Install(bool program, const UpdateSources& sources) {
    const UpdateKind kind = program ? UpdateKind::Program : UpdateKind::Firmware;
    const std::wstring& version = program ? m_newestProgramVersion : m_newestFirmwareVersion;
    const std::wstring& service = program ? sources.programService : sources.firmwareService;
    if (!IsValidVersionText(version)) {
        return false;
    }
    const std::wstring packageName = PackageName(kind, version);
    const std::filesystem::path package = sources.workFolder / PathFromWide(packageName);
    std::error_code error;
    std::filesystem::create_directories(sources.workFolder, error);
    std::filesystem::remove(package, error);
    if (m_transfer.DownloadFile(PackageAddress(service, packageName), package) != 1 ||
        !std::filesystem::exists(package, error)) {
        return false;
    }
    const UnpackResult unpacked = UnpackPackage(package, sources.workFolder);
    if (unpacked != UnpackResult::NotAnArchive) {
        std::filesystem::remove(package, error);
    }
    if (unpacked != UnpackResult::Unpacked) {
        return false;
    }
    const std::filesystem::path started =
        sources.workFolder / PathFromWide(StartedProgramName(kind, version));
    if (!std::filesystem::is_regular_file(started, error) || !m_host.StartProgram(started)) {
        return false;
    }
    m_host.EndProgram();
    return true;
}
