#pragma once
#include "DecodeEngine.h"

namespace mpeg {

// The file input "Input From File": any file name, or "-" for standard input.
const InputModuleDescriptor& FileInputModule();

// The codec "MPEG Audio Codec": MPEG-1, MPEG-2 and MPEG 2.5, layers I to III.
const CodecDescriptor& MpegAudioCodec();

} // namespace mpeg
