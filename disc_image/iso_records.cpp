#include "iso_records.h"

#include <cstring>
#include <string>

namespace plivora::iso {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kFirstYear = 1900;
constexpr std::int64_t kLastYear = 2155;

struct CivilTime {
    std::int64_t year;
    int month, day, hour, minute, second;
};

// Days since 1970-01-01 of the given proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Within the years a recording date can hold, so both date forms agree.
CivilTime ToCivil(std::int64_t seconds) {
    const std::int64_t earliest = DaysFromCivil(kFirstYear, 1, 1) * kSecondsPerDay;
    const std::int64_t latest = DaysFromCivil(kLastYear + 1, 1, 1) * kSecondsPerDay - 1;
    if (seconds < earliest) seconds = earliest;
    if (seconds > latest) seconds = latest;
    std::int64_t days = seconds / kSecondsPerDay;
    std::int64_t rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    CivilTime t;
    t.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    t.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    t.year = yearOfEra + era * 400 + (t.month <= 2);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

void PutDigits(std::uint8_t* at, std::int64_t value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) at[i] = static_cast<std::uint8_t>('0' + value % 10);
}

// A text field: the primary descriptor's in single bytes padded with spaces, the
// Joliet descriptor's in big-endian UCS-2 padded with UCS-2 spaces.
template <typename Text>
void PutText(std::uint8_t* at, std::size_t fieldBytes, const Text& text, bool joliet) {
    std::size_t i = 0;
    if (joliet) {
        for (std::size_t c = 0; c < text.size() && i + 1 < fieldBytes; ++c, i += 2)
            PutBig16(at + i, static_cast<std::uint16_t>(text[c]));
        for (; i + 1 < fieldBytes; i += 2) PutBig16(at + i, 0x20);
    } else {
        for (std::size_t c = 0; c < text.size() && i < fieldBytes; ++c, ++i)
            at[i] = static_cast<std::uint8_t>(text[c]);
    }
    for (; i < fieldBytes; ++i) at[i] = joliet ? 0 : ' ';
}

}  // namespace

void PutLittle16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void PutBig16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

void PutLittle32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutBig32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * (3 - i)));
}

void PutBoth16(std::uint8_t* at, std::uint16_t value) {
    PutLittle16(at, value);
    PutBig16(at + 2, value);
}

void PutBoth32(std::uint8_t* at, std::uint32_t value) {
    PutLittle32(at, value);
    PutBig32(at + 4, value);
}

void PutRecordingDate(std::uint8_t* at, std::int64_t seconds) {
    const CivilTime t = ToCivil(seconds);
    at[0] = static_cast<std::uint8_t>(t.year - kFirstYear);
    at[1] = static_cast<std::uint8_t>(t.month);
    at[2] = static_cast<std::uint8_t>(t.day);
    at[3] = static_cast<std::uint8_t>(t.hour);
    at[4] = static_cast<std::uint8_t>(t.minute);
    at[5] = static_cast<std::uint8_t>(t.second);
    at[6] = 0;  // UTC
}

void PutVolumeDate(std::uint8_t* at, std::int64_t seconds) {
    const CivilTime t = ToCivil(seconds);
    PutDigits(at, t.year, 4);
    PutDigits(at + 4, t.month, 2);
    PutDigits(at + 6, t.day, 2);
    PutDigits(at + 8, t.hour, 2);
    PutDigits(at + 10, t.minute, 2);
    PutDigits(at + 12, t.second, 2);
    PutDigits(at + 14, 0, 2);
    at[16] = 0;  // UTC
}

std::size_t DirectoryRecordLength(std::size_t identifierBytes) {
    return 33 + identifierBytes + (identifierBytes % 2 == 0 ? 1 : 0);
}

void PutDirectoryRecord(std::uint8_t* at, const DirectoryRecord& record) {
    const std::size_t length = DirectoryRecordLength(record.identifierBytes);
    std::memset(at, 0, length);
    at[0] = static_cast<std::uint8_t>(length);
    PutBoth32(at + 2, record.extent);
    PutBoth32(at + 10, record.bytes);
    PutRecordingDate(at + 18, record.modified);
    at[25] = record.isFolder ? 0x02 : 0x00;
    PutBoth16(at + 28, 1);  // volume sequence number
    at[32] = static_cast<std::uint8_t>(record.identifierBytes);
    std::memcpy(at + 33, record.identifier, record.identifierBytes);
}

std::size_t SectorPacker::Place(std::size_t recordLength) {
    const std::size_t inSector = static_cast<std::size_t>(used_ % kSector);
    const std::size_t padding = inSector + recordLength > kSector ? kSector - inSector : 0;
    used_ += padding + recordLength;
    return padding;
}

std::uint64_t SectorPacker::Total() const {
    const std::uint64_t sectors = used_ == 0 ? 1 : (used_ + kSector - 1) / kSector;
    return sectors * kSector;
}

std::size_t PathRecordLength(std::size_t identifierBytes) {
    return 8 + identifierBytes + identifierBytes % 2;
}

void PutPathRecord(std::uint8_t* at, const std::uint8_t* identifier, std::size_t identifierBytes,
                   std::uint32_t extent, std::uint16_t parent, bool bigEndian) {
    std::memset(at, 0, PathRecordLength(identifierBytes));
    at[0] = static_cast<std::uint8_t>(identifierBytes);
    if (bigEndian) {
        PutBig32(at + 2, extent);
        PutBig16(at + 6, parent);
    } else {
        PutLittle32(at + 2, extent);
        PutLittle16(at + 6, parent);
    }
    std::memcpy(at + 8, identifier, identifierBytes);
}

void PutVolumeDescriptor(std::uint8_t* sector, const VolumeDescriptor& descriptor, const VolumeLabel& label) {
    const bool joliet = descriptor.joliet;
    std::memset(sector, 0, kSector);
    sector[0] = joliet ? 2 : 1;
    std::memcpy(sector + 1, "CD001", 5);
    sector[6] = 1;
    PutText(sector + 8, 32, std::string(), joliet);  // system
    if (joliet)
        PutText(sector + 40, 32, label.joliet, true);
    else
        PutText(sector + 40, 32, label.primary, false);
    PutBoth32(sector + 80, descriptor.volumeSectors);
    if (joliet) std::memcpy(sector + 88, "%/E", 3);  // UCS-2 level 3
    PutBoth16(sector + 120, 1);                      // volume set size
    PutBoth16(sector + 124, 1);                      // volume sequence number
    PutBoth16(sector + 128, static_cast<std::uint16_t>(kSector));
    PutBoth32(sector + 132, descriptor.pathTableBytes);
    PutLittle32(sector + 140, descriptor.littleEndianTable);
    PutBig32(sector + 148, descriptor.bigEndianTable);
    const std::uint8_t rootIdentifier = 0;
    DirectoryRecord root;
    root.extent = descriptor.rootExtent;
    root.bytes = descriptor.rootBytes;
    root.modified = descriptor.created;
    root.isFolder = true;
    root.identifier = &rootIdentifier;
    root.identifierBytes = 1;
    PutDirectoryRecord(sector + 156, root);
    PutText(sector + 190, 128, std::string(), joliet);  // volume set
    PutText(sector + 318, 128, std::string(), joliet);  // publisher
    PutText(sector + 446, 128, std::string(), joliet);  // data preparer
    PutText(sector + 574, 128, std::string("PLIVORA ASSISTANT"), joliet);
    for (std::size_t field = 702; field < 813; field += 37)  // copyright, abstract, bibliography files
        PutText(sector + field, 37, std::string(), joliet);
    PutVolumeDate(sector + 813, descriptor.created);
    PutVolumeDate(sector + 830, descriptor.created);
    PutDigits(sector + 847, 0, 16);  // never expires
    PutDigits(sector + 864, 0, 16);  // effective at once
    sector[881] = 1;  // file structure version
}

void PutTerminator(std::uint8_t* sector) {
    std::memset(sector, 0, kSector);
    sector[0] = 255;
    std::memcpy(sector + 1, "CD001", 5);
    sector[6] = 1;
}

}  // namespace plivora::iso
