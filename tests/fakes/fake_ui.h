// A user interface that records everything: windows with their controls by id, drawing commands,
// timers fired by hand. Events reach the object behind a window exactly as the platform would send
// them (a slider's change, a tick, a command), so a test drives the program by the same paths.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace lark::fake {

// One drawing command of a canvas.
struct Draw {
    enum Op { Text, TextRight, Line, Fill, Frame, Clear, Keep };
    Op op = Text;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::wstring text;
    Rgb colour{};
    Pen pen = Pen::Solid;
    bool opaque = false;
    friend bool operator==(const Draw&, const Draw&) = default;

    static Draw ln(int x1, int y1, int x2, int y2, Rgb c, Pen p = Pen::Solid) { return {Line, x1, y1, x2, y2, {}, c, p}; }
    static Draw fill(int x1, int y1, int x2, int y2, Rgb c) { return {Fill, x1, y1, x2, y2, {}, c}; }
    static Draw clear() { return {Clear}; }
};
void PrintTo(const Draw& d, std::ostream* os);

class FakeCanvas final : public Canvas {
public:
    void text(int x, int y, std::wstring_view s, Rgb colour) override;
    void textRight(int right, int y, std::wstring_view s, Rgb colour, bool opaque = false) override;
    void line(int x1, int y1, int x2, int y2, Rgb colour, Pen pen) override;
    void fillRect(int x1, int y1, int x2, int y2, Rgb colour) override;
    void frameRect(int x1, int y1, int x2, int y2, Rgb colour) override;
    void clear() override;
    void keepAsBackground() override;

    std::vector<Draw> commands;                 // every command since the last forget()
    void forget() { commands.clear(); }
    int count(Draw::Op op) const;
    bool has(const Draw& d) const;
    // What the surface shows now: the commands since the last clear (after the kept background).
    std::vector<Draw> sinceClear() const;
};

class FakeWindow;

// What a fake control records, whatever its kind.
struct ControlState {
    ControlSpec desc;
    std::wstring caption;  // its text
    bool shown = true;     // its visibility
    bool enabled = true;
    int left = 0, top = 0;
};

template <class Base>
class FakeControlOf : public Base, public ControlState {
public:
    FakeControlOf(FakeWindow& owner, const ControlSpec& s) : ControlState{s, s.caption, s.visible, true, s.bounds.x, s.bounds.y}, owner_(owner) {}
    void setText(std::wstring_view text) override { caption = text; }
    const std::wstring& text() const override { return caption; }
    void setVisible(bool visible) override { shown = visible; }
    bool visible() const override { return shown; }
    void setEnabled(bool on) override { enabled = on; }
    void move(int x, int y) override { left = x; top = y; }
    void repaintNow() override {}

protected:
    FakeWindow& owner_;
};

using FakeControl = FakeControlOf<Control>;

class FakeScrollBar final : public FakeControlOf<ScrollBar> {
    int value_;

public:
    FakeScrollBar(FakeWindow& owner, const ControlSpec& s) : FakeControlOf(owner, s), value_(s.value) {}
    int value() const override { return value_; }
    void setValue(int value) override;  // reports a change to the window's events, as the platform does
    void userMoves(int value) { setValue(value); }
};

class FakePictureBox final : public FakeControlOf<PictureBox> {
    FakeCanvas canvas_;

public:
    using FakeControlOf::FakeControlOf;
    Canvas& canvas() override { return canvas_; }
    FakeCanvas& fake() { return canvas_; }
};

class FakeCheckBox final : public FakeControlOf<CheckBox> {
    int value_;

public:
    FakeCheckBox(FakeWindow& owner, const ControlSpec& s) : FakeControlOf(owner, s), value_(s.value) {}
    int value() const override { return value_; }
    void setValue(int value) override { value_ = value; }
};

class FakeComboList final : public FakeControlOf<ComboList> {
    int selected_ = -1;

public:
    using FakeControlOf::FakeControlOf;
    int selected() const override { return selected_; }
    void select(int index) override { selected_ = index; }
};

class FakeHotkeyField final : public FakeControlOf<HotkeyField> {
    Hotkey value_;

public:
    using FakeControlOf::FakeControlOf;
    Hotkey value() const override { return value_; }
    void setValue(Hotkey hotkey) override { value_ = hotkey; }
};

class FakeUi;

class FakeWindow final : public Window {
public:
    FakeWindow(FakeUi& ui, const WindowSpec& desc, WindowEvents& events);
    ~FakeWindow() override;
    FakeWindow(const FakeWindow&) = delete;
    FakeWindow& operator=(const FakeWindow&) = delete;

    Control& add(const ControlSpec& desc) override;
    ScrollBar& addScrollBar(const ControlSpec& desc) override;
    PictureBox& addPicture(const ControlSpec& desc) override;
    CheckBox& addCheck(const ControlSpec& desc) override;
    ComboList& addCombo(const ControlSpec& desc) override;
    HotkeyField& addHotkey(const ControlSpec& desc) override;
    Canvas& canvas() override { return canvas_; }

    const std::wstring& title() const override { return desc.title; }
    void show(ShowState state) override;
    ShowState state() const override { return state_; }
    bool visible() const override { return visible_; }
    bool bringForward() override { return ++forwards, visible_; }
    void setIcon(Picture picture) override { icon_ = picture; }
    Picture icon() const override { return icon_; }
    void makeTopmost() override { topmost = true; }
    Rect frame() const override { return {left_, top_, desc.client.w + 2 * Border, desc.client.h + Caption + Border}; }
    void moveTo(int x, int y) override { left_ = x; top_ = y; }
    void startTimer(int id, int milliseconds) override { timers_[id] = milliseconds; }
    void stopTimer(int id) override { timers_.erase(id); }
    void showPopupMenu(const std::vector<MenuItem>& items) override { popups.push_back(items); }
    int runModal() override;  // runs FakeUi::onModal as the dialog's loop
    void close() override { closed = true; visible_ = false; }
    std::uintptr_t handle() const override { return handle_; }
    bool registerHotkey(int id, Hotkey hotkey) override;  // fails for a combination in FakeUi::takenHotkeys
    void unregisterHotkey(int id) override { hotkeys.erase(id); }

    // Looking in.
    const WindowSpec desc;
    ControlState& control(int id) const { return *controls_.at(id).state; }  // throws std::out_of_range for an unknown id
    FakeScrollBar& scrollBar(int id) const { return as<FakeScrollBar>(id); }
    FakePictureBox& picture(int id) const { return as<FakePictureBox>(id); }
    FakeCheckBox& check(int id) const { return as<FakeCheckBox>(id); }
    FakeComboList& combo(int id) const { return as<FakeComboList>(id); }
    FakeHotkeyField& hotkeyField(int id) const { return as<FakeHotkeyField>(id); }
    std::map<int, Hotkey> hotkeys;                   // registered, by id
    bool timerRunning(int id) const { return timers_.count(id) != 0; }
    bool topmost = false;
    bool closed = false;
    int forwards = 0;                                // bringForward calls
    std::vector<std::vector<MenuItem>> popups;       // menus opened with showPopupMenu

    // Acting as the platform would.
    WindowEvents& events() { return events_; }
    bool fire(int id) { return timerRunning(id) && (events_.onTimer(id), true); }  // one tick; false (and nothing) when stopped
    void click(int id) { events_.onCommand(id); }
    void minimise() { show(ShowState::Minimised); }

    static constexpr int Border = 3, Caption = 26;   // frame() adds these to the client area

private:
    template <class T> T& keep(std::unique_ptr<T> c);
    template <class T> T& as(int id) const {
        if (auto* c = dynamic_cast<T*>(controls_.at(id).control.get())) return *c;
        throw std::logic_error("control " + std::to_string(id) + " is of another kind");
    }
    struct Entry {
        std::unique_ptr<Control> control;
        ControlState* state;
    };

    FakeUi& ui_;
    WindowEvents& events_;
    FakeCanvas canvas_;
    std::map<int, Entry> controls_;
    std::map<int, int> timers_;
    ShowState state_ = ShowState::Normal;  // the window state; kept while hidden
    bool visible_ = false;
    Picture icon_ = Picture::None;
    int left_ = 0, top_ = 0;
    std::uintptr_t handle_;
};

// Thrown by FakeUi::endProcess so that a test can see the process end (the real one never returns).
struct ProcessEnded {};

class FakeUi final : public Ui {
public:
    std::unique_ptr<Window> createWindow(const WindowSpec& desc, WindowEvents& events) override;
    void pumpPending() override { ++pumps; if (onPump) onPump(); }
    int run() override { return 0; }
    Size screen() const override { return screen_; }
    Rgb systemColour(SysColour colour) const override { return colour == SysColour::ButtonShadow ? Rgb{160, 160, 160} : Rgb{255, 255, 255}; }
    [[noreturn]] void endProcess() override { throw ProcessEnded{}; }

    // Windows that exist now, oldest first.
    const std::vector<FakeWindow*>& windows() const { return windows_; }
    int pumps = 0;
    std::function<void()> onPump;  // runs inside pumpPending (e.g. press a button mid-action)
    std::function<void(FakeWindow&)> onModal;  // a dialog's modal loop: runs inside runModal
    Size screen_{1024, 768};
    std::vector<Hotkey> takenHotkeys;  // held by other programs

private:
    friend class FakeWindow;
    std::vector<FakeWindow*> windows_;
    std::uintptr_t nextHandle_ = 0x1000;
};

}  // namespace lark::fake
