// How the check dialog words a change of a repair: at the page, row and place
// where the user sees it, characters that would not show by their code. The
// list entries of whole candidates are checked in the dialog's own test.
#include <QTest>

#include "ui/RepairTexts.h"

using namespace velmara;

Q_DECLARE_METATYPE(RepairChange)

namespace {

RepairChange Change(RepairKind kind, std::size_t position, std::string from, std::string to) {
  return {kind, position, std::move(from), std::move(to)};
}

}  // namespace

class RepairTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void changes_data() {
    QTest::addColumn<RepairChange>("change");
    QTest::addColumn<QString>("words");
    using K = RepairKind;
    QTest::newRow("substitution") << Change(K::Substitution, 74, "S", "5")
                                  << "第2页 第3行 第4个：S → 5";
    QTest::newRow("first character")
        << Change(K::Substitution, 1, "0", "D") << "第1页 第1行 第1个：0 → D";
    QTest::newRow("a row's check character")
        << Change(K::Substitution, 260, "x", "X") << "第6页 第1行 第10个：x → X";
    QTest::newRow("swap inside a row")
        << Change(K::Swap, 74, "ab", "ba") << "第2页 第3行 第4、5个对调：ab → ba";
    QTest::newRow("swap across rows")
        << Change(K::Swap, 80, "ab", "ba") << "第2页 第3行 第10个、第2页 第4行 第1个对调：ab → ba";
    QTest::newRow("swap across pages")
        << Change(K::Swap, 50, "ab", "ba") << "第1页 第5行 第10个、第2页 第1行 第1个对调：ab → ba";
    QTest::newRow("insertion") << Change(K::Insertion, 123, "", "Q") << "第3页 第3行 第3个：补上 Q";
    QTest::newRow("insertion after the last character")
        << Change(K::Insertion, 261, "", "Q") << "第6页 第2行 第1个：补上 Q";
    QTest::newRow("deletion") << Change(K::Deletion, 17, "k", "") << "第1页 第2行 第7个：删去 k";
    QTest::newRow("a full-width letter shows as it is")
        << Change(K::Substitution, 3, "\xef\xbc\xb3", "S") << "第1页 第1行 第3个：Ｓ → S";
    QTest::newRow("a non-breaking blank by its code")
        << Change(K::Substitution, 3, "\xc2\xa0", "S") << "第1页 第1行 第3个：U+00A0 → S";
    QTest::newRow("a zero-width blank by its code")
        << Change(K::Deletion, 3, "\xe2\x80\x8b", "") << "第1页 第1行 第3个：删去 U+200B";
    QTest::newRow("a full-width blank by its code")
        << Change(K::Substitution, 3, "\xe3\x80\x80", "S") << "第1页 第1行 第3个：U+3000 → S";
  }
  void changes() {
    QFETCH(RepairChange, change);
    QFETCH(QString, words);
    QCOMPARE(ChangeInWords(change), words);
  }
};

QTEST_APPLESS_MAIN(RepairTextsTest)
#include "RepairTextsTest.moc"
