#pragma once
// The runtime error report as the user sees it: a modal message box with no owner window,
// titled "错误", with the stop icon and a single OK button, showing the report's text
// exactly. The report's other steps (suppressing events, ending the program) are the
// frame's; this only shows the box and waits until it is closed.
#include <functional>
#include <string>

class QMessageBox;

// Shows gbk_text and returns when the user has closed the box.
void PresentRuntimeErrorBox(const std::string& gbk_text);

// Test hook: called on the event loop right after the box is shown; it may inspect the box
// and close it. Null removes the hook.
void SetErrorBoxShownHook(std::function<void(QMessageBox& box)> hook);
