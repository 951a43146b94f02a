// The byte layouts of ISO 9660 structures: numbers in both byte orders, dates,
// directory records, path table records and volume descriptors.
#pragma once

#include <cstddef>
#include <cstdint>

#include "volume_label.h"

namespace plivora::iso {

constexpr std::size_t kSector = 2048;
constexpr std::size_t kMaxIdentifierBytes = 222;  // keeps a directory record within 255 bytes

void PutBoth16(std::uint8_t* at, std::uint16_t value);
void PutBoth32(std::uint8_t* at, std::uint32_t value);
void PutLittle16(std::uint8_t* at, std::uint16_t value);
void PutLittle32(std::uint8_t* at, std::uint32_t value);
void PutBig16(std::uint8_t* at, std::uint16_t value);
void PutBig32(std::uint8_t* at, std::uint32_t value);

// Seconds since 1970 UTC as a 7-byte recording date, offset 0, clamped to 1900..2155.
void PutRecordingDate(std::uint8_t* at, std::int64_t seconds);
// The same time as a 17-byte volume date, "YYYYMMDDHHMMSScc" and offset 0.
void PutVolumeDate(std::uint8_t* at, std::int64_t seconds);

struct DirectoryRecord {
    std::uint32_t extent = 0;
    std::uint32_t bytes = 0;
    std::int64_t modified = 0;
    bool isFolder = false;
    const std::uint8_t* identifier = nullptr;
    std::size_t identifierBytes = 0;
};

std::size_t DirectoryRecordLength(std::size_t identifierBytes);
// Writes DirectoryRecordLength(record.identifierBytes) bytes.
void PutDirectoryRecord(std::uint8_t* at, const DirectoryRecord& record);

// Places records in sectors so that none crosses a sector's end.
class SectorPacker {
public:
    // The padding to write before a record of this length.
    std::size_t Place(std::size_t recordLength);
    // The bytes placed so far, padded to whole sectors, at least one.
    std::uint64_t Total() const;

private:
    std::uint64_t used_ = 0;
};

std::size_t PathRecordLength(std::size_t identifierBytes);
// Writes PathRecordLength(identifierBytes) bytes, numbers in the table's byte order.
void PutPathRecord(std::uint8_t* at, const std::uint8_t* identifier, std::size_t identifierBytes,
                   std::uint32_t extent, std::uint16_t parent, bool bigEndian);

struct VolumeDescriptor {
    bool joliet = false;
    std::uint32_t volumeSectors = 0;
    std::uint32_t pathTableBytes = 0;
    std::uint32_t littleEndianTable = 0;  // sector of the L path table
    std::uint32_t bigEndianTable = 0;     // sector of the M path table
    std::uint32_t rootExtent = 0;
    std::uint32_t rootBytes = 0;
    std::int64_t created = 0;
};

// The primary or the Joliet supplementary descriptor: one whole sector.
void PutVolumeDescriptor(std::uint8_t* sector, const VolumeDescriptor& descriptor, const VolumeLabel& label);
void PutTerminator(std::uint8_t* sector);

}  // namespace plivora::iso
