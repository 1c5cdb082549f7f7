// The command line: any list of arguments gives one of the defined commands, and a list that parses as
// a command parses the same with the case of every letter changed and "/" written as "-".
#include <cwctype>

#include "shell/command_line.h"
#include "tests/fuzz/fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using lark::Command;
    FuzzedDataProvider in(data, size);
    std::vector<std::wstring> arguments;
    while (in.remaining_bytes() > 0) arguments.push_back(wideText(in));
    const Command command = lark::parseCommandLine(arguments);
    REQUIRE(command <= Command::Trim);
    REQUIRE((command == Command::None) == arguments.empty());
    if (command == Command::None || command == Command::Bad) return 0;
    REQUIRE(arguments.size() == 1);
    for (wchar_t& c : arguments[0])
        c = c == L'/' ? L'-' : static_cast<wchar_t>(std::iswupper(c) ? std::towlower(c) : std::towupper(c));
    REQUIRE(lark::parseCommandLine(arguments) == command);
    return 0;
}
