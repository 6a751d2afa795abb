#pragma once
// Where the two companions of a main data file stand.
#include <string>
#include <string_view>

namespace velni {

inline constexpr char16_t kRemarksPrefix[] = u"KDT";
inline constexpr char16_t kPenetrationPrefix[] = u"NDT";

// The remarks ("KDT") and penetration-test ("NDT") companions: the first three
// characters of the file name, at its first occurrence in the path, replaced.
std::u16string CompanionPath(const std::u16string& sourcePath, const std::u16string& sourceFileName,
                             std::u16string_view prefix);

}  // namespace velni
