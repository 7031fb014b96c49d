#include "formats/RawInflater.h"

#include <zlib.h>

#include <limits>

namespace formats
{
struct RawInflater::Stream
{
    z_stream zlib {};
    bool valid = false;
};

RawInflater::RawInflater()
    : stream (std::make_unique<Stream>())
{
    stream->valid = inflateInit2 (&stream->zlib, -MAX_WBITS) == Z_OK;
}

RawInflater::~RawInflater()
{
    if (stream->valid)
        inflateEnd (&stream->zlib);
}

juce::int64 RawInflater::inflate (const void* input, std::size_t inputSize, void* output, std::size_t outputSize)
{
    constexpr std::size_t maxChunk = std::numeric_limits<uInt>::max();
    if (! stream->valid || inputSize > maxChunk || outputSize > maxChunk || inflateReset (&stream->zlib) != Z_OK)
        return -1;

    auto& zlib = stream->zlib;
    zlib.next_in = static_cast<Bytef*> (const_cast<void*> (input));
    zlib.avail_in = (uInt) inputSize;
    zlib.next_out = static_cast<Bytef*> (output);
    zlib.avail_out = (uInt) outputSize;

    // One call with Z_FINISH: zlib then writes straight into the output
    // without keeping a copy in its window. Z_BUF_ERROR only says that the
    // input ran out or the output is full; the caller judges the length.
    const int result = ::inflate (&zlib, Z_FINISH);
    if (result != Z_STREAM_END && result != Z_OK && result != Z_BUF_ERROR)
        return -1;
    return (juce::int64) (outputSize - zlib.avail_out);
}
} // namespace formats
