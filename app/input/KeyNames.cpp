#include "app/input/KeyNames.h"

#include <array>

namespace {

struct Replacement {
    int code;
    int newCode;
    const wchar_t* name;
};

// The first fifteen apply to both sets; the rest only while recording.
constexpr std::array<Replacement, 33> Replacements{{
    {16, 160, L"Shift"},         {17, 162, L"Ctrl"},         {18, 164, L"Alt"},
    {19, 19, L"Pause"},          {44, 44, L"Print Screen"},  {91, 91, L"Windows"},
    {92, 92, L"RWindows"},       {93, 93, L"Application"},   {144, 144, L"Num Lock"},
    {160, 160, L"Shift"},        {161, 161, L"RShift"},      {162, 162, L"Ctrl"},
    {163, 163, L"RCtrl"},        {164, 164, L"Alt"},         {165, 165, L"RAlt"},
    {166, 166, L"Web-Backward"}, {167, 167, L"Web-Forward"}, {168, 168, L"Web-Refresh"},
    {169, 169, L"Web-Stop"},     {170, 170, L"Web-Search"},  {171, 171, L"Web-Favorites"},
    {172, 172, L"Web-Home"},     {173, 173, L"Vol Mute"},    {174, 174, L"Vol Down"},
    {175, 175, L"Vol Up"},       {176, 176, L"Next Track"},  {177, 177, L"Prev Track"},
    {178, 178, L"Stop"},         {179, 179, L"Play/Pause"},  {180, 180, L"EMail"},
    {181, 181, L"Multimedia"},   {182, 182, L"My Computer"}, {183, 183, L"Calculator"},
}};

constexpr std::size_t KeyCaptureReplacements = 15;
constexpr unsigned ExtendedScanBit = 0x100;

} // namespace

std::optional<NamedKey> ReplacementKeyName(int code, KeyNameSet set) {
    const std::size_t count =
        set == KeyNameSet::Recording ? Replacements.size() : KeyCaptureReplacements;
    for (std::size_t i = 0; i < count; ++i) {
        if (Replacements[i].code == code) {
            return NamedKey{Replacements[i].newCode, Replacements[i].name};
        }
    }
    return std::nullopt;
}

NamedKey NameKey(int code, KeyNameSet set, IKeyNameSource& names) {
    if (auto replacement = ReplacementKeyName(code, set)) {
        return *replacement;
    }
    return NamedKey{code, names.SystemKeyName(code)};
}

unsigned KeyNameScanWord(int code, unsigned scanCode) {
    const bool navigation = code >= 33 && code <= 46 && !(code >= 41 && code <= 44);
    return navigation ? (scanCode | ExtendedScanBit) : scanCode;
}
