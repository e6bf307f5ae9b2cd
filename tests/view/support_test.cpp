// SPDX-License-Identifier: GPL-3.0-or-later
// The caret's two counts, the user's number format and the display check.
#include "caret.h"
#include "display_check.h"
#include "user_locale.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(Caret, CountsCharactersNotUtf16Units) {
    const QString text = QString::fromUtf8("a\U0001F600b\u00E9c"); // a 😀 b é c
    ASSERT_EQ(text.size(), 6);
    const std::pair<int, std::size_t> positions[] = {{0, 0}, {1, 1}, {3, 2},
                                                     {4, 3}, {5, 4}, {6, 5}};
    for (const auto &[utf16, characters] : positions) {
        EXPECT_EQ(view::CaretInCharacters(text, utf16), characters) << utf16;
        EXPECT_EQ(view::CaretInUtf16(text, characters), utf16) << characters;
    }
    EXPECT_EQ(view::CaretInUtf16(text, 99), 6);
    EXPECT_EQ(view::CaretInCharacters(text, 99), 5u);
}

TEST(NumberFormat, TakesTheSeparatorsOfTheLocale) {
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"en_US", ".", ","},
        {"ro_RO", ",", "."},
        {"de_CH", ".", "\u2019"},
        {"fr_FR", ",", "\u202F"},
    };
    for (const auto &[name, decimal, group] : cases) {
        const runtime::NumberFormat format = view::NumberFormatOf(QLocale(QString::fromUtf8(name)));
        EXPECT_EQ(format.decimal, decimal) << name;
        EXPECT_EQ(format.group, group) << name;
    }
}

// Sets environment variables for one test and puts them back after it.
class Environment {
public:
    void Set(const char *name, const char *value) {
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name)
                                       ? std::optional<QByteArray>(qgetenv(name))
                                       : std::nullopt);
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~Environment() {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                qputenv(it->first, *it->second);
            else
                qunsetenv(it->first);
        }
    }

private:
    std::vector<std::pair<const char *, std::optional<QByteArray>>> m_saved;
};

TEST(Display, IsFoundThroughTheEnvironment) {
    struct Case {
        const char *display, *wayland, *platform;
        bool available;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, false},    {"", "", "", false},
        {":0", nullptr, nullptr, true},        {nullptr, "wayland-0", nullptr, true},
        {nullptr, nullptr, "offscreen", true},
    };
    for (const Case &c : cases) {
        Environment environment;
        environment.Set("DISPLAY", c.display);
        environment.Set("WAYLAND_DISPLAY", c.wayland);
        environment.Set("QT_QPA_PLATFORM", c.platform);
        EXPECT_EQ(view::DisplayAvailable(), c.available)
            << (c.display ? c.display : "-") << " " << (c.wayland ? c.wayland : "-") << " "
            << (c.platform ? c.platform : "-");
    }
}

} // namespace
