#include "mapped_file.h"

#ifdef _WIN32

#include <windows.h>

MappedFile::MappedFile(const char* path) {
    const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER size{};
    if (file == INVALID_HANDLE_VALUE || !GetFileSizeEx(file, &size)) {
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
        return;
    }
    size_ = static_cast<std::size_t>(size.QuadPart);
    ok_ = true;
    if (size_ > 0) {
        const HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
        const void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
        if (mapping) {
            CloseHandle(mapping); // the view keeps the mapping alive
        }
        ok_ = view != nullptr;
        data_ = static_cast<const char*>(view);
    }
    CloseHandle(file);
}

MappedFile::~MappedFile() {
    if (data_) {
        UnmapViewOfFile(data_);
    }
}

#else

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

MappedFile::MappedFile(const char* path) {
    const int fd = open(path, O_RDONLY);
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0) {
        if (fd >= 0) {
            close(fd);
        }
        return;
    }
    size_ = static_cast<std::size_t>(status.st_size);
    ok_ = true;
    if (size_ > 0) {
        void* data = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        ok_ = data != MAP_FAILED;
        data_ = ok_ ? static_cast<const char*>(data) : nullptr;
    }
    close(fd);
}

MappedFile::~MappedFile() {
    if (data_) {
        munmap(const_cast<char*>(data_), size_);
    }
}

#endif
