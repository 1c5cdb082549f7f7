#include "monitor/details.h"

#include "monitor/number_text.h"

namespace lark {

namespace {
constexpr Rgb Blue{0, 0, 255};
constexpr int FieldChars = 5, NumberRight = 158, UnitX = 160;  // fields end just before the units
constexpr const wchar_t* Captions[5] = {L"全物理メモリ", L"使用可能物理メモリ", L"全仮想メモリ", L"使用可能仮想メモリ",
                                        L"ﾍﾟｰｼﾞﾝｸﾞﾌｧｲﾙ残量"};

int rowY(int row) { return 20 + 20 * row; }
}  // namespace

std::wstring detailsField(std::wstring_view number) {
    std::wstring text = numberText(labelNumber(number));
    if (text.size() > FieldChars && text.front() == L' ') text.erase(0, 1);  // the blank gives way first
    if (text.size() < FieldChars) text.insert(0, FieldChars - text.size(), L' ');
    return text;
}

void drawDetails(Canvas& c, const std::array<std::wstring, 5>& numbers, const std::array<std::wstring, 5>& units) {
    c.clear();
    c.text(20, 2, L"- システムメモリ詳細 -", Blue);
    for (int row = 0; row < 5; ++row) c.text(5, rowY(row), Captions[row], Blue);
    for (int row = 0; row < 5; ++row) {
        const std::wstring field = detailsField(numbers[row]);
        c.textRight(NumberRight, rowY(row), field, Blue, field.size() > FieldChars);
    }
    for (int row = 0; row < 5; ++row) c.text(UnitX, rowY(row), units[row], Blue);
}

}  // namespace lark
