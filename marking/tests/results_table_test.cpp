// Codes pasted among a chat's words read into the teacher's table, against a real set's sheets.
#include "marking/results_table.h"

#include <gtest/gtest.h>

#include <string>

#include "marking/answer_key.h"
#include "marking/judge.h"
#include "marking/pasted_codes.h"
#include "marking/result_code.h"
#include "marking/set_sheet.h"

namespace mathsheets::marking {
namespace {

const sets::WorksheetSet kSet =
    sets::ParseSet("main?seed=7&variants=4&count=1:2,44:2,67:1,75:1&mode=pupil&marks=80,60,40");

TEST(Results, ReadsCodesOutOfAChat) {
  const SetKey key = SetKeyOf(kSet);
  ASSERT_EQ(key.variants, 4);
  ASSERT_EQ(key.judgedLabels.size(), 4U);
  // "Упростить" is the teacher's to check: five items judged of six.
  EXPECT_EQ(key.judgedLabels[1], (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(key.fingerprint, SetFingerprint(sets::ParseSet("main?seed=7&variants=4&count=1:2,44:"
                                                           "2,67:1,75:1&per-page=2&title=x")));

  const auto code = [&](int variant, std::uint32_t minute, const char* className, const char* name,
                        std::vector<bool> right, std::uint32_t set = 0) {
    return EncodeResultCode(
        {set == 0 ? key.fingerprint : set, variant, minute, className, name, std::move(right)});
  };
  const std::string petya = code(1, 100, "5А", "Петров Петя", {true, true, true, true, true});
  const std::string petyaLater = code(1, 200, "5а", "петров петя", {true, false, true, true, true});
  const std::string masha = code(3, 150, "5Б", "<b>Маша</b>", {false, true, false, true, true});
  const std::string anna = code(2, 120, "10А", "Smith Anna", {true, true, true, true, false});
  std::string damaged = code(4, 1, "5А", "Коля", {true, true, true, true, true});
  damaged[7] = damaged[7] == 'Z' ? 'Y' : 'Z';
  const std::string otherSet = code(1, 1, "5А", "Оля", {true}, key.fingerprint ^ 1);
  const std::string tooMany = code(2, 1, "5А", "Вова", {true, true, true, true, true, true});
  // A code broken after a dash onto the next line.
  std::string broken = code(4, 130, "", "", {true, true, false, false, false});
  broken.insert(broken.find('-') + 1, "\r\n");

  const std::string chat = "Петя: \"" + petyaLater + "\"\nМаша (5Б): " + masha + ", вот!\n" +
                           "Анна: «" + anna + "». И ещё раз: (" + anna + ")\nПетя вчера: " + petya +
                           "\nКоля: " + damaged + ".\n" + otherSet + "; " + tooMany + "\n" +
                           broken + " https://example.org/mathsheets.html#main?seed=7 " +
                           "4000000000 1234567890123456";
  const ResultsTable table = ReadResults(key, *kSet.pupil.marks, chat);
  ASSERT_EQ(table.rows.size(), 4U);
  // By class number, then name.
  EXPECT_EQ(table.rows[0].className, "");
  EXPECT_EQ(table.rows[0].wrong, (std::vector<std::string>{"3", "4", "5"}));
  EXPECT_EQ(table.rows[1].name, "Петров Петя");
  EXPECT_EQ(table.rows[1].right, 4);             // the later check counts, pasted first or not
  EXPECT_EQ(table.rows[1].mark, 5);              // 4 of 5 is the 80 % of a 5 by marks=80,60,40
  EXPECT_EQ(table.rows[2].name, "<В>маша<?в>");  // markup is a name like any other
  EXPECT_EQ(table.rows[2].mark, 4);
  EXPECT_EQ(table.rows[3].name, "Smith Anna");
  EXPECT_EQ(table.rows[3].className, "10А");
  EXPECT_EQ(table.repeated, 1);
  EXPECT_EQ(table.replaced, 1);
  ASSERT_EQ(table.refused.size(), 4U);
  EXPECT_NE(table.refused[0].reason.find("повреждён"), std::string::npos);
  EXPECT_EQ(table.refused[1].reason, "код другого набора");
  EXPECT_NE(table.refused[2].reason.find("в коде 6 заданий"), std::string::npos);
  // The long number looks like a code and is refused; words and links are passed over.
  EXPECT_EQ(table.refused[3].code, "1234567890123456");

  EXPECT_EQ(ResultsCsv(table),
            "\xEF\xBB\xBF"
            "Класс;Фамилия, имя;Вариант;Верно;Из;Отметка;Ошибки\r\n"
            ";;4;2;5;3;3, 4, 5\r\n"
            "5А;Петров Петя;1;4;5;5;2\r\n"
            "5Б;<В>маша<?в>;3;3;5;4;1, 3\r\n"
            "10А;Smith Anna;2;4;5;5;5\r\n");
}

TEST(Results, TheCheckOfAPupilsPageGivesTheRowOfTheTable) {
  // A pupil types every key but the first: the code the page makes reads as the same score.
  const sheet::Worksheet sheet = WorksheetOfSet(kSet, 2);
  const std::vector<MarkedItem> items = MarkedItemsOf(sheet.variants[1]);
  std::vector<std::vector<TypedAnswer>> answers;
  for (const MarkedItem& item : items) {
    std::vector<TypedAnswer> fields;
    for (const KeyField& field : item.key.fields) {
      TypedAnswer typed{field.text, "", "", ""};
      if (field.kind == FieldKind::Fraction) {
        const std::size_t slash = field.text.find('/');
        typed = {"", "", field.text.substr(0, slash), field.text.substr(slash + 1)};
      }
      fields.push_back(typed);
    }
    answers.push_back(fields);
  }
  answers[0][0].text += "1";
  const SheetCheck check = CheckSheet(items, answers);
  EXPECT_EQ(check.judged, 5);
  EXPECT_EQ(check.right, 4);
  const std::string code =
      EncodeResultCode({SetFingerprint(kSet), 2, 5, "6В", "Оля", check.rightItems});
  const ResultsTable table = ReadResults(SetKeyOf(kSet), {}, "Оля: " + code);
  ASSERT_EQ(table.rows.size(), 1U);
  EXPECT_EQ(table.rows[0].wrong, std::vector<std::string>{"1"});
  EXPECT_EQ(table.rows[0].mark, 4);
}

}  // namespace
}  // namespace mathsheets::marking
