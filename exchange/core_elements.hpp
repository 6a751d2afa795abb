#pragma once
// The repeated elements of the core branch beyond layers, colours and tests, each
// appended to コア情報 in the order the document type gives them.
#include "exchange/exchange_version.hpp"
#include "exchange/xml_element.hpp"
#include "model/boring.hpp"

namespace velni {

// 観察記事: each remark over the depths from the remark before it to its own.
void AddObservations(const RemarksFile& remarks, XmlElement& core);

// 相対密度稠度: runs of layers of one relative density or consistency (layer field 5).
void AddDensityRuns(const MainData& main, XmlElement& core);

// 試料採取, 孔内水位 and 削孔工程 from the three list blocks of the main data file.
void AddSamples(const MainData& main, XmlElement& core);
void AddWaterLevels(const MainData& main, const ExchangeNames& names, XmlElement& core);
void AddDrillingProgress(const MainData& main, const ExchangeNames& names, XmlElement& core);

}  // namespace velni
