// The forwarded payload: any tag and any bytes (up to 64 KiB); only the exact payload of a command that
// can be forwarded is accepted, and every such command comes back as it was sent.
#include <algorithm>

#include "common/commands.h"
#include "tests/fuzz/fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lark;
    constexpr Command Forwarded[] = {Command::Secure, Command::Cleanup, Command::CleanupStandard,
                                     Command::CleanupFull, Command::Trim};
    FuzzedDataProvider in(data, size);
    const std::uintptr_t tag = in.ConsumeBool() ? forwarding::Tag : in.ConsumeIntegral<std::uintptr_t>();
    const std::vector<std::uint8_t> bytes = in.ConsumeRemainingBytes<std::uint8_t>();
    if (const auto command = forwarding::decode(tag, bytes)) {
        REQUIRE(tag == forwarding::Tag && forwarding::encode(*command) == bytes);
        REQUIRE(std::find(std::begin(Forwarded), std::end(Forwarded), *command) != std::end(Forwarded));
    }
    for (Command command : Forwarded) REQUIRE(forwarding::decode(forwarding::Tag, forwarding::encode(command)) == command);
    for (Command command : {Command::None, Command::Usage, Command::Bad})
        REQUIRE(!forwarding::decode(forwarding::Tag, forwarding::encode(command)));
    return 0;
}
