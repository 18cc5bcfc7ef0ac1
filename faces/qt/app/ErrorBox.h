#pragma once
// The runtime error report as the user sees it: a modal message box with no owner window,
// titled "错误", with the stop icon and a single OK button, showing the report's text
// exactly. The report's other steps (suppressing events, ending the program) are the
// frame's; this only shows the box and waits until it is closed.
#include <string>

// Shows gbk_text and returns when the user has closed the box.
void PresentRuntimeErrorBox(const std::string& gbk_text);
