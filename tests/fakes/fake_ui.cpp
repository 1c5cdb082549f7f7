#include "tests/fakes/fake_ui.h"

#include <algorithm>

namespace lark::fake {

// Readable failures in gtest.
void PrintTo(const Draw& d, std::ostream* os) {
    *os << "op " << d.op << " (" << d.x1 << "," << d.y1 << " - " << d.x2 << "," << d.y2 << ") rgb(" << +d.colour.r << ","
        << +d.colour.g << "," << +d.colour.b << ")" << (d.pen == Pen::Dotted ? " dotted" : "") << " text of " << d.text.size()
        << " chars";
}

void FakeCanvas::text(int x, int y, std::wstring_view s, Rgb colour) { commands.push_back({Draw::Text, x, y, 0, 0, std::wstring(s), colour}); }
void FakeCanvas::textRight(int right, int y, std::wstring_view s, Rgb colour, bool opaque) {
    commands.push_back({Draw::TextRight, right, y, 0, 0, std::wstring(s), colour, Pen::Solid, opaque});
}
void FakeCanvas::line(int x1, int y1, int x2, int y2, Rgb colour, Pen pen) { commands.push_back(Draw::ln(x1, y1, x2, y2, colour, pen)); }
void FakeCanvas::fillRect(int x1, int y1, int x2, int y2, Rgb colour) { commands.push_back(Draw::fill(x1, y1, x2, y2, colour)); }
void FakeCanvas::frameRect(int x1, int y1, int x2, int y2, Rgb colour) { commands.push_back({Draw::Frame, x1, y1, x2, y2, {}, colour}); }
void FakeCanvas::clear() { commands.push_back(Draw::clear()); }

void FakeCanvas::keepAsBackground() { commands.push_back({Draw::Keep}); }

int FakeCanvas::count(Draw::Op op) const {
    return static_cast<int>(std::count_if(commands.begin(), commands.end(), [op](const Draw& d) { return d.op == op; }));
}

bool FakeCanvas::has(const Draw& d) const { return std::find(commands.begin(), commands.end(), d) != commands.end(); }

std::vector<Draw> FakeCanvas::sinceClear() const {
    auto last = std::find_if(commands.rbegin(), commands.rend(),
                             [](const Draw& d) { return d.op == Draw::Clear || d.op == Draw::Keep; });
    return {last.base(), commands.end()};
}

void FakeScrollBar::setValue(int value) {
    if (value == value_) return;
    value_ = value;
    owner_.events().onScroll(desc.id);
}

FakeWindow::FakeWindow(FakeUi& ui, const WindowSpec& s, WindowEvents& events)
    : desc(s), ui_(ui), events_(events), handle_(ui.nextHandle_ += 0x10) {
    ui_.windows_.push_back(this);
}

FakeWindow::~FakeWindow() { std::erase(ui_.windows_, this); }

template <class T>
T& FakeWindow::keep(std::unique_ptr<T> c) {
    T& ref = *c;
    const int id = ref.desc.id;
    if (controls_.count(id)) throw std::logic_error("control id used twice: " + std::to_string(id));
    if (ref.desc.parent != 0 && !controls_.count(ref.desc.parent))
        throw std::logic_error("container added after its child: " + std::to_string(id));
    controls_[id] = Entry{std::move(c), &ref};
    return ref;
}

Control& FakeWindow::add(const ControlSpec& s) { return keep(std::make_unique<FakeControl>(*this, s)); }
ScrollBar& FakeWindow::addScrollBar(const ControlSpec& s) { return keep(std::make_unique<FakeScrollBar>(*this, s)); }
PictureBox& FakeWindow::addPicture(const ControlSpec& s) { return keep(std::make_unique<FakePictureBox>(*this, s)); }
CheckBox& FakeWindow::addCheck(const ControlSpec& s) { return keep(std::make_unique<FakeCheckBox>(*this, s)); }
ComboList& FakeWindow::addCombo(const ControlSpec& s) { return keep(std::make_unique<FakeComboList>(*this, s)); }
HotkeyField& FakeWindow::addHotkey(const ControlSpec& s) { return keep(std::make_unique<FakeHotkeyField>(*this, s)); }

bool FakeWindow::registerHotkey(int id, Hotkey hotkey) {
    hotkeys.erase(id);
    if (std::find(ui_.takenHotkeys.begin(), ui_.takenHotkeys.end(), hotkey) != ui_.takenHotkeys.end()) return false;
    return hotkeys.emplace(id, hotkey), true;
}

void FakeWindow::show(ShowState state) {
    if (state == ShowState::Hidden) {
        visible_ = false;
        return;
    }
    const bool changed = state != state_ || !visible_;
    state_ = state;
    visible_ = true;
    if (changed) events_.onResize(state);  // may hide the window again (a minimised main panel does)
}

int FakeWindow::runModal() {
    if (ui_.onModal) ui_.onModal(*this);
    return 0;
}

std::unique_ptr<Window> FakeUi::createWindow(const WindowSpec& desc, WindowEvents& events) {
    return std::make_unique<FakeWindow>(*this, desc, events);
}

}  // namespace lark::fake
