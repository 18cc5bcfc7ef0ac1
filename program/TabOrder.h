#pragma once
// The main window's Tab order, in reading order: each group's inputs top to bottom, then its
// button, then its results; the groups arcsine, arctangent, arccosine, expression, and the
// side lengths (angle, opposite, hypotenuse, adjacent, the button, then the results opposite,
// hypotenuse, adjacent):
//   编辑框1, 编辑框9, 按钮1, 编辑框2, 编辑框4, 编辑框8, 按钮2, 编辑框3, ..., 编辑框18, 编辑框17, 编辑框16
// so that typing 3, Tab, 5 in a group fills both its inputs. The template's focus ranks keep the
// runtime's rule for any other window.
#include <cstdint>
#include <span>

std::span<const uint32_t> MainWindowTabOrder();
