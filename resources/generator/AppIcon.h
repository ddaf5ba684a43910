#pragma once

#include "Canvas.h"

// The program icon: a ticked ballot going into a ballot box on a green tile,
// transparent around the tile. Drawn at any square size (32 and 16 are used).
Canvas DrawAppIcon(int size);
