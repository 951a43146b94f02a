// The owners of win32/ against the real system: what they release, and when.
#include <gtest/gtest.h>

#include <vector>

#include "com.h"
#include "device_context.h"

namespace plivora {
namespace {

// An allocator that answers DidAlloc as told and records what it is asked to free.
class RecordingAllocator : public IMalloc {
public:
    explicit RecordingAllocator(int didAlloc) : didAlloc_(didAlloc) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    void* STDMETHODCALLTYPE Alloc(SIZE_T) override { return nullptr; }
    void* STDMETHODCALLTYPE Realloc(void*, SIZE_T) override { return nullptr; }
    void STDMETHODCALLTYPE Free(void* block) override { Freed.push_back(block); }
    SIZE_T STDMETHODCALLTYPE GetSize(void*) override { return 0; }
    int STDMETHODCALLTYPE DidAlloc(void*) override { return didAlloc_; }
    void STDMETHODCALLTYPE HeapMinimize() override {}

    std::vector<void*> Freed;

private:
    int didAlloc_;
};

TEST(TaskMemoryTest, ABlockIsFreedUnlessItsAllocatorSaysItIsNotItsOwn) {
    struct Case {
        int didAlloc;
        bool freed;
    };
    for (const Case c : {Case{1, true}, Case{-1, true}, Case{0, false}}) {
        RecordingAllocator allocator(c.didAlloc);
        int block = 0;
        FreeTaskMemory(allocator, &block);
        EXPECT_EQ(allocator.Freed, c.freed ? std::vector<void*>{&block} : std::vector<void*>{})
            << "DidAlloc answered " << c.didAlloc;
        FreeTaskMemory(allocator, nullptr);
        EXPECT_EQ(allocator.Freed.size(), c.freed ? 1u : 0u) << "no block, nothing to free";
    }
}

TEST(SelectObjectScopeTest, TheFirstObjectReplacedComesBackAtTheEnd) {
    const MemoryDC dc(::CreateCompatibleDC(nullptr));
    const UniqueGdiObject<HBITMAP> first(::CreateCompatibleBitmap(dc.Get(), 4, 4));
    const UniqueGdiObject<HBITMAP> second(::CreateCompatibleBitmap(dc.Get(), 4, 4));
    ASSERT_TRUE(dc && first && second);
    const HGDIOBJ original = ::GetCurrentObject(dc.Get(), OBJ_BITMAP);
    {
        SelectObjectScope selection;
        selection.Select(dc.Get(), first.Get());
        EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BITMAP), first.Get());
        selection.Select(dc.Get(), second.Get());
        EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BITMAP), second.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BITMAP), original);
}

}  // namespace
}  // namespace plivora
