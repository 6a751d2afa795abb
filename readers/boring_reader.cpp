#include "readers/boring_reader.hpp"

#include "readers/companion_path.hpp"
#include "readers/exchange_reader.hpp"
#include "readers/main_data_reader.hpp"
#include "readers/penetration_reader.hpp"
#include "readers/remarks_reader.hpp"

namespace velni {

Boring ReadBoring(const std::u16string& sourcePath, const std::u16string& sourceFileName) {
  Boring boring;
  RecordFieldsSnapshot buffer{};
  boring.main = ReadMainDataFile(sourcePath, buffer);
  boring.remarks = ReadRemarksFile(CompanionPath(sourcePath, sourceFileName, kRemarksPrefix), buffer);
  boring.penetration = ReadPenetrationFile(CompanionPath(sourcePath, sourceFileName, kPenetrationPrefix), buffer);
  return boring;
}

Boring ReadAnyBoring(const std::u16string& sourcePath, const std::u16string& sourceFileName) {
  return IsExchangeFileName(sourceFileName) ? ReadExchangeFile(sourcePath) : ReadBoring(sourcePath, sourceFileName);
}

}  // namespace velni
