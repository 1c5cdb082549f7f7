#include "shell/form1_layout.h"

#include "shell/form1.h"
#include "shell/program.h"

namespace lark {

namespace {
using F = Form1;
constexpr Rgb Blue{0, 0, 255}, Red{255, 0, 0}, DarkRed{128, 0, 0}, Cyan{0, 255, 255}, Black{0, 0, 0};
constexpr Font Bold9{Face::Gothic, 9, true}, Bold12{Face::Gothic, 12, true}, Mono9{Face::GothicMono, 9, true};
// The chart's scale needs room for five- and six-digit figures left of the plot: narrow digits.
constexpr Font Chart8{Face::GothicMono, 8, false};
constexpr Kind Label = Kind::Label, Picture_ = Kind::Picture;

constexpr const wchar_t* RowCaptions[5] = {L"全物理メモリ", L"使用可能物理メモリ", L"全仮想メモリ", L"使用可能仮想メモリ",
                                           L"ﾍﾟｰｼﾞﾝｸﾞﾌｧｲﾙ残量"};
constexpr int RowCaptionIds[5] = {F::idLabel3, F::idLabel6, F::idLabel9, F::idLabel12, F::idLabel1};

// The five size rows inside the hidden frame: caption, number (right-aligned), unit.
void addSizeRows(std::vector<ControlSpec>& controls) {
    for (int row = 0; row < 5; ++row) {
        const int y = 14 + 12 * row;
        controls.push_back({.id = RowCaptionIds[row], .kind = Label, .parent = F::idFrame1, .bounds = {6, y, 100, 12}, .caption = RowCaptions[row]});
        controls.push_back({.id = F::idRAM0 + row, .kind = Label, .parent = F::idFrame1, .bounds = {108, y, 36, 12}, .caption = L"0", .align = Align::Right});
        controls.push_back({.id = F::idRAMs0 + row, .kind = Label, .parent = F::idFrame1, .bounds = {146, y, 28, 12}, .caption = L"KB"});
    }
}
}  // namespace

WindowSpec mainPanelWindow() {
    return {
        .title = MainTitle,
        .style = WindowStyle::Main,
        .client = {458, 245},
        .menu = {
            {0, L"ツール(&T)", L"", {{F::idm01, L"空き領域確保(&R)", L"F4"}, {F::idm02, L"メモリ クリーンアップ", L"F5"}, {}, {F::idm04, L"終了(&X)", L"F9"}}},
            {0, L"設定(&C)", L"", {{F::idm11, L"カスタマイズ(&c)", L"F2"}}},
            {0, L"ヘルプ(&H)", L"", {{F::idm21, L"ヘルプ(&h)", L"F1"}, {}, {F::idm23, L"バージョン情報(&A)", L"Ctrl+A"}}},
        },
        .accelerators = {
            {0x73, false, F::idm01},  // F4
            {0x74, false, F::idm02},  // F5
            {0x78, false, F::idm04},  // F9
            {0x71, false, F::idm11},  // F2
            {0x70, false, F::idm21},  // F1
            {'A', true, F::idm23},    // Ctrl+A
        },
    };
}

std::vector<ControlSpec> mainPanelControls(Rgb shadow, Rgb highlight) {
    std::vector<ControlSpec> controls = {
        // The normal view.
        {.id = F::idMainPanel, .kind = Picture_, .bounds = {0, 0, 457, 227}},
        {.id = F::idPicture1, .kind = Picture_, .parent = F::idMainPanel, .bounds = {0, 0, 255, 121}, .textColour = Cyan, .defaultTextColour = false, .font = Bold12, .picture = Picture::GaugeBack},
        {.id = F::idPicture3, .kind = Picture_, .parent = F::idMainPanel, .bounds = {256, 0, 201, 121}, .textColour = Blue, .defaultTextColour = false, .font = Mono9},
        {.id = F::idPicture2, .kind = Picture_, .parent = F::idMainPanel, .bounds = {0, 122, 255, 105}, .font = Chart8, .background = Black, .defaultBackground = false},
        {.id = F::idImage1, .kind = Kind::Image, .parent = F::idMainPanel, .bounds = {-8, -8, 273, 126}, .visible = false, .picture = Picture::Banner},
        {.id = F::idFrame1, .kind = Kind::Frame, .parent = F::idMainPanel, .bounds = {272, 16, 177, 75}, .caption = L"システムメモリ詳細", .visible = false},
        {.id = F::idLabel2, .kind = Label, .parent = F::idMainPanel, .bounds = {264, 128, 65, 12}, .caption = L"確保容量", .textColour = Blue, .defaultTextColour = false},
        {.id = F::idKakuho, .kind = Label, .parent = F::idMainPanel, .bounds = {366, 128, 49, 12}, .caption = L"0", .textColour = Blue, .defaultTextColour = false, .align = Align::Right},
        {.id = F::idLabel5, .kind = Label, .parent = F::idMainPanel, .bounds = {416, 128, 33, 12}, .caption = L"KB", .textColour = Blue, .defaultTextColour = false},
        {.id = F::idHScroll1, .kind = Kind::ScrollBar, .parent = F::idMainPanel, .bounds = {264, 140, 185, 17}, .min = 0, .max = 68, .value = 55, .largeStep = 6},
        {.id = F::idLabel8, .kind = Label, .parent = F::idMainPanel, .bounds = {264, 164, 73, 12}, .caption = L"警告サイズ", .textColour = Red, .defaultTextColour = false},
        {.id = F::idJidou, .kind = Label, .parent = F::idMainPanel, .bounds = {366, 164, 49, 12}, .caption = L"0", .textColour = Red, .defaultTextColour = false, .align = Align::Right},
        {.id = F::idLabel4, .kind = Label, .parent = F::idMainPanel, .bounds = {416, 164, 33, 12}, .caption = L"KB", .textColour = Red, .defaultTextColour = false},
        {.id = F::idHScroll2, .kind = Kind::ScrollBar, .parent = F::idMainPanel, .bounds = {264, 176, 185, 17}, .min = 0, .max = 28, .value = 0, .largeStep = 4},
        {.id = F::idCommand2, .kind = Kind::Button, .parent = F::idMainPanel, .bounds = {264, 200, 57, 25}, .caption = L"設定", .background = highlight, .defaultBackground = false},
        {.id = F::idCommand1, .kind = Kind::DefaultButton, .parent = F::idMainPanel, .bounds = {344, 200, 105, 25}, .caption = L"空き領域確保", .background = shadow, .defaultBackground = false},
        // The status line, over the sunken strip drawn on the window.
        {.id = F::idLabel7, .kind = Label, .bounds = {4, 232, 449, 17}, .caption = L"システムメモリ監視中", .textColour = Blue, .defaultTextColour = false, .transparent = true},
        // The cleanup view, out of sight below the client area until a cleanup runs.
        {.id = F::idCPanel, .kind = Picture_, .bounds = {0, 280, 457, 227}},
        {.id = F::idLabel10, .kind = Label, .parent = F::idCPanel, .bounds = {8, 3, 438, 17}, .caption = L"システムメモリをクリーンアップ中です......", .textColour = DarkRed, .defaultTextColour = false, .align = Align::Centre, .font = Bold12},
        {.id = F::idLabel11, .kind = Label, .parent = F::idCPanel, .bounds = {7, 2, 438, 17}, .caption = L"システムメモリをクリーンアップ中です......", .textColour = Red, .defaultTextColour = false, .align = Align::Centre, .transparent = true, .font = Bold12},
        {.id = F::idCL, .kind = Picture_, .parent = F::idCPanel, .bounds = {8, 24, 320, 180}, .background = Black, .defaultBackground = false},
        {.id = F::idCommand3, .kind = Kind::Button, .parent = F::idCPanel, .bounds = {336, 24, 113, 25}, .caption = L"中止(&S)"},
    };
    addSizeRows(controls);
    return controls;
}

}  // namespace lark
