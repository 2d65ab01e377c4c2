#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include <windows.h>

#include "platform/host_window.h"
#include "platform/resources.h"
#include "platform/single_instance.h"
#include "platform/system_version.h"
#include "win32/command_line_tail.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct ScriptEntry {
    int id;
    std::string type;
    std::string file;
};

Bytes readFile(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// Every TEXTFILE and BITMAP the resource script names, with its file's path.
std::vector<ScriptEntry> scriptEntries(const std::string& type) {
    const std::string script = RESOURCE_SCRIPT;
    const std::string folder = script.substr(0, script.find_last_of('/') + 1);
    const std::regex line(R"(^(\d+)\s+(\w+)\s+"([^"]+)\")");
    std::ifstream stream(script);
    std::vector<ScriptEntry> entries;
    std::smatch match;
    for (std::string text; std::getline(stream, text);) {
        if (std::regex_search(text, match, line) && match[2] == type) {
            entries.push_back({std::stoi(match[1]), match[2], folder + match[3].str()});
        }
    }
    return entries;
}

std::int32_t readInt32(const Bytes& bytes, size_t offset) {
    return static_cast<std::int32_t>(bytes[offset] | bytes[offset + 1] << 8 |
                                     bytes[offset + 2] << 16 | bytes[offset + 3] << 24);
}

struct DecodedBitmap {
    int width;
    int height;
    Bytes bottomUpBgra;
};

// The bitmap files are uncompressed 24-bit BMPs: bottom-up rows of blue, green, red, each row
// padded to a multiple of four bytes.
DecodedBitmap decode24BitBmp(const Bytes& file) {
    const size_t pixelOffset = static_cast<size_t>(readInt32(file, 10));
    const int width = readInt32(file, 18);
    const int height = readInt32(file, 22);
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    DecodedBitmap decoded{width, height, {}};
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const size_t pixel = pixelOffset + row * stride + column * 3;
            decoded.bottomUpBgra.insert(decoded.bottomUpBgra.end(),
                                        {file[pixel], file[pixel + 1], file[pixel + 2], 255});
        }
    }
    return decoded;
}

platform::NativeWindowId idOf(HWND window) {
    return reinterpret_cast<platform::NativeWindowId>(window);
}

TEST(Resources, TextResourcesAreTheirFilesByteForByte) {
    const auto entries = scriptEntries("TEXTFILE");
    ASSERT_EQ(entries.size(), 4u);
    for (const auto& entry : entries) {
        const auto bytes = platform::textResource(entry.id);
        ASSERT_TRUE(bytes) << entry.id;
        EXPECT_EQ(Bytes(bytes->begin(), bytes->end()), readFile(entry.file)) << entry.file;
    }
}

// The display has 24 bits per pixel; the pixels come back at 32 bits, exactly those of the file.
TEST(Resources, BitmapsAreTheirFilesPixelForPixel) {
    const auto entries = scriptEntries("BITMAP");
    ASSERT_EQ(entries.size(), 3u);
    for (const auto& entry : entries) {
        const DecodedBitmap expected = decode24BitBmp(readFile(entry.file));
        const auto pixels = platform::bitmapPixels(entry.id, expected.width, expected.height);
        ASSERT_TRUE(pixels) << entry.id;
        EXPECT_TRUE(*pixels == expected.bottomUpBgra) << entry.file;
    }
}

TEST(Resources, WrongSizesAndMissingResourcesAreRefused) {
    struct Case {
        int id;
        int width;
        int height;
    };
    for (const auto [id, width, height] : {Case{228, 64, 64}, Case{228, 32, 16}, Case{101, 83, 110},
                                           Case{228, 0, 0}, Case{999, 32, 32}, Case{137, 32, 32}}) {
        EXPECT_FALSE(platform::bitmapPixels(id, width, height))
            << id << " at " << width << "x" << height;
    }
    EXPECT_FALSE(platform::textResource(228)) << "a bitmap is no text";
}

std::string versionText(const std::vector<char>& versionInfo, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(versionInfo.data(), path.c_str(), reinterpret_cast<void**>(&value),
                        &length)) {
        return "<missing>";
    }
    return value;
}

// What the system shows of a screen saver: its name (string 1), its icon and the version
// information of its file.
TEST(Resources, CarryWhatTheSystemShowsOfASaver) {
    HMODULE module = GetModuleHandleA(nullptr);
    char name[64] = {};
    LoadStringA(module, 1, name, sizeof(name));
    EXPECT_STREQ(name, "Hollowlight");
    EXPECT_NE(LoadIconA(module, MAKEINTRESOURCEA(1)), nullptr);

    char file[MAX_PATH] = {};
    GetModuleFileNameA(module, file, MAX_PATH);
    std::vector<char> versionInfo(GetFileVersionInfoSizeA(file, nullptr));
    ASSERT_FALSE(versionInfo.empty());
    ASSERT_TRUE(
        GetFileVersionInfoA(file, 0, static_cast<DWORD>(versionInfo.size()), versionInfo.data()));
    EXPECT_EQ(versionText(versionInfo, "ProductName"), "Hollowlight");
    EXPECT_EQ(versionText(versionInfo, "OriginalFilename"), "Hollowlight.scr");
    EXPECT_EQ(versionText(versionInfo, "FileVersion"), PROJECT_VERSION);
}

TEST(CommandLineTail, IsWhatFollowsTheProgramName) {
    struct Case {
        const char* commandLine;
        const char* tail;
    };
    for (const auto [commandLine, tail] : {
             Case{R"("C:\Program Files\Hollowlight.scr" /p 1234)", "/p 1234"},
             Case{R"("C:\a b\Hollowlight.scr"/s)", "/s"},
             Case{"Hollowlight.scr /s", "/s"},
             Case{"Hollowlight.scr \t  /c:5678", "/c:5678"},
             Case{"Hollowlight.scr /p  12 ", "/p  12 "},
             Case{"Hollowlight.scr", ""},
             Case{"Hollowlight.scr   ", ""},
             Case{"\"unclosed quote /s", ""},
             Case{"\xC9t\xE9.scr /s", "/s"},
             Case{"", ""},
         }) {
        EXPECT_EQ(platform::win32::commandLineTailOf(commandLine), tail) << commandLine;
    }
}

TEST(NamedGuard, IsHeldUntilTheProcessEnds) {
    const std::string name = "hollowlight-test-guard-" + std::to_string(GetCurrentProcessId());
    EXPECT_TRUE(platform::acquireNamedGuard(name));
    EXPECT_FALSE(platform::acquireNamedGuard(name)) << "the first one still holds it";
    EXPECT_TRUE(platform::acquireNamedGuard(name + "-other"));
}

// Every system since Vista keeps the display's mode; a version read the wrong way round (minor
// before major) would not.
TEST(SystemVersion, IsAtLeastVista) {
    EXPECT_GE(platform::systemVersionNumber(), 60);
}

TEST(HostWindow, ReportsClientSizeAndEnabledStateUntilDestroyed) {
    HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 157, 113, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(host, nullptr);
    const auto size = platform::hostClientSize(idOf(host));
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 157);
    EXPECT_EQ(size->height, 113);
    EXPECT_TRUE(platform::isHostWindowEnabled(idOf(host)));
    EnableWindow(host, FALSE);
    EXPECT_FALSE(platform::isHostWindowEnabled(idOf(host)));
    EnableWindow(host, TRUE);
    EXPECT_TRUE(platform::isHostWindowEnabled(idOf(host)));
    DestroyWindow(host);
    EXPECT_FALSE(platform::hostClientSize(idOf(host)));
    EXPECT_FALSE(platform::isHostWindowEnabled(idOf(host)));
}

TEST(HostWindow, NoHandleNamesNoWindow) {
    EXPECT_FALSE(platform::hostClientSize(0));
    EXPECT_FALSE(platform::isHostWindowEnabled(0));
}

} // namespace
