// Appending to files that other programs may be reading (or holding open) meanwhile.
#pragma once

#include "platform/log_files.h"

namespace lark::win32 {

class Win32LogFiles final : public LogFiles {
public:
    std::optional<std::uint64_t> size(std::wstring_view path) override;
    bool append(std::wstring_view path, std::string_view bytes) override;
    std::optional<std::string> head(std::wstring_view path, std::size_t bytes) override;
    bool rename(std::wstring_view path, std::wstring_view to) override;
};

}  // namespace lark::win32
