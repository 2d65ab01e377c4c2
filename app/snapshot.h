#pragma once

#include <optional>
#include <string>
#include <variant>

#include "render/scene.h"

// A request to render one frame off screen and save it as a PNG file instead of running the
// saver: --snapshot FILE.png [--size WxH] [--time SECONDS] [--reduced 256|512|1024].
struct SnapshotRequest {
    std::string file;
    int width = 1280;
    int height = 720;
    float time = 0.0f;
    Resolution resolution{RenderMode::FullResolution, 1024};
};

// Nothing when the arguments do not ask for a snapshot; otherwise the request, or a message
// saying what is wrong with it.
std::optional<std::variant<SnapshotRequest, std::string>> parseSnapshotRequest(int argc,
                                                                               char** argv);

// Renders exactly the frame the saver draws at the request's time and size, in a hidden
// context, and writes it. Returns the process's exit status.
int runSnapshot(const SnapshotRequest& request);
