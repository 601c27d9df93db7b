// The nabra mark: the letter «ى» right before one of «ك ل م ن ه ة». The
// verses and the surahs that carry it, with the number of marks in each.
#pragma once

#include "statistics/word_statistics.h"
#include "table/session.h"

#include <QStringList>

namespace tallyra {

// The six letters that make a mark after «ى», in their order.
const QString& nab();
// The six two-letter marks, «ىك» to «ىة».
QStringList nabra_marks();

// The number of marks in `text`.
int nabra_count(QStringView text);

// The verses that carry the mark, read as the verse statistics read them.
void N46Click(Session& session);
// The surahs that carry the mark.
void N01Click(Session& session);
// The distinct words that carry the mark, read as the word statistics read
// their words.
void N02Click(Session& session, WordFindings& out);

} // namespace tallyra
