"""Writes HLS/HSV reference conversions made with Python's colorsys.

Lines:
  rgb R G B H L S HV SV V   colorsys rgb_to_hls / rgb_to_hsv of (R, G, B)/255,
                            hue in degrees, the rest on 0..255
  hls H L S R G B           colorsys hls_to_rgb, channels on 0..255 (not rounded)
  hsv H S V R G B           colorsys hsv_to_rgb, channels on 0..255 (not rounded)
"""
import colorsys
import sys

STEPS = list(range(0, 256, 15)) + [1, 127, 128, 254]

with open(sys.argv[1], "w") as out:
    for r in STEPS:
        for g in STEPS:
            for b in STEPS:
                h, l, s = colorsys.rgb_to_hls(r / 255, g / 255, b / 255)
                hv, sv, v = colorsys.rgb_to_hsv(r / 255, g / 255, b / 255)
                out.write(f"rgb {r} {g} {b} {h * 360!r} {l * 255!r} {s * 255!r} "
                          f"{hv * 360!r} {sv * 255!r} {v * 255!r}\n")
    for hue in range(0, 360, 7):
        for a in range(0, 256, 17):
            for c in range(0, 256, 17):
                rgb = colorsys.hls_to_rgb(hue / 360, a / 255, c / 255)
                out.write("hls {} {} {} {!r} {!r} {!r}\n".format(hue, a, c, *(x * 255 for x in rgb)))
                rgb = colorsys.hsv_to_rgb(hue / 360, a / 255, c / 255)
                out.write("hsv {} {} {} {!r} {!r} {!r}\n".format(hue, a, c, *(x * 255 for x in rgb)))
