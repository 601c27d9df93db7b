// The command line's JSON output checked against its text output: a run
// with --format json ends as the text run does and prints one object that
// holds what the text shows.
#pragma once

#include "app/cli.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

namespace tallyra {

// One run of the command line: its exit status and what it wrote to its
// standard output and standard error.
struct CliOutput {
    int status = 0;
    QString out;
    QString err;
};

inline CliOutput run_cli_captured(const QStringList& args) {
    CliOutput r;
    QTextStream o(&r.out), e(&r.err);
    r.status = run_cli(args, o, e);
    o.flush();
    e.flush();
    return r;
}

// A JSON cell holds what the text cell does: the same text, or the number
// its digits make.
inline bool same_cell(const QJsonValue& json, const QString& text) {
    if (json.isString())
        return json.toString() == text;
    bool digits = !text.isEmpty();
    for (const QChar c : text)
        digits = digits && c >= u'0' && c <= u'9';
    return json.isDouble() && digits && qint64(json.toDouble()) == text.toLongLong();
}

// The text output that the JSON object of the same run describes: the
// window printed last, its heading lines, then its table or letter list.
// Cells that are numbers in the JSON are compared by value.
inline void expect_json_matches_text(const QJsonObject& o, const QStringList& text, bool letters) {
    const QJsonArray shown = o.value(QStringLiteral("shown")).toArray();
    const QString top = shown.isEmpty() ? QString() : shown.last().toString();
    const QJsonObject w = top.isEmpty() ? o : o.value(top).toObject();
    QStringList head;
    if (top == QStringLiteral("factorization")) {
        for (const QJsonValue& line : w.value(QStringLiteral("lines")).toArray())
            head << line.toString();
        EXPECT_EQ(head, text);
        return;
    }
    if (top.isEmpty())
        head << o.value(QStringLiteral("summary")).toString();
    else
        head << w.value(QStringLiteral("caption")).toString()
             << w.value(QStringLiteral("summary")).toString();
    ASSERT_GE(text.size(), head.size());
    EXPECT_EQ(text.mid(0, head.size()), head);
    const QStringList body = text.mid(head.size());
    if (letters) {
        QStringList lines;
        for (const QJsonValue& line : w.value(QStringLiteral("letters")).toArray())
            lines << line.toString();
        EXPECT_EQ(lines, body);
        return;
    }
    QJsonArray rows = w.value(QStringLiteral("rows")).toArray();
    rows.prepend(w.value(QStringLiteral("header")));
    ASSERT_EQ(rows.size(), body.size());
    for (qsizetype r = 0; r < body.size(); ++r) {
        const QStringList cells = body[r].split(u'\t');
        const QJsonArray json = rows[r].toArray();
        ASSERT_EQ(json.size(), cells.size()) << "row " << r;
        for (qsizetype c = 0; c < cells.size(); ++c)
            EXPECT_TRUE(same_cell(json[c], cells[c]))
                << "row " << r << " column " << c << ": " << cells[c].toStdString();
    }
}

// Runs the arguments again with --format json and checks that run against
// the status, output and error text of the run without it. Arguments that
// choose a format already are left alone.
inline void expect_json_run_matches(const QStringList& args, int status, const QString& out,
                                    const QString& err) {
    if (args.contains(QStringLiteral("--format")))
        return;
    const bool letters = args.value(0) == QStringLiteral("--letters");
    QStringList jsonArgs = args;
    jsonArgs.insert(letters ? 1 : 0, QStringLiteral("--format"));
    jsonArgs.insert(letters ? 2 : 1, QStringLiteral("json"));
    const auto [jsonStatus, jsonOut, jsonErr] = run_cli_captured(jsonArgs);
    SCOPED_TRACE(args.join(u' ').toStdString());
    EXPECT_EQ(jsonStatus, status);
    EXPECT_EQ(jsonErr, err);
    if (out.isEmpty()) {
        EXPECT_TRUE(jsonOut.isEmpty());
        return;
    }
    EXPECT_TRUE(jsonOut.endsWith(u'\n') && jsonOut.count(u'\n') == 1) << "one line of JSON";
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(jsonOut.toUtf8(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    ASSERT_TRUE(doc.isObject());
    QStringList lines = out.split(u'\n');
    lines.removeLast();
    expect_json_matches_text(doc.object(), lines, letters);
}

} // namespace tallyra
