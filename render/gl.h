#pragma once

// Every OpenGL call of the program goes through the process-wide entry-point table.
#include "gl_entry_points.h"
