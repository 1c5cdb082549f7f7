#include "monitor/gauge.h"

#include <algorithm>
#include <cmath>

#include "common/texts.h"
#include "monitor/number_text.h"
#include "monitor/size_text.h"

namespace lark::gauge {

namespace {
constexpr Rgb Cyan{0, 255, 255}, Yellow{255, 255, 0}, White{255, 255, 255}, Red{255, 0, 0};
constexpr Rgb Used{200, 80, 80}, Free{80, 80, 200};
}  // namespace

std::int64_t freeMegabytes(double shown, std::wstring_view unit) {
    const auto f = static_cast<std::int64_t>(shown);
    if (unit == UnitKB) return f / 1024;
    if (unit == UnitByte) return f / (1024 * 1024);
    return f;
}

std::optional<int> freePercent(double total, std::int64_t freeMb) {
    if (total <= 0) return std::nullopt;
    const double pct = std::floor((100.0 / total) * static_cast<double>(freeMb));
    return static_cast<int>(std::clamp(pct, 0.0, 100.0));
}

int level(int pct) {
    const int k = static_cast<int>(std::floor(pct / (100.0 / 12))) + 1;
    return std::clamp(k, 1, 12);  // a full 100 % shows the full gauge
}

std::wstring tip(int pct) { return text(Text::TrayTip, {numberText(pct)}); }

std::wstring sentence(int pct) { return text(Text::GaugeSentence, {numberText(pct)}); }
std::wstring spokenSentence(int pct) { return text(Text::GaugeSentence, {digits(pct)}); }

std::optional<int> freeEdge(int pct) {
    const double b = (100 - pct) * 2.4 + 10;
    if (b >= 240) return std::nullopt;
    return static_cast<int>(std::lround(b));
}

void draw(Canvas& c, int pct) {
    c.text(70, 5, text(Text::GaugeHeading), Cyan);
    c.text(120, 70, text(Text::GaugeUsed), Yellow);
    c.text(120, 90, text(Text::GaugeFree), Yellow);
    c.fillRect(10, 30, 240, 60, Used);
    if (auto b = freeEdge(pct)) c.fillRect(240, 30, *b, 60, Free);
    c.frameRect(10, 30, 240, 60, Red);
    c.fillRect(90, 70, 115, 84, Used);
    c.fillRect(90, 90, 115, 104, Free);
    c.text(15, 38, sentence(pct), White);
}

}  // namespace lark::gauge

namespace lark {

std::int64_t sliderAmount(double total, int value) {
    return static_cast<std::int64_t>(std::floor((total / 78) * value));
}

std::int64_t warningBytes(double total, int value, std::wstring_view unit) {
    return sliderAmount(total, value) * unitBytes(unit);
}

}  // namespace lark
