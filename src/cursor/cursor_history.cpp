#include "cursor/cursor_history.h"

#include <algorithm>
#include <utility>

#include "common/list_file.h"

namespace {

bool Contains(const std::vector<std::string>& names, std::string_view name) {
  return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SameFileName(n, name); });
}

}  // namespace

std::vector<std::string> ParseCursorHistory(std::string_view text) {
  std::vector<std::string> names;
  for (std::string& name : ParseListFile(text)) {
    if (names.size() == CursorHistory::MaxItems) break;
    if (!Contains(names, name)) names.push_back(std::move(name));
  }
  return names;
}

CursorHistory::CursorHistory(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    if (items_.size() == MaxItems) break;
    items_.push_back({name, NoSlot});
  }
}

bool CursorHistory::SlotUsed(int slot) const {
  return std::any_of(items_.begin(), items_.end(), [slot](const Item& item) { return item.thumbnail == slot; });
}

int CursorHistory::FirstFreeSlot() const {
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (!SlotUsed(slot)) return slot;
  }
  return NoSlot;
}

int CursorHistory::Claim(int slot) const {
  return slot >= 0 && slot < SlotCount && !SlotUsed(slot) ? slot : NoSlot;
}

std::vector<int> CursorHistory::Add(std::string name, int slot) {
  slot = Claim(slot);
  std::vector<int> freed;
  const auto same = std::find_if(items_.begin(), items_.end(), [&](const Item& item) { return SameFileName(item.name, name); });
  if (same != items_.end()) {
    if (same->thumbnail != NoSlot) freed.push_back(same->thumbnail);
    items_.erase(same);
  }
  items_.insert(items_.begin(), {std::move(name), slot});
  if (items_.size() > MaxItems) {
    if (items_.back().thumbnail != NoSlot) freed.push_back(items_.back().thumbnail);
    items_.pop_back();
  }
  return freed;
}

int CursorHistory::MoveToTop(std::size_t index, int slot) {
  if (index >= items_.size()) return NoSlot;
  slot = Claim(slot);
  Item item = std::move(items_[index]);
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  const int freed = item.thumbnail;
  item.thumbnail = slot;
  items_.insert(items_.begin(), std::move(item));
  return freed;
}

CursorHistory::Removal CursorHistory::Remove(std::size_t index) {
  Removal removal;
  if (index < items_.size()) {
    removal.freedSlot = items_[index].thumbnail;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  }
  if (!items_.empty()) removal.selection = static_cast<int>(std::min(index, items_.size() - 1));
  return removal;
}

bool CursorHistory::SetThumbnail(std::size_t index, int slot) {
  if (index >= items_.size() || items_[index].thumbnail != NoSlot || Claim(slot) == NoSlot) return false;
  items_[index].thumbnail = slot;
  return true;
}
