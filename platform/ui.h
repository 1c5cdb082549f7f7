// Windows, controls, drawing and timers, as the program's windows see them.
//
// Geometry is in design pixels: the layout at 96 dots per inch. The platform scales every
// position, size, font and drawing by the monitor's DPI, so nothing above this interface ever
// sees a scale factor.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lark {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    friend bool operator==(Rect, Rect) = default;
};

struct Size {
    int w = 0, h = 0;
};

// The pictures the program ships (icons and bitmaps compiled into the executable).
enum class Picture : int {
    None = 0,
    AppIcon,     // window icon of the main panel
    Emblem,      // tray picture at start-up and while securing free space
    Level1,      // tray gauge, Level1 (empty) .. Level12 (full)
    Level12 = Level1 + 11,
    Cleanup,     // tray picture during the memory cleanup
    Splash,      // 320 x 240 start-up picture
    Banner,      // 273 x 126 picture shown while free space is being secured
    BannerEnglish,  // the same, its caption in English
    GaugeBack,   // 261 x 128 background of the gauge panel
    // Tray pictures drawn at run time: the free share 0 to 100 as digits, and the same on the warning
    // state's red square.
    Number,
    NumberWarning = Number + 101,
};

constexpr Picture levelPicture(int k) { return static_cast<Picture>(static_cast<int>(Picture::Level1) + k - 1); }
constexpr Picture numberPicture(int percent, bool warning) {
    return static_cast<Picture>(static_cast<int>(warning ? Picture::NumberWarning : Picture::Number) + percent);
}

enum class Face { Gothic, GothicMono, Serif };

struct Font {
    Face face = Face::Gothic;
    double points = 9;
    bool bold = true;
    bool italic = false;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class Pen { Solid, Dotted };

// The drawing surface of a picture box (or of a window's client area). What is drawn stays until
// it is cleared: the surface repaints itself from it. clear() goes back to the background picture,
// which is the box's design picture until keepAsBackground() makes the current drawing the new one.
// Text is drawn in the surface's font with a transparent background, its top-left corner at (x, y).
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void text(int x, int y, std::wstring_view s, Rgb colour) = 0;
    // Text whose right edge stands at x = right; a text too wide for the room left of that point
    // starts at 0 instead, so that it is never cut. An opaque text covers what lies beneath it
    // with the surface's own background colour, so that it stays legible where it runs over.
    virtual void textRight(int right, int y, std::wstring_view s, Rgb colour, bool opaque = false) = 0;
    // A straight line; the end point itself is not drawn.
    virtual void line(int x1, int y1, int x2, int y2, Rgb colour, Pen pen = Pen::Solid) = 0;
    // Rectangles include both corners, which may come in any order.
    virtual void fillRect(int x1, int y1, int x2, int y2, Rgb colour) = 0;
    virtual void frameRect(int x1, int y1, int x2, int y2, Rgb colour) = 0;
    virtual void clear() = 0;
    virtual void keepAsBackground() = 0;
};

// A child window. Its text is its caption (labels, buttons, frames, check boxes), so that screen
// readers and UI automation can read every control. Picture boxes and scroll bars do not paint their
// text: it says in words what they show.
class Control {
public:
    virtual ~Control() = default;
    virtual void setText(std::wstring_view text) = 0;
    virtual const std::wstring& text() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool visible() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void move(int x, int y) = 0;  // design pixels, within its container
    virtual void repaintNow() = 0;        // paint at once, without waiting for the message loop
};

// A horizontal scroll bar used as a slider. Every change of its value, by the user or by
// setValue(), reaches the window's WindowEvents::onScroll; setting the value it already has does not.
class ScrollBar : public Control {
public:
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
};

class PictureBox : public Control {
public:
    virtual Canvas& canvas() = 0;
};

class CheckBox : public Control {
public:
    virtual int value() const = 0;  // 0 unticked, 1 ticked
    virtual void setValue(int value) = 0;
};

class ComboList : public Control {
public:
    virtual int selected() const = 0;  // -1 when nothing is selected
    virtual void select(int index) = 0;
};

// A key combination: the modifiers (Windows' MOD_ bits) and a virtual-key code; key 0 is none.
struct Hotkey {
    enum Modifier : unsigned { Alt = 1, Ctrl = 2, Shift = 4, Win = 8 };
    unsigned modifiers = 0;
    int key = 0;
    explicit operator bool() const { return key != 0; }
    friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

// A hotkey field: the user presses a combination and the field shows it.
class HotkeyField : public Control {
public:
    virtual Hotkey value() const = 0;
    virtual void setValue(Hotkey hotkey) = 0;
};

enum class Align { Left, Right, Centre };

enum class Kind { Label, Button, DefaultButton, ScrollBar, Picture, Image, Frame, CheckBox, Option, Combo, Hotkey };

// One control of a window's layout. `parent` is the id of the container (a picture box or a
// frame), 0 for the window itself.
struct ControlSpec {
    int id = 0;
    Kind kind = Kind::Label;
    int parent = 0;
    Rect bounds;
    std::wstring caption;
    Rgb textColour{0, 0, 0};
    bool defaultTextColour = true;  // the system's text colour instead of textColour
    Align align = Align::Left;
    bool transparent = false;       // label drawn over what lies beneath it
    bool visible = true;
    Font font{};
    Picture picture = Picture::None;  // image controls; the background picture of picture boxes
    Rgb background{0, 0, 0};
    bool defaultBackground = true;    // the system's colour instead of background
    int min = 0, max = 0, value = 0, largeStep = 1;  // scroll bars
    std::wstring tooltip;
    std::vector<std::wstring> items;  // drop-down lists
    int group = 0;                    // option buttons of one group share a number
    bool cancel = false;              // buttons: Escape runs it
    bool announced = false;           // screen readers that follow it hear every change of its text
};

struct MenuItem {
    int id = 0;                // 0 for a separator
    std::wstring caption;      // with & before the access key
    std::wstring shortcut;     // text shown beside the caption, e.g. L"F4", L"Ctrl+A"
    std::vector<MenuItem> items;  // a submenu when not empty
};

// Keyboard shortcut of the main menu: a virtual-key code and whether Ctrl is held.
struct Accelerator {
    int key = 0;
    bool ctrl = false;
    int command = 0;
};

enum class WindowStyle {
    Main,    // fixed single border, title bar with minimise and close boxes
    Splash,  // thin border, no title bar, not in the taskbar
    Hidden,  // an ordinary top-level window that is never shown (receives shell broadcasts)
    Dialog,  // fixed dialog border, no minimise or maximise box, not in the taskbar
};

struct WindowSpec {
    std::wstring title;
    WindowStyle style = WindowStyle::Main;
    Size client;  // design pixels
    std::vector<MenuItem> menu;
    std::vector<Accelerator> accelerators;
};

enum class ShowState { Hidden, Normal, Minimised, Maximised };

enum class SysColour { ButtonShadow, Highlight3D };

// What a window reports to the object behind it. Every event comes on the one user-interface
// thread; a handler may let pending events run (Ui::pumpPending) and so be re-entered.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void onTimer(int /*id*/) {}
    virtual void onCommand(int /*id*/) {}    // button click, menu item or accelerator
    virtual void onScroll(int /*id*/) {}     // a scroll bar's value changed
    virtual void onActivate() {}             // became the program's active window
    virtual void onResize(ShowState) {}      // size or window state changed
    virtual void onClose() {}                // close box, system menu, Alt+F4
    virtual void onEndSession() {}           // Windows is shutting down or the user logs off
    virtual void onTrayMouse(int /*code*/) {}  // tray callback: the mouse message code
    virtual void onShellRestart() {}         // the taskbar was (re)created
    virtual void onDpiChanged() {}           // scale changed: drawings on canvases must be redone
    virtual void onHotkey(int /*id*/) {}     // a registered hotkey was pressed
    virtual void onThemeChanged() {}         // light or dark: pictures drawn for the theme are redrawn
    // Data another process sent under `tag`; the answer goes back to it. The data may be anything.
    virtual std::intptr_t onDataReceived(std::uintptr_t /*tag*/, std::span<const std::uint8_t> /*data*/) { return 0; }
};

class Window {
public:
    virtual ~Window() = default;

    // Building. A control's id is also its command id; the reference lives as long as the window.
    virtual Control& add(const ControlSpec& desc) = 0;
    virtual ScrollBar& addScrollBar(const ControlSpec& desc) = 0;
    virtual PictureBox& addPicture(const ControlSpec& desc) = 0;
    virtual CheckBox& addCheck(const ControlSpec& desc) = 0;  // check boxes and option buttons
    virtual ComboList& addCombo(const ControlSpec& desc) = 0;
    virtual HotkeyField& addHotkey(const ControlSpec& desc) = 0;
    virtual Canvas& canvas() = 0;  // the window's own client area, behind its controls

    virtual const std::wstring& title() const = 0;
    virtual void show(ShowState state) = 0;
    virtual ShowState state() const = 0;
    virtual bool visible() const = 0;
    // Activates and focuses; fails while hidden. While modal windows of the program stand over it
    // (dialogs, message boxes), they come forward with it and the newest is activated instead.
    virtual bool bringForward() = 0;
    virtual void setIcon(Picture picture) = 0;
    virtual Picture icon() const = 0;
    virtual void makeTopmost() = 0;
    virtual Rect frame() const = 0;              // outer bounds on the screen, design pixels
    virtual void moveTo(int x, int y) = 0;       // outer top-left on the screen, design pixels
    virtual void startTimer(int id, int milliseconds) = 0;
    virtual void stopTimer(int id) = 0;
    virtual void showPopupMenu(const std::vector<MenuItem>& items) = 0;  // at the mouse; runs onCommand
    virtual int runModal() = 0;                  // show as a modal dialog until close()
    virtual void close() = 0;                    // destroy (unload) the window
    virtual std::uintptr_t handle() const = 0;   // the platform's handle, for the tray
    // A key combination for the whole system, reported to this window's onHotkey(id) wherever the
    // focus is. False when another program holds it. Registering an id again replaces its key.
    virtual bool registerHotkey(int id, Hotkey hotkey) = 0;
    virtual void unregisterHotkey(int id) = 0;
};

class Ui {
public:
    virtual ~Ui() = default;
    virtual std::unique_ptr<Window> createWindow(const WindowSpec& desc, WindowEvents& events) = 0;
    virtual void pumpPending() = 0;  // let the pending window events and timer ticks run
    virtual int run() = 0;           // the message loop, until endProcess
    virtual Size screen() const = 0; // design pixels
    virtual Rgb systemColour(SysColour colour) const = 0;
    [[noreturn]] virtual void endProcess() = 0;  // end at once: no window's close handling runs
};

}  // namespace lark
