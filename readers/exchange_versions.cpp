// Which version a delivered document is of, and the names that version uses.
#include <string>

#include "readers/exchange_nodes.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

constexpr ExchangeReadNames kNames400 = {
    u"工学的地質区分名現場土質名",
    u"工学的地質区分名現場土質名_下端深度",
    u"工学的地質区分名現場土質名_工学的地質区分名現場土質名",
    u"総削孔長",
    u"角度",
    {u"標準貫入試験_0_100", u"標準貫入試験_100_200", u"標準貫入試験_200_300"},
    u"_氏名",
    u"削孔工程",
    u"削孔工程_測定年月日",
    u"削孔工程_削孔深度",
    true,
};

// 3.00, and 2.10 and 2.01 as far as they share its names.
constexpr ExchangeReadNames kNames300 = {
    u"岩石土区分",
    u"岩石土区分_下端深度",
    u"岩石土区分_岩石土名",
    u"総掘進長",
    u"掘進角度",
    {u"標準貫入試験_0_10", u"標準貫入試験_10_20", u"標準貫入試験_20_30"},
    u"",
    u"掘削工程",
    u"掘削工程_測定年月日",
    u"掘削工程_掘進深度",
    false,
};

constexpr char16_t kRoot[] = u"ボーリング情報";

const ExchangeReadNames* NamesOfVersion(const std::u16string& version) {
  if (version == u"4.00") return &kNames400;
  if (version == u"3.00" || version == u"2.10" || version == u"2.01") return &kNames300;
  return nullptr;
}

// "BED0400.DTD" gives "4.00"; any other name gives itself, which no version has.
std::u16string VersionOfSystemId(const std::u16string& systemId) {
  const std::size_t at = systemId.find(u"BED0");
  if (at == std::u16string::npos || systemId.size() < at + 7) return systemId;
  return systemId.substr(at + 4, 1) + u'.' + systemId.substr(at + 5, 2);
}

std::u16string DeclaredVersion(const XmlTree& tree) {
  for (const auto& [name, value] : tree.root.attributes) {
    if (name == u"DTD_version") return value;
  }
  return tree.systemId.empty() ? std::u16string() : VersionOfSystemId(tree.systemId);
}

// Without a declared version, the layers' element name tells the family.
const ExchangeReadNames* NamesByElements(const XmlNode& root) {
  const XmlNode* core = ChildOf(root, u"コア情報");
  if (core == nullptr) return nullptr;
  if (ChildOf(*core, kNames400.layer) != nullptr) return &kNames400;
  if (ChildOf(*core, kNames300.layer) != nullptr) return &kNames300;
  return nullptr;
}

}  // namespace

const ExchangeReadNames& ExchangeNamesOf(const XmlTree& tree, const std::u16string& path) {
  const ExchangeSource source{path, kNames400};
  if (tree.root.name != kRoot) {
    RefuseElement(source, tree.root, u"ボーリング交換用データではありません（ルート要素が「" + std::u16string(kRoot) + u"」ではありません）。");
  }
  const std::u16string version = DeclaredVersion(tree);
  const ExchangeReadNames* names = version.empty() ? NamesByElements(tree.root) : NamesOfVersion(version);
  if (names != nullptr) return *names;
  RefuseElement(source, tree.root,
                version.empty() ? std::u16string(u"ボーリング交換用データの版が分かりません。")
                                : u"ボーリング交換用データの版「" + version + u"」には対応していません（対応する版: 4.00, 3.00, 2.10, 2.01）。");
}

}  // namespace velni
