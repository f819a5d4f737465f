#include "toolkit/core/MObject.h"

#include <cwchar>

namespace OrvixUI {

MObject::MObject() = default;
MObject::~MObject() = default;

BOOL MObject::IsClass(const wchar_t* name) {
    const wchar_t* own = GetClassNameW();
    return own && name && std::wcscmp(own, name) == 0;
}

const wchar_t* MObject::GetClassNameW() { return nullptr; }
const wchar_t* MObject::GetObjectClass() { return nullptr; }
const wchar_t* MObject::BaseObjectClassName() { return nullptr; }
long MObject::OnBaseMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }
long MObject::OnControlUpdate(const RECT&, BOOL, MControl*) { return 0; }

} // namespace OrvixUI
