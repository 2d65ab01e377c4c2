#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

namespace platform {

struct Colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// A rectangle in a window's client coordinates, in pixels.
struct ClientRect {
    int x;
    int y;
    int width;
    int height;
};

// A font as the system's own controls take one. `cellHeight` is the character cell (ascent
// plus descent) in pixels, not the em size, so text keeps the same height on every system. A
// face the system lacks is replaced by a metric-compatible one, else by the default sans face.
struct FontSpec {
    std::string_view face;
    int cellHeight;
    bool bold;
    bool underline;
};

// Static text: painted from the top-left of `bounds`, wrapped at its width, clipped to it, on
// `background`. Lines may be separated by CR LF.
struct LabelSpec {
    ClientRect bounds;
    std::string_view text;
    FontSpec font;
    Colour textColour;
    Colour background;
};

// A picture copied pixel for pixel, unscaled, with its top-left corner at (x, y). `pixels` are
// bottom-up rows of blue, green, red and an ignored fourth byte, as platform::bitmapPixels
// gives them; they are copied, so they need not outlive the call.
struct PictureSpec {
    int x;
    int y;
    int width;
    int height;
    std::span<const std::uint8_t> pixels;
};

// A system-drawn push button; `onClick` runs on the window's thread each time it is pressed.
struct ButtonSpec {
    ClientRect bounds;
    std::string_view text;
    FontSpec font;
    std::function<void()> onClick;
};

struct FixedWindowSpec {
    std::string_view className;
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    Colour background;
};

// Makes `className` known to the window system before windows of it are created; false when
// that fails. Systems that need no such step always succeed.
bool registerWindowClass(std::string_view className);

// A top-level window of a fixed client size with a title bar and a close box but no minimise,
// maximise or sizing border, centred on the primary monitor. Labels and pictures are clipped to
// the client area and lie beneath buttons; a button must fit inside the client area.
class FixedWindow {
  public:
    // Nothing when the window cannot be created (no display, for one).
    static std::unique_ptr<FixedWindow> create(const FixedWindowSpec& spec);
    ~FixedWindow();
    FixedWindow(const FixedWindow&) = delete;
    FixedWindow& operator=(const FixedWindow&) = delete;

    void addLabel(const LabelSpec& label);
    void addPicture(const PictureSpec& picture);
    void addButton(ButtonSpec button);

    // Shows the window as `showCommand` asks where the system takes one, then handles its
    // events until it is closed (close box, Alt+F4, the window manager's close request).
    void runUntilClosed(int showCommand);

    struct Native;

  private:
    explicit FixedWindow(std::unique_ptr<Native> native);
    std::unique_ptr<Native> native_;
};

} // namespace platform
