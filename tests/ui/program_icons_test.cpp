// The icon groups as the built programs carry them: the 16-colour pixel art first, as
// before, then the larger sizes as PNG, each the image Windows picks for its size.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "launcher_resources.h"
#include "resource_ids.h"
#include "win32_test_support.h"

namespace plivora {
namespace {

#pragma pack(push, 2)
struct GroupHeader {
    WORD Reserved, Type, Count;
};
struct GroupEntry {
    BYTE Width, Height, Colours, Reserved;
    WORD Planes, BitCount;
    DWORD Bytes;
    WORD Id;
};
#pragma pack(pop)

struct IconGroup {
    const char* Program;
    int Id;
    std::vector<int> Sides;  // every image in its order
    std::size_t PixelArt;    // how many of them, first, are 16-colour pixel art
};

const IconGroup Groups[] = {
    {PLIVORA_ASSISTANT_EXE, IDI_APPLICATION_ICON, {32, 48, 64, 256}, 1},
    {PLIVORA_ASSISTANT_EXE, IDI_LOGO, {32, 16, 48, 64}, 2},
    {PLIVORA_ASSISTANT_EXE, IDI_HELP_OVER, {24, 32, 48, 64}, 2},
    {PLIVORA_ASSISTANT_EXE, IDI_HELP_NORMAL, {24, 32, 48, 64}, 2},
    {PLIVORA_ASSISTANT_EXE, IDI_GUIDANCE_BULB, {32, 48, 64}, 1},
    {PLIVORA_ASSISTANT_EXE, IDI_DOTS, {32, 48, 64}, 1},
    {PLIVORA_ASSISTANT_EXE, IDI_CD, {32, 48, 64, 256}, 1},
    {PLIVORA_LAUNCHER_EXE, IDI_LAUNCHER, {32, 48, 64, 256}, 1},
};

using LoadedModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)>;

const BYTE* Resource(HMODULE module, int id, LPCSTR type, DWORD& bytes) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    bytes = found ? SizeofResource(module, found) : 0;
    return found ? static_cast<const BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
}

DWORD BigEndian(const BYTE* p) { return DWORD(p[0]) << 24 | DWORD(p[1]) << 16 | DWORD(p[2]) << 8 | p[3]; }

// Fatal failures end only this group's checks.
void CheckGroup(const IconGroup& group) {
    const LoadedModule program(
        LoadLibraryExA(fakes::BuildPath(group.Program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE), &FreeLibrary);
    ASSERT_TRUE(program);
    DWORD groupBytes = 0;
    const BYTE* directory = Resource(program.get(), group.Id, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, groupBytes);
    ASSERT_TRUE(directory);
    const auto* header = reinterpret_cast<const GroupHeader*>(directory);
    ASSERT_EQ(header->Count, group.Sides.size());
    ASSERT_EQ(groupBytes, sizeof(GroupHeader) + header->Count * sizeof(GroupEntry));
    const auto* entries = reinterpret_cast<const GroupEntry*>(header + 1);
    for (std::size_t i = 0; i < group.Sides.size(); ++i) {
        const int side = group.Sides[i];
        SCOPED_TRACE("image " + std::to_string(i) + ", " + std::to_string(side) + " px");
        const GroupEntry& entry = entries[i];
        EXPECT_EQ(entry.Width, side % 256);  // 256 is written as 0
        EXPECT_EQ(entry.Height, side % 256);
        DWORD bytes = 0;
        const BYTE* image = Resource(program.get(), entry.Id, MAKEINTRESOURCEA(3) /* RT_ICON */, bytes);
        ASSERT_TRUE(image && bytes > 32);
        const bool png = std::memcmp(image, "\x89PNG\r\n\x1a\n", 8) == 0;
        if (i < group.PixelArt) {
            const auto* bitmap = reinterpret_cast<const BITMAPINFOHEADER*>(image);
            EXPECT_FALSE(png);
            EXPECT_EQ(entry.BitCount, 4);
            EXPECT_EQ(bitmap->biBitCount, 4);
            EXPECT_EQ(bitmap->biWidth, side);
        } else {
            EXPECT_TRUE(png);
            EXPECT_EQ(entry.BitCount, 32);
            EXPECT_EQ(BigEndian(image + 16), DWORD(side));  // IHDR's width and height
            EXPECT_EQ(BigEndian(image + 20), DWORD(side));
            EXPECT_EQ(image[24], 8);  // 8 bits a channel,
            EXPECT_EQ(image[25], 6);  // red, green, blue and alpha
            EXPECT_LE(bytes, 16u * 1024) << "a PNG costs a few KB";
        }
        EXPECT_EQ(LookupIconIdFromDirectoryEx(const_cast<BYTE*>(directory), TRUE, side, side, LR_DEFAULTCOLOR),
                  entry.Id)
            << "asked for its size, Windows takes this image";
        HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image), bytes, TRUE, 0x00030000, side, side,
                                              LR_DEFAULTCOLOR);
        ASSERT_TRUE(icon) << "the image does not decode";
        ICONINFO info{};
        EXPECT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        EXPECT_TRUE(GetObjectA(info.hbmColor, sizeof colour, &colour));
        EXPECT_EQ(colour.bmWidth, side);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(ProgramIconsTest, EachGroupKeepsItsPixelArtFirstThenAddsLargerImagesAsPng) {
    for (const IconGroup& group : Groups) {
        SCOPED_TRACE(std::string(group.Program) + " icon " + std::to_string(group.Id));
        CheckGroup(group);
    }
}

}  // namespace
}  // namespace plivora
