// Every command that takes an input, fed each kind of bad input a user can
// give: the message it answers with, and a session left as it was.
#include "app/cli.h"
#include "shell/registry.h"
#include "table/session.h"

#include "session_invariants.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <map>

using namespace tallyra;

namespace {

struct Snapshot {
    quint64 table;
    QString label, display;
    QStringList letters, ordering;
    int orderingIndex;
    bool ayat, waw;

    explicit Snapshot(const Session& s)
        : table(s.table.revision()), label(s.label), display(s.display.text),
          letters(s.letters.lines()), ordering(s.orderingItems), orderingIndex(s.orderingIndex),
          ayat(s.ayat), waw(s.waw) {}
    bool operator==(const Snapshot&) const = default;
};

const QString kBadKinds[] = {
    QString(),                              // empty
    QStringLiteral("   "),                  // spaces
    kSearchPlaceholder,                     // the placeholder
    QStringLiteral("xyz"),                  // letters where digits are asked
    QStringLiteral("١٢"),                   // Arabic-Indic digits
    QStringLiteral("-3"),                   // a sign
    QStringLiteral("2147483648"),           // beyond 32 bits
    QStringLiteral("18446744073709551616"), // beyond 64 bits
    QString(100000, QChar(0x0628)),         // 100 000 characters
};
const char* const kKindNames[] = {"empty", "spaces",    "placeholder", "letters", "arabic-digits",
                                  "sign",  "beyond-32", "beyond-64",   "100000"};

// The answer to each bad input, in the order of kBadKinds: the message, or
// an empty text for an input that is a valid one for the command (a search
// for it runs), or null for one the command takes as nothing to do.
struct Expected {
    const char* verb;
    int position; // of the input within the command
    const char16_t* answers[std::size(kBadKinds)];
};

constexpr const char16_t* ok = u"";
constexpr const char16_t* kNoTerm = u"أكتب نصا للبحث عنه";
constexpr const char16_t* kNoPhrase = u"أكتب المُراد البحث عنه في مربع البحث";
constexpr const char16_t* kBothVerse = u"أكتب البداية والنهاية للآية الكريمة";
constexpr const char16_t* kBothSurah = u"أكتب البداية والنهاية للسور";
constexpr const char16_t* kLetters = u"أكتب عدد حروف الآية في مربع البحث";
constexpr const char16_t* kWords = u"أكتب عدد كلمات الآية في مربع البحث";
constexpr const char16_t* kBadNumber = u"هناك خطأ في كتابة الرقم";
constexpr const char16_t* kNoWord = u"قد تجاوزت عدد الكلمات الموجودة في النص";
constexpr const char16_t* kNoLetter = u"لا يوجد هذا الرقم لقد تجاوزت الحدود";
// An empty answer to a number dialog ends the command silently.
constexpr const char16_t* kSilent = nullptr;

#define ALL(m)                                                                                     \
    { m, m, m, m, m, m, m, m, m }
// A term: only nothing (or the placeholder, in the search box) is refused.
#define TERM(m)                                                                                    \
    { m, ok, m, ok, ok, ok, ok, ok, ok }
#define PHRASES(m)                                                                                 \
    { m, ok, ok, ok, ok, ok, ok, ok, ok }
// A count of the verse statistics.
#define COUNT(m)                                                                                   \
    { m, m, m, m, kBadNumber, m, kBadNumber, kBadNumber, m }
// A position of the word and letter lookups.
#define POSITION(out)                                                                              \
    {                                                                                              \
        kSilent, kBadNumber, kBadNumber, kBadNumber, kBadNumber, out, kBadNumber, kBadNumber,      \
            kBadNumber                                                                             \
    }

const Expected kExpected[] = {
    {"search", 0, TERM(kNoTerm)},
    {"search-table", 0, TERM(kNoTerm)},
    {"order", 0, ALL(u"ITEM must be a whole number from 0 to 4")},
    {"show", 0, ALL(u"ROW must be a whole number from 1 to 6236")},
    {"surahs-begin", 0, TERM(kNoTerm)},
    {"surahs-end", 0, TERM(kNoTerm)},
    {"surahs-begin-end", 0, PHRASES(kBothSurah)},
    {"surahs-begin-end", 1, PHRASES(kBothSurah)},
    {"begins", 0, TERM(kNoPhrase)},
    {"ends", 0, TERM(kNoPhrase)},
    {"begins-ends", 0, PHRASES(kBothVerse)},
    {"begins-ends", 1, PHRASES(kBothVerse)},
    {"letters", 0, COUNT(kLetters)},
    {"words", 0, COUNT(kWords)},
    {"word-at", 0, POSITION(kNoWord)},
    {"word-in-table", 0, POSITION(kNoWord)},
    {"letter-at", 0, POSITION(kNoLetter)},
    {"letter-in-table", 0, POSITION(kNoLetter)},
    {"letters-sorted", 0, ALL(u"letters-sorted takes on or off")},
    {"table-only", 0, ALL(u"table-only takes on or off")},
    {"exact", 0, ALL(u"exact takes on or off")},
    {"goto", 0, ALL(u"SURAH must be a whole number from 1 to 114")},
    {"goto", 1, ALL(u"VERSE must be a whole number from 1 to 7")},
    // The factorization window drops every key but the digits (and takes
    // '+' as its cancel); a twentieth digit has its message.
    {"factorize",
     0,
     {kSilent, kSilent, kSilent, kSilent, kSilent, ok, ok,
      u"هذا أقصى عدد من الأرقام يمكن معالجته في هذا البرنامج", kSilent}},
};

// The inputs a command takes on the command line.
int typed_inputs(const Command& c) {
    if (c.kind == ItemKind::Check)
        return 1;
    int named = 0;
    for (const Input& in : c.inputs)
        named += !in.name.isEmpty();
    return named;
}

const Expected* expected_for(const QString& verb, int position) {
    for (const Expected& e : kExpected)
        if (QString::fromLatin1(e.verb) == verb && e.position == position)
            return &e;
    return nullptr;
}

} // namespace

// Every command that reads what a user types has a verb, so that the table
// below reaches it; the others read the choice of a control.
TEST(BadInput, EveryTypedInputIsReachedByTheTable) {
    for (const Command& c : registry()) {
        for (const Input& in : c.inputs) {
            if (in.from == Input::From::Dialog ||
                (in.from == Input::From::SearchBox && !in.name.isEmpty())) {
                EXPECT_FALSE(c.verb.isEmpty()) << c.item.toStdString();
            }
        }
        if (c.verb.isEmpty())
            continue;
        for (int position = 0; position < typed_inputs(c); ++position)
            EXPECT_TRUE(expected_for(c.verb, position))
                << "add the answers of " << c.verb.toStdString() << " input " << position;
    }
}

TEST(BadInput, EachCommandAnswersEachBadInputAndKeepsTheSession) {
    const Program start;
    for (const Expected& e : kExpected) {
        const QString verb = QString::fromLatin1(e.verb);
        const Command* c = find_verb(verb);
        ASSERT_TRUE(c) << e.verb;
        for (size_t k = 0; k < std::size(kBadKinds); ++k) {
            SCOPED_TRACE(std::string(e.verb) + " input " + std::to_string(e.position) + ": " +
                         kKindNames[k]);
            Program p(start);
            QString errText;
            QTextStream err(&errText);
            // The surah statistics run in the surah table.
            if (verb.startsWith(QStringLiteral("surahs-"))) {
                ASSERT_EQ(run_cli_command(p, {QStringLiteral("surahs")}, err), 0);
            }
            const Snapshot before(p.main);
            QStringList command{verb};
            for (int i = 0; i < typed_inputs(*c); ++i)
                command << (i == e.position ? kBadKinds[k] : QStringLiteral("1"));
            const int status = run_cli_command(p, command, err);
            err.flush();
            const char16_t* answer = e.answers[k];
            if (answer && *answer) {
                EXPECT_EQ(status, 1);
                EXPECT_EQ(errText, verb + QStringLiteral(": ") + q(answer) + u'\n');
                EXPECT_TRUE(Snapshot(p.main) == before) << "the session changed";
            } else if (!answer) {
                EXPECT_EQ(status, 0);
                EXPECT_EQ(errText, QString());
                EXPECT_TRUE(Snapshot(p.main) == before) << "the session changed";
            } else {
                EXPECT_EQ(status, 0) << errText.toStdString();
            }
            EXPECT_EQ(program_fault(p), QString());
        }

        // The same input as bytes that are not UTF-8, from a terminal of
        // another encoding.
        QList<QByteArray> raw{e.verb};
        for (int i = 0; i < typed_inputs(*c); ++i)
            raw << (i == e.position ? QByteArray("\xff\xfe") : QByteArray("1"));
        QString message;
        EXPECT_FALSE(decode_arguments(raw, message));
        EXPECT_TRUE(message.contains(QStringLiteral("argument %1 (input %2 of \"%3\") is not UTF-8")
                                         .arg(e.position + 2)
                                         .arg(e.position + 1)
                                         .arg(verb)))
            << message.toStdString();
    }
}
