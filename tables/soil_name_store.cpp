#include "tables/soil_name_store.hpp"

#include <utility>

#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "tables/extended_table.hpp"
#include "text/cp932.hpp"

namespace velni {
namespace {

std::u16string TablesInUse(const std::u16string& dataFolder) {
  return u"別の変換がデータフォルダ " + dataFolder + u" の土質名表を使用中のため、60 秒待っても使えませんでした。" +
         u"その変換が終わってからやり直してください。";
}

std::u16string WaitingForTables(const std::u16string& dataFolder) {
  return u"別の変換がデータフォルダ " + dataFolder + u" の土質名表を使用中です。終わるのを待っています…";
}

std::u16string TablesNotWritable(const std::u16string& dataFolder) {
  return u"データフォルダ " + dataFolder + u" に書き込めないため、新しい土質名を土質名表に登録できません。";
}

std::u16string MarkerNotMade(const std::u16string& path) {
  return u"警告: 目印のファイル " + path + u" を作成できませんでした（変換は続けます）。";
}

std::u16string MarkerPath(const std::u16string& dataFolderPath) {
  return FolderHolding(dataFolderPath) + kMarkerFileName;
}

}  // namespace

SoilNameStore::SoilNameStore(SoilTableFolders folders, fs::LockWait wait)
    : folders_(std::move(folders)), wait_(wait) {
  soilTable_.path = folders_.dataFolderPath + kSoilTableLookupName;
  extendedTable_.path = folders_.dataFolderPath + kExtendedTableLookupName;
}

void SoilNameStore::EnsureSoilTable() { fs::TouchAndLength(folders_.dataFolderPath + kSoilTableName); }

SoilCode SoilNameStore::CodeOf(const std::u16string& soilName, const Notice& notice) {
  const std::u16string stored = TableFormOfName(soilName);
  // Most layers carry a name the soil-name table already holds: when the file is
  // as it was read, the answer needs no lock, for nothing will be written.
  if (IsCurrent(soilTable_)) {
    if (auto entry = FindInIndex(*soilTable_.index, stored)) return {entry->Code(), false};
  }
  HoldLock(notice);
  const fs::LockHold hold(*lock_);
  if (auto entry = FindIn(soilTable_, stored)) return {entry->Code(), false};
  if (auto entry = FindIn(extendedTable_, stored)) {
    CheckWritable();
    Append(*entry, notice);
    return {entry->Code(), false};
  }
  if (const auto why = WhyNotStorable(soilName)) throw SoilNameRefused(*why);
  CheckWritable();
  const SoilEntry entry = Register(soilName);
  Append(entry, notice);
  return {entry.Code(), true};
}

std::optional<std::u16string> SoilNameStore::FindCode(const std::u16string& soilName) {
  const std::u16string stored = TableFormOfName(soilName);
  if (auto entry = FindIn(soilTable_, stored)) return entry->Code();
  if (auto entry = FindIn(extendedTable_, stored)) return entry->Code();
  return std::nullopt;
}

std::optional<SoilEntry> SoilNameStore::FindIn(Table& table, const std::u16string& storedName) {
  return FindInIndex(Current(table), storedName);
}

std::optional<SoilEntry> SoilNameStore::FindInIndex(const SoilTableIndex& index, const std::u16string& storedName) {
  for (std::size_t band = 0; band < kSoilBands.size(); ++band) {
    if (auto entry = index.Find(band, storedName)) return entry;
  }
  return std::nullopt;
}

std::optional<fs::FileIdentity> SoilNameStore::IdentityNow(Table& table) {
  auto identity = table.nativePath.empty() ? std::nullopt : fs::IdentityOf(table.nativePath);
  if (!identity) {
    table.nativePath = fs::NativePath(fs::Resolve(table.path));
    identity = fs::IdentityOf(table.nativePath);
  }
  return identity;
}

bool SoilNameStore::IsCurrent(Table& table) {
  if (!table.index) return false;
  if (pass_ == PassState::Checked) return true;
  const auto identity = IdentityNow(table);
  const bool current = identity && identity == table.identity;
  if (current && pass_ == PassState::Unchecked) pass_ = PassState::Checked;
  return current;
}

// The table's index as the file stands now, read again when anyone changed it.
SoilTableIndex& SoilNameStore::Current(Table& table) {
  const auto identity = IdentityNow(table);
  if (!table.index || !identity || identity != table.identity) {
    table.index.reset();
    // The identity is taken before reading: a change while reading shows next time.
    table.identity = identity;
    table.index = SoilTableIndex::Read(table.path);
  }
  if (&table == &soilTable_ && pass_ == PassState::Unchecked) pass_ = PassState::Checked;
  return *table.index;
}

// One write of the whole line, flushed: a stop at any moment, or a full disk,
// leaves the entry whole or absent, never a piece that would shift every entry
// after it.
void SoilNameStore::Append(const SoilEntry& entry, const Notice& notice) {
  fs::AppendLine(folders_.dataFolderPath + kSoilTableName, EncodeCp932(SoilEntryLine(entry) + u"\r\n"));
  Table& table = soilTable_;
  if (table.index && table.index->TakeAppended(entry)) {
    table.identity = fs::IdentityOf(table.nativePath);
  } else {
    table.index.reset();
  }
  MakeMarker(notice);
}

SoilEntry SoilNameStore::Register(const std::u16string& soilName) {
  const std::u16string path = folders_.dataFolderPath + kExtendedTableName;
  const ExtendedTableInsertion insertion = InsertIntoExtendedTable(path, soilName);
  fs::ReplaceDurably(fs::Resolve(path), kExtendedWorkFileName, insertion.bytes);
  // The new table is a new file: the next lookup in it reads it afresh.
  extendedTable_.index.reset();
  return insertion.entry;
}

SoilNameStore::Registration::Registration(SoilNameStore& store, Notice notice)
    : store_(store), notice_(std::move(notice)) {}

SoilNameStore::Registration::~Registration() {
  Forget();
  if (locked_) store_.lock_->Release();
}

SoilCode SoilNameStore::Registration::CodeOf(const std::u16string& soilName) {
  const std::u16string stored = TableFormOfName(soilName);
  if (auto entry = FindInIndex(SoilIndex(), stored)) return {entry->Code(), false};
  if (!locked_) {
    Lock();
    if (auto entry = FindInIndex(SoilIndex(), stored)) return {entry->Code(), false};
  }
  // The names taken so far are in the soil-name table's index, each with the entry
  // the extended table will hold: the extended table as read still answers right.
  if (auto entry = store_.FindIn(store_.extendedTable_, stored)) {
    store_.CheckWritable();
    Add(*entry);
    return {entry->Code(), false};
  }
  if (const auto why = WhyNotStorable(soilName)) throw SoilNameRefused(*why);
  store_.CheckWritable();
  if (!insertions_) insertions_.emplace(store_.folders_.dataFolderPath + kExtendedTableName);
  const SoilEntry entry = insertions_->Insert(soilName);
  Add(entry);
  return {entry.Code(), true};
}

std::optional<std::u16string> SoilNameStore::Registration::FindCode(const std::u16string& soilName) {
  const std::u16string stored = TableFormOfName(soilName);
  if (auto entry = FindInIndex(SoilIndex(), stored)) return entry->Code();
  if (auto entry = store_.FindIn(store_.extendedTable_, stored)) return entry->Code();
  return std::nullopt;
}

void SoilNameStore::Registration::Write() {
  try {
    if (insertions_) {
      const std::u16string path = store_.folders_.dataFolderPath + kExtendedTableName;
      fs::ReplaceDurably(fs::Resolve(path), kExtendedWorkFileName, insertions_->Bytes());
      insertions_.reset();
      store_.extendedTable_.index.reset();
    }
    if (soilLines_.empty()) return;
    fs::AppendLine(store_.folders_.dataFolderPath + kSoilTableName, soilLines_);
    soilLines_.clear();
  } catch (const RunError&) {
    Forget();
    throw;
  }
  Table& table = store_.soilTable_;
  if (table.index) table.identity = fs::IdentityOf(table.nativePath);
  store_.MakeMarker(notice_);
}

// Compared once before the lock and once under it: from then on the table is as
// read until this registration writes.
const SoilTableIndex& SoilNameStore::Registration::SoilIndex() {
  if (!soilChecked_ || !store_.soilTable_.index) store_.Current(store_.soilTable_);
  soilChecked_ = true;
  return *store_.soilTable_.index;
}

void SoilNameStore::Registration::Lock() {
  store_.HoldLock(notice_);
  locked_ = true;
  soilChecked_ = false;
}

void SoilNameStore::Registration::Add(const SoilEntry& entry) {
  soilLines_ += EncodeCp932(SoilEntryLine(entry) + u"\r\n");
  if (store_.soilTable_.index->TakeAppended(entry)) return;
  // The table must be read again to find the entry: it is written first.
  store_.soilTable_.index.reset();
  Write();
}

void SoilNameStore::Registration::Forget() {
  if (!insertions_ && soilLines_.empty()) return;
  insertions_.reset();
  soilLines_.clear();
  store_.soilTable_.index.reset();
  store_.extendedTable_.index.reset();
}

void SoilNameStore::HoldLock(const Notice& notice) {
  // Beside the table where it is written: data folders that share their tables
  // through links take turns through one lock.
  if (!lock_) lock_.emplace(fs::WrittenFolder(folders_.dataFolderPath + kSoilTableName) + kTableLockFileName);
  // Without a lock file the folder is read-only: lookups still work, and a change
  // is refused by CheckWritable before anything is written.
  if (!lock_->Usable()) return;
  const auto waiting = [&] {
    if (notice) notice(WaitingForTables(folders_.dataFolderPath));
  };
  if (!lock_->Acquire(wait_, waiting)) throw RunError(TablesInUse(folders_.dataFolderPath));
}

void SoilNameStore::CheckWritable() {
  const std::u16string& folder = folders_.dataFolderPath;
  for (const char16_t* name : {kSoilTableName, kExtendedTableName}) {
    if (!lock_->Usable() || !fs::CanWrite(folder + name)) throw RunError(TablesNotWritable(folder), folder + name);
  }
  // The extended table is replaced by a rename, which its folder must allow.
  const std::u16string extendedFolder = fs::WrittenFolder(folder + kExtendedTableName);
  if (!fs::CanWrite(extendedFolder)) throw RunError(TablesNotWritable(folder), extendedFolder);
}

// Nothing reads the marker: a folder that cannot take it is worth a word, once,
// not a stopped run.
void SoilNameStore::MakeMarker(const Notice& notice) {
  const std::u16string path = MarkerPath(folders_.dataFolderPath);
  try {
    fs::TouchAndLength(path);
  } catch (const RunError&) {
    if (notice && !markerWarned_) notice(MarkerNotMade(path));
    markerWarned_ = true;
  }
}

}  // namespace velni
