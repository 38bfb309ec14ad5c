#pragma once
// Bingo's own artwork.

#include "toolkit/picture.h"

namespace bingoart {

// The calling ball: a grey shaded sphere on white, 150 x 150.
Picture ball();

} // namespace bingoart
