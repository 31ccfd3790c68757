// One libFuzzer target per reader; PORKANE_FUZZ_READER names it.
#include <cstddef>
#include <cstdint>

#include "FuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString reader = QStringLiteral(PORKANE_FUZZ_READER);
    porkane::fuzz::check(reader, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
