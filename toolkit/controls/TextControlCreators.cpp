#include "toolkit/controls/TextControlCreators.h"

#include "toolkit/controls/CArea.h"
#include "toolkit/controls/CGifPicture.h"
#include "toolkit/controls/CPhotoFrame.h"
#include "toolkit/controls/CSliderPicture.h"
#include "toolkit/controls/MEdit.h"
#include "toolkit/controls/MEditEx.h"
#include "toolkit/controls/MPicture.h"
#include "toolkit/controls/MRichEdit.h"
#include "toolkit/controls/MText.h"

namespace OrvixUI {

MControl* CreateCArea(MObject* parent, UINT id, const RECT& rect, const wchar_t*, BOOL visible,
                      BOOL) {
    return new CArea(parent, id, rect, visible);
}

MControl* CreateMText(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                      BOOL visible, BOOL) {
    return new MText(parent, id, rect, title, visible);
}

MControl* CreateMPicture(MObject* parent, UINT id, const RECT& rect, const wchar_t*, BOOL visible,
                         BOOL enabled) {
    return new MPicture(parent, id, rect, visible, enabled);
}

MControl* CreateCPhotoFrame(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                            BOOL visible, BOOL enabled) {
    return new CPhotoFrame(parent, id, rect, visible, enabled);
}

MControl* CreateCSliderPicture(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                               BOOL visible, BOOL enabled) {
    return new CSliderPicture(parent, id, rect, visible, enabled);
}

MControl* CreateCGifPicture(MObject* parent, UINT id, const RECT& rect, const wchar_t*,
                            BOOL visible, BOOL enabled) {
    return new CGifPicture(parent, id, rect, visible, enabled);
}

MControl* CreateMEdit(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                      BOOL visible, BOOL enabled) {
    return new MEdit(parent, id, rect, title, visible, enabled);
}

MControl* CreateMRichEdit(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                          BOOL visible, BOOL enabled) {
    return new MRichEdit(parent, id, rect, title, visible, enabled);
}

MControl* CreateMEditEx(MObject* parent, UINT id, const RECT& rect, const wchar_t* title,
                        BOOL visible, BOOL enabled) {
    return new MEditEx(parent, id, rect, title, visible, enabled);
}

} // namespace OrvixUI
