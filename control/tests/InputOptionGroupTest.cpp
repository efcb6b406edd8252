// Check boxes and option buttons: what a click does per mode, the option
// group kept on the container window, and its members' comings and goings.
#include "control/input/OptionGroup.h"
#include "control/tests/InputSupport.h"

#include <gtest/gtest.h>

using input_testing::InputBench;
using input_testing::PlacedButton;

namespace {

// The members listed on a container window, in slot order.
std::vector<const ztButtons_H*> Members(user::HWND window) {
    std::vector<const ztButtons_H*> members;
    const auto count = user::GetPropA(window, "zt_OptCount");
    for (int slot = 1; slot <= count; ++slot)
        members.push_back(reinterpret_cast<const ztButtons_H*>(
            user::GetPropA(window, ("zt_Obj" + std::to_string(slot)).c_str())));
    return members;
}

class OptionGroup : public ::testing::Test {
  protected:
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& p = bench.AddButton(form, 10, 10, ModeValue::OptionButton);
    PlacedButton& q = bench.AddButton(form, 10, 50, ModeValue::OptionButton);
    PlacedButton& r = bench.AddButton(form, 10, 90, ModeValue::OptionButton);

    std::vector<Boolean> Values() { return {p.Button().Value, q.Button().Value, r.Button().Value}; }
    int Clicks(const PlacedButton& b) { return b.log.Count("Click"); }
};

TEST_F(OptionGroup, MembersAreListedInJoiningOrder) {
    EXPECT_EQ(Members(form.HWnd()), (std::vector<const ztButtons_H*>{&p.Button(), &q.Button(), &r.Button()}));
}

TEST_F(OptionGroup, ClickingChecksOneAndUnchecksTheOthers) {
    q.Site().ClickAt(5, 5);
    EXPECT_EQ(Values(), (std::vector<Boolean>{False, True, False}));
    EXPECT_EQ(Clicks(q), 1);
    EXPECT_EQ(Clicks(p) + Clicks(r), 0);

    q.Site().ClickAt(5, 5); // already checked: nothing
    EXPECT_EQ(Clicks(q), 1);
    EXPECT_EQ(q.Button().Value, True);

    const int qRefreshes = q.Site().RefreshCount();
    p.Site().ClickAt(5, 5);
    EXPECT_EQ(Values(), (std::vector<Boolean>{True, False, False}));
    EXPECT_GT(q.Site().RefreshCount(), qRefreshes); // the unchecked one is repainted
    EXPECT_EQ(Clicks(p), 1);

    r.Site().MouseDown(container::kRightButton, 0, 5, 5);
    r.Site().MouseUp(container::kRightButton, 0, 5, 5);
    r.Site().Click();
    EXPECT_EQ(Values(), (std::vector<Boolean>{True, False, False}));
    EXPECT_EQ(Clicks(r), 0);
}

TEST_F(OptionGroup, TheFocusChecksAMemberOnlyWhenNoneIs) {
    r.Site().GotFocus();
    EXPECT_EQ(Values(), (std::vector<Boolean>{False, False, True}));
    EXPECT_EQ(Clicks(r), 1);
    p.Site().GotFocus();
    EXPECT_EQ(Values(), (std::vector<Boolean>{False, False, True}));
    EXPECT_EQ(Clicks(p), 0);
    EXPECT_FALSE(UpdateOptionGroup(p.Button(), OptionGroupJoin));
    EXPECT_TRUE(UpdateOptionGroup(p.Button(), OptionGroupAnyChecked));
}

TEST_F(OptionGroup, ReleasingAnArrowKeyOnAnUncheckedMemberChecksIt) {
    p.Site().ClickAt(5, 5);
    q.Site().KeyDown(user::VK_DOWN, 0);
    q.Site().KeyUp(user::VK_DOWN, 0);
    EXPECT_EQ(Values(), (std::vector<Boolean>{False, True, False}));
    EXPECT_EQ(Clicks(q), 1);
    q.Site().KeyUp(user::VK_DOWN, 0); // checked already: nothing
    EXPECT_EQ(Clicks(q), 1);
}

TEST_F(OptionGroup, AMemberThatLeavesOptionModeLeavesTheGroup) {
    q.Site().ClickAt(5, 5);
    q.Button().SetMode(ModeValue::CommandButton);
    EXPECT_EQ(q.Button().Value, False);
    EXPECT_EQ(Members(form.HWnd()), (std::vector<const ztButtons_H*>{&p.Button(), &r.Button()}));
    EXPECT_EQ(user::GetPropA(form.HWnd(), "zt_Obj3"), 0);
    r.Site().ClickAt(5, 5);
    p.Site().ClickAt(5, 5);
    EXPECT_EQ(Values(), (std::vector<Boolean>{True, False, False}));
    EXPECT_EQ(q.Button().Mode, ModeValue::CommandButton);

    // A leave request for a control that is not listed changes nothing.
    EXPECT_FALSE(UpdateOptionGroup(q.Button(), OptionGroupLeave));
    EXPECT_EQ(Members(form.HWnd()).size(), 2u);
    // The last members leaving remove the count as well.
    p.Button().SetMode(ModeValue::CheckBox);
    r.Button().SetMode(ModeValue::CheckBox);
    EXPECT_EQ(user::GetPropA(form.HWnd(), "zt_OptCount"), 0);
    EXPECT_EQ(user::GetPropA(form.HWnd(), "zt_Obj1"), 0);
}

TEST_F(OptionGroup, JoiningWhileCheckedUnchecksTheOthers) {
    p.Button().SetValue(True);
    PlacedButton& s = bench.AddButton(form, 10, 130, ModeValue::CheckBox);
    s.Button().SetValue(True);
    s.Button().SetMode(ModeValue::OptionButton);
    EXPECT_EQ(p.Button().Value, False);
    EXPECT_EQ(s.Button().Value, True);
    EXPECT_EQ(Members(form.HWnd()).size(), 4u);
}

TEST_F(OptionGroup, ADestroyedMemberIsDroppedWithoutAGap) {
    q.Site().ClickAt(5, 5);
    q.Destroy();
    EXPECT_EQ(Members(form.HWnd()), (std::vector<const ztButtons_H*>{&p.Button(), &r.Button()}));
    // Checking another member must not reach the destroyed one.
    p.Site().ClickAt(5, 5);
    r.Site().GotFocus();
    EXPECT_EQ(p.Button().Value, True);
    EXPECT_EQ(r.Button().Value, False);
}

TEST_F(OptionGroup, ATerminatedMemberStaysSafeUntilItIsReleased) {
    q.Site().ClickAt(5, 5);
    q.Site().Terminate(); // handles released, the object still alive
    p.Site().ClickAt(5, 5);
    EXPECT_EQ(Values(), (std::vector<Boolean>{True, False, False}));
    q.control.reset();
    EXPECT_EQ(Members(form.HWnd()), (std::vector<const ztButtons_H*>{&p.Button(), &r.Button()}));
}

TEST(OptionGroups, TwoContainerWindowsKeepTwoGroups) {
    InputBench bench;
    headless::HeadlessForm& left = bench.AddForm(0, 0);
    headless::HeadlessForm& right = bench.AddForm(500, 0);
    PlacedButton& a1 = bench.AddButton(left, 10, 10, ModeValue::OptionButton);
    PlacedButton& a2 = bench.AddButton(left, 10, 50, ModeValue::OptionButton);
    PlacedButton& b1 = bench.AddButton(right, 10, 10, ModeValue::OptionButton);
    PlacedButton& b2 = bench.AddButton(right, 10, 50, ModeValue::OptionButton);
    a1.Site().ClickAt(5, 5);
    b2.Site().ClickAt(5, 5);
    b1.Site().ClickAt(5, 5);
    EXPECT_EQ(a1.Button().Value, True);
    EXPECT_EQ(a2.Button().Value, False);
    EXPECT_EQ(b1.Button().Value, True);
    EXPECT_EQ(b2.Button().Value, False);
    EXPECT_EQ(Members(left.HWnd()), (std::vector<const ztButtons_H*>{&a1.Button(), &a2.Button()}));
    EXPECT_EQ(Members(right.HWnd()), (std::vector<const ztButtons_H*>{&b1.Button(), &b2.Button()}));
}

TEST(OptionGroups, AButtonWithoutATagJoinsItsContainersGroup) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& a = bench.AddButton(form, 10, 10);
    a.Site().SetTag("");
    a.Button().SetMode(ModeValue::OptionButton);
    EXPECT_EQ(Members(form.HWnd()), (std::vector<const ztButtons_H*>{&a.Button()}));
}

TEST(CheckBoxMode, EachClickTogglesThenRaisesClick) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& box = bench.AddButton(form, 10, 10, ModeValue::CheckBox);
    std::vector<Boolean> valuesAtClick;
    box.log.hook = [&](const std::string& entry) {
        if (entry == "Click")
            valuesAtClick.push_back(box.Button().Value);
    };
    for (int i = 0; i < 3; ++i)
        box.Site().ClickAt(5, 5);
    EXPECT_EQ(valuesAtClick, (std::vector<Boolean>{True, False, True}));
    box.Site().MouseDown(container::kRightButton, 0, 5, 5);
    box.Site().MouseUp(container::kRightButton, 0, 5, 5);
    box.Site().Click();
    EXPECT_EQ(box.log.Count("Click"), 3);
    EXPECT_EQ(box.Button().Value, True);
}

} // namespace
