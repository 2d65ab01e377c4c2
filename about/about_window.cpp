#include "about/about_window.h"

#include <cstdlib>

#include "platform/fixed_window.h"
#include "platform/message_box.h"
#include "platform/resources.h"
#include "platform/url_opener.h"

namespace {

// The client area of a 400 x 300 window with a title bar and a fixed frame at the system's
// default metrics, so the layout below keeps the margins it was drawn with.
constexpr int kClientWidth = 394;
constexpr int kClientHeight = 271;

constexpr platform::Colour kBackground{177, 232, 179};
constexpr platform::Colour kTitleColour{0, 0, 0};
constexpr platform::Colour kNoticeColour{0, 51, 255};

constexpr platform::FontSpec kRegularFont{"Arial", 16, false, false};
constexpr platform::FontSpec kTitleFont{"Arial", 18, true, true};

constexpr platform::ClientRect kTitleBounds{98, 20, 280, 20};
constexpr platform::ClientRect kNoticeBounds{20, 150, 380, 80};
constexpr platform::ClientRect kButtonBounds{150, 210, 100, 32};

constexpr int kPictureId = 101;
constexpr int kPictureWidth = 110;
constexpr int kPictureHeight = 83;
constexpr int kPictureX = 142;
constexpr int kPictureY = 55;

constexpr std::string_view kWebsiteAddress = "https://www.duskworks-savers.com/?utm_source=About";

void showError(std::string_view text) {
    platform::showMessageBox(text, "Error!", platform::MessageIcon::Exclamation);
}

// Without its window the About box has nothing to wait for, so the process ends here.
[[noreturn]] void failWindowCreation() {
    showError("Window Creation Failed!");
    std::exit(EXIT_FAILURE);
}

// A missing picture leaves its place green rather than stopping the window.
void addPicture(platform::FixedWindow& window) {
    const auto pixels = platform::bitmapPixels(kPictureId, kPictureWidth, kPictureHeight);
    if (pixels) {
        window.addPicture({kPictureX, kPictureY, kPictureWidth, kPictureHeight, *pixels});
    }
}

} // namespace

AboutWindow::AboutWindow(int showCommand) {
    if (!platform::registerWindowClass(windowClassName)) {
        showError("Window Registration Failed!");
    }
    const auto window = platform::FixedWindow::create(
        {windowClassName, caption, kClientWidth, kClientHeight, kBackground});
    if (!window) {
        failWindowCreation();
    }
    addPicture(*window);
    window->addLabel({kNoticeBounds, noticeText, kRegularFont, kNoticeColour, kBackground});
    window->addLabel({kTitleBounds, titleText, kTitleFont, kTitleColour, kBackground});
    window->addButton(
        {kButtonBounds, buttonText, kRegularFont, [] { platform::openUrl(kWebsiteAddress); }});
    window->runUntilClosed(showCommand);
}
