#include "app/core/DeviceDescription.h"

DeviceDescription::DeviceDescription() {
    for (auto& row : keyGrid) {
        row.fill(kEmptyGridCell);
    }
}

std::optional<int> DeviceDescription::LightPosition(int keyCode) const {
    if (lightPositions.empty()) {
        return 0;
    }
    const auto found = lightPositions.find(keyCode);
    if (found == lightPositions.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool DeviceDescription::HasFirmwarePackage() const {
    return !firmwareVersion.empty() && !firmwareFile.empty();
}
