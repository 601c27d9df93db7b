// The Word files of the copy menu: the whole text of either variant, the
// table in its four variants, the letter list and the display box as RTF,
// checked on the bytes they write; and the names, the cancel and the files
// that cannot be written.
#include "app/cli.h"
#include "core/text_file.h"
#include "display/display.h"
#include "export/export.h"
#include "search/search.h"
#include "shell/dispatch.h"
#include "table/frame.h"
#include "table/session.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <functional>

using namespace tallyra;

namespace {

constexpr WindowId M = WindowId::Main;

QByteArray bytes_of(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// The lines of a Word file: windows-1256 without a byte-order mark, every
// line ended by CR LF; a file that is not so gives one line saying why.
QStringList word_file_lines(const QString& path) {
    const QByteArray bytes = bytes_of(path);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return {QStringLiteral("(a byte-order mark)")};
    if (!bytes.isEmpty() && !bytes.endsWith("\r\n"))
        return {QStringLiteral("(the last line has no CR LF)")};
    QStringDecoder decode("windows-1256");
    QStringList lines = QString(decode(bytes)).split(QStringLiteral("\r\n"));
    lines.removeLast();
    for (const QString& line : lines)
        if (line.contains(u'\r') || line.contains(u'\n'))
            return {QStringLiteral("(a line end other than CR LF)")};
    return lines;
}

QString sp(int n) {
    return QString(n, u' ');
}

// Runs an item of the main window as the window would: its menus opened
// first, then its command with the inputs given.
QString run(Program& p, const char* item, const QStringList& inputs) {
    EXPECT_TRUE(command_allowed(p, M, N(item))) << item;
    const Result r = run_command(p, M, N(item), inputs);
    EXPECT_FALSE(r.refused) << item;
    return r.message;
}

const QString kFullSummary = q(u"عدد الآيات 6236     مجموع الكلمات 86968      مجموع الحروف 322604");
const QString kAllah = q(u"الله");
const QString kVerseHeader = q(u"الترتيب") + sp(2) + q(u"إسم السورة") + sp(5) + q(u"رقم الآية") +
                             sp(3) + q(u"عدد الكلمات") + sp(3) + q(u"عدد الحروف") + sp(2);
const QString kSurahHeader = q(u"رقم السورة") + sp(2) + q(u"إسم السورة") + sp(4) +
                             q(u"عدد الآيات") + sp(3) + q(u"عدد الكلمات") + sp(3) +
                             q(u"عدد الحروف") + sp(2);
const QString kRepeatsHeader = q(u"التكرار") + sp(1);
const QString kShortRule = QString(66, u'-') + u' ';
const QString kLongRule = QString(71, u'-') + u' ';
const QString kMushafOrder = q(u"فرز حسب  ترتيب المصحف");

} // namespace

TEST(Export, TheWholeTextIsOneVerseALineInTheCodePageWhateverTheTableShows) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Program p;
    // The merged-waw surah table is shown: neither matters.
    BitBtn5Click(p.main);
    BitBtn2Click(p.main);
    const QString x = dir.filePath(QStringLiteral("x"));
    const QString xdoc = dir.filePath(QStringLiteral("x.doc"));
    EXPECT_EQ(run(p, "N33", {x}), QString());
    EXPECT_EQ(run(p, "N34", {xdoc}), QString());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({QStringLiteral("x.doc"), QStringLiteral("x.doc.doc")}));

    // «بسم الله الرحمن الرحيم» and «من الجنه و الناس» in windows-1256.
    const QByteArray first("\xC8\xD3\xE3 \xC7\xE1\xE1\xE5 \xC7\xE1\xD1\xCD\xE3\xE4 "
                           "\xC7\xE1\xD1\xCD\xED\xE3\r\n");
    const struct {
        QString path;
        QByteArray last;
    } files[] = {
        {xdoc, "\r\n\xE3\xE4 \xC7\xE1\xCC\xE4\xE5 \xE6 \xC7\xE1\xE4\xC7\xD3\r\n"},
        {dir.filePath(QStringLiteral("x.doc.doc")),
         "\r\n\xE3\xE4 \xC7\xE1\xCC\xE4\xE5 \xE6\xC7\xE1\xE4\xC7\xD3\r\n"},
    };
    for (const auto& f : files) {
        const QByteArray bytes = bytes_of(f.path);
        EXPECT_TRUE(bytes.startsWith(first));
        EXPECT_TRUE(bytes.endsWith(f.last));
        EXPECT_EQ(bytes.count("\r\n"), kVerseCount);
        EXPECT_EQ(bytes.count('\n'), kVerseCount) << "every line end is CR LF";
        EXPECT_EQ(word_file_lines(f.path).size(), kVerseCount);
    }
    // The names differ only by the waw of the merged text.
    EXPECT_EQ(bytes_of(xdoc).size() - bytes_of(files[1].path).size(), 86968 - 77433);

    // The dialog proposes the name chosen last; cancelling writes nothing
    // and keeps the proposal.
    const Input& name = find_command(M, N("N33"))->inputs.at(0);
    EXPECT_EQ(name.filter, QStringLiteral("Word|*.doc"));
    EXPECT_EQ(name.proposal(p), xdoc);
    EXPECT_EQ(run(p, "N33", {QString()}), QString());
    EXPECT_EQ(name.proposal(p), xdoc);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

// Each case builds a table, exports it through one item, and checks the
// first lines of the file, its last line and its line count.
TEST(Export, TableFilesLayOutTheirColumnsByWidth) {
    struct Case {
        const char* name;
        std::function<void(Session&)> build;
        const char* item;
        QString searchBox;
        QStringList head;
        qsizetype count;
        QString last;
    };
    const auto search = [](Session& s) { ASSERT_EQ(BitBtn1Click(s, kAllah), QString()); };
    const QString row1 = u'1' + sp(8) + q(u"001-الفاتحة") + sp(4) + u'1' + sp(11) + u'4' + sp(13) +
                         QStringLiteral("19") + sp(10);
    const QString surahRow1 = QStringLiteral("001") + sp(9) + q(u"الفاتحة") + sp(7) +
                              QStringLiteral("007") + sp(10) + QStringLiteral("0031") + sp(10) +
                              QStringLiteral("00139") + sp(7);
    const QString selected3 = q(u"عدد الآيات المحددة : 3");
    // Rows 3 to 5 of the search for «الله»: verses 2:8 to 2:10.
    const QString hit4 = u'4' + sp(8) + q(u"002-البقرة") + sp(5) + QStringLiteral("9") + sp(11) +
                         QStringLiteral("13") + sp(12) + QStringLiteral("48") + sp(10) +
                         QStringLiteral("1") + sp(7);
    const auto rows3to5 = [&](Session& s) {
        search(s);
        select_rows(s, 3, 5, 4);
    };
    const Case cases[] = {
        {"all verses, no repetition column",
         [](Session&) {},
         "N36",
         kSearchPlaceholder,
         {kFullSummary, kMushafOrder, kVerseHeader, kShortRule, row1},
         5 + kVerseCount,
         kShortRule},
        {"a search: its text first, then the repetition column",
         search,
         "N36",
         kAllah,
         {kAllah,
          q(u"عدد النتائج 2557    عدد الآيات 1746    مجموع الكلمات 39138    مجموع الحروف "
            u"143910"),
          kMushafOrder, kVerseHeader + kRepeatsHeader, kLongRule,
          row1 + QStringLiteral("1") + sp(7)},
         6 + 1746,
         kLongRule},
        {"the selected rows, the search text first",
         rows3to5,
         "N39",
         kAllah,
         {kAllah, selected3, kMushafOrder, kVerseHeader + kRepeatsHeader, kLongRule},
         6 + 3,
         kLongRule},
        {"the selected rows under the placeholder: no search line",
         rows3to5,
         "N39",
         kSearchPlaceholder,
         {selected3, kMushafOrder},
         5 + 3,
         kLongRule},
        {"an empty search box gives an empty line",
         rows3to5,
         "N39",
         QString(),
         {QString(), selected3},
         6 + 3,
         kLongRule},
        {"the selected rows with their texts",
         rows3to5,
         "N40",
         kAllah,
         {kAllah, selected3, kMushafOrder, kVerseHeader + kRepeatsHeader, kLongRule,
          u'3' + sp(8) + q(u"002-البقرة") + sp(5) + QStringLiteral("8") + sp(11) +
              QStringLiteral("14") + sp(12) + QStringLiteral("47") + sp(10) + QStringLiteral("1") +
              sp(7),
          sp(9) + q(u"و من الناس من يقول امنا بالله و باليوم الاخر و ما هم بمومنين"), kLongRule,
          hit4},
         5 + 3 * 3,
         kLongRule},
        {"every verse with its text",
         [](Session&) {},
         "N38",
         kSearchPlaceholder,
         {kFullSummary, kMushafOrder, kVerseHeader, kShortRule, row1,
          sp(9) + q(u"بسم الله الرحمن الرحيم"), kShortRule},
         4 + 3 * kVerseCount,
         kShortRule},
        {"no ordering item chosen",
         [](Session& s) { s.orderingIndex = -1; },
         "N36",
         kSearchPlaceholder,
         {kFullSummary, q(u"فرز حسب ترتيب رقم الآيات")},
         5 + kVerseCount,
         kShortRule},
        {"a long cell is written whole and shifts its line",
         [](Session& s) { s.table.setCell(verse_col::surah, 1, q(u"001-الفاتحة أم الكتاب")); },
         "N36",
         kSearchPlaceholder,
         {kFullSummary, kMushafOrder, kVerseHeader, kShortRule,
          u'1' + sp(8) + q(u"001-الفاتحة أم الكتاب") + u'1' + sp(11) + u'4' + sp(13) +
              QStringLiteral("19") + sp(10)},
         5 + kVerseCount,
         kShortRule},
        {"the surah table: five columns",
         [](Session& s) { BitBtn2Click(s); },
         "N36",
         kSearchPlaceholder,
         {QString(), kMushafOrder, kSurahHeader, kShortRule, surahRow1},
         5 + 114,
         kShortRule},
        {"the surah table with the repetition column: six",
         [&](Session& s) {
             BitBtn2Click(s);
             search(s);
         },
         "N36",
         kAllah,
         {kAllah, q(u"عدد النتائج 2557     عدد السور 85"), kMushafOrder,
          kSurahHeader + kRepeatsHeader, kLongRule, surahRow1 + QStringLiteral("1") + sp(7)},
         6 + 114,
         kLongRule},
        {"selected surahs",
         [](Session& s) {
             BitBtn2Click(s);
             select_rows(s, 2, 3, 2);
         },
         "N39",
         kSearchPlaceholder,
         {q(u"عدد السور المحددة : 2"), kMushafOrder, kSurahHeader, kShortRule},
         4 + 2 + 1,
         kShortRule},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program p;
        c.build(p.main);
        const QString name = dir.filePath(QString::number(++n));
        EXPECT_EQ(run(p, c.item, {c.searchBox, name}), QString());
        const QStringList lines = word_file_lines(name + QStringLiteral(".doc"));
        EXPECT_EQ(lines.mid(0, c.head.size()), c.head);
        EXPECT_EQ(lines.size(), c.count);
        EXPECT_EQ(lines.value(lines.size() - 1), c.last);
    }
}

TEST(Export, TheLetterListFileIsHeadedByWhatTheListTallies) {
    struct Case {
        const char* name;
        std::function<void(Session&)> build;
        QStringList head;
    };
    const QString rule = QString(14, u'-');
    const Case cases[] = {
        {"as the window starts",
         [](Session&) {},
         // The list's line as laid out, under the table's size.
         {q(u"إحصاء حروف 6236 آية الموجودة في جدول الآيات"), rule, q(u"بسم الله")}},
        {"a verse shown",
         [](Session& s) { show_row(s, 1); },
         {q(u"سورة 001-الفاتحة الآية رقم 1 مجموع الكلمات 4 مجموع الحروف 19"), q(u" "),
          q(u"بسم الله الرحمن الرحيم"), rule, q(u"عدد الحروف 10"), rule, q(u"001 = ب")}},
        {"the census of the verse table",
         [](Session& s) { N6Click(s); },
         {q(u"إحصاء حروف 6236 آية الموجودة في جدول الآيات"), rule, q(u"عدد الآيات   6236")}},
        {"a surah shown",
         [](Session& s) { BitBtn2Click(s); },
         {q(u"سورة الفاتحة عدد الآيات 007 مجموع الكلمات 0031 مجموع الحروف 00139"), rule,
          q(u"عدد الحروف 21"), rule}},
        {"the census of the surah table",
         [](Session& s) {
             BitBtn2Click(s);
             N6Click(s);
         },
         {q(u"إحصاء حروف 114 سورة الموجودة في جدول السور"), rule, q(u"عدد السور   114")}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program p;
        c.build(p.main);
        const QString name = dir.filePath(QStringLiteral("letters"));
        EXPECT_EQ(run(p, "N35", {name}), QString());
        const QStringList lines = word_file_lines(name + QStringLiteral(".doc"));
        EXPECT_EQ(lines.mid(0, c.head.size()), c.head);
        // Below the heading and its rule, the list as it stands.
        const qsizetype headed = c.head.indexOf(rule) + 1;
        EXPECT_EQ(lines.mid(headed), p.main.letters.lines());
        // The letter list's own menu writes the same file.
        open_menu(p, M, N("PopupMenu2"));
        const QString again = dir.filePath(QStringLiteral("again"));
        EXPECT_EQ(run(p, "N81", {again}), QString());
        EXPECT_EQ(bytes_of(again + QStringLiteral(".doc")),
                  bytes_of(name + QStringLiteral(".doc")));
    }
}

TEST(Export, TheDisplayBoxIsAnRtfDocumentOfItsTextAndMarks) {
    DisplayBox box;
    // A red mark, a blue one over part of it, a line end, the characters RTF
    // reserves and one the code page lacks.
    box.replace(q(u"بسم الله\n{a}\\") + QChar(0x263A));
    box.marks = {{4, 4, MarkKind::Red}, {6, 4, MarkKind::BlueUnderline}};
    const QByteArray rtf = display_rtf(box);
    const QByteArray runs =
        "{\\rtlch\\af0\\afs51\\f0\\fs51\\cf1 \\u1576\\'c8\\u1587\\'d3\\u1605\\'e3 }\n"
        "{\\rtlch\\af0\\afs51\\f0\\fs51\\cf2 \\u1575\\'c7\\u1604\\'e1}\n"
        "{\\rtlch\\af0\\afs51\\f0\\fs51\\cf2\\ul \\u1604\\'e1\\u1607\\'e5}\n"
        "{\\rtlch\\af0\\afs51\\f0\\fs51\\cf3\\ul \\par\n\\{}\n"
        "{\\rtlch\\af0\\afs51\\f0\\fs51\\cf1 a\\}\\\\\\u9786?}\n";
    EXPECT_EQ(
        rtf, "{\\rtf1\\ansi\\ansicpg1256\\deff0\\uc1\n"
             "{\\fonttbl{\\f0\\fnil\\fcharset178 Noto Naskh Arabic;}}\n"
             "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
             "\\pard\\rtlpar\\qr\n" +
                 runs + "\\par\n}\n");

    // The command writes the box as it stands, under the name and ".doc".
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Program p;
    ASSERT_EQ(BitBtn1Click(p.main, kAllah), QString());
    ASSERT_FALSE(p.main.display.marks.empty());
    const QString name = dir.filePath(QStringLiteral("box"));
    EXPECT_EQ(run(p, "N26", {name}), QString());
    EXPECT_EQ(bytes_of(name + QStringLiteral(".doc")), display_rtf(p.main.display));
    EXPECT_TRUE(bytes_of(name + QStringLiteral(".doc")).contains("\\cf2 \\u1575\\'c7"));
}

TEST(Export, AFileThatCannotBeWrittenIsNamedAndNothingIsWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.doc")));
    const QString existing = dir.filePath(QStringLiteral("long"));
    Program p;
    ASSERT_EQ(run(p, "N38", {QString(), existing}), QString());
    ASSERT_GT(bytes_of(existing + QStringLiteral(".doc")).size(), 1000000);

    const QString cases[] = {
        dir.filePath(QStringLiteral("missing/x")),  // a folder that is not there
        dir.filePath(QStringLiteral("long.doc/x")), // a file where a folder should be
        dir.filePath(QStringLiteral("folder")),     // the name of a folder
    };
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        for (const char* item : {"N26", "N35", "N33"}) {
            const QString message = run(p, item, {name});
            EXPECT_TRUE(message.startsWith(q(u"تعذر حفظ الملف ") + named(name + q(u".doc")) +
                                           q(u": \u2068")))
                << message.toStdString();
            EXPECT_GT(message.size(), name.size() + 22) << "the reason is given";
        }
        EXPECT_TRUE(run(p, "N36", {QString(), name}).startsWith(q(u"تعذر حفظ الملف «")));
        // The dialog proposes the name again, to be mended.
        EXPECT_EQ(p.main.wordFileName, name);
    }
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder.doc"))).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("folder.doc"), QStringLiteral("long.doc")}));

    // An existing file is replaced whole by a shorter one.
    EXPECT_EQ(run(p, "N35", {existing}), QString());
    EXPECT_EQ(word_file_lines(existing + QStringLiteral(".doc")), letter_list_lines(p.main));
}

// The command line writes the files as the window does, under the name as
// typed; each verb runs only where its item is enabled.
TEST(Export, TheCommandLineWritesTheFilesByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString base = dir.filePath(QStringLiteral("f"));
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const int status =
        run_cli({q(u"search"), kAllah, q(u"+"), q(u"show"), q(u"3"), q(u"+"), q(u"export-selected"),
                 base + u'1', q(u"+"), q(u"export-selected-texts"), base + u'2', q(u"+"),
                 q(u"export-letters"), base + u'3', q(u"+"), q(u"export-display"), base + u'4'},
                out, err);
    err.flush();
    ASSERT_EQ(status, 0) << errText.toStdString();

    QStringEncoder code_page("windows-1256");
    const auto file = [&](const QStringList& lines) {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += code_page(line) + QByteArray("\r\n");
        return bytes;
    };
    const QString row3 = u'3' + sp(8) + q(u"002-البقرة") + sp(5) + u'8' + sp(11) +
                         QStringLiteral("14") + sp(12) + QStringLiteral("47") + sp(10) + u'1' +
                         sp(7);
    const QString verse = q(u"و من الناس من يقول امنا بالله و باليوم الاخر و ما هم بمومنين");
    const QStringList head = {kAllah, q(u"عدد الآيات المحددة : 1"), kMushafOrder,
                              kVerseHeader + kRepeatsHeader, kLongRule};
    EXPECT_EQ(bytes_of(base + QStringLiteral("1.doc")), file(head + QStringList{row3, kLongRule}));
    EXPECT_EQ(bytes_of(base + QStringLiteral("2.doc")),
              file(head + QStringList{row3, sp(9) + verse, kLongRule}));
    const QByteArray letters = bytes_of(base + QStringLiteral("3.doc"));
    EXPECT_TRUE(letters.startsWith(
        file({q(u"سورة 002-البقرة الآية رقم 8 مجموع الكلمات 14 مجموع الحروف 47"), q(u" "), verse,
              QString(14, u'-'), q(u"عدد الحروف 12"), QString(14, u'-')})));
    EXPECT_TRUE(bytes_of(base + QStringLiteral("4.doc")).startsWith("{\\rtf1\\ansi"));

    // Refused where the item is closed: the verse texts in the surah table,
    // the display box after a search that found nothing. The whole text
    // can always be written.
    const struct {
        QStringList args;
        int status;
    } gated[] = {
        {{q(u"surahs"), q(u"+"), q(u"export-table-texts"), base + u'5'}, 2},
        {{q(u"surahs"), q(u"+"), q(u"export-selected-texts"), base + u'5'}, 2},
        {{q(u"search"), q(u"xyz"), q(u"+"), q(u"export-display"), base + u'5'}, 2},
        {{q(u"search"), q(u"xyz"), q(u"+"), q(u"export-table"), base + u'5'}, 2},
        {{q(u"search"), q(u"xyz"), q(u"+"), q(u"export-merged"), base + u'6'}, 0},
    };
    for (const auto& g : gated) {
        QString o, e;
        QTextStream os(&o), es(&e);
        const int got = run_cli(g.args, os, es);
        EXPECT_EQ(got, g.status) << g.args.join(u' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(base + QStringLiteral("5.doc")));
    EXPECT_EQ(bytes_of(base + QStringLiteral("6.doc")).count("\r\n"), kVerseCount);
}
