#pragma once

#include <filesystem>

// Where a generator writes: under the directory given as its first argument, or under the
// source tree it was built from, so that a plain run refreshes the committed asset.
std::filesystem::path outputPath(int argc, char** argv, const std::filesystem::path& relative);
