// Every command that takes an input, fed each kind of bad input a user can
// give: the message it answers with, and a session left as it was.
#include "app/cli.h"
#include "shell/registry.h"
#include "table/session.h"

#include "session_invariants.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>

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
    // The word after the verb that picks one of its rows (null: none).
    const char* choice = nullptr;
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
// A file the system cannot write: the message names it («NAME.doc») and
// gives the system's reason after it.
constexpr const char16_t* kCannotWrite = u"تعذر حفظ الملف ";
// The word statistics and the phrase list.
constexpr const char16_t* kBothWords = u"أكتب بداية الكلمة ونهايتها أيضا";
constexpr const char16_t* kWordLength = u"أكتب عدد حروف الكلمة في مربع البحث";
// A message that names a file and the reason it cannot be read or written.
constexpr const char16_t* kFileMessage = u"\x1";

#define ALL(m)                                                                                     \
    { m, m, m, m, m, m, m, m, m }
// A term: only nothing (or the placeholder, in the search box) is refused.
#define TERM(m)                                                                                    \
    { m, ok, m, ok, ok, ok, ok, ok, ok }
#define ALL_BUT_FIRST(m) m, m, m, m, m, m, m, m
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

// The name of a Word file, as typed into the save dialog: nothing (a
// cancelled dialog) writes nothing, any other name is written, but one too
// long for the system.
#define FILE_NAME                                                                                  \
    { kSilent, ok, ok, ok, ok, ok, ok, ok, kCannotWrite }

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
    {"export-display", 0, FILE_NAME},
    {"export-letters", 0, FILE_NAME},
    {"export-table", 0, FILE_NAME},
    {"export-table-texts", 0, FILE_NAME},
    {"export-selected", 0, FILE_NAME},
    {"export-selected-texts", 0, FILE_NAME},
    {"export-separated", 0, FILE_NAME},
    {"export-merged", 0, FILE_NAME},
    // The UTF-8 exports append their own ending.
    {"export-csv", 0, {kSilent, ok, ok, ok, ok, ok, ok, ok, kFileMessage}},
    {"export-selected-csv", 0, {kSilent, ok, ok, ok, ok, ok, ok, ok, kFileMessage}},
    {"export-html", 0, {kSilent, ok, ok, ok, ok, ok, ok, ok, kFileMessage}},
    {"chart-surah", 0, ALL(u"SURAH must be a whole number from 1 to 114")},

    // The table operations and the choosers.
    {"within", 0, ALL(u"يجب عليك كتابة حدي الحصر لعدد الكلمات"), "words"},
    {"within", 1, ALL(u"يجب عليك كتابة حدي الحصر لعدد الكلمات"), "words"},
    {"outside", 0, ALL(u"يجب عليك كتابة حدي الحصر لعدد الحروف"), "letters"},
    {"outside", 1, ALL(u"يجب عليك كتابة حدي الحصر لعدد الحروف"), "letters"},
    {"divisible", 0, ALL(u"أدخل عددا طبيعيا أكبر من الصفر"), "surah"},
    {"select", 0, ALL(u"FIRST must be a whole number from 1 to 6236")},
    {"select", 1, ALL(u"LAST must be a whole number from 1 to 6236")},
    {"choose-surahs", 0, ALL(u"K must be a whole number from 1 to 114")},
    {"choose-verses", 0,
     ALL(u"SURAH:VERSE must name a verse: a surah from 1 to 114, a colon and one of its verses, "
         u"as 2:255")},
    // The word statistics; words that begin with spaces are none, and open
    // the word window empty.
    {"words-begin", 0, TERM(u"أكتب بداية الكلمة في مربع البحث")},
    {"words-end", 0, TERM(u"أكتب نهاية الكلمة في مربع البحث")},
    {"words-containing", 0, TERM(u"أكتب المطلوب في مربع البحث")},
    {"words-letters-in-order", 0, TERM(u"أكتب المطلوب في مربع البحث")},
    {"words-letters-any-order", 0, TERM(u"أكتب المطلوب في مربع البحث")},
    {"words-begin-end", 0, PHRASES(kBothWords)},
    {"words-begin-end", 1, PHRASES(kBothWords)},
    {"words-length", 0, COUNT(kWordLength)},
    // In the word window, filled with the words of the whole text.
    {"word-order", 0, ALL(u"K must be a whole number from 0 to 4")},
    {"word-show", 0, ALL(u"ROW must be a whole number from 1 to 13142")},
    {"word-within", 0, ALL(u"يجب عليك كتابة حدي الحصر لعدد حروف الكلمة"), "letters"},
    {"word-within", 1, ALL(u"يجب عليك كتابة حدي الحصر لعدد حروف الكلمة"), "letters"},
    {"word-outside", 0, ALL(u"يجب عليك كتابة حدي الحصر لتكرار الكلمة"), "repetition"},
    {"word-outside", 1, ALL(u"يجب عليك كتابة حدي الحصر لتكرار الكلمة"), "repetition"},
    {"word-divisible", 0, ALL(u"أدخل عددا طبيعيا أكبر من الصفر"), "order"},
    {"word-select", 0, ALL(u"FIRST must be a whole number from 1 to 13142")},
    {"word-select", 1, ALL(u"LAST must be a whole number from 1 to 13142")},
    {"word-export", 0, FILE_NAME},
    // The phrase list: any text but the empty one is a phrase; the list to
    // delete from and to save holds one.
    {"phrase", 0, {kSilent, ok, ok, ok, ok, ok, ok, ok, ok}},
    {"phrase-delete", 0, ALL(u"INDEX must be a whole number from 1 to 1")},
    {"phrases-whole", 0, ALL(u"phrases-whole takes on or off")},
    {"phrases-save", 0, {kSilent, ok, ok, ok, ok, ok, ok, ok, kFileMessage}},
    {"phrases-load", 0, {kSilent, ALL_BUT_FIRST(kFileMessage)}},
    // The factorization window drops every key but the digits (and takes
    // '+' as its cancel); a twentieth digit has its message.
    {"factorize",
     0,
     {kSilent, kSilent, kSilent, kSilent, kSilent, ok, ok,
      u"هذا أقصى عدد من الأرقام يمكن معالجته في هذا البرنامج", kSilent}},
};

// The commands a verb needs to have run before it: the window it belongs to
// open, a phrase in the list.
QStringList prepared_by(const QString& verb) {
    if (verb.startsWith(QStringLiteral("surahs-")))
        return {QStringLiteral("surahs")};
    if (find_verb(verb)->window == WindowId::WordSort)
        return {QStringLiteral("words-of-table")};
    if (verb == QStringLiteral("phrase-delete") || verb == QStringLiteral("phrases-save"))
        return {QStringLiteral("phrase"), QStringLiteral("الله")};
    return {};
}

// The inputs a command takes on the command line.
int typed_inputs(const Command& c) {
    if (c.kind == ItemKind::Check)
        return 1;
    int named = 0;
    for (const Input& in : c.inputs)
        named += !in.name.isEmpty();
    return named;
}

// The working folder, for as long as this lives.
struct WorkingFolder {
    QString previous = QDir::currentPath();
    explicit WorkingFolder(const QString& path) { QDir::setCurrent(path); }
    ~WorkingFolder() { QDir::setCurrent(previous); }
};

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
    // The files the commands write go to a folder of the test's own.
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const WorkingFolder in(work.path());
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
            // The surah statistics run in the surah table, and so on.
            if (const QStringList before = prepared_by(verb); !before.isEmpty()) {
                ASSERT_EQ(run_cli_command(p, before, err), 0);
            }
            const Snapshot before(p.main);
            QStringList command{verb};
            if (e.choice)
                command << QString::fromLatin1(e.choice);
            for (int i = 0; i < typed_inputs(*c); ++i)
                command << (i == e.position ? kBadKinds[k] : QStringLiteral("1"));
            const int status = run_cli_command(p, command, err);
            err.flush();
            const char16_t* answer = e.answers[k];
            if (answer == kCannotWrite) {
                EXPECT_EQ(status, 1);
                EXPECT_TRUE(errText.startsWith(verb + QStringLiteral(": ") + q(answer) +
                                               named(kBadKinds[k] + QStringLiteral(".doc")) +
                                               QStringLiteral(": ")));
                EXPECT_TRUE(Snapshot(p.main) == before) << "the session changed";
            } else if (answer == kFileMessage) {
                EXPECT_EQ(status, 1);
                EXPECT_TRUE(errText.startsWith(verb + QStringLiteral(": "))) << errText.size();
                EXPECT_TRUE(Snapshot(p.main) == before) << "the session changed";
            } else if (answer && *answer) {
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
        if (e.choice)
            raw << e.choice;
        for (int i = 0; i < typed_inputs(*c); ++i)
            raw << (i == e.position ? QByteArray("\xff\xfe") : QByteArray("1"));
        QString message;
        EXPECT_FALSE(decode_arguments(raw, message));
        const int before = e.choice ? 1 : 0; // the choice word comes first
        EXPECT_TRUE(message.contains(QStringLiteral("argument %1 (input %2 of \"%3\") is not UTF-8")
                                         .arg(e.position + 2 + before)
                                         .arg(e.position + 1 + before)
                                         .arg(verb)))
            << message.toStdString();
    }
}
