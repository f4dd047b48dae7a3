// Labels that stand at fixed places with a fixed room for their text: when the program's font
// (or a longer text in another language) would run the text past that room, the label's font is
// narrowed horizontally, down to half its width, until the text fits. It assumes the label's own
// font is the one it inherits from its window.
#pragma once

class QLabel;

// Narrows `label`'s font until its text takes at most `room` pixels; the label's size stays.
// Each call starts again from the window's font, so it may follow every change of the text.
void narrowToFit(QLabel* label, int room);
