#include "tests/toolkit/gallery/TextSection.h"

#include "toolkit/controls/CArea.h"
#include "toolkit/controls/CGifPicture.h"
#include "toolkit/controls/CLogonEdit.h"
#include "toolkit/controls/CPhotoFrame.h"
#include "toolkit/controls/CSliderPicture.h"
#include "toolkit/controls/CTextArea.h"
#include "toolkit/controls/MEdit.h"
#include "toolkit/controls/MEditEx.h"
#include "toolkit/controls/MPicture.h"
#include "toolkit/controls/MRichEdit.h"
#include "toolkit/controls/MText.h"

namespace gallery {

namespace {

using namespace OrvixUI;

RECT Cell(const RECT& area, int x, int y, int width, int height) {
    return RECT{area.left + x, area.top + y, area.left + x + width, area.top + y + height};
}

template <typename Control>
Control* Create(PaintManager& manager, MObject* parent, const wchar_t* className, UINT id,
                const RECT& rect, const wchar_t* title, BOOL enabled = TRUE) {
    return static_cast<Control*>(
        manager.CreateControl(parent, className, id, rect, title, TRUE, enabled));
}

void BuildTexts(PaintManager& manager, MObject* parent, const RECT& area) {
    Create<MText>(manager, parent, L"MText", kTextPlain, Cell(area, 8, 8, 184, 20), L"Static text");
    auto* marked =
        Create<MText>(manager, parent, L"MText", kTextMarked, Cell(area, 8, 30, 184, 20), L"");
    marked->SetMarkText(L"Firmware 1.07 ready", L"1.07", 0xFFED801B, 0);
    auto* back = Create<MText>(manager, parent, L"MText", kTextBack, Cell(area, 8, 52, 184, 20),
                               L"With background");
    back->SetAlignment(1);
    back->EnableTextBack(TRUE, 0xFF1E3A5F);
    auto* shadow = Create<MText>(manager, parent, L"MText", kTextShadow, Cell(area, 8, 74, 184, 20),
                                 L"With shadow");
    shadow->EnableShadow(TRUE);
}

void BuildPictures(PaintManager& manager, MObject* parent, const RECT& area) {
    auto* normal = Create<MPicture>(manager, parent, L"MPicture", kPictureNormal,
                                    Cell(area, 208, 8, 40, 40), nullptr);
    normal->SetAlignment(1, 4);
    normal->SetImage(L"img_picture_sample.png", 1);
    auto* frame = Create<MPicture>(manager, parent, L"MPicture", kPictureFrame,
                                   Cell(area, 256, 8, 40, 40), nullptr);
    frame->SetImage(L"img_picture_sample.png", 1);
    frame->SetShowMode(SHOW_MODE_FRAME, 4);
    auto* tile = Create<MPicture>(manager, parent, L"MPicture", kPictureTile,
                                  Cell(area, 304, 8, 40, 40), nullptr);
    tile->SetImage(L"img_picture_sample.png", 1);
    tile->SetShowMode(SHOW_MODE_TILE, 0);
    auto* photo = Create<CPhotoFrame>(manager, parent, L"CPhotoFrame", kPhotoFrame,
                                      Cell(area, 352, 8, 40, 40), nullptr);
    photo->SetPhotoFrame(L"img_photo_frame.png", 4);
    photo->SetImage(L"img_picture_sample.png", 1);
    photo->SetShowMode(SHOW_MODE_STRETCH, 0);
    auto* slider = Create<CSliderPicture>(manager, parent, L"CSliderPicture", kSliderPicture,
                                          Cell(area, 208, 56, 88, 40), nullptr);
    slider->SetImage(L"img_picture_sample.png", 1);
    slider->SetShowMode(SHOW_MODE_STRETCH, 0);
    auto* gif = Create<CGifPicture>(manager, parent, L"CGifPicture", kGifPicture,
                                    Cell(area, 304, 56, 32, 32), nullptr);
    gif->SetImage(L"img_busy.gif", 1);
    gif->SetRunState(TRUE, 0);
}

void BuildAreas(PaintManager& manager, MObject* parent, const RECT& area) {
    auto* translucent = Create<CArea>(manager, parent, L"CArea", kAreaTranslucent,
                                      Cell(area, 8, 104, 88, 40), nullptr);
    translucent->SetTransparent(80, 80, RGB(255, 255, 255));
    auto* opaque = Create<CArea>(manager, parent, L"CArea", kAreaOpaque,
                                 Cell(area, 104, 104, 88, 40), nullptr);
    opaque->SetTransparent(0, 0, RGB(0x20, 0x60, 0xA0));
    opaque->SetFrame(TRUE, 0xFF00B4FF, 1);
    auto* text =
        new CTextArea(parent, kTextArea, Cell(area, 208, 104, 184, 40), L"Text area", TRUE, TRUE);
    manager.AddControl(text);
    text->SetTransparent(20, 80, RGB(0x00, 0xB4, 0xFF));
    text->SetAlignment(1, 4);
}

void BuildEdits(PaintManager& manager, MObject* parent, const RECT& area) {
    auto* tip = Create<MEdit>(manager, parent, L"MEdit", kEditTip, Cell(area, 8, 152, 184, 30),
                              L"Type a name");
    tip->SetImage(L"img_edit.png", 4);
    tip->SetIconImage(L"img_edit_clear.png", 4);
    auto* text =
        Create<MEdit>(manager, parent, L"MEdit", kEditText, Cell(area, 208, 152, 184, 30), L"");
    text->SetImage(L"img_edit.png", 4);
    text->SetNumberOnly(TRUE);
    text->SetTitle(L"2048");
    auto* password =
        Create<MEdit>(manager, parent, L"MEdit", kEditPassword, Cell(area, 8, 190, 184, 30), L"");
    password->SetImage(L"img_edit.png", 4);
    password->EnablePassWord(TRUE);
    password->SetPassWordChar(L'*');
    password->SetTitle(L"secret");
    auto* disabled = Create<MEdit>(manager, parent, L"MEdit", kEditDisabled,
                                   Cell(area, 208, 190, 184, 30), L"", FALSE);
    disabled->SetImage(L"img_edit.png", 4);
    disabled->SetTitle(L"Disabled");
    auto* rich = Create<MRichEdit>(manager, parent, L"MRichEdit", kRichEdit,
                                   Cell(area, 8, 228, 120, 30), L"Rich text");
    rich->SetTextColor(0xFFFFFFFF);
    auto* ex =
        Create<MEditEx>(manager, parent, L"MEditEx", kEditEx, Cell(area, 136, 228, 120, 30), L"");
    ex->SetTipInfo(L"Framed");
    auto* logon =
        new CLogonEdit(parent, kLogonEdit, Cell(area, 264, 228, 128, 30), L"", TRUE, TRUE);
    manager.AddControl(logon);
    logon->SetIconImage(L"img_edit_clear.png", 4);
    logon->SetTipInfo(L"User name");
}

} // namespace

void BuildTextSection(PaintManager& manager, MObject* parent, const RECT& area) {
    BuildAreas(manager, parent, area);
    BuildTexts(manager, parent, area);
    BuildPictures(manager, parent, area);
    BuildEdits(manager, parent, area);
}

} // namespace gallery
