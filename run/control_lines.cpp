#include "run/control_lines.hpp"

#include "text/byte_cut.hpp"

namespace velni {

ControlLines ControlLinesOf(const TextArray& pathPieces) {
  return {MidBytes(pathPieces[3], 1, 4), pathPieces[4], pathPieces[5]};
}

}  // namespace velni
