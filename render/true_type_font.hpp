#pragma once
// A TrueType font read from its bytes: the glyph of a character, its advance, the
// font's ascent and descent, and a subset holding only the glyphs a document uses,
// renumbered from 1, for embedding in a PDF.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velni::render {

class TrueTypeFont {
 public:
  // None when the bytes are no TrueType font with glyph outlines and a Unicode map.
  static std::optional<TrueTypeFont> Read(std::string bytes);

  // The glyph of a character; 0 (the missing glyph) when the font has none.
  std::uint16_t GlyphOf(char16_t c) const;
  // Advance width in ems.
  double AdvanceOf(std::uint16_t glyph) const;
  double Ascent() const;   // ems above the baseline
  double Descent() const;  // ems below it, negative
  // The glyphs a composite glyph is built from (none for a simple glyph).
  std::vector<std::uint16_t> ComponentsOf(std::uint16_t glyph) const;
  // A font of the glyphs `glyphs` only: glyph 0 stays the missing glyph and
  // glyphs[i] becomes glyph i + 1; the list holds the components of every
  // composite glyph it holds.
  std::string Subset(const std::vector<std::uint16_t>& glyphs) const;

 private:
  explicit TrueTypeFont(std::string bytes) : bytes_(std::move(bytes)) {}
  std::uint16_t U16(std::size_t at) const;
  std::uint32_t U32(std::size_t at) const;
  std::string_view GlyphData(std::uint16_t glyph) const;
  std::string Table(const char* tag) const;
  bool ReadTables();

  std::string bytes_;
  std::map<std::string, std::pair<std::size_t, std::size_t>> tables_;  // offset, length
  std::size_t cmap4_ = 0;  // the format-4 Unicode subtable
  std::uint16_t unitsPerEm_ = 1000;
  std::uint16_t glyphCount_ = 0;
  std::uint16_t metricCount_ = 0;
  bool longOffsets_ = false;
};

}  // namespace velni::render
