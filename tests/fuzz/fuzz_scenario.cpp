// The window under libFuzzer: the bytes spell a user's session (ScenarioSteps.cpp), and
// every check after every step must hold. The steps run are counted at the end.
#include "fuzz/ScenarioSteps.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void printSteps() { std::fprintf(stderr, "scenario steps run: %lld\n", scenario::stepsRun()); }
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::atexit(printSteps);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString broken =
        scenario::run(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(broken));
        std::abort();
    }
    static long long reported = 0;
    if (scenario::stepsRun() >= reported + 100000) {
        reported = scenario::stepsRun();
        printSteps();
    }
    return 0;
}
