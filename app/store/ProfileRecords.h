#pragma once

#include <string>
#include <vector>

// Rows of the profile database as the rest of the program sees them; fields follow the
// columns. Texts are wide in memory and UTF-8 in the file.

struct ProfileRecord {
    int profileId = 0;
    std::wstring name;
    std::wstring app;
    int type = 0;
    int status = 0;
};

// Assignment kinds the store treats specially.
inline constexpr int kKindDisabled = 1;
inline constexpr int kKindMacro = 3;

struct KeyAssignment {
    int keyId = 0;
    int profile = 0;
    int layer = 0;
    int keyCode = 0;
    int layoutValue = 0;
    std::wstring layoutText;
    int kind = 0;
    int value = 0;
    int value2 = 0;
    int value3 = 0;
    std::wstring text;
};

struct MacroInfo {
    int macroId = 0;
    std::wstring name;
    int linkCount = 0;
    int playTimes = 0;
    int delayType = 0;
    int delayTime = 0;
};

struct MacroRecord {
    int recordId = 0;
    int macroId = 0;
    int type = 0;
    int index = 0;
    int value = 0;
    int delayTime = 0;
    std::wstring text;
};

struct LightSetting {
    int lightId = 0;
    int profile = 0;
    std::wstring name;
    int mode = 0;
    int brightness = 0;
    int speed = 0;
    int direction = 0;
    int colorful = 0;
    int colorIndex = 0;
    int colorValue = 0;
    int modeAttribute = 0;
    int reserved = 0;
    int status = 0;
};

// The custom per-key colours are saved as colour set 128.
inline constexpr int kCustomKeyLightSet = 128;

struct KeyLight {
    int keyLightId = 0;
    int profile = 0;
    int lightId = 0;
    int keyCode = 0;
    int color = 0;
};

struct MusicLayer {
    int layerId = 0;
    int profile = 0;
    std::wstring name;
    int deviceIndex = 0;
    int foreMode = 0;
    int foreAmplitude = 0;
    int backMode = 0;
    int backBrightness = 0;
    int selected = 0;
};

// What a new database needs from the keyboard's description to fill its light rows.
struct LightModeDefault {
    std::wstring name; // language text id in decimal
    int mode = 0;
    int attribute = 0;
};

struct LightDefaults {
    std::vector<LightModeDefault> modes;
    int brightness = 0;
    int speed = 0;
    int mode = 0;
};
