#pragma once

#include <string_view>

// The configuration window: product name, picture, notice and a button that opens the web site.
// Construction shows it and runs its event loop until it is closed. When the window cannot be
// created the failure is shown and the process ends with a failure status.
class AboutWindow {
  public:
    explicit AboutWindow(int showCommand);

    const std::string_view caption = "About";
    const std::string_view windowClassName = "DuskworksWindowClass";
    const std::string_view buttonText = "Visit website";
    const std::string_view noticeText = "Copyright (C) Duskworks. All rights reserved.\r\n"
                                        "More screen savers at www.duskworks-savers.com\r\n"
                                        "Support: support@duskworks-savers.com";
    const std::string_view titleText = "Hollowlight";
};
