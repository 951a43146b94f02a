#include "whole_program.h"

#include <cstdint>

namespace plivora {

namespace {

// Little-endian, as the headers are; zero past the end, where no check lets a read reach.
std::uint32_t Read(const std::string& bytes, std::uint64_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | (at + i < bytes.size() ? static_cast<unsigned char>(bytes[at + i]) : 0u);
    return value;
}

constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint32_t kPe32 = 0x10B;
constexpr std::uint32_t kPe32Plus = 0x20B;
constexpr std::uint64_t kFileHeaderBytes = 24;  // the signature and the COFF header
constexpr std::uint64_t kSectionHeaderBytes = 40;

}  // namespace

bool IsWholeProgram(const std::string& bytes) {
    const std::uint64_t size = bytes.size();
    if (size < 64 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
    const std::uint64_t pe = Read(bytes, 0x3C, 4);
    if (pe + kFileHeaderBytes > size || Read(bytes, pe, 4) != kPeSignature) return false;
    const std::uint32_t sections = Read(bytes, pe + 6, 2);
    const std::uint64_t optionalBytes = Read(bytes, pe + 20, 2);
    const std::uint64_t optional = pe + kFileHeaderBytes;
    const std::uint32_t magic = Read(bytes, optional, 2);
    if (sections == 0 || optionalBytes < 2 || (magic != kPe32 && magic != kPe32Plus)) return false;
    const std::uint64_t table = optional + optionalBytes;
    if (table + sections * kSectionHeaderBytes > size) return false;
    for (std::uint32_t i = 0; i < sections; ++i) {
        const std::uint64_t header = table + i * kSectionHeaderBytes;
        const std::uint64_t rawBytes = Read(bytes, header + 16, 4);
        const std::uint64_t rawStart = Read(bytes, header + 20, 4);
        if (rawBytes > 0 && rawStart + rawBytes > size) return false;
    }
    return true;
}

}  // namespace plivora
