// The main dialog driven through its real window: what a user would notice.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app_session.h"
#include "resource.h"
#include "zentrim_dlg.h"

namespace {

using Steps = std::vector<std::function<void(HWND)>>;
using ::testing::ElementsAre;

int Selection(HWND dialog) {
    return static_cast<int>(SendMessageA(Item(dialog, IDC_LINES), CB_GETCURSEL, 0, 0));
}

int IndexOf(HWND dialog, const std::string& item) {
    return static_cast<int>(SendMessageA(Item(dialog, IDC_LINES), CB_FINDSTRINGEXACT,
                                         static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(item.c_str())));
}

TEST(MainDialog, StartShowsSavedFieldsWithFocusOnQuitAndTheSortedList) {
    AppSession session;
    session.WriteSettings("C:\\in.txt", "out.txt", "10");
    HWND seen_dialog = nullptr;
    EXPECT_FALSE(session.Run({[&](HWND dialog) {
        seen_dialog = dialog;
        EXPECT_EQ(TextOf(Item(dialog, IDC_SOURCE)), "C:\\in.txt");
        EXPECT_EQ(TextOf(Item(dialog, IDC_DEST)), "out.txt");
        EXPECT_EQ(TextOf(Item(dialog, IDC_LINES)), "10");
        EXPECT_EQ(Selection(dialog), IndexOf(dialog, "10"));
        EXPECT_EQ(GetFocus(), Item(dialog, IDOK));
        EXPECT_THAT(ListOf(Item(dialog, IDC_LINES)),
                    ElementsAre("1", "10", "100", "1000", "10000", "100000", "5", "50"));
        EXPECT_EQ(TextOf(dialog), "Zentrim by Quenby");
        PostKey(VK_RETURN);
    }}));
    EXPECT_NE(seen_dialog, nullptr);
    EXPECT_TRUE(session.driver.seen.empty())
        << ::testing::PrintToString(session.driver.SeenTexts());
    EXPECT_EQ(session.Settings(), SettingsText("C:\\in.txt", "out.txt", "10"));
}

TEST(MainDialog, LoadedLineCountSelectsItsItemOrIsShownAsItIs) {
    struct Row {
        const char* name;
        const char* saved;
        const char* item;  // the item selected; null for none
    };
    const Row rows[] = {
        {"an item of the list", "50", "50"},
        {"a number not in the list", "7", nullptr},
        {"text", "many", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AppSession session;
        session.WriteSettings("", "", row.saved);
        session.Run({[&](HWND dialog) {
            EXPECT_EQ(TextOf(Item(dialog, IDC_LINES)), row.saved);
            EXPECT_EQ(Selection(dialog), row.item ? IndexOf(dialog, row.item) : CB_ERR);
            Click(dialog, IDOK);
        }});
    }
}

TEST(MainDialog, MissingSettingsFileGivesEmptyFieldsAndIsWrittenAtTheEnd) {
    AppSession session;
    session.Run({[&](HWND dialog) {
        EXPECT_EQ(TextOf(Item(dialog, IDC_SOURCE)), "");
        EXPECT_EQ(TextOf(Item(dialog, IDC_DEST)), "");
        TypeInto(dialog, IDC_SOURCE, "a.txt");
        Click(dialog, IDOK);
    }});
    EXPECT_EQ(session.Settings().substr(0, 35), "CREATOR=ZENTRIM 1.0\r\nSOURCE=a.txt\r\n");
}

TEST(MainDialog, GoRefusesEachEmptyInputWithItsMessage) {
    struct Row {
        const char* name;
        const char* source;
        const char* dest;
        const char* lines;
        const char* message;
    };
    const Row rows[] = {
        {"no source", "", "d.txt", "5", "Please enter a source file"},
        {"no destination", "s.txt", "", "5", "Please enter a destination file"},
        {"no line count", "s.txt", "d.txt", "", "Please enter or select a number of lines"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AppSession session;
        HWND main = nullptr;
        session.Run({[&](HWND dialog) {
            main = dialog;
            TypeInto(dialog, IDC_SOURCE, row.source);
            TypeInto(dialog, IDC_DEST, row.dest);
            TypeInto(dialog, IDC_LINES, row.lines);
            Click(dialog, IDC_GO);
            Click(dialog, IDOK);
        }});
        ASSERT_EQ(session.driver.seen.size(), 1u);
        const SeenWindow& box = session.driver.seen[0];
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.text, row.message);
        EXPECT_FALSE(box.has_icon);
        EXPECT_EQ(box.owner, main);
        EXPECT_FALSE(Exists(session.Path("s.txt")));
    }
}

TEST(MainDialog, GoCopiesTheTopLinesAndSaysDone) {
    AppSession session;
    WriteBytes(session.Path("in.txt"), "one\ntwo\r\nthree\n");
    WriteBytes(session.Path("out.txt"), "kept\r\n");
    session.Run({[&](HWND dialog) {
        TypeInto(dialog, IDC_SOURCE, "in.txt");
        TypeInto(dialog, IDC_DEST, "out.txt");
        TypeInto(dialog, IDC_LINES, "5");
        TypeInto(dialog, IDC_LINES, "2");
        Click(dialog, IDC_GO);
        // No exchange after a finished run: the typed count stays unselected.
        EXPECT_EQ(Selection(dialog), CB_ERR);
        Click(dialog, IDOK);
    }});
    EXPECT_EQ(session.driver.SeenTexts(), std::vector<std::string>{"Done: Done."});
    EXPECT_FALSE(session.driver.seen[0].has_icon);
    EXPECT_EQ(ReadBytes(session.Path("out.txt")), "kept\r\none\r\ntwo\r\n");
}

TEST(MainDialog, GoReloadsTheFieldsWhenTheSourceEndsFirst) {
    AppSession session;
    WriteBytes(session.Path("in.txt"), "only\n");
    session.Run({[&](HWND dialog) {
        TypeInto(dialog, IDC_SOURCE, "in.txt");
        TypeInto(dialog, IDC_DEST, "out.txt");
        TypeInto(dialog, IDC_LINES, "5");
        Click(dialog, IDC_GO);
        // The load direction shows the typed count as the list's item.
        EXPECT_EQ(Selection(dialog), IndexOf(dialog, "5"));
        Click(dialog, IDOK);
    }});
    EXPECT_TRUE(session.driver.seen.empty())
        << ::testing::PrintToString(session.driver.SeenTexts());
    EXPECT_EQ(ReadBytes(session.Path("out.txt")), "only\r\n");
}

TEST(MainDialog, GoStopsAtTheFirstLineTheDestinationRefuses) {
    AppSession session;
    WriteBytes(session.Path("in.txt"), "1\n2\n3\n4\n5\n6\n");
    CreateDirectoryA(session.Path("folder").c_str(), nullptr);
    session.Run({[&](HWND dialog) {
        TypeInto(dialog, IDC_SOURCE, "in.txt");
        TypeInto(dialog, IDC_DEST, "folder");
        TypeInto(dialog, IDC_LINES, "5");
        Click(dialog, IDC_GO);
        EXPECT_EQ(Selection(dialog), IndexOf(dialog, "5"));
        Click(dialog, IDOK);
    }});
    EXPECT_EQ(session.driver.SeenTexts(),
              std::vector<std::string>{"Error Log: Could not write to log file"});
}

TEST(MainDialog, QuitSavesWhatTheFieldsShowOtherEndingsWhatTheLastExchangeRead) {
    struct Row {
        const char* name;
        std::function<void(HWND)> close;
        const char* saved_dest;
    };
    const Row rows[] = {
        {"Quit clicked", [](HWND dialog) { Click(dialog, IDOK); }, "typed.txt"},
        {"Enter in a field", [](HWND) { PostKey(VK_RETURN); }, "typed.txt"},
        {"Escape", [](HWND) { PostKey(VK_ESCAPE); }, "old.txt"},
        {"Close on the system menu",
         [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, "old.txt"},
        {"close request", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }, "old.txt"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AppSession session;
        session.WriteSettings("s.txt", "old.txt", "5");
        session.Run({[&](HWND dialog) {
            TypeInto(dialog, IDC_DEST, "typed.txt");
            row.close(dialog);
        }});
        EXPECT_EQ(session.Settings(), SettingsText("s.txt", row.saved_dest, "5"));
    }
}

TEST(MainDialog, HelpKeepsTypedTextAndQuitThenSavesIt) {
    AppSession session;
    session.Run({[&](HWND dialog) {
        TypeInto(dialog, IDC_LINES, "25");
        Click(dialog, IDC_HELP_PAGE);
        EXPECT_EQ(TextOf(Item(dialog, IDC_LINES)), "25");
        Click(dialog, IDOK);
    }});
    EXPECT_EQ(session.Settings(), SettingsText("", "", "25"));
}

TEST(MainDialog, SystemMenuEndsWithTheAboutItem) {
    AppSession session;
    session.Run({[&](HWND dialog) {
        HMENU menu = GetSystemMenu(dialog, FALSE);
        int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        EXPECT_EQ(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
        EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
        char text[64] = {};
        GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "&About Zentrim...");
        Click(dialog, IDOK);
    }});
}

TEST(MainDialog, SystemCommandsInTheAboutRangeOpenTheAboutBox) {
    struct Row {
        const char* name;
        UINT command;
        bool opens;
    };
    const Row rows[] = {
        {"the About item", 0x0010, true},
        {"another id of its range", 0x0015, true},
        {"an id past the range", 0x0020, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AppSession session;
        HWND main = nullptr;
        session.Run({[&](HWND dialog) {
            main = dialog;
            SendMessageA(dialog, WM_SYSCOMMAND, row.command, 0);
            Click(dialog, IDOK);
        }});
        if (!row.opens) {
            EXPECT_TRUE(session.driver.seen.empty());
            continue;
        }
        ASSERT_EQ(session.driver.seen.size(), 1u);
        EXPECT_EQ(session.driver.seen[0].caption, "About Zentrim");
        EXPECT_EQ(session.driver.seen[0].owner, main);
    }
}

TEST(MainDialog, F1AsksTheHelpEngineForTheDialogsTopicUnlessAModifierIsHeld) {
    struct Row {
        const char* name;
        int modifier;  // virtual key held down, 0 for none
        bool asks;
    };
    const Row rows[] = {
        {"F1", 0, true},
        {"Shift+F1", VK_SHIFT, false},
        {"Ctrl+F1", VK_CONTROL, false},
        {"Alt+F1", VK_MENU, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AppSession session;
        session.Run({
            [&](HWND dialog) {
                BYTE keys[256] = {};
                GetKeyboardState(keys);
                if (row.modifier != 0) {
                    keys[row.modifier] = 0x80;
                }
                SetKeyboardState(keys);
                HELPINFO info{sizeof info, HELPINFO_WINDOW, IDOK, Item(dialog, IDOK), 0, {0, 0}};
                SendMessageA(Item(dialog, IDOK), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
                keys[row.modifier] = 0;
                SetKeyboardState(keys);
            },
            [&](HWND dialog) { Click(dialog, IDOK); },
        });
        if (!row.asks) {
            EXPECT_TRUE(session.app.help_calls.empty());
            continue;
        }
        ASSERT_EQ(session.app.help_calls.size(), 1u);
        EXPECT_EQ(session.app.help_calls[0].data, 0x20066u);
        EXPECT_EQ(session.app.help_calls[0].command, static_cast<UINT>(HELP_CONTEXT));
        const std::string& file = session.app.help_calls[0].file;
        EXPECT_EQ(file.substr(file.size() - 13), "\\ui_tests.HLP");
    }
}

HWND g_about = nullptr;

// Presses F1 in the About box once it has the focus, then closes it.
void CALLBACK HelpInAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND ok = GetDlgItem(g_about, IDOK);
    HELPINFO info{sizeof info, HELPINFO_WINDOW, IDOK, ok, 0, {0, 0}};
    SendMessageA(ok, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    PostMessageA(g_about, WM_COMMAND, IDOK, 0);
}

TEST(MainDialog, F1InTheAboutBoxAsksForTheAboutTopic) {
    AppSession session;
    session.driver.on_activate = [](HWND window, const SeenWindow& seen) {
        if (seen.caption != "About Zentrim") {
            return false;
        }
        g_about = window;
        SetTimer(nullptr, 0, 50, HelpInAboutBox);
        return true;
    };
    session.Run({[&](HWND dialog) {
        SendMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        Click(dialog, IDOK);
    }});
    ASSERT_EQ(session.app.help_calls.size(), 1u);
    EXPECT_EQ(session.app.help_calls[0].data, 0x20064u);
}

TEST(MainDialog, MinimisedIconIsCentredWithTruncatingDivision) {
    EXPECT_EQ(MinimisedIconOffset(36, 32), 2);
    EXPECT_EQ(MinimisedIconOffset(20, 32), -5);
}

}  // namespace
