// The command-line front end: its output, its command chains and its refusals.
#include "app/cli.h"
#include "shell/registry.h"
#include "table/session.h"

#include "cli_json_check.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

using namespace tallyra;

namespace {

struct CliRun {
    int status;
    QStringList out; // lines of standard output
    QString err;
};

CliRun run(const QStringList& args) {
    const CliOutput r = run_cli_captured(args);
    QStringList lines = r.out.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return {r.status, lines, r.err};
}

// Runs the command line as given and, with --format json, once more (see
// cli_json_check.h).
CliRun cli(const QStringList& args) {
    const CliRun text = run(args);
    QString out;
    for (const QString& line : text.out)
        out += line + u'\n';
    expect_json_run_matches(args, text.status, out, text.err);
    return text;
}

const QString kStartSummary =
    q(u"عدد الآيات 6236     مجموع الكلمات 86968      مجموع الحروف 322604");

} // namespace

TEST(Cli, NoCommandPrintsTheStartUpTable) {
    const CliRun r = cli({});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.out.size(), 1 + 6237);
    EXPECT_EQ(r.out[0], kStartSummary);
    EXPECT_EQ(r.out[1], q(u"index\tالترتيب\tإسم السورة\tرقم الآية\tنص الآية الكريمة\tعدد "
                          u"الكلمات\tعدد الحروف\tالتكرار"));
    EXPECT_EQ(r.out[2], q(u"1\t1\t001-الفاتحة\t1\tبسم الله الرحمن الرحيم\t4\t19\t0"));
    EXPECT_TRUE(r.err.isEmpty());
}

TEST(Cli, ChainedCommandsRunInOrderOnOneSession) {
    const CliRun r = cli({q(u"waw"), q(u"+"), q(u"surahs")});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.out.size(), 1 + 115);
    EXPECT_EQ(r.out[0], QString());
    EXPECT_EQ(r.out[2], q(u"1\t001\tالفاتحة\t007\t0029\t00139\t0"));
    EXPECT_EQ(r.out[115], q(u"114\t114\tالناس\t006\t0020\t00080\t0"));

    const CliRun back = cli({q(u"waw"), q(u"+"), q(u"surahs"), q(u"+"), q(u"verses")});
    EXPECT_EQ(back.status, 0);
    EXPECT_EQ(back.out[0], q(u"عدد الآيات 6236     مجموع الكلمات 77433      مجموع الحروف 322604"));
    EXPECT_EQ(back.out[6], q(u"5\t5\t001-الفاتحة\t5\tاياك نعبد واياك نستعين\t4\t19\t0"));
}

TEST(Cli, LettersPrintsTheLetterList) {
    const CliRun census = cli({q(u"--letters"), q(u"census")});
    EXPECT_EQ(census.status, 0);
    ASSERT_EQ(census.out.size(), 1 + 4 + 1 + 28);
    EXPECT_EQ(census.out[0], kStartSummary);
    EXPECT_EQ(census.out[1], q(u"عدد الآيات   6236"));
    EXPECT_EQ(census.out[4], q(u"الحروف الهجائية 28"));
    EXPECT_EQ(census.out[5], q(u"-------------------"));

    const CliRun start = cli({q(u"--letters")});
    EXPECT_EQ(start.out, QStringList({kStartSummary, q(u"بسم الله")}));
}

TEST(Cli, RefusedAndUnknownCommandsExitWithStatus2) {
    struct Case {
        QStringList args;
        const char16_t* errorPart;
    };
    const Case cases[] = {
        // The verse table is already shown: its button is disabled.
        {{q(u"verses")}, u"verses: هذا الأمر غير متاح في الحالة الحالية"},
        {{q(u"surahs"), q(u"+"), q(u"surahs")}, u"surahs: هذا الأمر غير متاح"},
        {{q(u"frobnicate")}, u"unknown command \"frobnicate\""},
        {{q(u"waw"), q(u"extra")}, u"waw takes 0 input(s), 1 given"},
        {{q(u"+")}, u"a command is missing"},
        {{q(u"waw"), q(u"+")}, u"a command is missing"},
        {{QString()}, u"unknown command"},
        {{q(u"census"), q(u"--letters")}, u"census takes 0 input(s)"},
        {{q(u"--letters"), q(u"--letters")}, u"unknown command \"--letters\""},
        {{QString(5000, u'و'), q(u"+"), q(u"\t\r\n")}, u"unknown command"},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(q(c.errorPart))) << r.err.toStdString();
    }
    EXPECT_TRUE(cli({q(u"nope")}).err.contains(q(u"census")))
        << "an unknown command lists the commands";
}

TEST(Cli, ProgramWritesUtf8) {
    QProcess process;
    process.start(QStringLiteral(TALLYRA_CLI_PATH), {QStringLiteral("--letters"), q(u"census")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], kStartSummary);
    EXPECT_EQ(lines[1], q(u"عدد الآيات   6236"));

    process.start(QStringLiteral(TALLYRA_CLI_PATH), {q(u"بحث")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(q(u"\"بحث\"")));
}

TEST(Cli, OrderShowLettersAndGoTo) {
    const CliRun ordered = cli({q(u"order"), q(u"3")});
    EXPECT_EQ(ordered.status, 0);
    EXPECT_EQ(ordered.out[0], kStartSummary);
    EXPECT_EQ(ordered.out[2], q(u"8\t1\t002-البقرة\t1\tالم\t1\t3\t000"));

    const CliRun shown =
        cli({q(u"--letters"), q(u"letters-sorted"), q(u"off"), q(u"+"), q(u"show"), q(u"1")});
    EXPECT_EQ(shown.status, 0);
    ASSERT_EQ(shown.out.size(), 1 + 2 + 10);
    EXPECT_EQ(shown.out[1], q(u"عدد الحروف 10"));
    EXPECT_EQ(shown.out[3], q(u"001 = ب"));
    EXPECT_EQ(shown.out[5], q(u"003 = م"));

    const CliRun reversed =
        cli({q(u"--letters"), q(u"show"), q(u"1"), q(u"+"), q(u"reverse-letters")});
    EXPECT_EQ(reversed.out[3], q(u"004 = ل"));
    EXPECT_EQ(reversed.out.last(), q(u"001 = ب"));

    // Verse 2:255 is row 262 of the full table.
    const CliRun went = cli({q(u"--letters"), q(u"goto"), q(u"2"), q(u"255")});
    EXPECT_EQ(went.status, 0);
    EXPECT_EQ(went.out, cli({q(u"--letters"), q(u"show"), q(u"262")}).out);
    EXPECT_NE(went.out, shown.out);
    // The go-to button is disabled in the surah table.
    const CliRun surahTable = cli({q(u"surahs"), q(u"+"), q(u"goto"), q(u"1"), q(u"1")});
    EXPECT_EQ(surahTable.status, 2);
}

TEST(Cli, BadInputsOfTheNewCommands) {
    const QStringList bad[] = {
        {q(u"order"), q(u"6")},
        {q(u"order"), q(u"5")},
        {q(u"order"), q(u"x")},
        {q(u"order"), q(u"-1")},
        {q(u"show"), q(u"0")},
        {q(u"show"), q(u"6237")},
        {q(u"show"), q(u"٣")},
        {q(u"letters-sorted"), q(u"yes")},
        {q(u"goto"), q(u"115"), q(u"1")},
        {q(u"goto"), q(u"1"), q(u"8")},
        {q(u"goto"), q(u"99999999999"), q(u"1")},
    };
    for (const QStringList& args : bad) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 1) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(args[0] + u':')) << r.err.toStdString();
    }
}

TEST(Cli, SearchAndStatisticsCommands) {
    struct Case {
        QStringList args;
        const char16_t* summary;
        int rows; // data rows printed
    };
    const Case cases[] = {
        {{q(u"search"), q(u"الله")},
         u"عدد النتائج 2557    عدد الآيات 1746    مجموع الكلمات 39138    مجموع الحروف 143910",
         1746},
        {{q(u"exact"), q(u"on"), q(u"+"), q(u"search"), q(u"الله")},
         u"عدد النتائج 2395    عدد الآيات 1661    مجموع الكلمات 37383    مجموع الحروف 137336",
         1661},
        {{q(u"search"), q(u"الله"), q(u"+"), q(u"search-table"), q(u"الرحمن")}, nullptr, -1},
        {{q(u"word-at"), q(u"2")}, u"الكلمة رقم 2=2   هي كلمة  'الله'   موقعها  % 36.84211", 6236},
        {{q(u"letter-in-table"), q(u"20")},
         u"الحرف رقم 20 = 2.2.5   هو الحرف 'ا'   موقعه % 00.00620",
         6236},
        {{q(u"begins"), q(u"الم")},
         u"عدد الآيات 71    مجموع التكرارات 82    مجموع الكلمات 1302    مجموع الحروف 4661",
         71},
        {{q(u"begins-ends"), q(u"الم"), q(u"الم")}, nullptr, 6},
        {{q(u"words"), q(u"1")}, nullptr, 24},
        {{q(u"repeated-texts")},
         u"عدد الآيات 96    مجموع الكلمات 598    مجموع الحروف 2304    مجموع التكرار 276",
         96},
        {{q(u"identical")}, u"    عدد الآيات 1    مجموع الكلمات 4    مجموع الحروف 19", 1},
        {{q(u"surahs"), q(u"+"), q(u"surahs-begin"), q(u"بسم")},
         u"عدد السور 1   مجموع الآيات 7   مجموع الكلمات 31    مجموع الحروف 139    مجموع التكرار 1",
         1},
        {{q(u"surahs"), q(u"+"), q(u"surahs-begin-end"), q(u"بسم"), q(u"الضالين")}, nullptr, 1},
        {{q(u"nabra-verses")}, u"لا يوجد نتائج", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        ASSERT_GE(r.out.size(), 2);
        if (c.summary) {
            EXPECT_EQ(r.out[0], q(c.summary));
        }
        if (c.rows >= 0) {
            EXPECT_EQ(r.out.size(), 2 + c.rows);
        }
    }

    // The table-only option reads the rows left by the search before it.
    const CliRun within = cli(
        {q(u"table-only"), q(u"on"), q(u"+"), q(u"search"), q(u"الم"), q(u"+"), q(u"distinct")});
    EXPECT_EQ(within.out[0], q(u"عدد الآيات 982    مجموع الكلمات 18777    مجموع الحروف 71273"));
    EXPECT_EQ(within.out.size(), 2 + 982);
    EXPECT_EQ(cli({q(u"search"), q(u"الم")}).out.size(), 2 + 1009);
    // The verses containing the shown one: verse 1 of the search for «الله».
    const CliRun containing = cli({q(u"search"), q(u"الله"), q(u"+"), q(u"containing")});
    EXPECT_EQ(containing.status, 0);
    EXPECT_EQ(containing.out[0],
              q(u"عدد النتائج 2    عدد الآيات 2    مجموع الكلمات 13    مجموع الحروف 52"));
}

TEST(Cli, RefusedSearchAndStatisticsInput) {
    struct Case {
        QStringList args;
        const char16_t* message;
        int status;
    };
    const Case cases[] = {
        {{q(u"search"), QString()}, u"search: أكتب نصا للبحث عنه", 1},
        {{q(u"begins"), kSearchPlaceholder}, u"begins: أكتب المُراد البحث عنه في مربع البحث", 1},
        {{q(u"words"), q(u"x")}, u"words: أكتب عدد كلمات الآية في مربع البحث", 1},
        {{q(u"letters"), q(u"١٢")}, u"letters: هناك خطأ في كتابة الرقم", 1},
        {{q(u"word-at"), q(u"5")}, u"word-at: قد تجاوزت عدد الكلمات الموجودة في النص", 1},
        {{q(u"letter-at"), q(u"99999999999")}, u"letter-at: هناك خطأ في كتابة الرقم", 1},
        {{q(u"begins-ends"), q(u"الم"), QString()}, u"begins-ends: أكتب البداية والنهاية", 1},
        {{q(u"search"), q(u"xyz"), q(u"+"), q(u"search-table"), q(u"الله")},
         u"search-table: لا يوجد آيات لتبحث فيها",
         1},
        {{q(u"exact"), q(u"maybe")}, u"exact: exact takes on or off", 1},
        // The surah statistics need the surah table; the lookups a text.
        {{q(u"surahs-begin"), q(u"الم")}, u"surahs-begin: هذا الأمر غير متاح", 2},
        {{q(u"search"), q(u"xyz"), q(u"+"), q(u"word-at"), q(u"1")},
         u"word-at: هذا الأمر غير متاح",
         2},
        {{q(u"surahs"), q(u"+"), q(u"word-in-table"), q(u"1")},
         u"word-in-table: هذا الأمر غير متاح",
         2},
        {{q(u"surahs"), q(u"+"), q(u"distinct")}, u"distinct: هذا الأمر غير متاح", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(q(c.message))) << r.err.toStdString();
    }
}

// Runs the built program through the shell, which gives what QProcess cannot:
// bytes that are not UTF-8 and a standard output that is full or closed.
struct ShellRun {
    int status;
    QByteArray out;
    QString err;
};

ShellRun shell(const QString& script) {
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), script, QStringLiteral(TALLYRA_CLI_PATH)});
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

// A device on which every write fails, as on a full disk.
class FullDevice : public QIODevice {
public:
    FullDevice() {
        open(QIODevice::WriteOnly);
        setErrorString(QStringLiteral("No space left on device"));
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

TEST(Cli, OutputThatCannotBeWrittenExitsWithStatus3) {
    FullDevice full;
    QString errText;
    QTextStream out(&full), err(&errText);
    EXPECT_EQ(run_cli({q(u"search"), q(u"الله")}, out, err), 3);
    err.flush();
    EXPECT_EQ(errText,
              q(u"tallyra-cli: the output could not be written: No space left on device\n"));

    struct Case {
        const char* script;
        const char16_t* errorPart;
    };
    const Case cases[] = {
        {"\"$0\" search الله > /dev/full", u"could not be written: No space left on device"},
        {"\"$0\" --letters census > /dev/full", u"could not be written"},
        {"\"$0\" search الله >&-", u"could not be written"},
    };
    for (const Case& c : cases) {
        const ShellRun r = shell(QString::fromUtf8(c.script));
        EXPECT_EQ(r.status, 3) << c.script;
        EXPECT_TRUE(r.err.contains(q(c.errorPart))) << r.err.toStdString();
    }
    // A refusal keeps its own status: nothing is written to fail.
    EXPECT_EQ(shell(QStringLiteral("\"$0\" verses > /dev/full")).status, 2);
    EXPECT_EQ(shell(QStringLiteral("\"$0\" words x > /dev/full")).status, 1);
}

TEST(Cli, AnArgumentThatIsNotUtf8IsNamedAndRefused) {
    struct Case {
        QList<QByteArray> raw;
        const char* message; // empty: the arguments are taken
    };
    const QByteArray bad("\xff\xfe");
    const Case cases[] = {
        {{"search", bad}, "argument 2 (input 1 of \"search\") is not UTF-8 text"},
        {{"--letters", "waw", "+", "search", "\xd8"},
         "argument 5 (input 1 of \"search\") is not UTF-8 text"},
        {{"begins-ends", "\xd8\xa7", "a\xc3\x28"},
         "argument 3 (input 2 of \"begins-ends\") is not UTF-8 text"},
        {{bad}, "argument 1 (a command) is not UTF-8 text"},
        {{"waw", "+", "\xed\xa0\x80"}, "argument 3 (a command) is not UTF-8 text"},
        {{"search", "\xf0\x9f\x98"}, "argument 2 (input 1 of \"search\")"},
        {{"search", "\xd8\xa7\xd9\x84\xd9\x84\xd9\x87"}, ""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        QString message;
        const std::optional<QStringList> args = decode_arguments(c.raw, message);
        SCOPED_TRACE(c.message);
        EXPECT_EQ(args.has_value(), *c.message == 0);
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.message))) << message.toStdString();
    }

    const ShellRun r = shell(QStringLiteral("\"$0\" search \"$(printf '\\377\\376')\""));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err, q(u"tallyra-cli: argument 2 (input 1 of \"search\") is not UTF-8 text; set "
                       u"the terminal to UTF-8 and type it again\n"));
}

TEST(Cli, DoubledPlusIsTheInputPlus) {
    // No verse holds "+": a search for it finds nothing, and runs.
    const CliRun plus = cli({q(u"search"), q(u"++")});
    EXPECT_EQ(plus.status, 0) << plus.err.toStdString();
    EXPECT_EQ(plus.out[0], q(u"لا يوجد نتائج"));
    const CliRun chained = cli({q(u"search"), q(u"+++"), q(u"+"), q(u"surahs")});
    EXPECT_EQ(chained.status, 0) << chained.err.toStdString();
    EXPECT_EQ(chained.out.size(), 1 + 115);
    // Each escape drops one "+"; a lone one still separates.
    EXPECT_TRUE(cli({q(u"+++")}).err.contains(q(u"unknown command \"++\"")));
    EXPECT_TRUE(cli({q(u"search"), q(u"+")}).err.contains(q(u"search takes 1 input(s), 0 given")));
    EXPECT_TRUE(cli({q(u"search"), q(u"+a")}).err.isEmpty());
}

// The README's command table and the registry name the same verbs, and the
// help lists each with its inputs and the key of its command.
TEST(Cli, TheReadmeAndTheHelpListEveryVerbOfTheRegistry) {
    QFile readme(QStringLiteral(TALLYRA_README_PATH));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype from = text.indexOf(QStringLiteral("| Command | Does |"));
    ASSERT_GE(from, 0);
    QSet<QString> documented;
    for (const QString& line : text.mid(from).split(u'\n')) {
        if (!line.startsWith(u'|'))
            break;
        // A pipe escaped inside a cell ("on\\|off") divides no cells.
        const QString first =
            QString(line).replace(QStringLiteral("\\|"), QStringLiteral("/")).section(u'|', 1, 1);
        static const QRegularExpression verb(QStringLiteral("`([a-z-]+)[^`]*`"));
        for (const QRegularExpressionMatch& m : verb.globalMatch(first))
            documented.insert(m.captured(1));
    }
    const QSet<QString> registered = registered_verbs();
    EXPECT_EQ(documented - registered, QSet<QString>()) << "in the README only";
    EXPECT_EQ(registered - documented, QSet<QString>()) << "in the registry only";

    const CliRun help = cli({q(u"help")});
    EXPECT_TRUE(
        help.err.contains(q(u"  begins P                 the verses that begin with P (F6)")))
        << help.err.toStdString();
    EXPECT_TRUE(help.err.contains(q(u"  goto SURAH VERSE ")));
    EXPECT_TRUE(help.err.contains(q(u"(F5)")));
    EXPECT_TRUE(help.err.contains(q(u"  exact on|off ")));
}

// While the word sorting window is open its caption, summary line and table
// are the output, and the main window's commands are refused.
TEST(Cli, TheWordWindowPrintsItsOwnOutputUntilItCloses) {
    const CliRun words = cli({q(u"words-of-table")});
    EXPECT_EQ(words.status, 0) << words.err.toStdString();
    ASSERT_EQ(words.out.size(), 3 + 13142);
    EXPECT_EQ(words.out[0], q(u"فرز كلمات كل القرآن الكريم"));
    EXPECT_EQ(words.out[1], q(u"الكلمات 86968    النوع 13142    الحروف 322604"));
    EXPECT_EQ(words.out[2], q(u"index\tالترتيب\tالكلمة\tعدد الحروف\tالتكرار"));
    EXPECT_EQ(words.out[3], q(u"1\t1\tبسم\t3\t0003"));

    const CliRun ordered = cli({q(u"--letters"), q(u"words-of-table"), q(u"+"), q(u"word-order"),
                                q(u"4"), q(u"+"), q(u"word-reverse")});
    EXPECT_EQ(ordered.status, 0) << ordered.err.toStdString();
    EXPECT_EQ(ordered.out, (QStringList{q(u"فرز كلمات كل القرآن الكريم"),
                                        q(u"الكلمات 86968    النوع 13142    الحروف 322604"),
                                        q(u"عدد الحروف 1"), q(u"--------------"), q(u"1 = و")}));

    const CliRun refused = cli({q(u"words-begin"), q(u"بسم"), q(u"+"), q(u"surahs")});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.contains(q(u"surahs: هذا الأمر غير متاح")))
        << refused.err.toStdString();
    const CliRun closed =
        cli({q(u"words-begin"), q(u"بسم"), q(u"+"), q(u"word-close"), q(u"+"), q(u"surahs")});
    EXPECT_EQ(closed.status, 0) << closed.err.toStdString();
    EXPECT_EQ(closed.out.size(), 1 + 115);
    // The window's commands need the window.
    EXPECT_EQ(cli({q(u"word-order"), q(u"1")}).status, 2);
    EXPECT_EQ(cli({q(u"words-length"), q(u"١")}).err,
              q(u"words-length: هناك خطأ في كتابة الرقم\n"));
}

TEST(Cli, ThePhraseListFromItsCommands) {
    struct Case {
        QStringList args;
        int status;
        const char16_t* first; // the first line of the output, or of the error
    };
    const Case cases[] = {
        {{q(u"phrase"), q(u"الله"), q(u"+"), q(u"phrase"), q(u"لله"), q(u"+"), q(u"phrases-whole"),
          q(u"off"), q(u"+"), q(u"phrases-any")},
         0,
         u"عدد الآيات 1837    مجموع الكلمات 40556    مجموع الحروف 149095    مجموع التكرار 2727"},
        {{q(u"phrase"), q(u"قل"), q(u"+"), q(u"phrases-begin")},
         0,
         u"عدد الآيات 177    مجموع الكلمات 3155    مجموع الحروف 11244"},
        {{q(u"phrase"), q(u"الله"), q(u"+"), q(u"phrase"), q(u"الله")},
         1,
         u"phrase: هذه العبارة سبق وأن أضيفت"},
        // An empty list offers no search; the surah table no Ctrl+N.
        {{q(u"phrases-any")}, 2, u"phrases-any: هذا الأمر غير متاح"},
        {{q(u"surahs"), q(u"+"), q(u"phrase"), q(u"الله")}, 2, u"phrase: هذا الأمر غير متاح"},
        // The letters of the letter list, then a search from the surah table.
        {{q(u"surahs"), q(u"+"), q(u"phrases-from-letters"), q(u"+"), q(u"phrase-delete"), q(u"1"),
          q(u"+"), q(u"phrases-all")},
         0,
         u"لا يوجد نتائج"},
        {{q(u"phrase"), q(u"الله"), q(u"+"), q(u"phrases-clear"), q(u"+"), q(u"phrases-any")},
         2,
         u"phrases-any: هذا الأمر غير متاح"},
        // The next command of the main window closes the list.
        {{q(u"phrase"), q(u"الله"), q(u"+"), q(u"phrases-any"), q(u"+"), q(u"order"), q(u"5")},
         0,
         u"عدد الآيات 1661    مجموع الكلمات 37383    مجموع الحروف 137336    مجموع التكرار 2395"},
        // The words of the word window, searched, and both windows closed.
        {{q(u"words-of-table"), q(u"+"), q(u"word-add-all"), q(u"+"), q(u"phrases-any"), q(u"+"),
          q(u"word-close")},
         0,
         u"عدد الآيات 6236    مجموع الكلمات 86968    مجموع الحروف 322604    مجموع التكرار 86968"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        if (c.status == 0) {
            ASSERT_FALSE(r.out.isEmpty());
            EXPECT_EQ(r.out[0], q(c.first));
        } else {
            EXPECT_TRUE(r.err.startsWith(q(c.first))) << r.err.toStdString();
        }
    }

    // Saved and loaded back.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = dir.filePath(QStringLiteral("list"));
    EXPECT_EQ(cli({q(u"phrase"), q(u"يعلمون"), q(u"+"), q(u"phrase"), q(u"تعلمون"), q(u"+"),
                   q(u"phrases-save"), name})
                  .status,
              0);
    const CliRun loaded =
        cli({q(u"phrases-load"), name + QStringLiteral(".txt"), q(u"+"), q(u"phrases-end")});
    EXPECT_EQ(loaded.status, 0) << loaded.err.toStdString();
    EXPECT_EQ(loaded.out[0], cli({q(u"phrase"), q(u"يعلمون"), q(u"+"), q(u"phrase"), q(u"تعلمون"),
                                  q(u"+"), q(u"phrases-end")})
                                 .out[0]);
    const CliRun missing = cli({q(u"phrases-load"), name});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(q(u"تعذرت قراءة الملف ") + named(name)))
        << missing.err.toStdString();
}

TEST(Cli, AnUnknownFormatIsRefusedBeforeAnyCommand) {
    for (const QStringList& args : {QStringList{QStringLiteral("--format"), QStringLiteral("xml")},
                                    QStringList{QStringLiteral("--format")},
                                    QStringList{QStringLiteral("--format"), QStringLiteral("JSON"),
                                                QStringLiteral("surahs")}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err, QStringLiteral("tallyra-cli: --format takes tsv, json or csv\n"));
    }
}
