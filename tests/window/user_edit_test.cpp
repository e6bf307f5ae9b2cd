// SPDX-License-Identifier: GPL-3.0-or-later
// An edit as the text widget hands it over: applied where it was made, the
// blanks around a paste, and the control characters that no field keeps.
#include "user_edit.h"

#include <gtest/gtest.h>

namespace window {
namespace {

struct EditCase {
    const char *name;
    const char *current;
    TextEdit edit;
    const char *expected;
};

// "100" selected whole and "100" pasted over it is no insertion after "100".
const EditCase kEdits[] = {
    {"TypeAtEnd", "12", {2, 0, "3"}, "123"},
    {"ReplaceTheSelection", "123456", {1, 3, "x"}, "1x56"},
    {"PasteOverTheSameText", "100", {0, 3, "100", EditSource::Pasted}, "100"},
    {"DeleteOne", "123456", {4, 1, ""}, "12346"},
    {"MultiByteCharacters", "µµ1", {1, 1, "€"}, "µ€1"},
    {"BeyondTheTextIsClamped", "1", {9, 4, "2"}, "12"},
};

class AppliedEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(AppliedEdit, ReplacesTheRangeItNames) {
    const EditCase &c = GetParam();
    EXPECT_EQ(Applied(c.current, c.edit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AppliedEdit, ::testing::ValuesIn(kEdits),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PastedText, LosesItsBlanksAndLineBreaksAroundOnly) {
    const std::pair<const char *, const char *> cases[] = {
        {" \t4700\r\n", "4700"}, {"100nF\n", "100nF"},
        {"4n7\n\n", "4n7"},      {"\u00A0 1 000\u202F", "1 000"},
        {"1000\u202F", "1000"},  {"\r\n", ""},
        {"4\n7", "4\n7"},
    };
    for (const auto &[pasted, trimmed] : cases)
        EXPECT_EQ(TrimPasted(pasted), trimmed) << pasted;
    EXPECT_EQ(TrimPasted(std::string(100000, ' ') + "4n7" + std::string(100000, '\t')), "4n7");
}

TEST(ControlCharacters, AreFoundAndDropped) {
    EXPECT_TRUE(HasControlCharacter("5\t"));
    EXPECT_TRUE(HasControlCharacter("4\u00857")); // a C1 control, two bytes
    EXPECT_FALSE(HasControlCharacter("1\u00A0000µ"));
    EXPECT_EQ(WithoutControlCharacters("\x1B"
                                       "5\x7F\t"),
              "5");
}

TEST(CharacterCount, CountsCodePointsOfUtf8) {
    EXPECT_EQ(CharacterCount(""), 0u);
    EXPECT_EQ(CharacterCount("123456"), 6u);
    EXPECT_EQ(CharacterCount("1\u00A0000"), 5u);
    EXPECT_EQ(CharacterCount("€😀"), 2u);
    EXPECT_EQ(CharacterCount("\x80\x80"), 1u); // stray continuation bytes do not crash
}

} // namespace
} // namespace window
