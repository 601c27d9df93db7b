// The manual page of the command line lists exactly the registry's verbs.
#include "shell/registry.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

using namespace tallyra;

TEST(Manual, TheManualPageListsEveryVerbOfTheRegistry) {
    QFile page(QStringLiteral(TALLYRA_MANPAGE_PATH));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    const qsizetype from = text.indexOf(QStringLiteral(".SH COMMANDS"));
    const qsizetype to = text.indexOf(QStringLiteral(".SH EXIT STATUS"));
    ASSERT_GE(from, 0);
    ASSERT_GT(to, from);
    // Each command is a tagged paragraph whose tag starts with the verb.
    const QStringList lines = text.mid(from, to - from).split(u'\n');
    QSet<QString> documented;
    static const QRegularExpression tag(QStringLiteral("^\\.B[IR]? ([a-z-]+)"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == QStringLiteral(".TP"))
            if (const QRegularExpressionMatch m = tag.match(lines[i + 1]); m.hasMatch())
                documented.insert(m.captured(1));
    const QSet<QString> registered = registered_verbs();
    EXPECT_EQ(documented - registered, QSet<QString>()) << "in the manual page only";
    EXPECT_EQ(registered - documented, QSet<QString>()) << "in the registry only";
}
