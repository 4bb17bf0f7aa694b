// Tab order: ascending tab-order keys, later template controls first among equal keys.
#include "app/tab_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Order(const std::vector<int>& keys, const std::vector<bool>& eligible) {
    std::vector<int> out(keys.size());
    bool flags[16];
    for (std::size_t i = 0; i < eligible.size(); ++i) flags[i] = eligible[i];
    out.resize(frame::BuildTabOrder(keys.data(), flags, keys.size(), out.data()));
    return out;
}

TEST(TabOrder, SortsByKeyThenLaterTemplateControlFirst) {
    // The main window's template: 按钮2, 透明标签2, 编辑框2, 透明标签1, 按钮1, 编辑框1; the labels
    // have no tab stop.
    const std::vector<bool> mainWindow = {true, false, true, false, true, true};
    const struct {
        std::vector<int> keys;
        std::vector<bool> eligible;
        std::vector<int> expected;
    } cases[] = {
        {{0, 0, 0, 0, 0, 0}, mainWindow, {5, 4, 2, 0}},  // 编辑框1, 按钮1, 编辑框2, 按钮2
        {{3, 0, 1, 0, 2, 0}, mainWindow, {5, 2, 4, 0}},
        {{0, 0, 0, 0, 9, 0}, mainWindow, {5, 2, 0, 4}},
        {{0, 0, 0, 0, 0, 0}, {false, false, false, false, false, false}, {}},
        {{-1, 0, 5, 0, -1, 0}, {true, true, true, true, true, true}, {4, 0, 5, 3, 1, 2}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, Order(c.keys, c.eligible));
}

TEST(TabOrder, NextWrapsBothWays) {
    const int order[] = {5, 4, 2, 0};
    const struct {
        int current;
        bool backward;
        int expected;
    } cases[] = {
        {5, false, 4}, {4, false, 2}, {2, false, 0}, {0, false, 5},  // Tab
        {5, true, 0},  {0, true, 2},  {2, true, 4},  {4, true, 5},   // Shift+Tab
        {-1, false, 5}, {3, true, 0},  // the focus on none of them
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, frame::NextInTabOrder(order, 4, c.current, c.backward))
            << "from " << c.current << (c.backward ? " backward" : " forward");
    EXPECT_EQ(-1, frame::NextInTabOrder(order, 0, 5, false));
}

}  // namespace
