#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>
#include <memory>

namespace formats
{
// A raw-deflate inflater (no zlib or gzip header) that is set up once and
// reset for every stream it inflates: for the small entries of a library
// file, setting zlib up afresh costs about as much as the inflating.
class RawInflater
{
public:
    RawInflater();
    ~RawInflater();

    // Output room beyond the expected length that keeps zlib on its fast
    // path to the last byte: it needs 258 bytes of room ahead, and without
    // them the entries of a few hundred bytes, most of a library, would be
    // inflated wholly on its slower general path.
    static constexpr std::size_t outputReserve = 258;

    RawInflater (const RawInflater&) = delete;
    RawInflater& operator= (const RawInflater&) = delete;

    // Inflates one whole stream from the input into the output and returns
    // the number of bytes written. Inflating stops at the end of the stream,
    // when the output is full or when the input runs out; -1 means that the
    // stream is damaged (or that zlib could not be set up).
    juce::int64 inflate (const void* input, std::size_t inputSize, void* output, std::size_t outputSize);

private:
    struct Stream;
    std::unique_ptr<Stream> stream;
};
} // namespace formats
