// A flat push button that paints an icon, and lights up while the mouse is over it. It is
// attached to a button of a dialog template, which it turns into an owner-drawn button;
// while the pointer is over it, it holds the mouse capture so that it learns when the
// pointer leaves. It never paints its window text: that is its name for screen readers.
#pragma once

#include <cstdint>
#include <string>

#include "controls.h"
#include "gdi.h"
#include "tooltip.h"

namespace plivora {

class CHoverButton : public framework::CButton {
public:
    // The press-and-hold timer's id and period.
    static constexpr UINT HoldTimerId = 0x12345;
    static constexpr UINT HoldDelay = 400;

    CHoverButton();
    ~CHoverButton() override = default;

    // Icon resources of the program's module, at their first image's size or, given a
    // size, at that size; a normalIconId of 0 shows the over icon at all times and turns
    // hover tracking off. Repaints at once.
    void SetIcons(int overIconId, int normalIconId, int size = 0);

    // Each takes its colour from the current system colours; a repaint of exactly 1
    // also repaints the button.
    void ResetNormalBackColor(int repaint);
    void ResetOverBackColor(int repaint);
    COLORREF GetNormalBackColor() const { return NormalBackColor; }
    COLORREF GetOverBackColor() const { return OverBackColor; }
    int IsDefaultButton() const { return DefaultButton; }
    // The flat look's focus rectangle, off by default.
    void ShowFlatFocus(bool show) { FlatFocus = show ? 1 : 0; }

    bool PreTranslateMessage(MSG& message) override;
    void DrawItem(const DRAWITEMSTRUCT& drawItemRecord) override;

protected:
    using Message = framework::Message;

    bool HandleMessage(Message& message) override;
    void PreSubclassWindow() override;

    void DrawButtonIcon(framework::CDC& dc, const RECT& itemRect, bool pressed, bool greyed);
    void PaintBackdrop(framework::CDC& dc);
    void EnsureToolTip();

    // Options: a derived class that wants another look sets them in its constructor.
    // 0 and 1 centre the icon; any other value puts it in the top-left corner.
    int IconPlacement = 0;
    int Locked = 0;
    int DrawEdges = 1;
    int Flat = 1;
    int Hovering = 0;
    int HoverTracking = 0;
    int FlatFocus = 0;
    HCURSOR Cursor = nullptr;
    framework::CToolTipCtrl ToolTip;
    // Loaded without LR_SHARED: each load makes a new icon, which is the button's to destroy.
    UniqueIcon OverIcon;
    // Empty when SetIcons had no second id: the over icon stands in for it.
    UniqueIcon NormalIcon;
    std::uint8_t IconHeight = 0;
    std::uint8_t IconWidth = 0;
    framework::CDC BackdropDC;
    framework::CBitmap BackdropBitmap;
    framework::SelectObjectScope BackdropOldBitmap;
    int Transparent = 0;
    int DefaultButton = 0;
    COLORREF NormalBackColor = 0;
    COLORREF OverBackColor = 0;
    std::uint32_t HoldTimer = 0;
    std::uint16_t HoldMenuId = 0;
    int HoldSubMenu = 0;

private:
    void OnCaptureChanged(Message& m);
    void OnSetCursor(Message& m);
    void OnKillFocus(Message& m);
    void OnMouseMove(Message& m);
    void OnTimer(Message& m);
    void OnLButtonDown(Message& m);
    void OnLButtonUp(Message& m);
    void OnLButtonDblClk(Message& m);
    void OnSysColorChange(Message& m);
    void OnEnable(Message& m);

    void Repaint() const;
    void DrawEdge(framework::CDC& dc, const RECT& r, bool pressed) const;
    void ShowHoldMenu() const;
    void ReleaseOwnCapture() const;

    static const framework::MessageEntry<CHoverButton> MessageMap[];
};

}  // namespace plivora
