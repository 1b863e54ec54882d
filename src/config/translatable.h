#pragma once

// Marks a text that the window translates where it shows it, in the context given; the
// text itself is the English that wl3 prints and the tests expect. lupdate finds the marks
// through -tr-function-alias QT_TRANSLATE_NOOP+=WL3_TR, so that a table without Qt in it
// can hold translatable texts.
#define WL3_TR(context, text) text
