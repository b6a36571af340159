// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one entry point through which the fuzzer and the corpus replay test feed bytes to the
// data-file readers and the start-up loader. A broken promise (a file that does not read back, a
// replaced file that was not kept, state that cannot be saved again) is reported on standard
// error and aborts, so that the fuzzer keeps the input and the replay test fails.

#include <cstddef>
#include <cstdint>

int fuzzDataFiles(const std::uint8_t *data, std::size_t size);
