#pragma once
// Corvane's own artwork for the shell: the maker's logo and the menu icon.

#include "toolkit/picture.h"

#include <QIcon>

namespace art {

// The maker's logo, 192 x 72: the same picture, with its rendering, for
// every screen.
Picture logo();
// The menu's 32 x 32 icon, also the frame's window icon; one for both.
QIcon menuIcon();

} // namespace art
