// Drawing surfaces read back pixel by pixel: corners, end points, backgrounds, scaling, labels.
#include "platform/win32/dpi.h"
#include "platform/win32/fonts.h"
#include "platform/win32/surface.h"
#include "win32_test_support.h"

namespace lark::win32::test {
namespace {

constexpr Rgb White{255, 255, 255}, Red{255, 0, 0}, Green{0, 255, 0}, Blue{0, 0, 255};

class CanvasTest : public ::testing::Test {
protected:
    Surface& surface(Size size, Scale scale = {}, Picture picture = Picture::None) {
        surface_ = std::make_unique<Surface>(fonts_, pictures_, SurfaceLook{size, Font{}, White, picture}, scale);
        return *surface_;
    }
    Rgb at(int x, int y) const { return pixel(surface_->imageDc(), x, y); }
    int count(Rgb colour, RECT area) const { return countIn(surface_->imageDc(), colour, area); }

    FontCache fonts_;
    PictureCache pictures_;
    std::unique_ptr<Surface> surface_;
};

TEST_F(CanvasTest, RectanglesIncludeBothCornersGivenInAnyOrder) {
    Surface& s = surface({20, 20});
    s.fillRect(5, 6, 2, 3, Red);
    EXPECT_EQ(count(Red, {0, 0, 20, 20}), 4 * 4);
    EXPECT_EQ(at(2, 3), Red);
    EXPECT_EQ(at(5, 6), Red);
    EXPECT_EQ(at(6, 6), White);
    EXPECT_EQ(at(5, 7), White);

    s.frameRect(17, 17, 10, 10, Blue);
    EXPECT_EQ(at(10, 10), Blue);
    EXPECT_EQ(at(17, 17), Blue);
    EXPECT_EQ(at(17, 10), Blue);
    EXPECT_EQ(at(13, 17), Blue);
    EXPECT_EQ(at(13, 13), White);  // the inside is left alone
    EXPECT_EQ(count(Blue, {0, 0, 20, 20}), 8 * 4 - 4);
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPoint) {
    Surface& s = surface({20, 20});
    s.line(2, 5, 8, 5, Red);
    EXPECT_EQ(count(Red, {0, 5, 20, 6}), 6);
    EXPECT_EQ(at(2, 5), Red);
    EXPECT_EQ(at(8, 5), White);

    s.line(8, 7, 2, 7, Green);  // right to left: the start is drawn, the end is not
    EXPECT_EQ(at(8, 7), Green);
    EXPECT_EQ(at(2, 7), White);
    EXPECT_EQ(count(Green, {0, 7, 20, 8}), 6);

    s.line(15, 2, 15, 12, Blue);
    EXPECT_EQ(count(Blue, {15, 0, 16, 20}), 10);
    EXPECT_EQ(at(15, 12), White);

    s.line(0, 10, 5, 15, Red);  // a diagonal
    EXPECT_EQ(at(0, 10), Red);
    EXPECT_EQ(at(4, 14), Red);
    EXPECT_EQ(at(5, 15), White);
}

TEST_F(CanvasTest, DottedLinesHaveGaps) {
    Surface& s = surface({60, 4});
    s.line(0, 1, 60, 1, Red, Pen::Dotted);
    int drawn = count(Red, {0, 1, 60, 2});
    EXPECT_GT(drawn, 10);
    EXPECT_LT(drawn, 50);
}

TEST_F(CanvasTest, ClearGoesBackToTheKeptBackground) {
    Surface& s = surface({20, 20});
    s.fillRect(0, 0, 4, 4, Red);
    s.clear();
    EXPECT_EQ(at(2, 2), White);  // nothing kept yet: the base colour

    s.fillRect(0, 0, 4, 4, Red);
    s.keepAsBackground();
    s.fillRect(10, 10, 14, 14, Green);
    EXPECT_EQ(at(12, 12), Green);
    s.clear();
    EXPECT_EQ(at(2, 2), Red);
    EXPECT_EQ(at(12, 12), White);
    s.clear();  // clearing twice changes nothing
    EXPECT_EQ(at(2, 2), Red);
}

TEST_F(CanvasTest, AKeptBackgroundSurvivesEndlessDrawing) {
    Surface& s = surface({20, 20});
    for (int i = 0; i < 5000; ++i) s.fillRect(i % 20, 0, i % 20, 0, i % 2 ? Red : Green);  // past the record
    s.fillRect(5, 5, 6, 6, Blue);
    s.keepAsBackground();
    s.fillRect(5, 5, 6, 6, White);
    s.clear();
    EXPECT_EQ(at(5, 5), Blue);
    EXPECT_EQ(at(19, 0), Red);
}

TEST_F(CanvasTest, TextIsDrawnInItsColourOverATransparentBackground) {
    Surface& s = surface({100, 30});
    s.fillRect(0, 0, 99, 29, Blue);
    s.text(5, 5, L"物理メモリ 詳細", White);
    EXPECT_GT(count(White, {5, 5, 99, 29}), 20);
    EXPECT_EQ(count(White, {0, 0, 5, 30}), 0);  // nothing left of the start
    EXPECT_EQ(at(1, 1), Blue);                  // the background shows around the glyphs
}

TEST_F(CanvasTest, RightAlignedTextEndsAtItsEdgeUnlessThatWouldCutIt) {
    Surface& s = surface({120, 40});
    s.fillRect(0, 0, 119, 39, Blue);
    s.textRight(60, 2, L"512MB", White);
    EXPECT_GT(count(White, {20, 2, 60, 20}), 10);
    EXPECT_EQ(count(White, {61, 0, 120, 40}), 0);  // nothing right of the edge
    EXPECT_EQ(count(White, {0, 0, 12, 20}), 0);    // a short text does not reach the left

    s.textRight(10, 20, L"24105MB", White);        // too wide for the room: starts at 0
    EXPECT_GT(count(White, {0, 20, 4, 40}), 0);
    EXPECT_GT(count(White, {30, 20, 120, 40}), 0);
}

TEST_F(CanvasTest, BackgroundPictureIsDrawnAtTheOrigin) {
    Surface& s = surface({255, 121}, {}, Picture::GaugeBack);
    HBITMAP bitmap = pictures_.bitmap(Picture::GaugeBack);
    ASSERT_NE(bitmap, nullptr);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    for (POINT p : {POINT{0, 0}, POINT{100, 60}, POINT{254, 120}}) EXPECT_EQ(at(p.x, p.y), pixel(dc, p.x, p.y));
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    s.fillRect(0, 0, 10, 10, Red);
    s.clear();
    EXPECT_NE(at(5, 5), Red);
}

TEST_F(CanvasTest, AtTwiceTheDpiEveryDesignPixelIsTwoByTwo) {
    Surface& s = surface({20, 20}, Scale{192});
    s.fillRect(1, 1, 2, 2, Red);
    EXPECT_EQ(count(Red, {0, 0, 40, 40}), 16);
    EXPECT_EQ(at(2, 2), Red);
    EXPECT_EQ(at(5, 5), Red);
    EXPECT_EQ(at(6, 6), White);
    s.frameRect(5, 5, 9, 9, Blue);  // the pen is two pixels wide
    EXPECT_EQ(at(10, 10), Blue);
    EXPECT_EQ(at(11, 11), Blue);
    EXPECT_EQ(at(12, 12), White);
    s.line(0, 15, 10, 15, Green);
    EXPECT_EQ(count(Green, {0, 30, 40, 32}), 40);
}

TEST_F(CanvasTest, RescalingRendersTheKeptBackgroundAgainCrisply) {
    Surface& s = surface({20, 20});
    s.frameRect(2, 2, 7, 7, Red);
    s.keepAsBackground();
    s.fillRect(10, 10, 12, 12, Green);
    s.rescale(Scale{192});
    EXPECT_EQ(at(4, 4), Red);
    EXPECT_EQ(at(5, 5), Red);
    EXPECT_EQ(at(6, 6), White);  // a two-pixel outline, not a blurred stretch
    EXPECT_EQ(at(15, 15), Red);
    EXPECT_EQ(at(22, 22), White);  // the drawing layer is gone
}

// Through real windows: picture boxes and the window's own area paint from their canvases, and a
// transparent label shows what lies beneath it.
class PaintTest : public UiTest {
protected:
    void SetUp() override {
        if (primaryScale().dpi != DesignDpi) GTEST_SKIP() << "the display is not at 96 DPI";
    }
    void print(HWND hwnd) {
        RECT all{0, 0, 500, 300};
        ::FillRect(out_.dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        out_.print(hwnd);
    }
    Rgb at(int x, int y) const { return pixel(out_.dc, x, y); }
    int count(Rgb colour, RECT area) const { return countIn(out_.dc, colour, area); }
    MemoryDc out_{500, 300};
};

WindowSpec plainWindow() { return plainSpec(WindowStyle::Main, {458, 245}, L"paint"); }

TEST_F(PaintTest, PictureBoxAndWindowPaintFromTheirCanvases) {
    auto w = make(plainWindow());
    PictureBox& box = w->addPicture(desc(1, Kind::Picture, {0, 122, 255, 105}));
    box.canvas().frameRect(45, 15, 245, 95, Green);
    print(child(*w, 1));
    EXPECT_EQ(at(45, 15), Green);
    EXPECT_EQ(at(245, 95), Green);

    // A transparent label on the window shows the strip beneath it.
    w->canvas().frameRect(0, 230, 457, 244, Blue);
    w->canvas().fillRect(1, 231, 456, 243, Green);
    ControlSpec status = desc(4, Kind::Label, {4, 232, 449, 17}, L"システムメモリ監視中");
    status.transparent = true;
    status.textColour = Red;
    status.defaultTextColour = false;
    w->add(status);
    print(hwndOf(*w));
    EXPECT_EQ(at(0, 230), Blue);
    EXPECT_EQ(at(457, 244), Blue);
    print(child(*w, 4));
    EXPECT_GT(count(Red, {0, 0, 449, 17}), 20);
    EXPECT_EQ(at(440, 5), Green);
}

TEST_F(PaintTest, TransparentLabelShowsTheLabelBeneathAsItsShadow) {
    auto w = make(plainWindow());
    ControlSpec panel = desc(1, Kind::Picture, {0, 0, 457, 227});
    panel.background = {192, 192, 192};
    panel.defaultBackground = false;
    w->addPicture(panel);
    ControlSpec heading = desc(2, Kind::Label, {8, 3, 438, 17}, L"システムメモリをクリーンアップ中です......", 1);
    heading.align = Align::Centre;
    heading.font.points = 12;
    heading.textColour = {128, 0, 0};
    heading.defaultTextColour = false;
    w->add(heading);
    heading.id = 3, heading.bounds = {7, 2, 438, 17}, heading.textColour = {255, 0, 0}, heading.transparent = true;
    w->add(heading);

    print(child(*w, 3));
    EXPECT_GT(count({255, 0, 0}, {0, 0, 438, 17}), 20);
    EXPECT_GT(count({128, 0, 0}, {0, 0, 438, 17}), 20);  // the shadow shows through
    EXPECT_EQ(count({0, 0, 0}, {0, 0, 438, 17}), 0);     // and nothing is left unpainted
}

TEST_F(PaintTest, TransparentLabelShowsThePictureBeneathIt) {
    auto w = make(plainWindow());
    w->add([] {
        ControlSpec image = desc(1, Kind::Image, {-8, -48, 320, 240});
        image.picture = Picture::Splash;
        return image;
    }());
    ControlSpec credit = desc(2, Kind::Label, {72, 112, 233, 13}, L"i");
    credit.transparent = true;
    w->add(credit);
    print(child(*w, 2));

    HDC source = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(source, pictures.bitmap(Picture::Splash));
    for (POINT p : {POINT{100, 2}, POINT{200, 10}, POINT{232, 12}})
        EXPECT_EQ(at(p.x, p.y), pixel(source, p.x + 72 + 8, p.y + 112 + 48)) << p.x << "," << p.y;
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

}  // namespace
}  // namespace lark::win32::test
