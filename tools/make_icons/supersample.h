#pragma once

#include "common/image.h"

#include <functional>

// A picture as a function of a point in pixel units of the output (x right, y down); the
// colour's alpha says how opaque the picture is there.
using Picture = std::function<Color(float x, float y)>;

// Averages samples x samples points per pixel, weighting colours by their alpha, so edges get
// partial alpha and transparent surroundings do not darken them.
Image renderSupersampled(int width, int height, int samples, const Picture& picture);

// Paints top over bottom (straight alpha on both sides).
Color over(const Color& top, const Color& bottom);
