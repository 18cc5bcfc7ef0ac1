#pragma once
// The program's default icon (the 256 x 256 picture every window without an icon of its own
// takes). It is decoded the first time a window system asks for a picture of it, not at
// start-up: a platform that shows no icons never pays for it.
#include <QIcon>

QIcon DefaultIcon();
