// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Ends the application right after `window` has painted its first frame, and
// prints when that was: on the monotonic clock and in the process's CPU
// time, both in milliseconds.
void QuitAfterFirstPaint(QWidget &window);
