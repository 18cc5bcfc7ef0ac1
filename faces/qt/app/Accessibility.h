#pragma once
// What assistive technology hears about the main window: each edit box is named by its
// group and its label ("反正弦 对边长度") and is labelled by that label on screen, the diagram
// carries a description, and showing the warning "角度必须输入" raises an alert.
#include <cstdint>

// Applies the names to the live units of the window; call after it is loaded.
void DescribeForAccessibility(uint32_t window_id);
