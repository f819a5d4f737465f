#include "toolkit/controls/ValueControlCreators.h"

#include "toolkit/controls/CColorPalette.h"
#include "toolkit/controls/CColorSelect.h"
#include "toolkit/controls/CComboBoxList.h"
#include "toolkit/controls/CirclePalette.h"
#include "toolkit/controls/MComboBox.h"
#include "toolkit/controls/MLevelCtrl.h"
#include "toolkit/controls/MPalette.h"
#include "toolkit/controls/MProgress.h"
#include "toolkit/controls/MSlider.h"

namespace OrvixUI {

MControl* CreateMProgress(MObject* parent, UINT id, const RECT& rect, const wchar_t*, BOOL visible,
                          BOOL enabled) {
    return new MProgress(parent, id, rect, visible, enabled);
}

MControl* CreateMSlider(MObject* parent, UINT id, const RECT& rect, const wchar_t*, BOOL visible,
                        BOOL enabled) {
    return new MSlider(parent, id, rect, visible, enabled);
}

MControl* CreateMLevelCtrl(MObject* parent, UINT id, const RECT& rect, const wchar_t*, BOOL visible,
                           BOOL enabled) {
    return new MLevelCtrl(parent, id, rect, visible, enabled);
}

MControl* CreateMComboBox(MObject* parent, UINT id, const RECT& rect, const wchar_t*, BOOL visible,
                          BOOL enabled) {
    return new MComboBox(parent, id, rect, visible, enabled);
}

MControl* CreateMPalette(MObject* parent, UINT id, const RECT& rect, const wchar_t*, BOOL visible,
                         BOOL) {
    return new MPalette(parent, id, rect, visible);
}

MControl* CreateCColorPalette(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                              BOOL visible, BOOL) {
    return new CColorPalette(parent, id, rect, visible);
}

MControl* CreateCColorSelect(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                             BOOL visible, BOOL) {
    return new CColorSelect(parent, id, rect, visible);
}

MControl* CreateCirclePalette(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                              BOOL visible, BOOL) {
    return new CirclePalette(parent, id, rect, visible);
}

MControl* CreateCComboBoxList(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                              BOOL visible, BOOL) {
    return new CComboBoxList(parent, id, rect, visible);
}

} // namespace OrvixUI
