#include "common/texts.h"

#include "common/ignoring_case.h"

namespace lark {

extern const TextEntry JapaneseTexts[TextCount];
extern const TextEntry EnglishTexts[TextCount];

namespace {

constexpr LanguageInfo Languages[LanguageCount] = {
    {Language::Japanese, L"ja", L"日本語", 0x11, L"larkspan.html", JapaneseTexts},
    {Language::English, L"en", L"English", 0x09, L"larkspan.en.html", EnglishTexts},
};

Language inUse = Language::Japanese;

}  // namespace

const LanguageInfo& languageInfo(Language language) { return Languages[static_cast<int>(language)]; }

std::optional<Language> languageOfCode(std::wstring_view code) {
    for (const LanguageInfo& info : Languages)
        if (sameIgnoringCase(info.code, code)) return info.language;
    return std::nullopt;
}

Language languageForDisplay(std::uint16_t displayLanguage) {
    for (const LanguageInfo& info : Languages)
        if (info.primaryId == (displayLanguage & 0x3FF)) return info.language;
    return Language::English;
}

void useLanguage(Language language) { inUse = language; }
Language languageInUse() { return inUse; }

std::wstring_view text(Text id, Language language) {
    return languageInfo(language).texts[static_cast<int>(id)].text;
}

std::wstring text(Text id) { return std::wstring(text(id, inUse)); }

std::wstring text(Text id, std::initializer_list<std::wstring_view> values) {
    const std::wstring_view pattern = text(id, inUse);
    std::wstring out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t index = i + 2 < pattern.size() && pattern[i] == L'{' && pattern[i + 2] == L'}'
                                      ? static_cast<std::size_t>(pattern[i + 1] - L'0')
                                      : values.size();
        if (index < values.size()) {
            out += values.begin()[index];
            i += 2;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace lark
