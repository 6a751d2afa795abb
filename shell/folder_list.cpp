#include "shell/folder_list.hpp"

#include <QStyle>

#include "platform/data_folder.hpp"
#include "platform/host_path.hpp"
#include "platform/subfolders.hpp"
#include "shell/qt_text.hpp"

namespace velni {
namespace {

std::u16string WithoutFinalSeparator(std::u16string folder) {
  while (folder.size() > 1 && folder.back() == kPathSeparator) folder.pop_back();
  return folder;
}

struct Ancestor {
  std::u16string name;
  std::u16string path;
};

// "/a/b" gives "/", "/a", "/a/b".
std::vector<Ancestor> AncestorsOf(const std::u16string& path) {
  std::vector<Ancestor> ancestors{{kPathSeparatorText, kPathSeparatorText}};
  for (std::size_t start = 1; start < path.size();) {
    const std::size_t end = std::min(path.find(kPathSeparator, start), path.size());
    ancestors.push_back({path.substr(start, end - start), path.substr(0, end)});
    start = end + 1;
  }
  return ancestors;
}

}  // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  // Long names are cut at the edge, as the lists have always done.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QListWidget::itemActivated, this, &FolderList::OpenEntry);
}

bool FolderList::SetPath(const std::u16string& folder) {
  const std::u16string path = WithoutFinalSeparator(folder);
  // Links are offered like folders: the operator may keep borings behind one.
  const SubfolderListing listing = ReadSubfolders(path, {.onVolume = std::nullopt, .followLinks = true});
  if (!listing.readable) return false;
  const bool moves = path != path_;
  path_ = path;
  Fill(listing.names);
  if (moves) emit PathChanged();
  return true;
}

void FolderList::Fill(const std::vector<std::u16string>& subfolders) {
  clear();
  const std::vector<Ancestor> ancestors = AncestorsOf(path_);
  for (std::size_t depth = 0; depth < ancestors.size(); ++depth) {
    AddEntry(ancestors[depth].name, ancestors[depth].path, static_cast<int>(depth), true);
  }
  setCurrentRow(static_cast<int>(ancestors.size()) - 1);
  for (const std::u16string& name : subfolders) {
    AddEntry(name, WithFinalSeparator(path_) + name, static_cast<int>(ancestors.size()), false);
  }
}

void FolderList::AddEntry(const std::u16string& name, const std::u16string& path, int depth, bool open) {
  const QIcon icon = style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
  auto* item = new QListWidgetItem(icon, QString(depth * 2, u' ') + ToQString(name), this);
  item->setData(Qt::UserRole, ToQString(path));
}

void FolderList::OpenEntry(QListWidgetItem* item) {
  if (item != nullptr) SetPath(FromQString(item->data(Qt::UserRole).toString()));
}

}  // namespace velni
