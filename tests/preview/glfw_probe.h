#pragma once

// Looks into GLFW's internal state on behalf of the tests.

#ifdef __cplusplus
extern "C" {
#endif

// Whether GLFW's event processing would still find a window record by this X window.
int glfwFindsRecordFor(unsigned long window);

#ifdef __cplusplus
}
#endif
