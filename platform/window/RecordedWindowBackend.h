// The part of a window system that keeps one record per window: the handle
// table, the calls that only read or change a record (named properties,
// window DCs, window regions) and the coordinate calls, which need no more
// than where a window's client area lies on the screen. A back end adds the
// records, says which are still alive and where they lie, and does the rest
// (the tree, moving, hit testing, input, timers) its own way.
#pragma once

#include "platform/window/WindowRecord.h"
#include "platform/window/user.h"

#include <map>
#include <memory>

namespace user {

class RecordedWindowBackend : public WindowBackend {
  public:
    RecordedWindowBackend(const RecordedWindowBackend&) = delete;
    RecordedWindowBackend& operator=(const RecordedWindowBackend&) = delete;

    BOOL ScreenToClient(HWND hwnd, POINT* point) override;
    BOOL ClientToScreen(HWND hwnd, POINT* point) override;
    BOOL GetWindowRect(HWND hwnd, RECT* rect) override; // windows have no frame: the client area
    BOOL GetClientRect(HWND hwnd, RECT* rect) override;
    BOOL SetPropA(HWND hwnd, const char* name, HANDLE data) override;
    HANDLE GetPropA(HWND hwnd, const char* name) override;
    HANDLE RemovePropA(HWND hwnd, const char* name) override;
    int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) override;
    int GetWindowRgn(HWND hwnd, HRGN region) override;
    HDC GetDC(HWND hwnd) override; // hwnd 0: the screen DC of the drawing layer
    int ReleaseDC(HWND hwnd, HDC hdc) override;

  protected:
    using Records = std::map<HWND, std::unique_ptr<WindowRecord>>;

    // Handles count up from firstHandle and are never reused, so a stale
    // handle stays invalid.
    explicit RecordedWindowBackend(HWND firstHandle) : nextHandle_(firstHandle) {}
    ~RecordedWindowBackend() override = default;

    HWND AddRecord(std::unique_ptr<WindowRecord> record); // gives it its handle
    void EraseRecord(HWND hwnd);                          // alive or not
    const Records& AllRecords() const { return records_; }

    // The record of a live window, null for an unknown or departed one.
    WindowRecord* FindRecord(HWND hwnd);
    const WindowRecord* FindRecord(HWND hwnd) const;

    // A record may outlive what it stands for (a destroyed widget) until the
    // back end erases it; until then its window counts as gone.
    virtual bool IsAlive(const WindowRecord&) const { return true; }
    // The screen position of the client area's top-left corner, and its size.
    virtual POINT ClientOrigin(const WindowRecord& window) const = 0;
    virtual RECT ClientArea(const WindowRecord& window) const = 0; // (0, 0, width, height)
    // After SetWindowRgn stored a new region (or none) in the record.
    virtual void RegionChanged(WindowRecord& window, BOOL redraw) = 0;

  private:
    Records records_;
    HWND nextHandle_;
};

} // namespace user
