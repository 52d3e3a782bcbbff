#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/entry_history.h"

namespace {

using List = std::vector<std::string>;

struct MoveCase {
  const char* name;
  List before;
  std::string text;
  List after;
};

class EntryHistoryMove : public testing::TestWithParam<MoveCase> {};

TEST_P(EntryHistoryMove, GivesNewestFirstWithoutCaseDuplicates) {
  List history = GetParam().before;
  MoveToTop(history, GetParam().text);
  EXPECT_EQ(history, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryHistoryMove,
    testing::Values(
        MoveCase{"NewTextGoesFirst", {"b", "c"}, "a", {"a", "b", "c"}},
        MoveCase{"IntoAnEmptyList", {}, "a", {"a"}},
        MoveCase{"ExistingEntryMovesUp", {"b", "a", "c"}, "a", {"a", "b", "c"}},
        MoveCase{"FirstEntryStays", {"a", "b"}, "a", {"a", "b"}},
        MoveCase{"OtherCaseIsReplacedByTheNewSpelling", {"x", "NewFolder", "y"}, "newfolder", {"newfolder", "x", "y"}},
        MoveCase{"EveryCaseTwinGoes", {"ab", "AB", "Ab"}, "aB", {"aB"}},
        MoveCase{"EmptyTextChangesNothing", {"a", "b"}, "", {"a", "b"}},
        // ア and ヂ differ only in a second byte that looks like A and a: two different names.
        MoveCase{"TwoByteCharactersNeverFold", {"ア"}, "ヂ", {"ヂ", "ア"}},
        MoveCase{"LettersBesideTwoByteCharactersFold", {"表a"}, "表A", {"表A"}}),
    [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

}  // namespace
