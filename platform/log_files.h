// Files the program only ever appends to, such as its history of runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lark {

class LogFiles {
public:
    virtual ~LogFiles() = default;
    // The file's size in bytes; nothing when there is no such file.
    virtual std::optional<std::uint64_t> size(std::wstring_view path) = 0;
    // Adds the bytes at the end, making the file and its folder when needed. False when it could
    // not: the file is locked by another program, the folder is read-only, the path is a folder.
    virtual bool append(std::wstring_view path, std::string_view bytes) = 0;
    // The file's first `bytes` bytes, or all of a shorter file; nothing when it cannot be read.
    virtual std::optional<std::string> head(std::wstring_view path, std::size_t bytes) = 0;
    // Renames the file to `to`, replacing what is there. False when it could not.
    virtual bool rename(std::wstring_view path, std::wstring_view to) = 0;
};

}  // namespace lark
