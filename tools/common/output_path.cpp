#include "common/output_path.h"

std::filesystem::path outputPath(int argc, char** argv, const std::filesystem::path& relative) {
    const std::filesystem::path root = argc > 1 ? argv[1] : HOLLOWLIGHT_SOURCE_DIR;
    return root / relative;
}
