#pragma once

class QLabel;

namespace view {

// The message band (lblEroare) is an alert for assistive technologies: its
// role is AlertMessage and its name is its text.
void MakeAlert(QLabel &band);

// Announces the band's new message: an Alert event, and, where the band was
// already shown with another message, the band shown anew, since the Linux
// accessibility bridge passes on the showing of an alert but not the Alert
// event.
void AnnounceMessage(QLabel &band, bool wasShown);

} // namespace view
