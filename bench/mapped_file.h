#pragma once
// A file's bytes, mapped rather than copied: a copy would cost more in fresh pages
// than the whole development does. Linux and Windows map files each their own way.

#include <cstddef>
#include <string_view>

class MappedFile {
public:
    explicit MappedFile(const char* path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool ok() const { return ok_; }
    std::string_view text() const { return data_ ? std::string_view(data_, size_) : ""; }

private:
    const char* data_ = nullptr;
    std::size_t size_ = 0;
    bool ok_ = false;
};
