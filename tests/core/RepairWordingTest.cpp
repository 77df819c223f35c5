// The wording of the check-and-repair box: places, changes, candidates, the
// length, the rows, the characters outside the alphabet, and the layout of
// the typed text.
#include "core/RepairWording.h"

#include <gtest/gtest.h>

namespace velmara::repair_wording {
namespace {

TEST(RepairWordingTest, ChangesNameTheirPlacesAsTheWindowShowsThem) {
  struct Case {
    const char* what;
    RepairChange change;
    const char* words;
  };
  const Case cases[] = {
      {"substitution on page 2",
       {RepairKind::Substitution, 74, "S", "5"},
       "第2页 第3行 第4个：S → 5"},
      {"first character", {RepairKind::Substitution, 1, "0", "D"}, "第1页 第1行 第1个：0 → D"},
      {"a row's check character",
       {RepairKind::Substitution, 260, "x", "X"},
       "第6页 第1行 第10个：x → X"},
      {"swap inside a row on page 2",
       {RepairKind::Swap, 74, "ab", "ba"},
       "第2页 第3行 第4、5个对调：ab → ba"},
      {"swap across rows of a page",
       {RepairKind::Swap, 80, "ab", "ba"},
       "第2页 第3行 第10个、第2页 第4行 第1个对调：ab → ba"},
      {"insertion on page 3", {RepairKind::Insertion, 123, "", "Q"}, "第3页 第3行 第3个：补上 Q"},
      {"insertion after the last character",
       {RepairKind::Insertion, 261, "", "Q"},
       "第6页 第2行 第1个：补上 Q"},
      {"deletion in row 2", {RepairKind::Deletion, 17, "k", ""}, "第1页 第2行 第7个：删去 k"},
      {"a full-width blank is named",
       {RepairKind::Substitution, 3, "\u3000", "S"},
       "第1页 第1行 第3个：U+3000 → S"},
      {"swap inside a row",
       {RepairKind::Swap, 42, "EV", "VE"},
       "第1页 第5行 第2、3个对调：EV → VE"},
      {"swap across two rows",
       {RepairKind::Swap, 50, "ab", "ba"},
       "第1页 第5行 第10个、第2页 第1行 第1个对调：ab → ba"},
      {"insertion", {RepairKind::Insertion, 1, "", "Q"}, "第1页 第1行 第1个：补上 Q"},
      {"deletion", {RepairKind::Deletion, 61, "x", ""}, "第2页 第2行 第1个：删去 x"},
      {"a full-width letter shows as it is",
       {RepairKind::Substitution, 3, "\uFF21", "A"},
       "第1页 第1行 第3个：\uFF21 → A"},
      {"a non-breaking blank is named",
       {RepairKind::Substitution, 3, "\u00A0", "A"},
       "第1页 第1行 第3个：U+00A0 → A"},
      {"a zero-width blank is named",
       {RepairKind::Deletion, 9, "\u200B", ""},
       "第1页 第1行 第9个：删去 U+200B"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ChangeInWords(c.change), c.words);
  }
}

TEST(RepairWordingTest, CandidatesListTheirChangesOneALine) {
  RepairCandidate two;
  two.plausible = true;
  two.changes = {{RepairKind::Substitution, 24, "O", "a"}, {RepairKind::Swap, 42, "EV", "VE"}};
  EXPECT_EQ(CandidateInWords(two, 1),
            "1. 第1页 第3行 第4个：O → a\n    第1页 第5行 第2、3个对调：EV → VE");

  RepairCandidate odd;
  odd.changes = {{RepairKind::Substitution, 5, "g", "q"}};
  EXPECT_EQ(CandidateInWords(odd, 3), "3. 第1页 第1行 第5个：g → q\n    （队伍数据不寻常）");

  RepairCandidate unchanged;
  unchanged.plausible = true;
  EXPECT_EQ(CandidateInWords(unchanged, 1), "1. 无需修改");
}

TEST(RepairWordingTest, LengthAgainstTheNearestType) {
  struct Case {
    std::size_t characters;
    const char* tail;
  };
  const Case cases[] = {
      {0, ""},
      {16, "：正好是铜"},
      {15, "：比铜少 1 个"},
      {62, "：比银多 1 个"},
      {259, "：比金少 1 个"},
      {100, "：比银多 39 个"},
      {261, "：比金多 1 个"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.characters);
    EXPECT_EQ(LengthInWords(c.characters),
              "字符数：" + std::to_string(c.characters) + "（铜 16，银 61，金 260）" + c.tail);
  }
}

TEST(RepairWordingTest, RowsThatFailAndThoseThatCheck) {
  const TypedRowCheck checks{true, true}, fails{true, false}, incomplete{false, false};
  struct Case {
    const char* what;
    std::vector<TypedRowCheck> rows;
    const char* words;
  };
  const Case cases[] = {
      {"nothing typed", {}, "行检查：还没有完整的行"},
      {"one row begun", {incomplete}, "行检查：还没有完整的行"},
      {"all check", {checks, checks, incomplete}, "行检查：✓ 完整的 2 行都正确"},
      {"rows on two pages fail",
       {fails, checks, checks, checks, checks, fails, incomplete},
       "行检查：✗ 有误的行：第1页 第1行，第2页 第1行；✓ 其余 4 行正确"},
      {"only failing rows", {fails}, "行检查：✗ 有误的行：第1页 第1行"},
      {"six rows named, seven counted",
       {fails, fails, fails, fails, fails, fails, fails, checks},
       "行检查：✗ 有误的行：第1页 第1行，第1页 第2行，第1页 第3行，第1页 第4行，第1页 第5行，"
       "第2页 第1行，共 7 行；✓ 其余 1 行正确"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TypedPasswordCheck check;
    check.rows = c.rows;
    EXPECT_EQ(RowsInWords(check), c.words);
  }
}

TEST(RepairWordingTest, CharactersOutsideTheAlphabetByPlace) {
  const std::string cleaned =
      "AO\u3000"
      "0lIoBBBBBBBB1";
  const TypedPasswordCheck check = CheckTypedPassword(cleaned);
  ASSERT_EQ(check.invalidPositions.size(), 7u);
  // Six are named, all seven counted.
  EXPECT_EQ(InvalidInWords(check, cleaned),
            "字母表以外的字符：第1页 第1行 第2个 “O”，第1页 第1行 第3个 “U+3000”，"
            "第1页 第1行 第4个 “0”，第1页 第1行 第5个 “l”，第1页 第1行 第6个 “I”，"
            "第1页 第1行 第7个 “o”，共 7 个");
  const std::string six = cleaned.substr(0, cleaned.size() - 1);
  EXPECT_TRUE(InvalidInWords(CheckTypedPassword(six), six).ends_with("第1页 第1行 第7个 “o”"));
  EXPECT_EQ(InvalidInWords(CheckTypedPassword("ABC"), "ABC"), "字母表以外的字符：无");
}

TEST(RepairWordingTest, WhatASearchFound) {
  RepairResult result;
  result.outcome = RepairOutcome::Repaired;
  result.found = 7;
  result.candidates.resize(5);
  EXPECT_EQ(OutcomeInWords(result), "找到 7 个候选密码，最可能的排在最前面。这里列出前 5 个。");
  result.found = 5;
  EXPECT_EQ(OutcomeInWords(result), "找到 5 个候选密码，最可能的排在最前面。");
  result.outcome = RepairOutcome::AlreadyValid;
  EXPECT_EQ(OutcomeInWords(result), "这个密码没有错误，可以直接使用。");
  result.outcome = RepairOutcome::WrongLength;
  EXPECT_EQ(OutcomeInWords(result), "字符数和金、银、铜的长度都相差一个以上，无法修复。");
  result.outcome = RepairOutcome::NoCandidate;
  EXPECT_TRUE(OutcomeInWords(result).starts_with("找不到候选密码。"));

  // The decoder's own message comes first, its line ends as LF.
  const std::string mistyped(16, 'A');
  const RepairResult search = RepairPassword(ptBronze, mistyped);
  const std::string words = SearchResultInWords(ptBronze, mistyped, search);
  EXPECT_EQ(words.find("Cannot import password -- There is at least one mistake"), 0u);
  EXPECT_EQ(words.find('\r'), std::string::npos);
  EXPECT_TRUE(words.ends_with(OutcomeInWords(search)));
}

TEST(RepairWordingTest, TheTypedTextInPagesOfRows) {
  const std::vector<CheckLine> lines = CheckLines(61);
  ASSERT_EQ(lines.size(), 9u);  // two headings, seven rows
  EXPECT_EQ(lines[0].kind, CheckLine::PageHeading);
  EXPECT_EQ(lines[6].kind, CheckLine::PageHeading);
  EXPECT_EQ(lines[6].page, 1u);
  EXPECT_EQ(lines[8].kind, CheckLine::Row);
  EXPECT_EQ(lines[8].row, 6u);
  EXPECT_EQ(lines[8].first, 60u);
  EXPECT_EQ(lines[8].count, 1u);
  EXPECT_TRUE(CheckLines(0).empty());
  EXPECT_EQ(PageHeadingInWords(1), "第2页");
}

TEST(RepairWordingTest, FirstCharactersCountsCodePoints) {
  EXPECT_EQ(FirstCharacters("A\u3000B\U0001F600C", 4), "A\u3000B\U0001F600");
  EXPECT_EQ(FirstCharacters("AB", 5), "AB");
  EXPECT_EQ(FirstCharacters("\xFF\xFE", 1), "\xFF");
}

}  // namespace
}  // namespace velmara::repair_wording
