// Writes the two icons: app/window_icon_pixels.inc, the window icon's pixels as a C++
// initialiser, and resources/hollowlight.ico, the application icon at 16, 32, 48 and 256
// pixels. Everything is drawn from shapes, so every run gives the same bytes.

#include "gourd_icon.h"
#include "window_icon.h"

#include "common/image_files.h"
#include "common/output_path.h"

#include <span>
#include <string>
#include <vector>

namespace {

bool writeWindowIcon(int argc, char** argv) {
    const std::string text = windowIconColumns(drawWindowIcon());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return writeFile(outputPath(argc, argv, "app/window_icon_pixels.inc"),
                     std::span(bytes, text.size()));
}

bool writeApplicationIcon(int argc, char** argv) {
    std::vector<Image> images;
    for (int size : {16, 32, 48, 256})
        images.push_back(drawGourdIcon(size));
    return writeFile(outputPath(argc, argv, "resources/hollowlight.ico"), encodeIco(images));
}

} // namespace

int main(int argc, char** argv) {
    const bool windowIconWritten = writeWindowIcon(argc, argv);
    const bool applicationIconWritten = writeApplicationIcon(argc, argv);
    return windowIconWritten && applicationIconWritten ? 0 : 1;
}
