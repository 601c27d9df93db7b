// Long runs of whatever a user may do in the main window, checked after every
// step for a consistent state: no step may leave the table, the display box or
// the selector in a state the window cannot show.
#include "display/display.h"
#include "shell/dispatch.h"
#include "shell/registry.h"
#include "table/frame.h"
#include "table/goto_verse.h"
#include "table/ordering.h"
#include "table/tables.h"

#include "session_invariants.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <random>

using namespace tallyra;

TEST(SessionSequence, AnyRunOfUserActionsKeepsTheWindowConsistent) {
    Program p;
    Session& s = p.main;
    constexpr WindowId M = WindowId::Main;
    std::mt19937 random(20261211);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const int keys[] = {Qt::Key_F2,     Qt::Key_F3,   Qt::Key_F4,    Qt::Key_F5,
                        Qt::Key_Return, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Asterisk};
    const char* const items[] = {"N6",   "N80", "N87",  "N89", "N107", "N104", "N88",  "N105",
                                 "N106", "N99", "N103", "N1",  "N2",   "N3",   "N4",   "N5",
                                 "N24",  "N25", "N31",  "N48", "N49",  "N210", "N310", "N51",
                                 "N77",  "N86", "N22",  "N28", "N29",  "N30",  "N46",  "N01"};
    constexpr int kItems = int(std::size(items));
    // What a user may type into the search box or a dialog.
    const QString inputs[] = {QString(),
                              kSearchPlaceholder,
                              QStringLiteral(" "),
                              QStringLiteral("الم"),
                              QStringLiteral("ون"),
                              QStringLiteral("xyz"),
                              QStringLiteral("3"),
                              QStringLiteral("١٢"),
                              QStringLiteral("0"),
                              QStringLiteral("99999999999"),
                              QStringLiteral("-2"),
                              QStringLiteral("الله")};
    const auto input = [&] { return inputs[pick(int(std::size(inputs)))]; };
    const char* const menus[] = {"N8", "N7", "N37", "N20", "PopupMenu1", "PopupMenu2"};
    for (int step = 0; step < 600; ++step) {
        switch (pick(9)) {
        case 0: {
            const int key = keys[pick(8)];
            const QString text = key == Qt::Key_Plus       ? QStringLiteral("+")
                                 : key == Qt::Key_Minus    ? QStringLiteral("-")
                                 : key == Qt::Key_Asterisk ? QStringLiteral("*")
                                                           : QString();
            const KeyResult r = key_command(p, M, key, Qt::NoModifier, text);
            if (r.consumed)
                run_command(p, M, r.item, {input()});
            // The go-to key opens its dialog: choose in it and close it.
            if (p.isShown(WindowId::GoTo)) {
                run_command(p, WindowId::GoTo, QStringLiteral("ListBox1"),
                            {QString::number(pick(116) - 1)});
                run_command(p, WindowId::GoTo, QStringLiteral("Button1"));
                p.hide(WindowId::GoTo);
            }
            break;
        }
        case 1:
            select_ordering_item(s, pick(7) - 1);
            break;
        case 2:
            change_row(s, pick(s.table.rowCount() + 2) - 1);
            break;
        case 3:
            select_rows(s, pick(s.table.rowCount()), pick(s.table.rowCount()),
                        pick(s.table.rowCount()));
            break;
        case 4:
            letter_list_click(s, pick(s.letters.size() + 2) - 1);
            break;
        case 5:
            display_selection_changed(s, pick(int(s.display.text.size()) + 3) - 1,
                                      pick(int(s.display.text.size()) + 3) - 1);
            break;
        case 6: {
            // Through the item's shortcut, as a user reaches it.
            const QString item = QString::fromLatin1(items[pick(kItems)]);
            if (command_allowed(p, M, item))
                run_command(p, M, item, {input(), input()});
            break;
        }
        case 7:
            open_menu(p, M, QString::fromLatin1(menus[pick(6)]));
            break;
        default:
            if (s.enabled(QStringLiteral("BitBtn4"))) {
                goto_choose_surah(p.goTo, pick(116) - 1);
                goto_choose_verse(p.goTo, pick(300));
                goto_ok(p.goTo, s);
            }
            break;
        }
        ASSERT_EQ(program_fault(p), QString()) << "step " << step;
    }
}

// The same for the word sorting window and the phrase list: each opened by
// one of the commands that open it, from states the main window's commands
// leave, then whatever a user may do there, until the user closes it.
TEST(SessionSequence, AnyRunInTheWordAndPhraseWindowsKeepsThemConsistent) {
    Program p;
    constexpr WindowId M = WindowId::Main;
    std::mt19937 random(20261214);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const QString inputs[] = {QString(),
                              kSearchPlaceholder,
                              QStringLiteral("ل"),
                              QStringLiteral("الم"),
                              QStringLiteral("ون"),
                              QStringLiteral("xyz"),
                              QStringLiteral("3"),
                              QStringLiteral("١٢"),
                              QStringLiteral("0"),
                              QStringLiteral("-2"),
                              QStringLiteral("الله"),
                              QStringLiteral(" ")};
    const auto input = [&] { return inputs[pick(int(std::size(inputs)))]; };
    // What leaves the main table in another state, and what opens a window.
    const char* const before[] = {"BitBtn2", "BitBtn3", "BitBtn5", "N1", "N48", "N88", "BitBtn1"};
    const char* const openers[] = {"N9",  "N10", "N11", "N17", "N18", "N43",
                                   "N45", "N13", "N15", "N02", "N78", "N92"};
    std::vector<const Command*> rows[2];
    for (const Command& c : registry())
        if (c.kind != ItemKind::Menu &&
            (c.window == WindowId::WordSort || c.window == WindowId::PhraseList))
            rows[c.window == WindowId::PhraseList].push_back(&c);
    int opened = 0;
    for (int step = 0; step < 150; ++step) {
        const QString prior = QString::fromLatin1(before[pick(int(std::size(before)))]);
        if (command_allowed(p, M, prior))
            run_command(p, M, prior, {input()});
        const QString opener = QString::fromLatin1(openers[pick(int(std::size(openers)))]);
        if (command_allowed(p, M, opener))
            run_command(p, M, opener, {input(), input()});
        ASSERT_EQ(program_fault(p), QString()) << "step " << step << ", " << opener.toStdString();
        opened += p.active() != M;
        for (int inner = 0; p.active() != M && inner < 30; ++inner) {
            const WindowId w = p.active();
            const std::vector<const Command*>& own = rows[w == WindowId::PhraseList];
            const Command& c = *own[pick(int(own.size()))];
            // File dialogs are cancelled: the files are the fuzzer's to try.
            QStringList given;
            for (const Input& in : c.inputs)
                given << (in.from == Input::From::SaveFile || in.from == Input::From::OpenFile
                              ? QString()
                          : pick(2) ? QString::number(pick(8) - 1)
                                    : input());
            if (command_allowed(p, w, c.item))
                run_command(p, w, c.item, given);
            if (pick(10) == 0)
                p.hide(w);
            ASSERT_EQ(program_fault(p), QString())
                << "step " << step << ", " << c.item.toStdString();
        }
        while (p.active() != M)
            p.hide(p.active());
    }
    EXPECT_GT(opened, 50);
}
