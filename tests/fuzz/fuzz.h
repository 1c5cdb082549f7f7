// What the fuzz targets share: a property check that ends the run (libFuzzer keeps the input), and
// texts of any characters from the fuzzer's bytes.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#define REQUIRE(c) \
    ((c) ? (void)0 : (std::fprintf(stderr, "property failed: %s (%s:%d)\n", #c, __FILE__, __LINE__), std::abort()))

// The bytes read loosely as UTF-8, so that seeds stay readable and any code point up to 0x1FFFFF,
// surrogates included, can occur.
inline std::wstring wide(const std::string& bytes) {
    std::wstring out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i++]);
        int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        auto c = static_cast<char32_t>(more ? lead & (0x3F >> more) : lead);
        while (more-- > 0 && i < bytes.size()) c = c << 6 | (static_cast<unsigned char>(bytes[i++]) & 0x3F);
        out += static_cast<wchar_t>(c);
    }
    return out;
}

// One text; a backslash and another character end it ("\\" is one backslash).
inline std::wstring wideText(FuzzedDataProvider& in) { return wide(in.ConsumeRandomLengthString()); }
