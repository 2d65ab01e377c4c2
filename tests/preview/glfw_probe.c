// Compiled against GLFW's internal headers, like the wrapping it checks.
#include "internal.h"

#include "glfw_probe.h"

int glfwFindsRecordFor(unsigned long window)
{
    XPointer record;
    return XFindContext(_glfw.x11.display, (XID) window, _glfw.x11.context, &record) == 0;
}
