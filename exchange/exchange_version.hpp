#pragma once
// The two versions of the boring exchange file and the names and units in which
// they differ.
#include <optional>
#include <string>
#include <string_view>

namespace velni {

enum class ExchangeVersion { V400, V300 };

// "4.00" or "3.00"; none for any other text.
std::optional<ExchangeVersion> ExchangeVersionOf(std::string_view text);

// What differs between the versions; everything else is named the same.
struct ExchangeNames {
  const char16_t* version;        // the root's DTD_version
  const char16_t* systemId;       // the document type's file
  const char16_t* totalLength;    // the boring's drilled length
  const char16_t* drillingAngle;  // the boring's angle, last of its basic information
  const char16_t* layer;          // one layer and its children
  const char16_t* layerBottom;
  const char16_t* layerName;
  const char16_t* rockGroup;
  const char16_t* rockGroupCode;
  const char16_t* rockSoilCode;
  const char16_t* increments[3];  // the three 10 cm increments of a penetration test
  const char16_t* staffSuffix;    // after each staff role
  const char16_t* waterStatusCode;  // the state of the drilling when a water level was measured
  const char16_t* drilling;         // the drilling progress by date and its two children
  const char16_t* drillingDate;
  const char16_t* drillingDepth;
  bool publicFlag;                // whether 基礎情報 holds 公開フラグ beside 適用規格
  bool penetrationInMillimetres;  // otherwise centimetres, as the source gives them
};

const ExchangeNames& NamesOf(ExchangeVersion version);

}  // namespace velni
