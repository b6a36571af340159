// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer's hook, handing every input to the data-file entry point.

#include "fuzzdatafiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzzDataFiles(data, size);
}
