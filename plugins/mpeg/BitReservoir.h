#pragma once
#include <cstddef>
#include <cstdint>

namespace mpeg {

// The layer III bit reservoir: the main data of the last frames, so that a frame's main
// data may begin in the frames before it. Fixed storage; nothing is allocated while decoding.
class BitReservoir {
public:
    static constexpr size_t kMaxBack = 511;     // largest main_data_begin
    static constexpr size_t kMaxFrameData = 4096;
    static constexpr size_t kPadding = 8;

    void Reset() { size_ = 0; }

    // Appends this frame's main data and points begin at the first main-data byte of the
    // frame, mainDataBegin bytes before the new data. Returns false (and still stores the
    // data for the next frame) when the reservoir does not hold that many bytes, as after
    // a seek or a damaged frame.
    bool Append(const uint8_t* data, size_t count, int mainDataBegin, const uint8_t*& begin, size_t& available);

private:
    uint8_t buffer_[kMaxBack + kMaxFrameData + kPadding] = {};
    size_t size_ = 0;
};

} // namespace mpeg
