#pragma once

#include "toolkit/controls/PictureContent.h"
#include "toolkit/core/MControlFont.h"

namespace OrvixUI {

// A picture in one of six show modes (see enumShowMode). The picture is loaded directly from
// the skin folder or the application's resources, not through the window's image cache.
class ORVIXUI_API MPicture : public MControlFont {
public:
    MPicture(MObject* parent, UINT id, const RECT& rect, BOOL visible, BOOL enabled);
    ~MPicture() override;

    void DrawControl(HDC dc, const RECT& clip) override;
    // 1, or 0 with the picture cleared when it cannot be loaded.
    BOOL SetImage(const wchar_t* fileName, int frameCount) override;
    BOOL SetImage(UINT resourceId, const wchar_t* resourceType, int frameCount) override;
    // 0 when nothing changed (the mode, and for mode 3 the corner size too).
    BOOL SetShowMode(int mode, int cornerSize);
    BOOL SetShowModeMID(int left, int top, int right, int bottom);
    // The source rectangle of mode 5; stored without repainting.
    void SetCustomRect(const RECT& rect);
    int GetShowMode() const;

protected:
    void DrawStateSlice(HDC dc, const RECT& slice, int state) override;

private:
    BOOL Loaded(bool loaded);

    PictureContent m_picture;
};

} // namespace OrvixUI
