#include "app/snapshot.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

constexpr int kLargestSide = 16384;

bool readInt(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool readSize(std::string_view text, int& width, int& height) {
    const size_t cross = text.find('x');
    return cross != std::string_view::npos && readInt(text.substr(0, cross), width) &&
           readInt(text.substr(cross + 1), height) && width > 0 && height > 0 &&
           width <= kLargestSide && height <= kLargestSide;
}

bool readTime(const std::string& text, float& time) {
    char* end = nullptr;
    time = std::strtof(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && std::isfinite(time);
}

bool readReduced(std::string_view text, Resolution& resolution) {
    int size = 0;
    if (!readInt(text, size) || (size != 256 && size != 512 && size != 1024)) {
        return false;
    }
    resolution = {RenderMode::Reduced, size};
    return true;
}

// Applies one option and its value; an error message when either is wrong.
std::optional<std::string> applyOption(std::string_view option, const std::string& value,
                                       SnapshotRequest& request) {
    if (option == "--snapshot") {
        request.file = value;
        return value.empty() ? std::optional<std::string>("--snapshot needs a file name")
                             : std::nullopt;
    }
    if (option == "--size") {
        return readSize(value, request.width, request.height)
                   ? std::nullopt
                   : std::optional<std::string>("--size needs WIDTHxHEIGHT, 1 to 16384 each");
    }
    if (option == "--time") {
        return readTime(value, request.time)
                   ? std::nullopt
                   : std::optional<std::string>("--time needs a number of seconds");
    }
    if (option == "--reduced") {
        return readReduced(value, request.resolution)
                   ? std::nullopt
                   : std::optional<std::string>("--reduced needs 256, 512 or 1024");
    }
    return "unknown option " + std::string(option);
}

} // namespace

std::optional<std::variant<SnapshotRequest, std::string>> parseSnapshotRequest(int argc,
                                                                               char** argv) {
    if (argc < 2 || std::string_view(argv[1]) != "--snapshot") {
        return std::nullopt;
    }
    SnapshotRequest request;
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc) {
            return std::string(argv[i]) + " needs a value";
        }
        if (auto error = applyOption(argv[i], argv[i + 1], request)) {
            return *error;
        }
    }
    return request;
}
