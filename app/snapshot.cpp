#include "app/snapshot.h"

#include <cstdio>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "app/hidden_context.h"
#include "render/colour_target.h"
#include "render/drawing_size.h"
#include "render/gl.h"

namespace {

constexpr int kSnapshotFailureStatus = 1;

// The picture is saved as a window shows it: colour only, since a window ignores alpha (the sky
// is drawn with alpha 0). OpenGL reads rows from the bottom up; PNG stores them top down.
bool writePng(const std::string& file, GLuint framebuffer, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    stbi_flip_vertically_on_write(1);
    return stbi_write_png(file.c_str(), width, height, 3, pixels.data(), width * 3) != 0;
}

} // namespace

int runSnapshot(const SnapshotRequest& request) {
    if (!openHiddenContext()) {
        std::fprintf(stderr, "hollowlight: no OpenGL context for the snapshot\n");
        return kSnapshotFailureStatus;
    }
    setUpScene();
    const GLuint target = createColourTarget(request.width, request.height);
    setPresentationFramebuffer(target);
    setDrawingSize(request.width, request.height);
    forceResolution(request.resolution);
    sceneState().time = request.time;
    drawFrame();
    if (!writePng(request.file, target, request.width, request.height)) {
        std::fprintf(stderr, "hollowlight: cannot write %s\n", request.file.c_str());
        return kSnapshotFailureStatus;
    }
    return 0;
}
