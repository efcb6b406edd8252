#pragma once
// Where the main window's controls sit, in pixels of the client area. At the
// stored width the window shows the result list, the home-page button, the
// indicator and the synchronise button; the server test lies below the stored
// height and is reached by enlarging the window downwards. A wider window
// widens the list and the text boxes, and the buttons at the right keep their
// distance from the right edge. Both hosts lay out by these rules.
namespace app {

struct ControlBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const ControlBox&) const = default;
};

constexpr int kStoredClientWidth = 279;
constexpr int kStoredClientHeight = 135;
// Down to the lower text box and a margin below it.
constexpr int kFullClientHeight = 407;
// Space kept below a control that the window grows to show.
constexpr int kMarginBelow = 2;

struct WindowLayout {
    ControlBox lstResult;
    ControlBox cmdHomePage;
    ControlBox shpDateTime;
    ControlBox cmdDateTime;
    ControlBox txtCeShi;
    ControlBox cmdCeShi;
    ControlBox chkCeshi;
    ControlBox txtYouXiao;
};

// The layout at a client width; narrower than the stored width counts as the
// stored width.
WindowLayout LayOutWindow(int clientWidth);

// The client height at which the control is wholly visible (with the margin
// below it), never less than the present height nor more than the full height.
int ClientHeightShowing(const ControlBox& control, int clientHeight);

} // namespace app
