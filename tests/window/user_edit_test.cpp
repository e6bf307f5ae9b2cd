// SPDX-License-Identifier: GPL-3.0-or-later
// Recovering a user's edit from a text widget's report, the blanks around a
// paste, and the limit on what a user may put into a field.
#include "user_edit.h"

#include <gtest/gtest.h>

namespace window {
namespace {

struct EditCase {
    const char *name;
    const char *current;
    const char *proposed;
    std::size_t caret;
    std::optional<std::size_t> limit;
    const char *expected;
    std::size_t expectedCaret;
    bool changed;
    bool pasteRefused = false;
    std::size_t selected = 0; // of a refused paste: the selection it went over
};

const EditCase kEditCases[] = {
    {"TypeAtEnd", "12", "123", 3, 6, "123", 3, true},
    {"TypeInMiddle", "1256", "12356", 3, 6, "12356", 3, true},
    {"SeventhCharacterRefused", "123456", "1234567", 7, 6, "123456", 6, false},
    {"SeventhCharacterInMiddleRefused", "123456", "1293456", 3, 6, "123456", 2, false},
    // A paste that does not fit is refused whole; the selection stays.
    {"PasteTooLongAtEnd", "12", "1234567890", 10, 6, "12", 2, false, true, 0},
    {"PasteTooLongInMiddle", "1234", "1299934", 5, 6, "1234", 2, false, true, 0},
    {"PasteTooLongOverSelection", "123456", "1abcdef6", 7, 6, "123456", 1, false, true, 4},
    {"PasteFillingTheField", "12", "123456", 6, 6, "123456", 6, true},
    // Blanks, tabs and line breaks around a paste are dropped first.
    {"PasteTrimmed", "0", " \t4700\r\n", 8, 6, "4700", 4, true},
    {"PasteTrimmedToFit", "1", "1 \u00A023456\u202F\n", 10, 6, "123456", 6, true},
    {"PasteTrimmedOverSelection", "12345", "1\n99\t5", 5, 6, "1995", 3, true},
    {"PasteOfBlanksOnlyDeletesTheSelection", "123", "1\r\n3", 3, 6, "13", 1, true},
    {"InnerBlanksOfAPasteStay", "", "1 000", 5, 6, "1 000", 5, true},
    {"TypedBlankStays", "5", "5 ", 2, 6, "5 ", 2, true},
    {"TrimmedPasteStillTooLong", "", " 1234567 ", 9, 6, "", 0, false, true, 0},
    {"TypeOverSelectionInFullField", "123456", "1x56", 2, 6, "1x56", 2, true},
    {"DeleteOne", "123456", "12346", 4, 6, "12346", 4, true},
    {"DeleteAll", "123456", "", 0, 6, "", 0, true},
    {"DeleteInOverlongProgramText", "5000000", "500000", 6, 6, "500000", 6, true},
    {"TypeInOverlongProgramTextRefused", "5000000", "50000001", 8, 6, "5000000", 7, false},
    // The caret tells which of two equal readings the user meant.
    {"RepeatedCharactersAtCaret", "ab", "abab", 3, 3, "ab", 1, false, true, 0},
    {"RepeatedCharactersAtEnd", "ab", "abab", 4, 3, "ab", 2, false, true, 0},
    {"NoLimit", "0", "0123456789", 10, std::nullopt, "0123456789", 10, true},
    {"NoLimitTrimsAPaste", "", "\n0123456789 ", 12, std::nullopt, "0123456789", 10, true},
    {"NothingChanged", "42", "42", 2, 6, "42", 2, false},
    // Characters, not bytes: "µ" and "€" are two and three bytes long.
    {"MultiByteCountsOnce", "µµµµµ", "µµµµµ€", 6, 6, "µµµµµ€", 6, true},
    {"MultiBytePasteRefused", "1,5", "1,5€€€€€", 8, 6, "1,5", 3, false, true, 0},
    {"CaretBeyondTextIsClamped", "1", "12", 99, 6, "12", 2, true},
};

void PrintTo(const EditCase &c, std::ostream *os) {
    *os << c.name;
}

class UserEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(UserEditTest, AppliesTheEditWithinTheLimit) {
    const EditCase &c = GetParam();
    const EditedText result = ApplyUserEdit(c.current, c.proposed, c.caret, c.limit);
    EXPECT_EQ(result.text, c.expected);
    EXPECT_EQ(result.caret, c.expectedCaret);
    EXPECT_EQ(result.changed, c.changed);
    EXPECT_EQ(result.pasteRefused, c.pasteRefused);
    EXPECT_EQ(result.selected, c.selected);
    if (c.limit && c.changed && CharacterCount(c.current) <= *c.limit) {
        EXPECT_LE(CharacterCount(result.text), *c.limit);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, UserEditTest, ::testing::ValuesIn(kEditCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CharacterCount, CountsCodePointsOfUtf8) {
    EXPECT_EQ(CharacterCount(""), 0u);
    EXPECT_EQ(CharacterCount("123456"), 6u);
    EXPECT_EQ(CharacterCount("1\u00A0000"), 5u);
    EXPECT_EQ(CharacterCount("€😀"), 2u);
    EXPECT_EQ(CharacterCount("\x80\x80"), 1u); // stray continuation bytes do not crash
}

} // namespace
} // namespace window
