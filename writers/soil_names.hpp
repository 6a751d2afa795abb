#pragma once
// Soil-name codes of X1.TXT and the growing soil-name tables of the data folder.
#include <cstdint>
#include <string>

#include "text/output_file.hpp"
#include "writers/soil_tables.hpp"

namespace velni {

// Makes sure the soil-name table KISHITU.TXT exists (an empty one when missing).
void EnsureSoilTable(const std::u16string& dataFolderPath);

// The code of a soil name: found in the tables (soil-name table first, bands B1, B2,
// B3), or newly registered. A name found only in the extended table, and a new one,
// is appended to the soil-name table.
std::u16string SoilNameCode(const SoilTableFolders& folders, const std::u16string& soilName);

// One line of X1.TXT: line number, the layer's first field, the soil-name code and
// the soil name as met; then adds 1 to `lineNo`. All table changes come before the
// line is written.
void WriteSoilNameLine(OutputFile& x1, std::int16_t& lineNo, const std::u16string& firstField,
                       const std::u16string& soilName, const SoilTableFolders& folders);

}  // namespace velni
