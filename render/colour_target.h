#pragma once

#include "render/gl.h"

// A framebuffer with one 8-bit RGBA colour buffer of the given size, left bound: where frames go
// that no window shows (snapshots, benchmarks, tests).
GLuint createColourTarget(int width, int height);
