#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>

namespace x48305_file
{
// The voicing editor names its chunks with nine-character texts ("48305AllD"
// and so on), but a chunk header has an eight-byte tag field: on disk the
// tag is the last eight characters.
namespace voicingeditortags
{
inline const std::string allData { "8305AllD" };
inline const std::string programSet { "8305PrgS" };
inline const std::string program { "8305PrgD" };
inline const std::string globalData { "8305GlbD" };
} // namespace voicingeditortags

// Reads one 32-byte chunk header of a voicing-editor all-data file (integers
// little-endian): tag (8 bytes, zero-terminated when shorter), header size
// (u16), payload size (u32), three u16 values, count (u32), a further u32.
// A header cut short by the end of the file keeps the fields that are there;
// the caller asks for the ones it needs, so no byte past the data is used.
class VoicingEditorFileHeaderReaderWriter
{
public:
    static constexpr int chunkHeaderSize = 32;
    static constexpr int tagFieldSize = 8;

    VoicingEditorFileHeaderReaderWriter() = default;
    virtual ~VoicingEditorFileHeaderReaderWriter() = default;

    // Reads at the stream's position and then moves to that position plus
    // the header-size field. Fails only when not a single byte is there.
    bool read (juce::InputStream& stream);

    const std::string& getTag() const { return tag; }
    std::uint16_t getHeaderSize() const { return headerSize; }
    std::uint32_t getPayloadSize() const { return payloadSize; }
    std::uint32_t getCount() const { return count; }

    bool hasPayloadSize() const { return bytesRead >= payloadSizeEnd; }
    bool hasCount() const { return bytesRead >= countEnd; }

private:
    static constexpr int headerSizeEnd = 10;
    static constexpr int payloadSizeEnd = 14;
    static constexpr int countEnd = 24;
    // Bytes 28-31 are never read.
    static constexpr int bytesUsed = 28;

    std::string tag;
    std::uint16_t headerSize = 0;
    std::uint32_t payloadSize = 0;
    std::uint16_t values[3] {};
    std::uint32_t count = 0;
    std::uint32_t extra = 0;
    int bytesRead = 0;
};
} // namespace x48305_file
