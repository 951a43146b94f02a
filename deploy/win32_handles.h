// Owning wrappers for the handles the deploy layer opens. Not copyable: exactly one owner
// closes each handle.
#pragma once

#include <cstdio>
#include <utility>

#include <windows.h>

namespace plivora {

class UniqueRegKey {
public:
    UniqueRegKey() = default;
    explicit UniqueRegKey(HKEY key) : key_(key) {}
    ~UniqueRegKey() { Reset(); }
    UniqueRegKey(const UniqueRegKey&) = delete;
    UniqueRegKey& operator=(const UniqueRegKey&) = delete;
    UniqueRegKey(UniqueRegKey&& other) noexcept : key_(other.Release()) {}
    UniqueRegKey& operator=(UniqueRegKey&& other) noexcept {
        if (this != &other) {
            Reset();
            key_ = other.Release();
        }
        return *this;
    }

    HKEY Get() const { return key_; }
    // For the out parameter of RegOpenKeyEx and RegCreateKeyEx.
    HKEY* Receive() {
        Reset();
        return &key_;
    }
    HKEY Release() { return std::exchange(key_, nullptr); }
    void Reset() {
        if (key_) RegCloseKey(std::exchange(key_, nullptr));
    }
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};

class UniqueFile {
public:
    UniqueFile() = default;
    explicit UniqueFile(std::FILE* file) : file_(file) {}
    ~UniqueFile() {
        if (file_) std::fclose(file_);
    }
    UniqueFile(const UniqueFile&) = delete;
    UniqueFile& operator=(const UniqueFile&) = delete;
    UniqueFile(UniqueFile&& other) noexcept : file_(other.Release()) {}
    UniqueFile& operator=(UniqueFile&& other) noexcept {
        if (this != &other) {
            if (file_) std::fclose(file_);
            file_ = other.Release();
        }
        return *this;
    }

    std::FILE* Get() const { return file_; }
    std::FILE* Release() { return std::exchange(file_, nullptr); }
    // fclose's result: the last buffered write can fail only here.
    bool Close() { return file_ && std::fclose(Release()) == 0; }
    explicit operator bool() const { return file_ != nullptr; }

private:
    std::FILE* file_ = nullptr;
};

}  // namespace plivora
