#pragma once

// The configuration window: product name, picture, notice and a button that opens the web site.
// Construction shows it and runs its message loop until it is closed.
class AboutWindow {
  public:
    explicit AboutWindow(int showCommand);
};
