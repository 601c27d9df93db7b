// The additions for today's tools: the table as CSV and the display box as
// HTML, checked on the bytes they write, and the distribution of the result
// over the surahs with the click on a surah's bar.
#include "corpus/surahs.h"
#include "export/export.h"
#include "export/table_formats.h"
#include "search/search.h"
#include "shell/dispatch.h"
#include "statistics/distribution.h"
#include "table/frame.h"
#include "table/tables.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace tallyra;

namespace {

constexpr WindowId M = WindowId::Main;
constexpr WindowId D = WindowId::Distribution;

QByteArray bytes_of(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// The figure of column `figure` (from 0) for every surah, 1 to 114.
std::vector<qint64> figures(const DistributionWindow& w, int figure) {
    std::vector<qint64> out;
    for (int k = 1; k < w.table.rowCount(); ++k)
        out.push_back(w.table.cell(distribution_col::figures + figure, k).toLongLong());
    return out;
}

qint64 sum(const std::vector<qint64>& v) {
    qint64 total = 0;
    for (const qint64 x : v)
        total += x;
    return total;
}

} // namespace

TEST(Utf8Export, CsvQuotesTextAndWritesNumbersBare) {
    Grid g(4, 4);
    const char16_t* cells[4][4] = {
        {u"رقم", u"الاسم", u"نص", u"عدد"},
        {u"001", u"قال \"لا\"", u"a,b\r\nc", u"0029"},
        {u"0", u"", u"1234567890123456", u"-3"},
        {u"7", u"و", u" 12", u"٣"},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            g.setCell(c, r, q(cells[r][c]));
    // Padding zeros go, a quote is doubled, a comma and a line end stay
    // inside their quotes; 16 digits, a sign, a space or another script's
    // digit keep the cell a text.
    EXPECT_EQ(table_csv(g, 1, 3), q(u"\"رقم\",\"الاسم\",\"نص\",\"عدد\"\r\n"
                                    u"1,\"قال \"\"لا\"\"\",\"a,b\r\nc\",29\r\n"
                                    u"0,\"\",\"1234567890123456\",\"-3\"\r\n"
                                    u"7,\"و\",\" 12\",\"٣\"\r\n"));
    // Rows outside the data rows are not written; the header always is.
    EXPECT_EQ(table_csv(g, 3, 9).count(QStringLiteral("\r\n")), 2);
    EXPECT_EQ(table_csv(g, 2, 1).count(QStringLiteral("\r\n")), 1);
}

TEST(Utf8Export, CsvFilesOfTheWholeTableAndOfTheSelectedRows) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Program p;
    ASSERT_TRUE(run_command(p, M, N("BitBtn2")).message.isEmpty()); // the surah table
    select_rows(p.main, 2, 3, 3);
    const QString base = dir.filePath(QStringLiteral("t"));
    for (const char* item : {"ExportCsv", "ExportSelectedCsv"})
        ASSERT_TRUE(command_allowed(p, M, N(item))) << item;
    ASSERT_EQ(run_command(p, M, N("ExportSelectedCsv"), {base}).message, QString());
    const QByteArray header = "\xEF\xBB\xBF" + q(u"\"الترتيب\",\"رقم السورة\",\"إسم السورة\","
                                                 u"\"عدد الآيات\",\"عدد الكلمات\",\"عدد "
                                                 u"الحروف\",\"التكرار\"\r\n")
                                                   .toUtf8();
    EXPECT_EQ(bytes_of(base + QStringLiteral(".csv")),
              header + q(u"2,2,\"البقرة\",286,6948,25613,0\r\n"
                         u"3,3,\"آل عمران\",200,3948,14605,0\r\n")
                           .toUtf8());
    // A name that ends in ".csv" keeps it; the whole table has its 114 rows.
    ASSERT_EQ(run_command(p, M, N("ExportCsv"), {base + QStringLiteral(".CSV")}).message,
              QString());
    const QByteArray whole = bytes_of(base + QStringLiteral(".CSV"));
    EXPECT_TRUE(whole.startsWith(header));
    EXPECT_EQ(whole.count("\r\n"), 115);
    EXPECT_TRUE(whole.endsWith(q(u"114,114,\"الناس\",6,21,80,0\r\n").toUtf8()));
    // Cancelled: nothing; a folder that does not exist: the message names the file.
    EXPECT_EQ(export_table_csv(p.main, QString(), false), QString());
    const QString missing = dir.filePath(QStringLiteral("no/such"));
    EXPECT_TRUE(
        export_table_csv(p.main, missing, false).contains(missing + QStringLiteral(".csv")));
}

TEST(Utf8Export, HtmlOfTheDisplayBoxWithItsMarks) {
    DisplayBox box;
    box.text = q(u"بسم الله <&>\r\nالرحمن");
    box.marks = {{4, 4, MarkKind::Red}, {6, 10, MarkKind::BlueUnderline}};
    const QString page = QString::fromUtf8(display_html(box));
    const QString head = page.section(QStringLiteral("<body>\n"), 0, 0);
    EXPECT_TRUE(head.startsWith(QStringLiteral("<!DOCTYPE html>\n<html lang=\"ar\" dir=\"rtl\">")));
    EXPECT_TRUE(head.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    // Red wins where both marks lie, underlined by the blue one; the blue mark goes on over the
    // line end, closed before the paragraph ends and opened again after it.
    EXPECT_EQ(page.section(QStringLiteral("<body>\n"), 1),
              q(u"<p>بسم <span class=\"red\">ال</span><span class=\"red under\">له</span>"
                u"<span class=\"blue\"> &lt;&amp;&gt;</span>"
                u"</p>\n<p><span class=\"blue\">ال</span>رحمن</p>\n</body>\n</html>\n"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Program p;
    const QString name = dir.filePath(QStringLiteral("d"));
    ASSERT_TRUE(command_allowed(p, M, N("ExportHtml")));
    ASSERT_EQ(run_command(p, M, N("ExportHtml"), {name}).message, QString());
    EXPECT_EQ(bytes_of(name + QStringLiteral(".html")), display_html(p.main.display));
    EXPECT_TRUE(bytes_of(name + QStringLiteral(".html"))
                    .contains(q(u"<p>بسم الله الرحمن الرحيم</p>").toUtf8()));
    // With nothing in the display box the item is disabled.
    p.main.display.replace(QString());
    EXPECT_FALSE(command_allowed(p, M, N("ExportHtml")));
}

TEST(Distribution, VersesAndOccurrencesPerSurah) {
    Program p;
    ASSERT_TRUE(run_command(p, M, N("Distribution")).message.isEmpty());
    EXPECT_EQ(p.active(), D);
    const DistributionWindow& w = p.distribution;
    ASSERT_EQ(w.table.rowCount(), 1 + kSurahCount);
    // The full verse table: the verse count of every surah, and no second
    // figure while no repetition is counted.
    EXPECT_EQ(w.table.columnCount(), distribution_col::figures + 1);
    for (int k = 1; k <= kSurahCount; ++k) {
        EXPECT_EQ(w.table.cell(distribution_col::number, k), QString::number(k));
        EXPECT_EQ(figures(w, 0)[size_t(k - 1)], verse_count(k)) << k;
        EXPECT_EQ(distribution_first_row(w, k), first_verse(k));
    }
    EXPECT_EQ(w.summary, q(u"عدد الآيات 6236     عدد السور 114"));

    // A search: the verses found and their occurrences per surah.
    Program s;
    ASSERT_TRUE(run_command(s, M, N("BitBtn1"), {q(u"الله")}).message.isEmpty());
    ASSERT_TRUE(run_command(s, M, N("Distribution")).message.isEmpty());
    const DistributionWindow& found = s.distribution;
    ASSERT_EQ(found.table.columnCount(), distribution_col::figures + 2);
    EXPECT_EQ(figures(found, 0).size(), size_t(kSurahCount));
    EXPECT_EQ(sum(figures(found, 0)), 1746);
    EXPECT_EQ(sum(figures(found, 1)), 2557);
    EXPECT_EQ(found.table.cell(distribution_col::figures + 1, 0), q(u"مجموع التكرار"));
    // Surah 108 holds no occurrence: no row, no figures.
    EXPECT_EQ(distribution_first_row(found, 108), 0);
    EXPECT_EQ(figures(found, 0)[107], 0);
}

TEST(Distribution, SurahTableGivesRepetitionOrWordCounts) {
    Program p;
    ASSERT_TRUE(run_command(p, M, N("BitBtn2")).message.isEmpty());
    fill_distribution(p.main, p.distribution);
    EXPECT_EQ(p.distribution.table.cell(distribution_col::figures, 0), q(u"عدد الكلمات"));
    EXPECT_EQ(sum(figures(p.distribution, 0)), 86968);
    EXPECT_EQ(figures(p.distribution, 0)[0], 31);

    // With the repetition column in use, its figures.
    ASSERT_TRUE(run_command(p, M, N("BitBtn1"), {q(u"الله")}).message.isEmpty());
    ASSERT_FALSE(p.main.ayat);
    fill_distribution(p.main, p.distribution);
    EXPECT_EQ(p.distribution.table.cell(distribution_col::figures, 0), q(u"التكرار"));
    EXPECT_EQ(sum(figures(p.distribution, 0)), 2557);

    // A table without result charts nothing.
    ASSERT_TRUE(run_command(p, M, N("BitBtn3")).message.isEmpty());
    ASSERT_TRUE(run_command(p, M, N("BitBtn1"), {q(u"ثثثث")}).message.isEmpty());
    fill_distribution(p.main, p.distribution);
    EXPECT_EQ(sum(figures(p.distribution, 0)), 0);
    EXPECT_TRUE(p.distribution.summary.endsWith(q(u"عدد السور 0")));
}

TEST(Distribution, ABarClickMakesTheSurahsFirstListedRowCurrent) {
    Program p;
    ASSERT_TRUE(run_command(p, M, N("BitBtn1"), {q(u"الله")}).message.isEmpty());
    ASSERT_TRUE(run_command(p, M, N("DistributionOfTable")).message.isEmpty());
    const int row = distribution_first_row(p.distribution, 3);
    ASSERT_GT(row, 1);
    EXPECT_EQ(surah_of(p.main.table.cell(0, row).toInt()), 3);
    EXPECT_NE(surah_of(p.main.table.cell(0, row - 1).toInt()), 3);
    ASSERT_TRUE(run_command(p, D, N("Chart"), {N("3")}).message.isEmpty());
    EXPECT_EQ(p.main.table.currentRow(), row);
    EXPECT_EQ(p.main.table.selectionTop(), row);
    EXPECT_EQ(p.main.display.text, p.main.table.cell(4, row));
    EXPECT_EQ(p.active(), D) << "the chart stays open";
    // A surah the table does not list changes nothing.
    ASSERT_TRUE(run_command(p, D, N("Chart"), {N("108")}).message.isEmpty());
    EXPECT_EQ(p.main.table.currentRow(), row);
    // The pictures are named with their format's ending.
    EXPECT_EQ(run_command(p, D, N("SavePng"), {N("c")}).picture, N("c.png"));
    EXPECT_EQ(run_command(p, D, N("SaveSvg"), {N("c.SVG")}).picture, N("c.SVG"));
    EXPECT_EQ(run_command(p, D, N("SaveSvg"), {QString()}).picture, QString());
    EXPECT_EQ(run_command(p, D, N("Close")).close, D);
    EXPECT_EQ(p.active(), M);
}
