#pragma once
// The busy indicator: a small child window that paints a circle with a red
// border, filled with the colour the behaviour gives it, as large as the
// narrower side of its box allows. The mouse passes through it to the form.
#include "app/WindowParts.h"

#include "platform/win32/Native.h"

namespace app::win32host {

class IndicatorCircle final : public Indicator {
  public:
    // A hidden child window of the parent.
    explicit IndicatorCircle(::HWND parent);
    ~IndicatorCircle() override;
    IndicatorCircle(const IndicatorCircle&) = delete;
    IndicatorCircle& operator=(const IndicatorCircle&) = delete;

    ::HWND Window() const { return window_; }
    COLORREF FillColor() const { return fill_; }

    void SetVisible(bool visible) override;
    void SetFillColor(IndicatorColor color) override;

    void Paint(::HDC dc) const;

  private:
    ::HWND window_ = nullptr;
    COLORREF fill_ = RGB(192, 0, 0);
};

} // namespace app::win32host
