#include "db/quarnBuffer.h"

#include <cstring>
#include <limits>
#include <new>

namespace {
const char emptyText[] = "";
}

quarnBuffer::quarnBuffer() : first_(std::make_unique<Block>(512)), current_(first_.get())
{
}

const char* quarnBuffer::put(const char* text)
{
    if (!text || !*text)
        return emptyText;
    std::size_t n = std::strlen(text);
    if (n > std::numeric_limits<std::uint32_t>::max() - 2u - std::uint64_t{fill_})
        throw std::bad_alloc();
    auto len = static_cast<std::uint32_t>(n);
    // A text that would exactly fill the block moves on too (>=, as the format requires).
    while (fill_ + len + 1 >= current_->size) {
        if (current_->next) {
            current_ = current_->next.get();
            fill_ = 0;
        } else {
            current_->next = std::make_unique<Block>(fill_ + len + 2);
            current_ = current_->next.get();
        }
    }
    char* at = current_->data.get() + fill_;
    std::memcpy(at, text, n + 1);
    fill_ += len + 1;
    return at;
}

void quarnBuffer::reset()
{
    current_ = first_.get();
    fill_ = 0;
}
