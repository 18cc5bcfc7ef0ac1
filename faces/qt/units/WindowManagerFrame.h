#pragma once
// The frame a window manager will draw around a top-level window, learnt before the window is
// mapped, so that the window can be placed by that frame rather than by its client area.
#include <QMargins>

#include <optional>

class QWidget;

// Asks the running window manager for the frame it will give `window` (created, not yet
// mapped): under X11, _NET_REQUEST_FRAME_EXTENTS, then its answer in _NET_FRAME_EXTENTS.
//   no window manager, or not X11                  -> nothing
//   a window manager that answers                  -> its frame, e.g. {1, 21, 1, 5}
//   one that cannot be asked or does not answer    -> `guess`
std::optional<QMargins> WindowManagerFrame(QWidget& window, QMargins guess);
