#pragma once

#include "common/image.h"

// The application icon: a carved gourd glowing from inside, on a transparent background,
// drawn at any edge length.
Image drawGourdIcon(int size);
