#pragma once

#include <string>

// Names and addresses of what the update service offers, and where downloads land. The
// patterns keep their doubled separators: the service and folders already end in one, and
// both HTTP servers and Windows accept the result.

enum class UpdateKind { Program, Firmware };

std::wstring VersionFileAddress(const std::wstring& serviceAddress);
std::wstring PackageName(UpdateKind kind, const std::wstring& version);
// The installer or update tool inside the package.
std::wstring StartedProgramName(UpdateKind kind, const std::wstring& version);
std::wstring PackageAddress(const std::wstring& serviceAddress, const std::wstring& packageName);
std::wstring WorkFolder(const std::wstring& dataFolder);
