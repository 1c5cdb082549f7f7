// Drawing surfaces read back pixel by pixel: which ends of shapes are drawn, the kept background,
// text, a change of scale, and transparent labels over what lies beneath them.
#include "platform/win32/fonts.h"
#include "platform/win32/surface.h"
#include "win32_test_support.h"

namespace lark::win32::test {
namespace {

constexpr Rgb White{255, 255, 255}, Red{255, 0, 0}, Green{0, 255, 0}, Blue{0, 0, 255};

class CanvasTest : public ::testing::Test {
protected:
    Surface& surface(Size size, Scale scale = {}) {
        surface_ = std::make_unique<Surface>(fonts_, pictures_, SurfaceLook{size, Font{}, White, Picture::None}, scale);
        return *surface_;
    }
    Rgb at(int x, int y) const { return pixel(surface_->imageDc(), x, y); }
    int count(Rgb colour, RECT area) const { return countIn(surface_->imageDc(), colour, area); }

    FontCache fonts_;
    PictureCache pictures_;
    std::unique_ptr<Surface> surface_;
};

// Rectangles include both corners, given in any order; lines leave out their end point.
TEST_F(CanvasTest, ShapesCoverExactlyTheirPixels) {
    struct Case { std::function<void(Canvas&)> draw; RECT area; int pixels; std::vector<POINT> in, out; } cases[] = {
        {[](Canvas& c) { c.fillRect(5, 6, 2, 3, Red); }, {0, 0, 20, 20}, 16, {{2, 3}, {5, 6}}, {{6, 6}, {5, 7}}},
        {[](Canvas& c) { c.frameRect(17, 17, 10, 10, Red); }, {0, 0, 20, 20}, 28, {{10, 10}, {17, 10}, {13, 17}}, {{13, 13}}},
        {[](Canvas& c) { c.line(2, 5, 8, 5, Red); }, {0, 5, 20, 6}, 6, {{2, 5}}, {{8, 5}}},
        {[](Canvas& c) { c.line(8, 7, 2, 7, Red); }, {0, 7, 20, 8}, 6, {{8, 7}}, {{2, 7}}},
        {[](Canvas& c) { c.line(15, 2, 15, 12, Red); }, {15, 0, 16, 20}, 10, {{15, 2}}, {{15, 12}}},
        {[](Canvas& c) { c.line(0, 10, 5, 15, Red); }, {0, 0, 20, 20}, 5, {{0, 10}, {4, 14}}, {{5, 15}}},
    };
    for (const Case& c : cases) {
        c.draw(surface({20, 20}));
        EXPECT_EQ(count(Red, c.area), c.pixels) << &c - cases;
        for (POINT p : c.in) EXPECT_EQ(at(p.x, p.y), Red) << &c - cases << ": " << p.x << "," << p.y;
        for (POINT p : c.out) EXPECT_EQ(at(p.x, p.y), White) << &c - cases << ": " << p.x << "," << p.y;
    }
}

TEST_F(CanvasTest, ClearGoesBackToTheKeptBackgroundWhichARescaleRendersAgain) {
    Surface& s = surface({20, 20});
    s.fillRect(0, 0, 4, 4, Red);
    s.clear();
    EXPECT_EQ(at(2, 2), White);  // nothing kept yet: the base colour
    s.frameRect(2, 2, 7, 7, Red);
    s.keepAsBackground();
    s.fillRect(10, 10, 14, 14, Green);
    s.clear();
    EXPECT_EQ(at(12, 12), White);
    EXPECT_EQ(at(2, 2), Red);
    s.fillRect(10, 10, 12, 12, Green);
    s.rescale(Scale{192});  // every design pixel becomes two by two, drawn anew rather than stretched
    EXPECT_EQ(count(Red, {4, 4, 6, 6}), 4);
    EXPECT_EQ(at(6, 6), White);
    EXPECT_EQ(at(15, 15), Red);
    EXPECT_EQ(at(22, 22), White);  // the drawing layer is gone
    for (int i = 0; i < 5000; ++i) s.fillRect(i % 20, 19, i % 20, 19, i % 2 ? Red : Green);  // past any record
    s.keepAsBackground();
    s.clear();
    EXPECT_EQ(at(39, 39), Red);
    EXPECT_EQ(at(4, 4), Red);
}

// Text has a transparent background; right-aligned text ends at its edge unless that would cut it.
TEST_F(CanvasTest, TextIsDrawnInItsColourAndRightAlignedTextIsNeverCut) {
    Surface& s = surface({120, 40});
    s.fillRect(0, 0, 119, 39, Blue);
    s.text(5, 2, L"物理", White);
    s.textRight(100, 2, L"512MB", White);
    s.textRight(10, 22, L"24105MB", White);  // too wide for the room: starts at 0
    EXPECT_GT(count(White, {5, 2, 40, 20}), 20);
    EXPECT_GT(count(White, {60, 2, 100, 20}), 10);
    EXPECT_EQ(count(White, {0, 0, 5, 20}) + count(White, {101, 0, 120, 40}), 0);
    EXPECT_EQ(at(1, 1), Blue);
    EXPECT_GT(count(White, {0, 22, 4, 40}), 0);
}

// The program's shadowed headings are two labels: a transparent one over another.
TEST_F(UiTest, TransparentLabelShowsWhatLiesBeneathIt) {
    auto w = make(WindowStyle::Main, {458, 245}, L"paint");
    ControlSpec panel = desc(1, Kind::Picture, {0, 0, 457, 227});
    panel.background = {192, 192, 192}, panel.defaultBackground = false;
    w->addPicture(panel).canvas().frameRect(45, 15, 245, 95, Green);
    ControlSpec heading = desc(2, Kind::Label, {8, 3, 438, 17}, L"システムメモリをクリーンアップ中です......", 1);
    heading.align = Align::Centre, heading.font.points = 12;
    heading.textColour = {128, 0, 0}, heading.defaultTextColour = false;
    w->add(heading);
    heading.id = 3, heading.bounds = {7, 2, 438, 17}, heading.textColour = Red, heading.transparent = true;
    w->add(heading);

    Printed box(child(*w, 1), 460, 230);
    EXPECT_EQ(pixel(box.dc, 45, 15), Green);
    EXPECT_EQ(pixel(box.dc, 245, 95), Green);
    Printed label(child(*w, 3), 438, 17);
    EXPECT_GT(countIn(label.dc, Red, {0, 0, 438, 17}), 20);
    EXPECT_GT(countIn(label.dc, {128, 0, 0}, {0, 0, 438, 17}), 20);  // the shadow shows through
    EXPECT_EQ(countIn(label.dc, {0, 0, 0}, {0, 0, 438, 17}), 0);     // and nothing is left unpainted
}

}  // namespace
}  // namespace lark::win32::test
