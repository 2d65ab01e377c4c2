#pragma once

// Seconds of the windowing library's clock, as the single-precision frame time.
float frameClockSeconds();
