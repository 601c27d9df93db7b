// The separated-waw verse text compiled into the program, made from
// data/separated-waw.txt as the program builds (make_corpus_text.cpp): every
// verse followed by one space, verse i (from 1) starting at
// kVerseText[kVerseTextStarts[i - 1]]; kVerseTextStarts[kVerseTextLines] is
// the length of the whole.
#pragma once

#include <QtGlobal>

namespace tallyra {

extern const char16_t kVerseText[];
extern const int kVerseTextLines;
extern const qsizetype kVerseTextStarts[];

} // namespace tallyra
