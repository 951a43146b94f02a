#include "whole_program.h"

#include <cstdint>

namespace plivora {

namespace {

// Little-endian, as the headers are; zero past the end, where no check lets a read reach.
std::uint32_t Read(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    while (size-- > 0)
        value = value << 8 | (at + size < bytes.size() ? static_cast<unsigned char>(bytes[at + size]) : 0u);
    return value;
}

constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint32_t kPe32 = 0x10B;
constexpr std::uint32_t kPe32Plus = 0x20B;
constexpr std::size_t kFileHeaderBytes = 24;  // the signature and the COFF header
constexpr std::size_t kSectionHeaderBytes = 40;

}  // namespace

bool IsWholeProgram(const std::string& bytes) {
    // Every offset is checked against the size before it is added to, so none overflows.
    const std::size_t size = bytes.size();
    if (size < 64 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
    const std::size_t pe = Read(bytes, 0x3C, 4);
    if (pe > size - kFileHeaderBytes || Read(bytes, pe, 4) != kPeSignature) return false;
    const std::size_t sections = Read(bytes, pe + 6, 2);
    const std::size_t optional = pe + kFileHeaderBytes;
    const std::size_t table = optional + Read(bytes, pe + 20, 2);
    const std::uint32_t magic = Read(bytes, optional, 2);
    if (sections == 0 || table < optional + 2 || (magic != kPe32 && magic != kPe32Plus) || table > size ||
        sections > (size - table) / kSectionHeaderBytes)
        return false;
    for (std::size_t header = table; header < table + sections * kSectionHeaderBytes;
         header += kSectionHeaderBytes) {
        const std::size_t rawBytes = Read(bytes, header + 16, 4);
        if (rawBytes > 0 && (rawBytes > size || Read(bytes, header + 20, 4) > size - rawBytes)) return false;
    }
    return true;
}

}  // namespace plivora
