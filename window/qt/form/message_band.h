// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QLineEdit;

namespace view {

// The message band (lblEroare) is an alert for assistive technologies: its
// role is AlertMessage and its name is its text.
void MakeAlert(QLabel &band);

// Announces the band's new message: an Alert event, and, where the band was
// already shown with another message, the band shown anew, since the Linux
// accessibility bridge passes on the showing of an alert but not the Alert
// event.
void AnnounceMessage(QLabel &band, bool wasShown);

// The property that keeps an input field's own tooltip while a note stands
// in its place.
inline constexpr const char *kToolTipProperty = "tolvarineToolTip";

// An input field marked as a cause of the message: red on pink instead of
// black on green, and described as invalid to a screen reader; and back.
void ShowMarked(QLineEdit &edit, bool marked);

} // namespace view
