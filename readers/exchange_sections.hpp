#pragma once
// The sections of the Boring read from the branches of an exchange file.
#include "model/boring.hpp"
#include "readers/exchange_nodes.hpp"

namespace velni {

// The header fields the title sheets read, from 標題情報 (empty without it).
void ReadExchangeTitle(const ExchangeSource& source, const XmlNode& root, MainData& main);
// The layers with their colour and density or consistency runs.
void ReadExchangeLayers(const ExchangeSource& source, const XmlNode& core, MainData& main);
// The three list blocks: samples, water levels, drilling progress.
void ReadExchangeLists(const ExchangeSource& source, const XmlNode& core, MainData& main);
// The remarks from 観察記事 and 備考.
void ReadExchangeRemarks(const ExchangeSource& source, const XmlNode& core, RemarksFile& remarks);
// The standard penetration tests.
void ReadExchangeTests(const ExchangeSource& source, const XmlNode& core, PenetrationFile& penetration);

}  // namespace velni
