#include "platform/fixed_window.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <windows.h>

#include "bottom_up_bgra.h"

namespace platform {
namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// Labels are clipped by the buttons above them, so repainting a label never covers a button.
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
constexpr int kFirstControlId = 10;
constexpr int kSystemIconId = 104;
constexpr int kClassIconSize = 16;

struct GdiObjectDelete {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDelete>;

struct Label {
    HWND control;
    COLORREF textColour;
    COLORREF background;
    GdiObject<HBRUSH> brush;
};

struct Picture {
    int x;
    int y;
    int width;
    int height;
    GdiObject<HBITMAP> bitmap;
};

struct Button {
    HWND control;
    std::function<void()> onClick;
};

COLORREF toColorRef(Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

HINSTANCE ownInstance() {
    return GetModuleHandleA(nullptr);
}

// A positive height asks the font mapper for the character cell, as FontSpec::cellHeight is
// meant; a width of 0 keeps the face's own proportions.
GdiObject<HFONT> createFont(const FontSpec& spec) {
    return GdiObject<HFONT>(CreateFontA(spec.cellHeight, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL,
                                        FALSE, spec.underline, FALSE, DEFAULT_CHARSET,
                                        OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                        VARIABLE_PITCH, std::string(spec.face).c_str()));
}

GdiObject<HBITMAP> bitmapFromBottomUpBgra(const PictureSpec& picture) {
    const BITMAPINFO format = win32::bottomUpBgraFormat(picture.width, picture.height);
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap(
        CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap) {
        std::memcpy(bits, picture.pixels.data(),
                    static_cast<size_t>(picture.width) * picture.height * 4);
    }
    return bitmap;
}

bool holdsWholePicture(const PictureSpec& picture) {
    return picture.width > 0 && picture.height > 0 &&
           picture.pixels.size() >= static_cast<size_t>(picture.width) * picture.height * 4;
}

// The window's outer size for the client size asked for, with this system's frame metrics.
SIZE outerSize(int clientWidth, int clientHeight) {
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// Centred on the primary screen, in physical pixels (the process is DPI-aware by now).
POINT centredPosition(SIZE size) {
    HDC screen = GetDC(nullptr);
    const int screenWidth = GetDeviceCaps(screen, HORZRES);
    const int screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    return {static_cast<LONG>(std::trunc((screenWidth - size.cx) * 0.5)),
            static_cast<LONG>(std::trunc((screenHeight - size.cy) * 0.5))};
}

LRESULT CALLBACK fixedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace

struct FixedWindow::Native {
    HWND window = nullptr; // null once the window is destroyed
    COLORREF background = 0;
    bool inMessageLoop = false;
    int nextControlId = kFirstControlId;
    std::vector<GdiObject<HFONT>> fonts;
    std::vector<Label> labels;
    std::vector<Picture> pictures;
    std::vector<Button> buttons;

    ~Native() {
        if (window) {
            DestroyWindow(window);
        }
    }

    HWND createControl(const char* className, const char* text, DWORD style, ClientRect bounds) {
        return CreateWindowExA(
            0, className, text, style, bounds.x, bounds.y, bounds.width, bounds.height, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextControlId++)), ownInstance(), nullptr);
    }

    void setFont(HWND control, const FontSpec& spec) {
        fonts.push_back(createFont(spec));
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.back().get()), TRUE);
    }

    void paint() const {
        PAINTSTRUCT paintState;
        HDC target = BeginPaint(window, &paintState);
        RECT client;
        GetClientRect(window, &client);
        // An empty opaque text run is GDI's plainest way to fill a rectangle with one colour.
        SetBkColor(target, background);
        ExtTextOutA(target, 0, 0, ETO_OPAQUE, &client, "", 0, nullptr);
        HDC source = CreateCompatibleDC(target);
        for (const Picture& picture : pictures) {
            HGDIOBJ previous = SelectObject(source, picture.bitmap.get());
            BitBlt(target, picture.x, picture.y, picture.width, picture.height, source, 0, 0,
                   SRCCOPY);
            SelectObject(source, previous);
        }
        DeleteDC(source);
        EndPaint(window, &paintState);
    }

    // The label's colours on its device context, and the brush its background is filled with;
    // nothing for a static control that is not one of ours.
    HBRUSH colourLabel(HWND control, HDC target) const {
        for (const Label& label : labels) {
            if (label.control == control) {
                SetTextColor(target, label.textColour);
                SetBkColor(target, label.background);
                return label.brush.get();
            }
        }
        return nullptr;
    }

    void click(HWND control) const {
        for (const Button& button : buttons) {
            if (button.control == control && button.onClick) {
                button.onClick();
            }
        }
    }

    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush =
                    colourLabel(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            return std::nullopt;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                click(reinterpret_cast<HWND>(lParam));
            }
            return 0;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            window = nullptr;
            // Only a running loop is ended: a quit message left in the queue would end the
            // next message loop of the thread, a message box's included.
            if (inMessageLoop) {
                PostQuitMessage(0);
            }
            return 0;
        default:
            return std::nullopt;
        }
    }
};

namespace {

LRESULT CALLBACK fixedWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* native = static_cast<FixedWindow::Native*>(creation->lpCreateParams);
        native->window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(native));
    }
    auto* native = reinterpret_cast<FixedWindow::Native*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (native && native->window == window) {
        if (const auto result = native->handle(message, wParam, lParam)) {
            return *result;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

// A class that this process registered before serves as well as a new one.
bool registerWindowClass(std::string_view className) {
    const std::string name(className);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = fixedWindowProcedure;
    windowClass.hInstance = ownInstance();
    windowClass.hIcon = static_cast<HICON>(LoadImageA(GetModuleHandleA("user32.dll"),
                                                      MAKEINTRESOURCEA(kSystemIconId), IMAGE_ICON,
                                                      kClassIconSize, kClassIconSize, LR_SHARED));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = name.c_str();
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

std::unique_ptr<FixedWindow> FixedWindow::create(const FixedWindowSpec& spec) {
    SetProcessDPIAware();
    auto native = std::make_unique<Native>();
    native->background = toColorRef(spec.background);
    const SIZE size = outerSize(spec.clientWidth, spec.clientHeight);
    const POINT position = centredPosition(size);
    CreateWindowExA(0, std::string(spec.className).c_str(), std::string(spec.caption).c_str(),
                    kWindowStyle, position.x, position.y, size.cx, size.cy, nullptr, nullptr,
                    ownInstance(), native.get());
    if (!native->window) {
        return nullptr;
    }
    return std::unique_ptr<FixedWindow>(new FixedWindow(std::move(native)));
}

FixedWindow::FixedWindow(std::unique_ptr<Native> native) : native_(std::move(native)) {}

FixedWindow::~FixedWindow() = default;

// Controls start with a placeholder text and get theirs afterwards, so that the text is set the
// same way whatever its length.
void FixedWindow::addLabel(const LabelSpec& label) {
    HWND control = native_->createControl("static", "ST_U", kLabelStyle, label.bounds);
    SetWindowTextA(control, std::string(label.text).c_str());
    native_->setFont(control, label.font);
    SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    native_->labels.push_back({control, toColorRef(label.textColour), toColorRef(label.background),
                               GdiObject<HBRUSH>(CreateSolidBrush(toColorRef(label.background)))});
}

void FixedWindow::addPicture(const PictureSpec& picture) {
    if (!holdsWholePicture(picture)) {
        return;
    }
    native_->pictures.push_back(
        {picture.x, picture.y, picture.width, picture.height, bitmapFromBottomUpBgra(picture)});
}

void FixedWindow::addButton(ButtonSpec button) {
    HWND control = native_->createControl("BUTTON", std::string(button.text).c_str(), kButtonStyle,
                                          button.bounds);
    native_->setFont(control, button.font);
    native_->buttons.push_back({control, std::move(button.onClick)});
}

// No dialog-message handling: the window offers no keyboard navigation between its controls.
void FixedWindow::runUntilClosed(int showCommand) {
    if (!native_->window) {
        return;
    }
    ShowWindow(native_->window, showCommand);
    UpdateWindow(native_->window);
    native_->inMessageLoop = true;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    native_->inMessageLoop = false;
}

} // namespace platform
