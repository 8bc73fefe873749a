#pragma once
// The fuzz targets: each reader of bytes that come from outside the program, run on one input.
// A target returns "" when the reader kept its promises on that input, else a description of
// the promise it broke. Crashes, overruns and leaks are left to the sanitizers, hangs to the
// fuzzer's timer. The same targets run under libFuzzer (fuzz_<name>) and in the replay test.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fuzz {

using Bytes = std::span<const std::uint8_t>;
using Entry = std::string (*)(Bytes input);

struct Target {
    std::string_view name;
    Entry run;
};

// Every target, in the order of fuzz/targets.txt.
std::span<const Target> Targets();
// The target of that name; null when there is none.
const Target* FindTarget(std::string_view name);

} // namespace fuzz
