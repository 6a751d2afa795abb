#include "readers/xml_tree.hpp"

#include <expat.h>

#include <limits>
#include <memory>

#include "readers/xml_encoding.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

// Deeper than any exchange document (five levels) by far, shallow enough that a
// hostile nesting costs nothing.
constexpr std::size_t kDeepestNesting = 64;

constexpr char16_t kNotWellFormed[] = u"XML として正しくありません";
constexpr char16_t kEntityDeclared[] = u"実体の宣言がある交換用データは読みません（外部のファイルも実体も読みません）。";
constexpr char16_t kTooDeep[] = u"要素の入れ子が深すぎます。";

struct TreeBuilder {
  XML_Parser parser = nullptr;
  XmlTree tree;
  std::vector<XmlNode*> open;  // the root first, the innermost open element last
  std::u16string refusal;      // why the builder stopped the parser, if it did
  bool rootSeen = false;

  void Stop(const char16_t* why) {
    if (refusal.empty()) refusal = why;
    XML_StopParser(parser, XML_FALSE);
  }
};

TreeBuilder& BuilderOf(void* data) { return *static_cast<TreeBuilder*>(data); }

void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  TreeBuilder& builder = BuilderOf(data);
  if (builder.open.size() >= kDeepestNesting) return builder.Stop(kTooDeep);
  XmlNode node;
  node.name = FromUtf8(name);
  for (const XML_Char** a = attributes; *a != nullptr; a += 2) node.attributes.emplace_back(FromUtf8(a[0]), FromUtf8(a[1]));
  node.line = static_cast<int>(XML_GetCurrentLineNumber(builder.parser));
  node.column = static_cast<int>(XML_GetCurrentColumnNumber(builder.parser)) + 1;
  if (builder.open.empty()) {
    builder.tree.root = std::move(node);
    builder.open.push_back(&builder.tree.root);
  } else {
    builder.open.push_back(&builder.open.back()->children.emplace_back(std::move(node)));
  }
}

void OnEnd(void* data, const XML_Char*) {
  TreeBuilder& builder = BuilderOf(data);
  if (!builder.open.empty()) builder.open.pop_back();  // also after a stop inside an empty element
}

void OnText(void* data, const XML_Char* text, int length) {
  TreeBuilder& builder = BuilderOf(data);
  if (!builder.open.empty()) builder.open.back()->text += FromUtf8(std::string_view(text, static_cast<std::size_t>(length)));
}

void OnDoctype(void* data, const XML_Char* name, const XML_Char* systemId, const XML_Char*, int) {
  TreeBuilder& builder = BuilderOf(data);
  builder.tree.doctypeName = FromUtf8(name);
  if (systemId != nullptr) builder.tree.systemId = FromUtf8(systemId);
}

// Any entity declaration is refused: a delivered boring needs none, and refusing
// them is what makes expansion attacks and external reads impossible.
void OnEntity(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
              const XML_Char*, const XML_Char*) {
  BuilderOf(data).Stop(kEntityDeclared);
}

std::u16string Place(XML_Parser parser) {
  return DecimalText(static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser))) + u" 行 " +
         DecimalText(static_cast<std::int64_t>(XML_GetCurrentColumnNumber(parser)) + 1) + u" 桁";
}

}  // namespace

XmlTree ReadXmlTree(std::string_view bytes, const std::u16string& path) {
  const std::string text = XmlTextAsUtf8(bytes, path);
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) throw RunError(failure::kOverflow, path);
  const std::unique_ptr<XML_ParserStruct, void (*)(XML_Parser)> parser(XML_ParserCreate("UTF-8"), XML_ParserFree);
  if (!parser) throw RunError(failure::kOverflow, path);
  TreeBuilder builder;
  builder.parser = parser.get();
  XML_SetUserData(parser.get(), &builder);
  XML_SetElementHandler(parser.get(), OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser.get(), OnText);
  XML_SetStartDoctypeDeclHandler(parser.get(), OnDoctype);
  XML_SetEntityDeclHandler(parser.get(), OnEntity);
  XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);
  if (XML_Parse(parser.get(), text.data(), static_cast<int>(text.size()), XML_TRUE) == XML_STATUS_ERROR) {
    const std::u16string why = !builder.refusal.empty()
                                   ? builder.refusal
                                   : kNotWellFormed + (u"（" + FromUtf8(XML_ErrorString(XML_GetErrorCode(parser.get()))) + u"）。");
    throw RunError(why, path, Place(parser.get()));
  }
  return std::move(builder.tree);
}

}  // namespace velni
