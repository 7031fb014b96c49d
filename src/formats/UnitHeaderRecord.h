#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Module index of a user unit, kept in the low 7 bits of header byte 0.
enum UnitModuleIndex : int
{
    UnitModuleGlobal = 0,
    UnitModuleModulationEffect = 1,
    UnitModuleDelayEffect = 2,
    UnitModuleReverbEffect = 3,
    UnitModuleOscillator = 4,
    UnitModuleLast = UnitModuleOscillator
};

// The first 32 bytes of a header record. The slot objects keep a copy, and the
// instrument reports the same bytes for an occupied slot.
using UnitHeaderSummary = std::array<std::uint8_t, 32>;

// One oscillator parameter as described in the header record (16 bytes).
class UnitParamDescriptor
{
public:
    static constexpr std::size_t size = 16;
    static constexpr std::size_t minimumOffset = 0;
    static constexpr std::size_t maximumOffset = 1;
    static constexpr std::size_t typeOffset = 2;
    static constexpr std::size_t nameOffset = 3;
    static constexpr std::size_t maxNameLength = 13;

    // Parameter types: percent with a minimum of 0 or more, percent with a
    // negative minimum, and a plain value.
    static constexpr std::uint8_t typePercent = 0;
    static constexpr std::uint8_t typeBipolarPercent = 1;
    static constexpr std::uint8_t typePlain = 2;

    std::int8_t getMinimum() const { return (std::int8_t) bytes[minimumOffset]; }
    void setMinimum (std::int8_t value) { bytes[minimumOffset] = (std::uint8_t) value; }
    std::int8_t getMaximum() const { return (std::int8_t) bytes[maximumOffset]; }
    void setMaximum (std::int8_t value) { bytes[maximumOffset] = (std::uint8_t) value; }
    std::uint8_t getType() const { return bytes[typeOffset]; }
    void setType (std::uint8_t type) { bytes[typeOffset] = type; }

    // A 13-character name fills the field and has no terminator.
    std::string getName() const;
    // Copies at most 13 characters and zero-pads the rest of the field.
    void setName (const std::string& name);

    const std::uint8_t* data() const { return bytes.data(); }
    std::uint8_t* data() { return bytes.data(); }

private:
    std::array<std::uint8_t, size> bytes {};
};

// The 1024-byte record that describes a user unit. Multi-byte fields are
// little-endian; every byte that no field sets is zero.
class UnitHeaderRecord
{
public:
    static constexpr std::size_t size = 1024;
    static constexpr std::size_t moduleOffset = 0;
    static constexpr std::size_t platformOffset = 1;
    static constexpr std::size_t apiVersionOffset = 2;
    static constexpr std::size_t developerIdOffset = 6;
    static constexpr std::size_t unitIdOffset = 10;
    static constexpr std::size_t unitVersionOffset = 14;
    static constexpr std::size_t nameOffset = 18;
    static constexpr std::size_t nameFieldSize = 14;
    static constexpr std::size_t maxNameLength = 13;
    static constexpr std::size_t paramCountOffset = 32;
    static constexpr std::size_t paramsOffset = 36;
    static constexpr std::size_t maxParams = 61;
    static constexpr std::size_t reservedOffset = 1012;
    static constexpr std::size_t payloadSizeOffset = 1020;

    static constexpr std::uint8_t platformUndefined = 0;
    static constexpr std::uint8_t platformSolivane = 1;

    UnitHeaderRecord() = default;

    int getModuleIndex() const { return bytes[moduleOffset] & 0x7f; }
    void setModuleIndex (int moduleIndex);
    std::uint8_t getPlatform() const { return bytes[platformOffset]; }
    void setPlatform (std::uint8_t platform) { bytes[platformOffset] = platform; }

    std::uint32_t getApiVersion() const { return getU32 (apiVersionOffset); }
    void setApiVersion (std::uint32_t packed) { setU32 (apiVersionOffset, packed); }
    std::uint32_t getDeveloperId() const { return getU32 (developerIdOffset); }
    void setDeveloperId (std::uint32_t id) { setU32 (developerIdOffset, id); }
    std::uint32_t getUnitId() const { return getU32 (unitIdOffset); }
    void setUnitId (std::uint32_t id) { setU32 (unitIdOffset, id); }
    std::uint32_t getUnitVersion() const { return getU32 (unitVersionOffset); }
    void setUnitVersion (std::uint32_t packed) { setU32 (unitVersionOffset, packed); }

    std::string getName() const;
    // Copies at most 13 characters; the rest of the 14-byte field is zero, so
    // the name always ends in a NUL.
    void setName (const std::string& name);

    std::uint32_t getParamCount() const { return getU32 (paramCountOffset); }
    void setParamCount (std::uint32_t count) { setU32 (paramCountOffset, count); }
    // Descriptor indices from 61 on lie outside the record: reading gives an
    // all-zero descriptor and writing returns false and changes nothing.
    UnitParamDescriptor getParamDescriptor (std::size_t index) const;
    bool setParamDescriptor (std::size_t index, const UnitParamDescriptor& descriptor);

    std::uint32_t getPayloadSize() const { return getU32 (payloadSizeOffset); }

    UnitHeaderSummary getSummary() const;

    const std::uint8_t* data() const { return bytes.data(); }
    std::uint8_t* data() { return bytes.data(); }

    std::uint32_t getU32 (std::size_t offset) const;
    void setU32 (std::size_t offset, std::uint32_t value);

    static std::uint32_t packVersion (std::uint32_t major, std::uint32_t minor, std::uint32_t patch);

private:
    std::array<std::uint8_t, size> bytes {};
};

// Little-endian u32 at the given bytes.
std::uint32_t readUnitU32 (const std::uint8_t* bytes);

// The name in header bytes 18-31: up to the first NUL, and never past byte
// 31 when there is none (headers also come from the instrument).
std::string readUnitName (const UnitHeaderSummary& header);

// "%u.%02u-%u" with every component above 99 shown as 99.
std::string formatVersionTriple (std::uint32_t major, std::uint32_t minor, std::uint32_t patch);

// A packed version word: major in bits 16-22, minor in bits 8-14, patch in
// bits 0-6.
std::string formatPackedVersion (std::uint32_t packed);

// One line: "name" vX api:Y did:XXXXXXXX uid:XXXXXXXX
std::string formatUnitDescription (const UnitHeaderSummary& header);
