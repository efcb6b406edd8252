#pragma once
// What the main window offers to the program's behaviour, in the window's own
// terms: the result list, the two text boxes, the check box, the busy
// indicator, the three drawn buttons and the window itself. A host (Qt on
// Linux, Win32 on Windows, memory in the tests) implements each one over its
// own controls; the behaviour never sees a widget.
#include <cstdint>
#include <functional>
#include <string>

namespace app {

// The result list. Lines are UTF-8.
class ResultList {
  public:
    virtual ~ResultList() = default;
    // Appends a last line. With select, the line becomes the selected one, is
    // scrolled into view and painted at once: the running command has not yet
    // returned to the event loop.
    virtual void AddLine(const std::string& text, bool select) = 0;
    virtual void Clear() = 0;
    virtual int Count() const = 0;
};

// A multi-line text box. Its text has lines joined by CR LF pairs.
class TextBox {
  public:
    virtual ~TextBox() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // Adds the text at the end of the box as it stands now, so what the user
    // typed meanwhile is kept; a cursor before the end stays where it is.
    virtual void Append(const std::string& text) = 0;
};

class CheckBox {
  public:
    virtual ~CheckBox() = default;
    virtual bool Ticked() const = 0;
};

struct IndicatorColor {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const IndicatorColor&) const = default;
};

// The busy indicator: a circle whose fill changes while a query waits.
class Indicator {
  public:
    virtual ~Indicator() = default;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetFillColor(IndicatorColor color) = 0;
};

// What the window uses of its drawn buttons: the click, the caption and the
// enabled state.
class CommandButton {
  public:
    virtual ~CommandButton() = default;
    virtual void OnClick(std::function<void()> handler) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// The window itself.
class MainWindow {
  public:
    virtual ~MainWindow() = default;
    // The caption, also the name under which the desktop lists the program.
    virtual void SetTitle(const std::string& title) = 0;
    // Shows the window and paints it at once.
    virtual void Show() = 0;
    // Closes the window, which ends the program; the host reports the close
    // back through frmTime::Form_Unload, as for a close by the user.
    virtual void Close() = 0;
};

// The controls of one window, owned by the host.
struct WindowControls {
    MainWindow& window;
    ResultList& lstResult;
    Indicator& shpDateTime;
    TextBox& txtCeShi;
    TextBox& txtYouXiao;
    CheckBox& chkCeshi;
    CommandButton& cmdDateTime;
    CommandButton& cmdHomePage;
    CommandButton& cmdCeShi;
};

} // namespace app
