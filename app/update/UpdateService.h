#pragma once

#include <filesystem>
#include <string>

// Checks the update service for a newer program or firmware, and installs one: download the
// package, unpack it into the work folder, start its installer or tool, end this program.

// The HTTP side, as the downloader offers it (1 success, -2 cancelled, -1 failure, 0 no
// internet).
class UpdateTransfer {
public:
    virtual ~UpdateTransfer() = default;
    virtual int FetchText(const std::wstring& url, std::wstring& text) = 0;
    virtual int DownloadFile(const std::wstring& url, const std::filesystem::path& path) = 0;
};

// What the checks need from the rest of the program.
class UpdateHost {
public:
    virtual ~UpdateHost() = default;
    // The keyboard's firmware version; -1 when it cannot be read.
    virtual int ReadFirmwareVersion() = 0;
    virtual void MarkProgramUpdate() = 0;
    virtual void MarkFirmwareUpdate() = 0;
    virtual void QueueFirmwareInstall() = 0;
    // True when the program was really started.
    virtual bool StartProgram(const std::filesystem::path& program) = 0;
    virtual void EndProgram() = 0;
};

struct UpdateSources {
    std::wstring programVersion;
    std::wstring programService;
    std::wstring firmwareService;
    std::filesystem::path workFolder;
};

class UpdateService {
public:
    UpdateService(UpdateTransfer& transfer, UpdateHost& host)
        : m_transfer(transfer), m_host(host) {}

    void CheckProgramUpdate(const UpdateSources& sources);
    void CheckFirmwareUpdate(const UpdateSources& sources);
    // False when nothing was started (the program goes on).
    bool InstallProgramUpdate(const UpdateSources& sources);
    bool InstallFirmwareUpdate(const UpdateSources& sources);

    const std::wstring& NewestProgramVersion() const { return m_newestProgramVersion; }
    const std::wstring& NewestFirmwareVersion() const { return m_newestFirmwareVersion; }

private:
    // The version text offered at `service`, or empty when there is none that can be trusted.
    std::wstring FetchVersion(const std::wstring& service);
    bool Install(bool program, const UpdateSources& sources);

    UpdateTransfer& m_transfer;
    UpdateHost& m_host;
    std::wstring m_newestProgramVersion;
    std::wstring m_newestFirmwareVersion;
};
