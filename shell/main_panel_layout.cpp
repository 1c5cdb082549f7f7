#include "shell/main_panel_layout.h"

#include "common/texts.h"
#include "monitor/details.h"

namespace lark {

namespace {
constexpr Rgb Blue{0, 0, 255}, Red{255, 0, 0}, DarkRed{128, 0, 0}, Cyan{0, 255, 255}, Black{0, 0, 0};
constexpr Font Bold12{Face::Gothic, 12, true}, Mono9{Face::GothicMono, 9, true};
// The chart's scale needs room for five- and six-digit figures left of the plot: narrow digits.
constexpr Font Chart8{Face::GothicMono, 8, false};
constexpr Kind Label = Kind::Label, Box = Kind::Picture;

// A label over a slider, 12 pixels high: room for Japanese text. A Latin face reaches lower (g, p,
// y), so in English the row takes two more pixels, above, where nothing lies.
Rect sliderRow(int x, int y, int width) {
    return languageInUse() == Language::Japanese ? Rect{x, y, width, 12} : Rect{x, y - 2, width, 14};
}

// The five size rows inside the hidden frame: caption, number (right-aligned), unit.
void addSizeRows(std::vector<ControlSpec>& controls) {
    for (int row = 0; row < 5; ++row) {
        const int y = 14 + 12 * row;
        controls.push_back({.id = SizeRowCaption + row, .kind = Label, .parent = SizeRowsFrame, .bounds = {6, y, 100, 12}, .caption = text(memoryRowCaption(row))});
        controls.push_back({.id = SizeRowNumber + row, .kind = Label, .parent = SizeRowsFrame, .bounds = {108, y, 36, 12}, .caption = L"0", .align = Align::Right});
        controls.push_back({.id = SizeRowUnit + row, .kind = Label, .parent = SizeRowsFrame, .bounds = {146, y, 28, 12}, .caption = L"KB"});
    }
}
}  // namespace

WindowSpec mainPanelWindow() {
    return {
        .title = MainPanelTitle,
        .style = WindowStyle::Main,
        .client = {458, 245},
        .menu = {
            {0, text(Text::MenuTools), L"", {{SecureCommand, text(Text::MenuSecure), L"F4"}, {CleanupCommand, text(Text::MenuCleanup), L"F5"},
                                            {TrimCommand, text(Text::MenuTrim), L"F7"}, {HistoryCommand, text(Text::MenuHistory), L""}, {},
                                            {ExitCommand, text(Text::MenuExit), L"F9"}}},
            {0, text(Text::MenuSettings), L"", {{OptionsCommand, text(Text::MenuOptions), L"F2"}, {SettingsPageCommand, text(Text::MenuSettingsPage), L""}}},
            {0, text(Text::MenuHelp), L"", {{HelpCommand, text(Text::MenuHelpTopics), L"F1"}, {}, {AboutCommand, text(Text::MenuAbout), L"Ctrl+A"}}},
        },
        .accelerators = {
            {0x73, false, SecureCommand},  // F4
            {0x74, false, CleanupCommand},  // F5
            {0x76, false, TrimCommand},  // F7
            {0x78, false, ExitCommand},  // F9
            {0x71, false, OptionsCommand},  // F2
            {0x70, false, HelpCommand},  // F1
            {'A', true, AboutCommand},    // Ctrl+A
        },
    };
}

std::vector<ControlSpec> mainPanelControls(Rgb shadow, Rgb highlight) {
    std::vector<ControlSpec> controls = {
        // The normal view.
        {.id = NormalView, .kind = Box, .bounds = {0, 0, 457, 227}},
        {.id = GaugePanel, .kind = Box, .parent = NormalView, .bounds = {0, 0, 255, 121}, .textColour = Cyan, .defaultTextColour = false, .font = Bold12, .picture = Picture::GaugeBack, .announced = true},
        {.id = DetailsTable, .kind = Box, .parent = NormalView, .bounds = {256, 0, 201, 121}, .textColour = Blue, .defaultTextColour = false, .font = Mono9},
        {.id = HistoryGraph, .kind = Box, .parent = NormalView, .bounds = {0, 122, 255, 105}, .font = Chart8, .background = Black, .defaultBackground = false},
        {.id = SecuringBanner, .kind = Kind::Image, .parent = NormalView, .bounds = {-8, -8, 273, 126}, .visible = false, .picture = languageInUse() == Language::English ? Picture::BannerEnglish : Picture::Banner},
        {.id = SizeRowsFrame, .kind = Kind::Frame, .parent = NormalView, .bounds = {272, 16, 177, 75}, .caption = text(Text::SizeRowsTitle), .visible = false},
        {.id = AmountCaption, .kind = Label, .parent = NormalView, .bounds = sliderRow(264, 128, 100), .caption = text(Text::AmountCaption), .textColour = Blue, .defaultTextColour = false},
        {.id = AmountLabel, .kind = Label, .parent = NormalView, .bounds = sliderRow(366, 128, 49), .caption = L"0", .textColour = Blue, .defaultTextColour = false, .align = Align::Right},
        {.id = AmountUnitLabel, .kind = Label, .parent = NormalView, .bounds = sliderRow(416, 128, 33), .caption = L"KB", .textColour = Blue, .defaultTextColour = false},
        {.id = AmountSlider, .kind = Kind::ScrollBar, .parent = NormalView, .bounds = {264, 140, 185, 17}, .min = 0, .max = 68, .value = 55, .largeStep = 6},
        {.id = WarningCaption, .kind = Label, .parent = NormalView, .bounds = sliderRow(264, 164, 100), .caption = text(Text::WarningCaption), .textColour = Red, .defaultTextColour = false},
        {.id = WarningSizeLabel, .kind = Label, .parent = NormalView, .bounds = sliderRow(366, 164, 49), .caption = L"0", .textColour = Red, .defaultTextColour = false, .align = Align::Right},
        {.id = WarningUnitLabel, .kind = Label, .parent = NormalView, .bounds = sliderRow(416, 164, 33), .caption = L"KB", .textColour = Red, .defaultTextColour = false},
        {.id = WarningSlider, .kind = Kind::ScrollBar, .parent = NormalView, .bounds = {264, 176, 185, 17}, .min = 0, .max = 28, .value = 0, .largeStep = 4},
        {.id = OptionsButton, .kind = Kind::Button, .parent = NormalView, .bounds = {264, 200, 57, 25}, .caption = text(Text::OptionsButton), .background = highlight, .defaultBackground = false},
        {.id = SecureButton, .kind = Kind::DefaultButton, .parent = NormalView, .bounds = {344, 200, 105, 25}, .caption = text(Text::SecureButton), .background = shadow, .defaultBackground = false},
        // The status line, over the sunken strip drawn on the window.
        {.id = StatusLine, .kind = Label, .bounds = {4, 232, 449, 17}, .caption = text(Text::IdleStatus), .textColour = Blue, .defaultTextColour = false, .transparent = true, .announced = true},
        // The cleanup view, hidden below the client area until a cleanup runs: a screen reader finds
        // nothing of it on an idle panel.
        {.id = CleanupView, .kind = Box, .bounds = {0, 280, 457, 227}, .visible = false},
        {.id = CleanupHeadingShadow, .kind = Label, .parent = CleanupView, .bounds = {8, 3, 438, 17}, .caption = text(Text::CleanupHeading), .textColour = DarkRed, .defaultTextColour = false, .align = Align::Centre, .font = Bold12},
        {.id = CleanupHeading, .kind = Label, .parent = CleanupView, .bounds = {7, 2, 438, 17}, .caption = text(Text::CleanupHeading), .textColour = Red, .defaultTextColour = false, .align = Align::Centre, .transparent = true, .font = Bold12},
        {.id = CleanupCells, .kind = Box, .parent = CleanupView, .bounds = {8, 24, 320, 180}, .background = Black, .defaultBackground = false},
        {.id = StopCleanupButton, .kind = Kind::Button, .parent = CleanupView, .bounds = {336, 24, 113, 25}, .caption = text(Text::StopCleanupButton)},
    };
    addSizeRows(controls);
    return controls;
}

}  // namespace lark
