// The main panel: the figures, the gauge, the history graph, the details table, the two sliders
// and the two reclamation actions. It owns the program's working state.
//
// Its members are implemented where their subsystem lives: the window, its load and its exits in
// shell/, sampling, ticks, sliders and the details table in monitor/, the reclamation actions in
// reclaim/.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui.h"

namespace lark {

class Program;
struct MemoryStatus;

class Form1 final : public WindowEvents {
public:
    // Control, menu and timer ids.
    enum Id : int {
        idMainPanel = 100, idCPanel, idCommand3, idCL, idLabel10, idLabel11,
        idPicture1, idPicture2, idPicture3, idImage1, idFrame1,
        idLabel3, idLabel6, idLabel9, idLabel12, idLabel1,
        idRAM0, idRAMs0 = idRAM0 + 5,
        idLabel2 = idRAMs0 + 5, idKakuho, idLabel5, idHScroll1,
        idLabel8, idJidou, idLabel4, idHScroll2,
        idCommand2, idCommand1, idLabel7,
        // menus
        idm01 = 200, idm02, idm04, idm11, idm21, idm23,
        // timers
        idTimer1 = 300, idTimer2,
    };

    explicit Form1(Program& program);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates the window and runs the load steps.
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Form_Unload();
    void m04_Click();

    // Public methods used by the other windows.
    void MRef();
    void Mcl();
    void Settei();
    void SM();
    void LoadS();
    void SaveS();

    void ReadMemoryStatus();
    void ReadFreshMemoryStatus();  // the same, from a sample measured now (before/after comparisons)
    // Shows the panel as start-up does: the first time in the state chosen at load; later it only
    // brings a visible panel forward (a panel minimised into the tray stays there).
    void ShowPanel();
    void Timer1_Timer();
    void Timer2_Timer();
    void HScroll1_Change();
    void HScroll2_Change();
    void Command1_Click();
    void m02_Click();
    void Command3_Click();

    Window& window() { return *window_; }

    // State of the main panel.
    int start = 0;       // window state at start-up: 0 normal, 1 minimised, 2 maximised
    int keikoku = 0;     // low-memory action: 0 secure at once, 1 ask, other ignore
    int busy = 0;        // -1 while a reclamation action runs
    std::array<std::int16_t, 201> history{};  // 1 to 200, oldest first; -1 empty
    std::int64_t warnBytes = 0;
    int CleanupStop = 0;
    float gridShift = 0;

    // Controls (owned by the window).
    Control* MainPanel = nullptr;
    Control* CPanel = nullptr;
    Control* Command3 = nullptr;
    PictureBox* CL = nullptr;
    Control* Label10 = nullptr;
    Control* Label11 = nullptr;
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    PictureBox* Picture3 = nullptr;
    Control* Image1 = nullptr;
    Control* Frame1 = nullptr;
    std::array<Control*, 5> RAM{};
    std::array<Control*, 5> RAMs{};
    Control* Kakuho = nullptr;
    Control* Label5 = nullptr;
    ScrollBar* HScroll1 = nullptr;
    Control* Jidou = nullptr;
    Control* Label4 = nullptr;
    ScrollBar* HScroll2 = nullptr;
    Control* Command1 = nullptr;
    Control* Command2 = nullptr;
    Control* Label7 = nullptr;

private:
    // WindowEvents
    void onTimer(int id) override;
    void onCommand(int id) override;
    void onScroll(int id) override;
    void onActivate() override;
    void onResize(ShowState state) override;
    void onClose() override;
    void onEndSession() override;
    void onDpiChanged() override;

    void buildControls();
    void takeSample(const MemoryStatus& status);
    void setRow(int row, std::uint64_t bytes);
    void drawStaticParts();
    void drawChart();
    void drawFrames();
    double total() const;  // the number shown for the total physical memory
    void refreshAmount();   // Kakuho from HScroll1

    ShowState loadState_ = ShowState::Normal;
    bool shownOnce_ = false;

    Program& program_;
    std::unique_ptr<Window> window_;
    bool reclaiming_ = false;  // a reclamation action runs, its result box included
};

}  // namespace lark
