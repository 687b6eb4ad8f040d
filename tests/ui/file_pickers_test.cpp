// The two "Browse" buttons against the system's real Open dialog.
#include <gtest/gtest.h>

#include "app_session.h"
#include "file_dialog.h"
#include "resource.h"

namespace {

constexpr char kTemplateCaption[] = "Zentrim by Quenby";
// The Open dialog's name field: a combo box on Windows, an edit in Wine.
constexpr int kNameCombo = 0x47C;
constexpr int kNameEdit = 0x480;
constexpr int kFileTypeCombo = 0x470;

// How the person leaves the Open dialog after typing a name into it.
enum class Leave { Enter, Escape, CloseBox };

struct OpenAnswer {
    std::string name;  // typed into the name field
    Leave leave;
    std::string folder = "";  // typed and entered first, to open that folder
};

// What the test saw of one Open dialog when it was ready for input.
struct OpenSeen {
    std::string initial_name;
    std::string file_type;  // the filter shown
    HWND owner;
};

int NameFieldId(HWND window) {
    return GetDlgItem(window, kNameCombo) != nullptr  ? kNameCombo
           : GetDlgItem(window, kNameEdit) != nullptr ? kNameEdit
                                                      : 0;
}

std::string CurrentDirectory() {
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

BOOL CALLBACK FindOpenDialogProc(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window) && NameFieldId(window) != 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The thread's visible Open dialog, or null.
HWND FindOpenDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindOpenDialogProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Answers each Open dialog of the thread with the next answer, typing into
// its name field and leaving it as a person would. It watches for the dialog
// rather than waiting for its activation, which Wine does not always report.
// An Open dialog still open long after its answer is cancelled and the test
// failed.
class OpenDialogPerson {
public:
    // Keeps `driver` from dismissing the Open dialogs it sees activated.
    explicit OpenDialogPerson(UiDriver& driver) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 50, TimerProc);
        // Nor the main dialog, which the driver no longer knows once its
        // caption names a picked source.
        driver.on_activate = [](HWND window, const SeenWindow&) {
            return NameFieldId(window) != 0 || GetDlgItem(window, IDC_BROWSE_SOURCE) != nullptr;
        };
    }
    ~OpenDialogPerson() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    OpenDialogPerson(const OpenDialogPerson&) = delete;
    OpenDialogPerson& operator=(const OpenDialogPerson&) = delete;

    void Answer(OpenAnswer answer) { answers_.push_back(std::move(answer)); }

    std::vector<OpenSeen> seen;

private:
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD) {
        if (current_ != nullptr) {
            current_->OnTick();
        }
    }

    void OnTick() {
        if (!IsWindow(dialog_)) {
            dialog_ = FindOpenDialog();
            ticks_ = 0;
            if (dialog_ == nullptr) {
                return;
            }
        }
        ++ticks_;
        if (ticks_ == 1) {
            Act();
        } else if (ticks_ == kTicksPerStep && !answer_.folder.empty()) {
            Finish();
        } else if (ticks_ == kTicksBeforeGivingUp) {
            ADD_FAILURE() << "the Open dialog stayed open after its answer";
            PostMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
        }
    }

    void Act() {
        const int field = NameFieldId(dialog_);
        seen.push_back({TextOf(GetDlgItem(dialog_, field)),
                        TextOf(GetDlgItem(dialog_, kFileTypeCombo)), GetWindow(dialog_, GW_OWNER)});
        if (answers_.empty()) {
            ADD_FAILURE() << "an Open dialog the test did not expect";
            PostKey(VK_ESCAPE);
            return;
        }
        answer_ = std::move(answers_.front());
        answers_.erase(answers_.begin());
        if (!answer_.folder.empty()) {
            TypeInto(dialog_, field, answer_.folder);
            PostKey(VK_RETURN);
            return;
        }
        Finish();
    }

    void Finish() {
        TypeInto(dialog_, NameFieldId(dialog_), answer_.name);
        const Leave leave = answer_.leave;
        answer_ = {};
        switch (leave) {
            case Leave::Enter:
                PostKey(VK_RETURN);
                break;
            case Leave::Escape:
                PostKey(VK_ESCAPE);
                break;
            case Leave::CloseBox:
                PostMessageA(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
                break;
        }
    }

    static constexpr int kTicksPerStep = 10;  // at 50 ms each
    static constexpr int kTicksBeforeGivingUp = 100;
    static OpenDialogPerson* current_;
    std::vector<OpenAnswer> answers_;
    OpenAnswer answer_;  // the one being given
    HWND dialog_ = nullptr;
    UINT_PTR timer_ = 0;
    int ticks_ = 0;
};

OpenDialogPerson* OpenDialogPerson::current_ = nullptr;

// Ends the main dialog as Escape does: the members are saved as they stand.
// Done in the step that picked: the driver finds the dialog by the caption a
// source pick replaces.
void CloseWithoutExchange(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Types into all three fields, as a person does before reaching for a button.
void TypeAll(HWND dialog, const std::string& source, const std::string& dest,
             const std::string& lines) {
    TypeInto(dialog, IDC_SOURCE, source);
    TypeInto(dialog, IDC_DEST, dest);
    TypeInto(dialog, IDC_LINES, lines);
}

struct Fields {
    std::string source, dest, lines, caption;
};

Fields FieldsOf(HWND dialog) {
    return {TextOf(Item(dialog, IDC_SOURCE)), TextOf(Item(dialog, IDC_DEST)),
            TextOf(Item(dialog, IDC_LINES)), TextOf(dialog)};
}

void ExpectFields(const Fields& actual, const Fields& expected) {
    EXPECT_EQ(actual.source, expected.source);
    EXPECT_EQ(actual.dest, expected.dest);
    EXPECT_EQ(actual.lines, expected.lines);
    EXPECT_EQ(actual.caption, expected.caption);
}

// Types into all three fields, presses `button` and, once the pick is over,
// closes without an exchange. Returns what the fields showed after the pick,
// which must have left the current directory where it was.
Fields PickAfterTyping(AppSession& session, int button) {
    const std::string start_dir = CurrentDirectory();
    Fields after;
    session.Run({[&](HWND dialog) {
        TypeAll(dialog, "typed-source.txt", "typed-dest.txt", "25");
        Click(dialog, button);
        after = FieldsOf(dialog);
        EXPECT_EQ(CurrentDirectory(), start_dir);
        CloseWithoutExchange(dialog);
    }});
    return after;
}

TEST(FilePickers, ConfirmedPickStoresTheFullPathAndKeepsTheOtherTypedFields) {
    struct Row {
        const char* name;
        int button;
        const char* file;  // inside the folder "other"
        bool exists;
    };
    const Row rows[] = {
        {"source, an existing file", IDC_BROWSE_SOURCE, "in.txt", true},
        {"destination, a new name without an extension", IDC_BROWSE_DEST, "new-name", false},
        {"source, a new name without an extension", IDC_BROWSE_SOURCE, "new-name", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AppSession session;
        OpenDialogPerson person(session.driver);
        const std::string other = session.Path("other");
        CreateDirectoryA(other.c_str(), nullptr);
        const std::string path = other + "\\" + row.file;
        if (row.exists) {
            WriteBytes(path, "one\r\n");
        }
        // The person opens the folder first, then types the bare name. The
        // Open dialog starts wherever the system likes, so the folder is full.
        person.Answer({row.file, Leave::Enter, other});
        const bool source = row.button == IDC_BROWSE_SOURCE;
        const Fields after = PickAfterTyping(session, row.button);
        ExpectFields(after, {source ? path : "typed-source.txt", source ? "typed-dest.txt" : path,
                             "25", source ? "Quenby: " + path : kTemplateCaption});
        EXPECT_EQ(session.Settings(), SettingsText(source ? path : "typed-source.txt",
                                                   source ? "typed-dest.txt" : path, "25"));
        EXPECT_FALSE(Exists(other + "\\zentrim.ini"));
        EXPECT_EQ(Exists(path), row.exists) << "the pick itself creates no file";
        ASSERT_EQ(person.seen.size(), 1u);
        EXPECT_EQ(person.seen[0].initial_name, "");
    }
}

TEST(FilePickers, NoChoiceChangesNothingButReadsTheTypedFields) {
    struct Row {
        const char* name;
        int button;
        Leave leave;
        std::size_t path_length;  // of the full path typed; 0 for the file in.txt
    };
    const Row rows[] = {
        {"source, Escape", IDC_BROWSE_SOURCE, Leave::Escape, 0},
        {"destination, Escape", IDC_BROWSE_DEST, Leave::Escape, 0},
        {"source, the close box", IDC_BROWSE_SOURCE, Leave::CloseBox, 0},
        {"source, a path of MAX_PATH characters", IDC_BROWSE_SOURCE, Leave::Enter, MAX_PATH},
        {"source, a path of 300 characters", IDC_BROWSE_SOURCE, Leave::Enter, 300},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AppSession session;
        OpenDialogPerson person(session.driver);
        WriteBytes(session.Path("in.txt"), "one\r\n");
        session.WriteSettings("saved-source.txt", "saved-dest.txt", "5");
        std::string typed = session.Path("in.txt");
        if (row.path_length != 0) {
            typed = session.Path("");
            typed.append(row.path_length - typed.size(), 'n');
        }
        person.Answer({typed, row.leave});
        const Fields after = PickAfterTyping(session, row.button);
        ExpectFields(after, {"typed-source.txt", "typed-dest.txt", "25", kTemplateCaption});
        // The pick read the typed fields into the members before the Open dialog.
        EXPECT_EQ(session.Settings(), SettingsText("typed-source.txt", "typed-dest.txt", "25"));
        EXPECT_EQ(person.seen.size(), 1u);
    }
}

TEST(FilePickers, CaptionNamesTheLastConfirmedSourceOnly) {
    AppSession session;
    OpenDialogPerson person(session.driver);
    const std::string a = session.Path("a.txt");
    const std::string b = session.Path("b.txt");
    const std::string c = session.Path("c.txt");
    person.Answer({a, Leave::Enter});   // source
    person.Answer({b, Leave::Enter});   // destination
    person.Answer({c, Leave::Escape});  // source, cancelled
    person.Answer({c, Leave::Enter});   // source
    std::vector<std::string> captions;
    HWND main = nullptr;
    session.Run({[&](HWND dialog) {
        main = dialog;
        auto pick = [&](int button) {
            Click(dialog, button);
            captions.push_back(TextOf(dialog));
        };
        pick(IDC_BROWSE_SOURCE);
        pick(IDC_BROWSE_DEST);
        // A source typed by hand leaves the caption naming the picked file.
        TypeInto(dialog, IDC_SOURCE, "by-hand.txt");
        pick(IDC_BROWSE_SOURCE);
        pick(IDC_BROWSE_SOURCE);
        Click(dialog, IDOK);
    }});
    EXPECT_EQ(captions, (std::vector<std::string>{"Quenby: " + a, "Quenby: " + a, "Quenby: " + a,
                                                  "Quenby: " + c}));
    EXPECT_EQ(session.Settings(), SettingsText(c, b, ""));
    // Each Open dialog starts empty although the fields hold paths by then.
    ASSERT_EQ(person.seen.size(), 4u);
    for (const OpenSeen& seen : person.seen) {
        EXPECT_EQ(seen.initial_name, "");
        EXPECT_EQ(seen.file_type, "All Files (*.*)");
        EXPECT_EQ(seen.owner, main);
    }
}

TEST(FileDialog, TellsAChoiceACancelAndAFailureApart) {
    using Outcome = CFileDialog::Outcome;
    struct Row {
        const char* name;
        std::size_t path_length;  // of the full path; 0 for a short one
        bool in_folder;           // the folder opened first, then the bare name typed
        Leave leave;
        INT_PTR result;
        Outcome outcome;
        DWORD error;
    };
    const Row rows[] = {
        {"a name confirmed", 0, false, Leave::Enter, IDOK, Outcome::Chosen, 0},
        {"Escape", 0, false, Leave::Escape, IDCANCEL, Outcome::Cancelled, 0},
        {"the longest path the buffer holds", MAX_PATH - 1, false, Leave::Enter, IDOK,
         Outcome::Chosen, 0},
        {"the longest path, its name typed in its folder", MAX_PATH - 1, true, Leave::Enter, IDOK,
         Outcome::Chosen, 0},
        {"a path one character too long", MAX_PATH, false, Leave::Enter, IDCANCEL, Outcome::Failed,
         FNERR_BUFFERTOOSMALL},
        // Past MAX_PATH some systems' dialogs overrun their own buffers.
        {"a path far too long", 300, false, Leave::Enter, IDCANCEL, Outcome::Failed,
         FNERR_BUFFERTOOSMALL},
        {"a path far too long, its name typed in its folder", 300, true, Leave::Enter, IDCANCEL,
         Outcome::Failed, FNERR_BUFFERTOOSMALL},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        const std::string folder = dir.Path("");
        std::string name = "x.txt";
        if (row.path_length != 0) {
            name.assign(row.path_length - folder.size(), 'n');
        }
        const std::string path = folder + name;
        UiDriver driver;
        OpenDialogPerson person(driver);
        person.Answer(row.in_folder ? OpenAnswer{name, row.leave, folder}
                                    : OpenAnswer{path, row.leave});
        CFileDialog file_dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "All (*.*)|*.*||");
        EXPECT_EQ(file_dialog.DoModal(), row.result);
        EXPECT_EQ(file_dialog.GetOutcome(), row.outcome);
        EXPECT_EQ(file_dialog.GetExtendedError(), row.error);
        EXPECT_EQ(file_dialog.GetPathName(), row.outcome == Outcome::Chosen ? path : "");
    }
}

TEST(FileDialog, ConfirmedPathLengthBoundsThePathMadeOfTheTypedName) {
    struct Row {
        const char* name;
        const char* typed;
        const char* default_ext;
        std::size_t length;
    };
    const std::string folder = "C:\\dir";  // 6 characters
    const Row rows[] = {
        {"a bare name goes after the folder", "a.txt", nullptr, 6 + 1 + 5},
        {"a relative path goes after the folder", "sub/a.txt", nullptr, 6 + 1 + 9},
        {"a full path stands alone", "D:\\x\\a.txt", nullptr, 10},
        {"a network path stands alone", "\\\\host\\share\\a", nullptr, 14},
        {"a path from the root takes a drive", "\\x\\a.txt", nullptr, 2 + 8},
        {"a name without an extension takes the default one", "a", "txt", 6 + 1 + 1 + 4},
        {"a name with an extension keeps it", "a.log", "txt", 6 + 1 + 5},
        {"a dot in a folder name is no extension", "v.1\\a", "txt", 6 + 1 + 5 + 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ConfirmedPathLength(folder, row.typed, row.default_ext), row.length);
    }
}

TEST(FileDialog, FilterBarsBecomeTheNulsThatEndTheList) {
    EXPECT_EQ(FilterFromBars("All Files (*.*)|*.*||"), std::string("All Files (*.*)\0*.*\0\0", 21));
    EXPECT_EQ(FilterFromBars(nullptr), "");
}

}  // namespace
