#pragma once
// The program's default icon (the 256 x 256 picture every window without an icon of its own
// takes). It is decoded the first time a window system asks for a picture of it, not at
// start-up: a platform that shows no icons never pays for it.
#include <QIcon>

QIcon DefaultIcon();

// Makes DefaultIcon the application's icon once a window has painted its first frame. A
// window system takes every size of a window's icon when the window is made (X: the whole
// 256 x 256 picture, decoded and sent), which would otherwise come before that frame.
// Windows without an icon of their own take it then.
void SetApplicationIconAfterFirstFrame();
