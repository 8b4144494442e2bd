#pragma once

#include <QString>

// What a Japanese input method or a Japanese web page writes for a digit, made the digit the
// program reads: one place for the spin boxes and for pasted tables alike.
namespace calc {

// Whether `c` is a full-width digit (０ to ９).
bool isFullWidthDigit(QChar c);

// `text` with every full-width digit made the ASCII digit it stands for, and nothing else
// changed; each character stays one character, so a cursor keeps its place.
QString asciiDigits(QString text);

} // namespace calc
