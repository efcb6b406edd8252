// Buttons on headless forms for the input tests: one window system, any
// number of forms and buttons, each button with an event log as its sink.
#pragma once

#include "control/input/ButtonEvents.h"
#include "control/model/ztButtons_H.h"
#include "control/tests/support/ButtonFixture.h"
#include "platform/headless/HeadlessForm.h"
#include "platform/headless/HeadlessSite.h"
#include "platform/headless/HeadlessWindowSystem.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace input_testing {

// Records every event as text, in order, and runs an optional hook after
// recording (a host handler that reads or destroys the control).
class EventLog final : public ButtonEvents {
  public:
    std::vector<std::string> entries;
    std::function<void(const std::string&)> hook;

    void MouseDown(std::int16_t b, std::int16_t s, float x, float y) override {
        Add(Mouse("MouseDown", b, s, x, y));
    }
    void MouseUp(std::int16_t b, std::int16_t s, float x, float y) override {
        Add(Mouse("MouseUp", b, s, x, y));
    }
    void MouseMove(std::int16_t b, std::int16_t s, float x, float y) override {
        Add(Mouse("MouseMove", b, s, x, y));
    }
    void KeyDown(std::int16_t code, std::int16_t s) override { Add(Key("KeyDown", code, s)); }
    void KeyPress(std::int16_t ascii) override { Add("KeyPress(" + std::to_string(ascii) + ")"); }
    void KeyUp(std::int16_t code, std::int16_t s) override { Add(Key("KeyUp", code, s)); }
    void MouseOnButton(bool on) override { Add(on ? "MouseOnButton(true)" : "MouseOnButton(false)"); }
    void Click() override { Add("Click"); }
    void DoubleClick(std::int16_t b) override { Add("DoubleClick(" + std::to_string(b) + ")"); }
    void OLECompleteDrag(std::int32_t& effect) override {
        Add("OLECompleteDrag(" + std::to_string(effect) + ")");
        effect = 7;
    }

    int Count(const std::string& entry) const {
        int count = 0;
        for (const std::string& e : entries)
            count += e == entry ? 1 : 0;
        return count;
    }
    // Entries without the moves, which the headless site produces freely.
    std::vector<std::string> WithoutMoves() const {
        std::vector<std::string> result;
        for (const std::string& e : entries)
            if (e.rfind("MouseMove", 0) != 0)
                result.push_back(e);
        return result;
    }

  private:
    void Add(const std::string& entry) {
        entries.push_back(entry);
        if (hook)
            hook(entry);
    }
    static std::string Mouse(const char* name, std::int16_t b, std::int16_t s, float x, float y) {
        return std::string(name) + "(" + std::to_string(b) + "," + std::to_string(s) + "," +
               std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)) + ")";
    }
    static std::string Key(const char* name, std::int16_t code, std::int16_t s) {
        return std::string(name) + "(" + std::to_string(code) + "," + std::to_string(s) + ")";
    }
};

// One button on a form: its site, the control and its log.
struct PlacedButton {
    std::unique_ptr<headless::HeadlessSite> site;
    std::unique_ptr<ztButtons_H> control;
    EventLog log;

    ztButtons_H& Button() { return *control; }
    headless::HeadlessSite& Site() { return *site; }
    // Ends the control as a closing form does: Terminate, then release.
    void Destroy() {
        if (site)
            site->Terminate();
        control.reset();
    }
};

class InputBench {
  public:
    InputBench() : backend_(&system_) {}
    ~InputBench() {
        for (auto& button : buttons_)
            button->Destroy();
        buttons_.clear();
        forms_.clear();
    }
    InputBench(const InputBench&) = delete;
    InputBench& operator=(const InputBench&) = delete;

    headless::HeadlessWindowSystem& System() { return system_; }

    headless::HeadlessForm& AddForm(int x = 100, int y = 100) {
        forms_.push_back(std::make_unique<headless::HeadlessForm>(system_, x, y, 400, 300));
        return *forms_.back();
    }

    // A button at (x, y) of the form, 80 x 30 pixels, its Tag naming the form's window.
    PlacedButton& AddButton(headless::HeadlessForm& form, int x, int y,
                            Long mode = ModeValue::CommandButton) {
        auto placed = std::make_unique<PlacedButton>();
        placed->site = std::make_unique<headless::HeadlessSite>(
            form, "ztButtons_H" + std::to_string(buttons_.size() + 1), x, y, 80, 30);
        placed->site->SetTag(std::to_string(form.HWnd()));
        placed->control = std::make_unique<ztButtons_H>(placed->site.get());
        placed->site->Attach(placed->control.get());
        control_testing::ApplyTypicalSettings(*placed->control);
        placed->control->Resize();
        placed->control->SetEventSink(&placed->log);
        if (mode != ModeValue::CommandButton)
            placed->control->SetMode(mode);
        buttons_.push_back(std::move(placed));
        return *buttons_.back();
    }

    // Puts the virtual cursor on a screen point far from every button.
    void MoveCursorAway() { system_.SetCursorPos(5, 5); }

  private:
    headless::HeadlessWindowSystem system_;
    user::ScopedBackend backend_;
    std::vector<std::unique_ptr<headless::HeadlessForm>> forms_;
    std::vector<std::unique_ptr<PlacedButton>> buttons_;
};

using Events = std::vector<std::string>;

// The pixels of area of a device context, row by row.
inline std::vector<gdi::COLORREF> Pixels(gdi::HDC hdc, gdi::RECT area) {
    std::vector<gdi::COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            pixels.push_back(gdi::GetPixel(hdc, x, y));
    return pixels;
}

inline int DifferingPixels(const std::vector<gdi::COLORREF>& a, const std::vector<gdi::COLORREF>& b) {
    if (a.size() != b.size())
        return -1;
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        count += a[i] != b[i] ? 1 : 0;
    return count;
}

} // namespace input_testing
