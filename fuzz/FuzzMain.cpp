// The libFuzzer entry of one target, chosen at build time by TALVANE_FUZZ_TARGET.
#include "FuzzTarget.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

const fuzz::Target* theTarget = nullptr;

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(Quiet);
    theTarget = fuzz::FindTarget(TALVANE_FUZZ_TARGET);
    if (!theTarget) {
        std::fprintf(stderr, "no fuzz target named %s\n", TALVANE_FUZZ_TARGET);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string broken = theTarget->run(fuzz::Bytes(data, size));
    if (!broken.empty()) {
        std::fprintf(stderr, "%s: broken promise: %s\n", TALVANE_FUZZ_TARGET, broken.c_str());
        std::abort();
    }
    return 0;
}
