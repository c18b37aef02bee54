#include "BitReservoir.h"

#include <cstring>

namespace mpeg {

bool BitReservoir::Append(const uint8_t* data, size_t count, int mainDataBegin, const uint8_t*& begin, size_t& available)
{
    if (count > kMaxFrameData)
        count = kMaxFrameData;
    // Keep only the tail that a later frame can reach.
    if (size_ > kMaxBack) {
        std::memmove(buffer_, buffer_ + size_ - kMaxBack, kMaxBack);
        size_ = kMaxBack;
    }
    const size_t back = static_cast<size_t>(mainDataBegin);
    const bool complete = back <= size_;
    const size_t start = complete ? size_ - back : size_;
    std::memcpy(buffer_ + size_, data, count);
    size_ += count;
    std::memset(buffer_ + size_, 0, kPadding);
    begin = buffer_ + start;
    available = size_ - start;
    return complete;
}

} // namespace mpeg
