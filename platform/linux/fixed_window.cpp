#include "platform/fixed_window.h"

#include <string>
#include <utility>
#include <vector>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

namespace platform {
namespace {

struct AttributesUnref {
    void operator()(PangoAttrList* attributes) const { pango_attr_list_unref(attributes); }
};
using Attributes = std::unique_ptr<PangoAttrList, AttributesUnref>;

struct SurfaceDestroy {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDestroy>;

struct FontDescriptionFree {
    void operator()(PangoFontDescription* font) const { pango_font_description_free(font); }
};
using FontDescription = std::unique_ptr<PangoFontDescription, FontDescriptionFree>;

struct PaintedLabel {
    ClientRect bounds;
    std::string text;
    Attributes attributes;
    Colour textColour;
    Colour background;
};

struct PaintedPicture {
    int x;
    int y;
    Surface surface;
};

// Measured at a large size, where hinting hardly rounds the metrics.
constexpr double kProbeEmPixels = 1000.0;

// Pango sizes fonts by their em; the caller gives the character cell (ascent plus descent), so
// the em is scaled by the face's own cell-to-em ratio.
FontDescription fontDescription(GtkWidget* widget, const FontSpec& spec) {
    FontDescription font(pango_font_description_new());
    pango_font_description_set_family(font.get(), std::string(spec.face).c_str());
    pango_font_description_set_weight(font.get(),
                                      spec.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font.get(), kProbeEmPixels * PANGO_SCALE);
    PangoFontMetrics* metrics =
        pango_context_get_metrics(gtk_widget_get_pango_context(widget), font.get(), nullptr);
    const double probeCellPixels = static_cast<double>(pango_font_metrics_get_ascent(metrics) +
                                                       pango_font_metrics_get_descent(metrics)) /
                                   PANGO_SCALE;
    pango_font_metrics_unref(metrics);
    const double emPixels = kProbeEmPixels * spec.cellHeight / probeCellPixels;
    pango_font_description_set_absolute_size(font.get(), emPixels * PANGO_SCALE);
    return font;
}

Attributes textAttributes(GtkWidget* widget, const FontSpec& spec) {
    Attributes attributes(pango_attr_list_new());
    const FontDescription font = fontDescription(widget, spec);
    pango_attr_list_insert(attributes.get(), pango_attr_font_desc_new(font.get()));
    if (spec.underline) {
        pango_attr_list_insert(attributes.get(), pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    }
    return attributes;
}

void setSourceColour(cairo_t* cairo, Colour colour) {
    cairo_set_source_rgb(cairo, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

// Cairo's opaque format keeps each pixel as one native 32-bit word 0x00RRGGBB, top row first.
Surface surfaceFromBottomUpBgra(const PictureSpec& picture) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height));
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int row = 0; row < picture.height; ++row) {
        const std::uint8_t* source =
            picture.pixels.data() +
            static_cast<size_t>(picture.height - 1 - row) * picture.width * 4;
        auto* destination =
            reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(row) * stride);
        for (int column = 0; column < picture.width; ++column, source += 4) {
            destination[column] = std::uint32_t{source[2]} << 16 | std::uint32_t{source[1]} << 8 |
                                  std::uint32_t{source[0]};
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

bool holdsWholePicture(const PictureSpec& picture) {
    return picture.width > 0 && picture.height > 0 &&
           picture.pixels.size() >= static_cast<size_t>(picture.width) * picture.height * 4;
}

// The theme's push button is taller than many layouts allow and casts a shadow past its edge;
// the caller's rectangle is what the button covers, exactly.
void keepButtonInItsRectangle(GtkWidget* button) {
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(
        css, "button { min-height: 0; min-width: 0; padding: 0 4px; box-shadow: none; }", -1,
        nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(button), GTK_STYLE_PROVIDER(css),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
}

// The layout is in device pixels, like the picture it holds; a desktop that scales windows up
// would blur the picture and move everything off its place.
void useDevicePixels(GdkDisplay* display) {
    if (GDK_IS_X11_DISPLAY(display)) {
        gdk_x11_display_set_window_scale(display, 1);
    }
}

void centreOnPrimaryMonitor(GtkWindow* window, int width, int height) {
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
    if (!monitor) {
        monitor = gdk_display_get_monitor(display, 0);
    }
    if (!monitor) {
        return;
    }
    GdkRectangle area;
    gdk_monitor_get_geometry(monitor, &area);
    gtk_window_move(window, area.x + (area.width - width) / 2, area.y + (area.height - height) / 2);
}

void runClickHandler(GtkButton*, gpointer handler) {
    const auto& onClick = *static_cast<std::function<void()>*>(handler);
    if (onClick) {
        onClick();
    }
}

void deleteClickHandler(gpointer handler, GClosure*) {
    delete static_cast<std::function<void()>*>(handler);
}

// Where no window manager turns Alt+F4 into a close request, the window does it itself, as the
// system does for every window elsewhere.
gboolean closeOnAltF4(GtkWidget* window, GdkEventKey* event, gpointer) {
    if (event->keyval != GDK_KEY_F4 || !(event->state & GDK_MOD1_MASK)) {
        return FALSE;
    }
    gtk_window_close(GTK_WINDOW(window));
    return TRUE;
}

} // namespace

struct FixedWindow::Native {
    GtkWidget* window = nullptr; // null once the window is destroyed
    GtkWidget* fixed = nullptr;
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    Colour background{};
    std::vector<PaintedPicture> pictures;
    std::vector<PaintedLabel> labels;

    ~Native() {
        if (window) {
            gtk_widget_destroy(window);
        }
        g_main_loop_unref(loop);
    }

    void paintLabel(cairo_t* cairo, const PaintedLabel& label) const {
        const ClientRect& bounds = label.bounds;
        cairo_save(cairo);
        cairo_rectangle(cairo, bounds.x, bounds.y, bounds.width, bounds.height);
        cairo_clip(cairo);
        setSourceColour(cairo, label.background);
        cairo_paint(cairo);
        PangoLayout* layout = gtk_widget_create_pango_layout(window, label.text.c_str());
        pango_layout_set_attributes(layout, label.attributes.get());
        pango_layout_set_width(layout, bounds.width * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
        setSourceColour(cairo, label.textColour);
        cairo_move_to(cairo, bounds.x, bounds.y);
        pango_cairo_show_layout(cairo, layout);
        g_object_unref(layout);
        cairo_restore(cairo);
    }

    void paintClientArea(cairo_t* cairo) const {
        setSourceColour(cairo, background);
        cairo_paint(cairo);
        for (const PaintedPicture& picture : pictures) {
            cairo_set_source_surface(cairo, picture.surface.get(), picture.x, picture.y);
            cairo_paint(cairo);
        }
        for (const PaintedLabel& label : labels) {
            paintLabel(cairo, label);
        }
    }

    static gboolean onDraw(GtkWidget*, cairo_t* cairo, gpointer self) {
        static_cast<const Native*>(self)->paintClientArea(cairo);
        return FALSE; // the buttons are drawn on top by the window itself
    }

    static void onDestroy(GtkWidget*, gpointer self) {
        auto* native = static_cast<Native*>(self);
        native->window = nullptr;
        g_main_loop_quit(native->loop);
    }
};

// X needs no class registration: the class is a property each window carries (WM_CLASS).
bool registerWindowClass(std::string_view) {
    return true;
}

std::unique_ptr<FixedWindow> FixedWindow::create(const FixedWindowSpec& spec) {
    if (!gtk_init_check(nullptr, nullptr)) {
        return nullptr;
    }
    useDevicePixels(gdk_display_get_default());
    auto native = std::make_unique<Native>();
    native->background = spec.background;
    native->window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* window = GTK_WINDOW(native->window);
    gtk_window_set_title(window, std::string(spec.caption).c_str());
    const std::string className(spec.className);
    // The per-window class is exactly what the caller names; the toolkit's replacement would
    // rename the whole program instead.
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_window_set_wmclass(window, className.c_str(), className.c_str());
    G_GNUC_END_IGNORE_DEPRECATIONS
    // A dialog that cannot be resized gets neither minimise nor maximise from window managers.
    gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_DIALOG);
    gtk_window_set_resizable(window, FALSE);
    gtk_widget_set_app_paintable(native->window, TRUE);
    native->fixed = gtk_fixed_new();
    gtk_widget_set_size_request(native->fixed, spec.clientWidth, spec.clientHeight);
    gtk_container_add(GTK_CONTAINER(window), native->fixed);
    centreOnPrimaryMonitor(window, spec.clientWidth, spec.clientHeight);
    g_signal_connect(native->window, "draw", G_CALLBACK(Native::onDraw), native.get());
    g_signal_connect(native->window, "destroy", G_CALLBACK(Native::onDestroy), native.get());
    g_signal_connect(native->window, "key-press-event", G_CALLBACK(closeOnAltF4), nullptr);
    return std::unique_ptr<FixedWindow>(new FixedWindow(std::move(native)));
}

FixedWindow::FixedWindow(std::unique_ptr<Native> native) : native_(std::move(native)) {}

FixedWindow::~FixedWindow() = default;

void FixedWindow::addLabel(const LabelSpec& label) {
    native_->labels.push_back({label.bounds, std::string(label.text),
                               textAttributes(native_->window, label.font), label.textColour,
                               label.background});
}

void FixedWindow::addPicture(const PictureSpec& picture) {
    if (!holdsWholePicture(picture)) {
        return;
    }
    native_->pictures.push_back({picture.x, picture.y, surfaceFromBottomUpBgra(picture)});
}

void FixedWindow::addButton(ButtonSpec button) {
    GtkWidget* widget = gtk_button_new_with_label(std::string(button.text).c_str());
    gtk_label_set_attributes(GTK_LABEL(gtk_bin_get_child(GTK_BIN(widget))),
                             textAttributes(native_->window, button.font).get());
    keepButtonInItsRectangle(widget);
    gtk_widget_set_size_request(widget, button.bounds.width, button.bounds.height);
    gtk_fixed_put(GTK_FIXED(native_->fixed), widget, button.bounds.x, button.bounds.y);
    g_signal_connect_data(widget, "clicked", G_CALLBACK(runClickHandler),
                          new std::function<void()>(std::move(button.onClick)), deleteClickHandler,
                          GConnectFlags{});
}

// X windows take no show command: the window is shown plainly.
void FixedWindow::runUntilClosed(int) {
    if (!native_->window) {
        return;
    }
    gtk_widget_show_all(native_->window);
    g_main_loop_run(native_->loop);
}

} // namespace platform
