#pragma once
// What every renderer of a drawing agrees on, so that SVG, PNG and PDF look alike:
// the white margin around a single-sheet picture, where a text stands against its
// middle height, and the font families asked for, best first.
namespace velni::render {

// Millimetres of white around the frame of an SVG or PNG picture.
inline constexpr double kSheetMargin = 5;

// A label's baseline lies this many character heights below its middle height: the
// middle of the bundled Japanese font's line box (ascent 0.88, descent 0.12).
inline constexpr double kBaselineBelowMiddle = 0.38;

// The bundled font first, then Japanese fonts common on Windows and Linux; a
// viewer that has none of them takes its own sans-serif family.
inline constexpr const char* kFontFamilies[] = {"IPAGothic",    "IPAexGothic", "Yu Gothic",        "Meiryo",
                                                "MS Gothic",    "Noto Sans CJK JP", "Source Han Sans JP",
                                                "Hiragino Sans", "TakaoGothic", "VL Gothic"};
inline constexpr const char* kGenericFamily = "sans-serif";

// The bundled font file beside the program, and where Debian's package installs it.
inline constexpr char16_t kBundledFontFile[] = u"ipag.ttf";
inline constexpr char16_t kBundledFontFolder[] = u"fonts";

}  // namespace velni::render
