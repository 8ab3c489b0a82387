#pragma once
#include <QIcon>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

class QWidget;

// Each named picture (the icon at `size` pixels) has more than one colour and none
// looks like another.
::testing::AssertionResult OwnPictures(const std::vector<std::pair<std::string, QIcon>>& pictures, int size);

// Each control of the shown `window` lies whole inside it, not hidden or cut,
// and shows something on the window's grab (saved as `shotName`).
::testing::AssertionResult ControlsInSight(QWidget& window, const std::vector<QWidget*>& controls,
                                           const std::string& shotName);
