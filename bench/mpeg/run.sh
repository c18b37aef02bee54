#!/bin/sh
# Decoding speed of our MPEG audio decoder against libmpg123: makes a 3-minute 44.1 kHz
# stereo 192 kbit/s file with lame (tones, sweeps and noise) and decodes it with both.
# usage: bench/mpeg/run.sh [BUILD_DIR]   (default: build)
set -e
build=${1:-build}
bench="$build/bench/mpeg/mpeg-decode-bench"
[ -x "$bench" ] || bench="$build/bin/mpeg-decode-bench"
if [ ! -x "$bench" ]; then
  echo "build the benchmark first: ninja -C $build mpeg-decode-bench" >&2
  exit 1
fi
command -v lame >/dev/null || { echo "lame is not installed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/in.wav" << 'PY'
import math, random, struct, sys
rate, seconds = 44100, 180
random.seed(7)
frames = bytearray()
for i in range(rate * seconds):
    t = i / rate
    left = 0.3 * math.sin(2 * math.pi * (110 + 40 * math.sin(0.5 * t)) * t) + 0.05 * (random.random() - 0.5)
    right = 0.3 * math.sin(2 * math.pi * (220 * t + 300 * (t % 10) ** 2)) * (1.0 if int(t * 4) % 2 else 0.3)
    frames += struct.pack('<hh', int(left * 32767), int(right * 32767))
head = b'RIFF' + struct.pack('<I', 36 + len(frames)) + b'WAVEfmt ' + struct.pack('<IHHIIHH', 16, 1, 2, rate, rate * 4, 4, 16)
open(sys.argv[1], 'wb').write(head + b'data' + struct.pack('<I', len(frames)) + frames)
PY
lame --quiet -b 192 "$work/in.wav" "$work/bench.mp3"
"$bench" "$work/bench.mp3" 5
