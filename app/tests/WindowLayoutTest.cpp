#include "app/WindowLayout.h"

#include <gtest/gtest.h>

namespace app {
namespace {

// At the stored width every control sits where the window was drawn; wider,
// the list and the boxes widen and the buttons at the right move with the edge.
TEST(WindowLayout, ControlsFollowTheWidth) {
    struct Row {
        const char* name;
        ControlBox WindowLayout::*control;
        ControlBox stored;
        bool stretches;
        bool movesRight;
    };
    const Row rows[] = {
        {"lstResult", &WindowLayout::lstResult, {2, 4, 275, 103}, true, false},
        {"cmdHomePage", &WindowLayout::cmdHomePage, {2, 110, 139, 23}, false, false},
        {"shpDateTime", &WindowLayout::shpDateTime, {148, 108, 15, 25}, false, true},
        {"cmdDateTime", &WindowLayout::cmdDateTime, {170, 112, 105, 21}, false, true},
        {"txtCeShi", &WindowLayout::txtCeShi, {2, 200, 275, 89}, true, false},
        {"cmdCeShi", &WindowLayout::cmdCeShi, {89, 292, 181, 21}, false, true},
        {"chkCeshi", &WindowLayout::chkCeshi, {9, 295, 73, 19}, false, false},
        {"txtYouXiao", &WindowLayout::txtYouXiao, {2, 316, 275, 89}, true, false},
    };
    const WindowLayout stored = LayOutWindow(kStoredClientWidth);
    const WindowLayout narrow = LayOutWindow(100);
    const WindowLayout wide = LayOutWindow(kStoredClientWidth + 200);
    for (const Row& row : rows) {
        EXPECT_EQ(stored.*row.control, row.stored) << row.name;
        EXPECT_EQ(narrow.*row.control, row.stored) << row.name;
        ControlBox widened = row.stored;
        widened.width += row.stretches ? 200 : 0;
        widened.left += row.movesRight ? 200 : 0;
        EXPECT_EQ(wide.*row.control, widened) << row.name;
    }
    EXPECT_EQ((std::vector<int>{kStoredClientWidth, kStoredClientHeight, kFullClientHeight}),
              (std::vector<int>{279, 135, 407}));
}

// The window grows downwards just enough to show a focused control, never
// shrinks, and never grows past the lower text box.
TEST(WindowLayout, HeightShowingAControl) {
    const WindowLayout layout = LayOutWindow(kStoredClientWidth);
    struct Row {
        ControlBox control;
        int height;
        int expected;
    };
    const Row rows[] = {
        {layout.cmdDateTime, 135, 135}, {layout.txtCeShi, 135, 291},  {layout.cmdCeShi, 135, 315},
        {layout.chkCeshi, 135, 316},    {layout.txtYouXiao, 135, 407}, {layout.txtCeShi, 380, 380},
        {{0, 500, 10, 10}, 135, 407},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ClientHeightShowing(row.control, row.height), row.expected) << row.control.top;
}

} // namespace
} // namespace app
