#pragma once

// The OpenGL version the context reports; 0 until known (a 2.x context cannot tell).
inline int glMajorVersion = 0;
inline int glMinorVersion = 0;

// Fills every slot of the entry-point table for the current context; a function the driver lacks
// leaves its slot null. Returns 0, or -1 when the context reports no version of 3.0 or later.
int loadGlEntryPoints();
