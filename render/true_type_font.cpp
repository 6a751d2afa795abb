#include "render/true_type_font.hpp"

#include <algorithm>

namespace velni::render {
namespace {

// Composite glyph flags.
constexpr std::uint16_t kArgsAreWords = 0x0001;
constexpr std::uint16_t kHasScale = 0x0008;
constexpr std::uint16_t kMoreComponents = 0x0020;
constexpr std::uint16_t kHasXYScale = 0x0040;
constexpr std::uint16_t kHasTwoByTwo = 0x0080;

void PutU16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value >> 8 & 0xFF);
  out += static_cast<char>(value & 0xFF);
}

void PutU32(std::string& out, std::uint32_t value) {
  PutU16(out, value >> 16);
  PutU16(out, value & 0xFFFF);
}

void SetU16(std::string& out, std::size_t at, std::uint32_t value) {
  out[at] = static_cast<char>(value >> 8 & 0xFF);
  out[at + 1] = static_cast<char>(value & 0xFF);
}

std::uint32_t CheckSum(const std::string& data) {
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < data.size(); i += 4) {
    std::uint32_t word = 0;
    for (std::size_t j = 0; j < 4; ++j) word = word << 8 | (i + j < data.size() ? static_cast<std::uint8_t>(data[i + j]) : 0);
    sum += word;
  }
  return sum;
}

// The byte after each component's glyph index in a composite glyph, with its flags.
template <typename Visit>
void ForEachComponent(std::string_view glyph, Visit visit) {
  std::size_t at = 10;
  for (;;) {
    if (at + 4 > glyph.size()) return;
    const auto flags = static_cast<std::uint16_t>(static_cast<std::uint8_t>(glyph[at]) << 8 | static_cast<std::uint8_t>(glyph[at + 1]));
    visit(at + 2);
    at += 4 + ((flags & kArgsAreWords) ? 4 : 2);
    at += (flags & kHasScale) ? 2 : (flags & kHasXYScale) ? 4 : (flags & kHasTwoByTwo) ? 8 : 0;
    if (!(flags & kMoreComponents)) return;
  }
}

bool IsComposite(std::string_view glyph) { return glyph.size() >= 10 && static_cast<std::uint8_t>(glyph[0]) >= 0x80; }

}  // namespace

std::optional<TrueTypeFont> TrueTypeFont::Read(std::string bytes) {
  TrueTypeFont font(std::move(bytes));
  if (!font.ReadTables()) return std::nullopt;
  return font;
}

std::uint16_t TrueTypeFont::U16(std::size_t at) const {
  if (at + 2 > bytes_.size()) return 0;
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes_[at]) << 8 | static_cast<std::uint8_t>(bytes_[at + 1]));
}

std::uint32_t TrueTypeFont::U32(std::size_t at) const { return static_cast<std::uint32_t>(U16(at)) << 16 | U16(at + 2); }

bool TrueTypeFont::ReadTables() {
  const std::uint16_t count = U16(4);
  for (std::uint16_t i = 0; i < count; ++i) {
    const std::size_t entry = 12 + 16u * i;
    const std::size_t offset = U32(entry + 8);
    const std::size_t length = U32(entry + 12);
    if (entry + 16 > bytes_.size() || offset > bytes_.size() || length > bytes_.size() - offset) return false;
    tables_[bytes_.substr(entry, 4)] = {offset, length};
  }
  for (const char* needed : {"cmap", "glyf", "head", "hhea", "hmtx", "loca", "maxp"}) {
    if (!tables_.count(needed)) return false;
  }
  unitsPerEm_ = std::max<std::uint16_t>(16, U16(tables_["head"].first + 18));
  longOffsets_ = U16(tables_["head"].first + 50) == 1;
  glyphCount_ = U16(tables_["maxp"].first + 4);
  metricCount_ = std::max<std::uint16_t>(1, U16(tables_["hhea"].first + 34));
  const std::size_t cmap = tables_["cmap"].first;
  for (std::uint16_t i = 0; i < U16(cmap + 2); ++i) {
    const std::size_t record = cmap + 4 + 8u * i;
    const std::size_t subtable = cmap + U32(record + 4);
    const bool unicode = U16(record) == 0 || (U16(record) == 3 && U16(record + 2) == 1);
    if (unicode && U16(subtable) == 4) cmap4_ = subtable;
  }
  return cmap4_ != 0;
}

std::uint16_t TrueTypeFont::GlyphOf(char16_t c) const {
  const std::size_t segments = U16(cmap4_ + 6) / 2;
  const std::size_t ends = cmap4_ + 14;
  const std::size_t starts = ends + 2 * segments + 2;
  const std::size_t deltas = starts + 2 * segments;
  const std::size_t rangeOffsets = deltas + 2 * segments;
  std::size_t low = 0;
  std::size_t high = segments;
  while (low < high) {  // the first segment whose end is at or after c
    const std::size_t middle = (low + high) / 2;
    if (U16(ends + 2 * middle) < c) low = middle + 1;
    else high = middle;
  }
  if (low == segments || U16(starts + 2 * low) > c) return 0;
  const std::uint16_t delta = U16(deltas + 2 * low);
  const std::uint16_t rangeOffset = U16(rangeOffsets + 2 * low);
  if (rangeOffset == 0) return static_cast<std::uint16_t>(c + delta);
  const std::uint16_t glyph = U16(rangeOffsets + 2 * low + rangeOffset + 2 * (c - U16(starts + 2 * low)));
  const std::uint16_t found = glyph == 0 ? 0 : static_cast<std::uint16_t>(glyph + delta);
  return found < glyphCount_ ? found : 0;
}

double TrueTypeFont::AdvanceOf(std::uint16_t glyph) const {
  const std::size_t metric = std::min<std::size_t>(glyph, metricCount_ - 1u);
  return static_cast<double>(U16(tables_.at("hmtx").first + 4 * metric)) / unitsPerEm_;
}

double TrueTypeFont::Ascent() const { return static_cast<std::int16_t>(U16(tables_.at("hhea").first + 4)) / double(unitsPerEm_); }

double TrueTypeFont::Descent() const {
  return static_cast<std::int16_t>(U16(tables_.at("hhea").first + 6)) / double(unitsPerEm_);
}

std::string_view TrueTypeFont::GlyphData(std::uint16_t glyph) const {
  if (glyph >= glyphCount_) return {};
  const std::size_t loca = tables_.at("loca").first;
  const auto offset = [&](std::size_t i) -> std::size_t { return longOffsets_ ? U32(loca + 4 * i) : 2u * U16(loca + 2 * i); };
  const auto [glyf, length] = tables_.at("glyf");
  const std::size_t from = std::min(offset(glyph), length);
  const std::size_t to = std::clamp(offset(glyph + 1u), from, length);
  return std::string_view(bytes_).substr(glyf + from, to - from);
}

std::vector<std::uint16_t> TrueTypeFont::ComponentsOf(std::uint16_t glyph) const {
  std::vector<std::uint16_t> components;
  const std::string_view data = GlyphData(glyph);
  if (!IsComposite(data)) return components;
  ForEachComponent(data, [&](std::size_t at) {
    components.push_back(static_cast<std::uint16_t>(static_cast<std::uint8_t>(data[at]) << 8 | static_cast<std::uint8_t>(data[at + 1])));
  });
  return components;
}

std::string TrueTypeFont::Table(const char* tag) const {
  const auto found = tables_.find(tag);
  return found == tables_.end() ? std::string() : bytes_.substr(found->second.first, found->second.second);
}

std::string TrueTypeFont::Subset(const std::vector<std::uint16_t>& glyphs) const {
  std::vector<std::uint16_t> old{0};
  old.insert(old.end(), glyphs.begin(), glyphs.end());
  std::map<std::uint16_t, std::uint16_t> renumbered;
  for (std::size_t i = 0; i < old.size(); ++i) renumbered.emplace(old[i], static_cast<std::uint16_t>(i));
  std::string glyf;
  std::string loca;
  std::string hmtx;
  for (const std::uint16_t glyph : old) {
    PutU32(loca, static_cast<std::uint32_t>(glyf.size()));
    std::string data(GlyphData(glyph));
    if (IsComposite(data)) {
      ForEachComponent(data, [&](std::size_t at) {
        const auto component = static_cast<std::uint16_t>(static_cast<std::uint8_t>(data[at]) << 8 | static_cast<std::uint8_t>(data[at + 1]));
        const auto found = renumbered.find(component);
        SetU16(data, at, found == renumbered.end() ? 0 : found->second);
      });
    }
    glyf += data;
    glyf.append((4 - glyf.size() % 4) % 4, '\0');
    const std::size_t metric = tables_.at("hmtx").first + 4 * std::min<std::size_t>(glyph, metricCount_ - 1u);
    PutU16(hmtx, U16(metric));
    // The left side bearing of a glyph past the last full metric follows the metrics.
    PutU16(hmtx, glyph < metricCount_ ? U16(metric + 2)
                                      : U16(tables_.at("hmtx").first + 4 * metricCount_ + 2 * (glyph - metricCount_)));
  }
  PutU32(loca, static_cast<std::uint32_t>(glyf.size()));
  std::string head = Table("head");
  SetU16(head, 8, 0);  // checksum adjustment, set below
  SetU16(head, 10, 0);
  SetU16(head, 50, 1);  // long offsets in loca
  std::string hhea = Table("hhea");
  SetU16(hhea, 34, static_cast<std::uint32_t>(old.size()));
  std::string maxp = Table("maxp");
  SetU16(maxp, 4, static_cast<std::uint32_t>(old.size()));
  std::map<std::string, std::string> tables{{"glyf", glyf}, {"head", head}, {"hhea", hhea}, {"hmtx", hmtx},
                                            {"loca", loca}, {"maxp", maxp}};
  for (const char* hinting : {"cvt ", "fpgm", "prep"}) {
    if (tables_.count(hinting)) tables[hinting] = Table(hinting);
  }
  std::string font;
  PutU32(font, 0x00010000);
  PutU16(font, static_cast<std::uint32_t>(tables.size()));
  std::uint16_t power = 1;
  std::uint16_t log2 = 0;
  while (power * 2 <= tables.size()) power *= 2, ++log2;
  PutU16(font, power * 16u);
  PutU16(font, log2);
  PutU16(font, static_cast<std::uint32_t>(tables.size() * 16 - power * 16u));
  std::size_t offset = 12 + 16 * tables.size();
  for (const auto& [tag, data] : tables) {  // a std::map keeps the tags in order
    font += tag;
    PutU32(font, CheckSum(data));
    PutU32(font, static_cast<std::uint32_t>(offset));
    PutU32(font, static_cast<std::uint32_t>(data.size()));
    offset += (data.size() + 3) / 4 * 4;
  }
  std::size_t headAt = 0;
  for (const auto& [tag, data] : tables) {
    if (tag == "head") headAt = font.size();
    font += data;
    font.append((4 - font.size() % 4) % 4, '\0');
  }
  const std::uint32_t adjustment = 0xB1B0AFBAu - CheckSum(font);
  SetU16(font, headAt + 8, adjustment >> 16);
  SetU16(font, headAt + 10, adjustment & 0xFFFF);
  return font;
}

}  // namespace velni::render
