// The about window's credits, the rules document (its figures, its writing
// out and what is opened) and the calculator found on PATH. Nothing is
// opened or started: the commands only name what the window would open.
#include "auxiliary/about.h"
#include "corpus/corpus.h"
#include "measures/measures.h"
#include "search/search.h"
#include "shell/dispatch.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <unistd.h>

using namespace tallyra;

namespace {

constexpr WindowId M = WindowId::Main;

// The working folder is a temporary one while it lives.
class InFolder {
public:
    InFolder() : before_(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~InFolder() { QDir::setCurrent(before_); }
    QTemporaryDir dir;

private:
    QString before_;
};

// PATH is `paths` while it lives.
class OnPath {
public:
    explicit OnPath(const QString& paths) : before_(qgetenv("PATH")) {
        qputenv("PATH", paths.toLocal8Bit());
    }
    ~OnPath() { qputenv("PATH", before_); }

private:
    QByteArray before_;
};

void make_program(const QString& path) {
    ASSERT_TRUE(write_bytes(path, "#!/bin/sh\n"));
    ASSERT_TRUE(
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// One row of a figures table of the rules text, as it stands there.
QString figure_row(const char16_t* name, long long separated, long long merged) {
    return QStringLiteral("<tr><td>") + q(name) + QStringLiteral("</td><td>") +
           QString::number(separated) + QStringLiteral("</td><td>") + QString::number(merged) +
           QStringLiteral("</td></tr>");
}

struct Figures {
    long long words = 0, letters = 0, waws = 0, longestWords = 0, longestLetters = 0, oneWord = 0,
              allah = 0, allahWhole = 0;
    QSet<QString> distinctWords, distinctVerses;

    Figures(const Corpus& corpus, Variant v) {
        for (const QString& line : corpus.lines(v)) {
            const long long w = nb_kalimat(line), l = nb_harf(line);
            words += w;
            letters += l;
            longestWords = std::max(longestWords, w);
            longestLetters = std::max(longestLetters, l);
            oneWord += w == 1;
            for (const QString& word : line.split(u' ')) {
                distinctWords.insert(word);
                waws += word == q(u"و");
            }
            distinctVerses.insert(line);
            allah += count_occurrences(line, q(u"الله"), false);
            allahWhole += count_occurrences(line, q(u"الله"), true);
        }
    }
};

} // namespace

TEST(About, TheCreditsNameTheVersionAndTheSourcesOfTheText) {
    const QString credits = credits_text();
    EXPECT_TRUE(credits.startsWith(QStringLiteral("Tallyra ") + program_version()));
    EXPECT_EQ(program_version(), QStringLiteral("1.0"));
    for (const char* source :
         {"tanzil.net", "Tanzil Project", "corpus.quran.com", "Quranic Arabic Corpus"})
        EXPECT_TRUE(credits.contains(QString::fromLatin1(source))) << source;
}

TEST(About, TheRulesDocumentStatesTheFiguresOfTheText) {
    QFile source(QStringLiteral(TALLYRA_RULES_SOURCE_PATH));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(source.readAll());
    const Corpus& corpus = Corpus::instance();
    const Figures s(corpus, Variant::Separated), m(corpus, Variant::Merged);
    const QString rows[] = {
        figure_row(u"الآيات", corpus.verseCount(), corpus.verseCount()),
        figure_row(u"السور", 114, 114),
        figure_row(u"الكلمات", s.words, m.words),
        figure_row(u"الحروف", s.letters, m.letters),
        figure_row(u"الواو المستقلة", s.waws, m.waws),
        figure_row(u"الكلمات المختلفة", s.distinctWords.size(), m.distinctWords.size()),
        figure_row(u"كلمات أطول آية", s.longestWords, m.longestWords),
        figure_row(u"حروف أطول آية", s.longestLetters, m.longestLetters),
        figure_row(u"الآيات ذات الكلمة الواحدة", s.oneWord, m.oneWord),
        figure_row(u"نصوص الآيات المختلفة", s.distinctVerses.size(), m.distinctVerses.size()),
        figure_row(u"«الله» في أي موضع", s.allah, m.allah),
        figure_row(u"«الله» كلمة مستقلة", s.allahWhole, m.allahWhole),
    };
    for (const QString& row : rows)
        EXPECT_TRUE(text.contains(row)) << row.toStdString();
    // Every letter's count, the same in both variants.
    QHash<QChar, long long> counts;
    for (const QString& line : corpus.lines(Variant::Separated))
        for (const QChar c : line)
            if (is_letter(c))
                ++counts[c];
    EXPECT_EQ(counts.size(), 28);
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        const QString cells = QStringLiteral("<td>") + it.key() + QStringLiteral("</td><td>") +
                              QString::number(it.value()) + QStringLiteral("</td>");
        EXPECT_TRUE(text.contains(cells)) << cells.toStdString();
    }
}

TEST(About, TheRulesDocumentIsWrittenOutAndOpened) {
    const QByteArray pdf = rules_document();
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    InFolder folder;
    const QString written = folder.dir.filePath(kRulesFileName);
    // Written into the working folder, replacing what was there; the window
    // is asked to open it.
    ASSERT_TRUE(write_bytes(written, "an older copy, longer than nothing"));
    Program p;
    ASSERT_TRUE(command_allowed(p, M, N("N27")));
    const Result r = run_command(p, M, N("N27"));
    EXPECT_EQ(QFileInfo(r.openDocument), QFileInfo(written));
    EXPECT_EQ(file_bytes(written), pdf);
    EXPECT_EQ(r.message, QString());
    EXPECT_EQ(r.open, WindowId::None);

    // A folder in the way: nothing can be written, and nothing is opened.
    InFolder blocked;
    ASSERT_TRUE(QDir(blocked.dir.path()).mkdir(kRulesFileName));
    EXPECT_EQ(run_command(p, M, N("N27")).openDocument, QString());
}

TEST(About, AnOlderCopyIsOpenedWhenTheFolderCannotBeWritten) {
    if (geteuid() == 0)
        GTEST_SKIP() << "run as root: a read-only folder does not stop the write";
    InFolder folder;
    const QString older = folder.dir.filePath(kRulesFileName);
    ASSERT_TRUE(write_bytes(older, "older"));
    QFile::setPermissions(folder.dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(QFileInfo(write_rules_document(folder.dir.path())), QFileInfo(older));
    EXPECT_EQ(file_bytes(older), QByteArray("older"));
    QFile::remove(older);
    EXPECT_EQ(write_rules_document(folder.dir.path()), QString());
    QFile::setPermissions(folder.dir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(About, TheCalculatorIsTheFirstFoundAndHiddenWithoutOne) {
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    make_program(bin.filePath(QStringLiteral("xcalc")));
    make_program(bin.filePath(QStringLiteral("galculator")));
    // Not a program: found by name only when it may be run.
    ASSERT_TRUE(write_bytes(bin.filePath(QStringLiteral("kcalc")), "#!/bin/sh\n"));
    EXPECT_EQ(find_calculator({bin.path()}), bin.filePath(QStringLiteral("galculator")));
    QTemporaryDir empty;
    EXPECT_EQ(find_calculator({empty.path()}), QString());

    {
        const OnPath path(empty.path());
        Program none;
        EXPECT_EQ(none.calculator, QString());
        EXPECT_FALSE(none.main.visible(N("N44")));
        EXPECT_FALSE(command_allowed(none, M, N("N44")));
        EXPECT_EQ(run_command(none, M, N("N44")).startProgram, QString());
    }
    const OnPath path(empty.path() + u':' + bin.path());
    Program one;
    EXPECT_TRUE(one.main.visible(N("N44")));
    ASSERT_TRUE(command_allowed(one, M, N("N44")));
    const Result r = run_command(one, M, N("N44"));
    EXPECT_EQ(r.startProgram, bin.filePath(QStringLiteral("galculator")));
    EXPECT_EQ(r.message, QString());
    // The shared commands open their windows.
    EXPECT_EQ(open_about(one, {}).open, WindowId::About);
    EXPECT_EQ(open_notes(one, {}).open, WindowId::Notes);
    EXPECT_EQ(open_factorization(one, {}).open, WindowId::Factorization);
    EXPECT_EQ(start_calculator(one, {}).startProgram, r.startProgram);
    EXPECT_EQ(run_command(one, M, N("N108")).open, WindowId::About);
}
