#include "posix_folder_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace plivora::bench {
namespace {

class PosixFile : public DiscFileReader {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { close(fd_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;
    bool Read(void* buffer, std::size_t size, std::size_t& bytesRead) override {
        const ssize_t got = read(fd_, buffer, size);
        bytesRead = got > 0 ? static_cast<std::size_t>(got) : 0;
        return got >= 0;
    }

private:
    int fd_;
};

}  // namespace

std::string PosixFolderTree::Path(const std::u16string& relative) const {
    std::string path = std::filesystem::path(relative).string();
    for (char& c : path)
        if (c == '\\') c = '/';
    return path.empty() ? base_ : base_ + "/" + path;
}

bool PosixFolderTree::ListFolder(const std::u16string& folder, std::vector<DiscEntry>& entries) {
    const std::string path = Path(folder);
    DIR* dir = opendir(path.c_str());
    if (!dir) return false;
    bool ok = true;
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (name == "." || name == "..") continue;
        struct stat info {};
        if (stat((path + "/" + name).c_str(), &info) != 0) {
            ok = false;
            break;
        }
        DiscEntry entry;
        entry.name = std::filesystem::path(name).u16string();
        entry.isFolder = S_ISDIR(info.st_mode);
        entry.size = entry.isFolder ? 0 : static_cast<std::uint64_t>(info.st_size);
        entry.modified = info.st_mtime;
        entries.push_back(std::move(entry));
    }
    closedir(dir);
    return ok;
}

std::unique_ptr<DiscFileReader> PosixFolderTree::OpenFile(const std::u16string& file) {
    const int fd = open(Path(file).c_str(), O_RDONLY);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixFile>(fd);
}

FileSink::FileSink(const std::string& path) : fd_(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)) {}

FileSink::~FileSink() {
    if (fd_ >= 0) close(fd_);
}

bool FileSink::Write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t put = fd_ >= 0 ? write(fd_, bytes, size) : -1;
        if (put <= 0) return false;
        bytes += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

}  // namespace plivora::bench
