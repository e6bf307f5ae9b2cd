#pragma once

class QWidget;

// Ends the application right after `window` has painted its first frame, and
// prints the time of that paint on the monotonic clock, in milliseconds.
void QuitAfterFirstPaint(QWidget &window);
