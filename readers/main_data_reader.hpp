#pragma once
// The main data file read whole into the model: the header record and header
// fields, the layer section, the list header and the three list blocks. Each step
// reads on from where the one before left the file.
#include <string>

#include "model/boring.hpp"
#include "text/input_file.hpp"

namespace velni {

// The header record and the header fields (the file at its start). The header
// fields snapshot is `buffer` afterwards.
void ReadMainHeader(InputFile& file, RecordFieldsSnapshot& buffer, MainData& main);
// The layer section, when both of its counts differ from 0.
void ReadLayerSection(InputFile& file, RecordFieldsSnapshot& buffer, MainData& main);
// The list header and, when its record count and third value differ from 0, the
// three blocks.
void ReadListSection(InputFile& file, RecordFieldsSnapshot& buffer, MainData& main);

// All of the above from the file at `path`. `buffer` is the record buffer the
// boring's records pass through (it starts empty for a boring).
MainData ReadMainDataFile(const std::u16string& path, RecordFieldsSnapshot& buffer);

}  // namespace velni
