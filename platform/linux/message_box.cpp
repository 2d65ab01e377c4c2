#include "platform/message_box.h"

#include <cstdio>
#include <string>

#include <gtk/gtk.h>

namespace platform {
namespace {

bool gtkAvailable() {
    static const bool available = gtk_init_check(nullptr, nullptr);
    return available;
}

void runDialog(const std::string& text, const std::string& caption, MessageIcon icon) {
    const GtkMessageType type =
        icon == MessageIcon::Exclamation ? GTK_MESSAGE_WARNING : GTK_MESSAGE_INFO;
    GtkWidget* dialog =
        gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, type, GTK_BUTTONS_OK, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), caption.c_str());
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    // Let the window actually disappear before the caller goes on (or ends the process).
    while (gtk_events_pending()) {
        gtk_main_iteration();
    }
}

} // namespace

void showMessageBox(std::string_view text, std::string_view caption, MessageIcon icon) {
    const std::string textString(text);
    const std::string captionString(caption);
    if (!gtkAvailable()) {
        std::fprintf(stderr, "%s: %s\n", captionString.c_str(), textString.c_str());
        return;
    }
    runDialog(textString, captionString, icon);
}

} // namespace platform
