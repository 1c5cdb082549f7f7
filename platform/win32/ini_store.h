// The settings store of a portable copy: the file larkspan.ini beside the program, section
// [Larkspan100]. Windows reads it in UTF-16 (with its byte-order mark) or in the ANSI code page,
// and writes it back in the encoding it has.
#pragma once

#include <string>

#include "platform/settings_store.h"

namespace lark::win32 {

inline constexpr wchar_t IniSection[] = L"Larkspan100";

class IniSettingsStore final : public SettingsStore {
public:
    // Longest text read back; anything longer reads as missing, as does an empty value.
    static constexpr std::size_t MaxChars = 1024;

    explicit IniSettingsStore(std::wstring path) : path_(std::move(path)) {}
    std::optional<std::wstring> read(std::wstring_view key) override;
    // False when the file cannot be written (a read-only folder or file) or is gone: a file that
    // vanished is never made again.
    bool write(std::wstring_view key, std::wstring_view value) override;

private:
    std::wstring path_;
};

}  // namespace lark::win32
