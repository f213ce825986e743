// A tree view keeps a state image in 4 bits (1-15), but the records number the undisplayable image 16
// (and a ticked registered-only file 16 too). The state strip repeats that picture at slot 11, an index the
// records never use; trees store slots and the browsers read records' indexes back through these two.
#pragma once

namespace velura {

inline constexpr int kUndisplayableSlot = 11;

// The slot a tree view stores for a record's state image index (-1, no image, stays -1).
constexpr int TreeStateSlot(int stateImageIndex) {
  return stateImageIndex == 16 ? kUndisplayableSlot : stateImageIndex;
}

// The record's index for a slot read back from a tree view (0: no image gives -1).
constexpr int StateImageOfSlot(int slot) { return slot == kUndisplayableSlot ? 16 : slot == 0 ? -1 : slot; }

}  // namespace velura
