// SPDX-License-Identifier: MIT
// The calculator's batch: reads simulations as CSV rows from a stream and
// writes one answer per row, in input order, as it goes, so memory stays
// flat whatever the size of the input.
#pragma once

#include "types/error.h"

#include <QString>

#include <cstdio>
#include <functional>
#include <string_view>

enum class BatchFormat { Csv, JsonLines };

struct BatchSummary {
    long long rows = 0;
    long long refused = 0;
};

// Takes the next piece of the output; a failure when it cannot be written
// (the batch then stops).
using BatchOutput = std::function<Expected<void>(std::string_view text)>;

// Called every few thousand rows with the count so far and the bytes read,
// and once more with the last count when a failure stops the batch.
using BatchProgress = std::function<void(long long rows, long long bytesRead)>;

// The counts of a batch that read every row; a failure when the input could
// not be read (no header, an unknown column, a read failure) or the output
// could not be written: what was given to the output before stays there.
[[nodiscard]] Expected<BatchSummary> runBatch(std::FILE *input, const BatchOutput &output, BatchFormat format,
                                              const BatchProgress &progress = {});
