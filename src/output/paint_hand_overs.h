#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ui/picture.h"

// The pictures handed to the paint program in this run, each in a file of its own in the user's
// work folder: whatever the user saves over one in the paint program, no later hand-over writes
// there. A hand-over file goes once it has served, only while nothing holds it open and only
// while it is still what was handed over: one the user saved over is theirs and stays.
class PaintHandOvers {
 public:
  PaintHandOvers() = default;
  PaintHandOvers(const PaintHandOvers&) = delete;
  PaintHandOvers& operator=(const PaintHandOvers&) = delete;

  // The picture in a new file under a name no file had; empty when it could not be written.
  std::string Write(const Picture& picture);
  // Removes the earlier hand-over files that may go; the others are tried again next time.
  void RemoveServed();

 private:
  struct HandOver {
    std::string path;
    std::uint64_t size = 0;
    std::uint64_t written = 0;  // last write time
  };
  // Deletes the file when it still is what was handed over and nothing holds it open; true
  // when the record can be forgotten (deleted, gone, or the user's now).
  static bool RemoveIfServed(const HandOver& handOver);

  std::vector<HandOver> handOvers_;
};
