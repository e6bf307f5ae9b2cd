// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>

// A QLineEdit counts its caret in UTF-16 code units, the window model in
// characters (Unicode code points).
namespace view {

std::size_t CaretInCharacters(const QString &text, int utf16Position);
int CaretInUtf16(const QString &text, std::size_t characters);

} // namespace view
