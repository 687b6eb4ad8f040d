// Start-up when Windows Sockets 1.1 cannot be had.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "app_session.h"
#include "socket_init.h"

namespace {

int g_cleanups = 0;

int WINAPI FailingStartup(WORD, WSAData*) {
    return WSASYSNOTREADY;
}
int WINAPI OtherVersionStartup(WORD, WSAData* data) {
    data->wVersion = MAKEWORD(2, 2);
    return 0;
}
int WINAPI CountingCleanup() {
    ++g_cleanups;
    return 0;
}

// Puts the system's calls back whatever the test does.
class ScopedSocketCalls {
public:
    explicit ScopedSocketCalls(SocketCalls calls) : previous_(AfxSetSocketCalls(calls)) {}
    ~ScopedSocketCalls() { AfxSetSocketCalls(previous_); }
    ScopedSocketCalls(const ScopedSocketCalls&) = delete;
    ScopedSocketCalls& operator=(const ScopedSocketCalls&) = delete;

private:
    SocketCalls previous_;
};

TEST(StartUp, WithoutSocketsShowsTheFrameworkBoxAndEndsWithoutTheDialog) {
    struct Row {
        const char* name;
        int(WINAPI* startup)(WORD, WSAData*);
        int cleanups;  // a start that succeeded must be undone
    };
    const Row rows[] = {
        {"the start fails", FailingStartup, 0},
        {"the system agrees to another version", OtherVersionStartup, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        g_cleanups = 0;
        ScopedSocketCalls calls({row.startup, CountingCleanup});
        AppSession session;
        EXPECT_FALSE(session.Run({}));
        EXPECT_EQ(session.driver.main_activations, 0);
        ASSERT_EQ(session.driver.seen.size(), 1u);
        const SeenWindow& box = session.driver.seen[0];
        EXPECT_EQ(box.text, "Windows sockets initialization failed.");
        EXPECT_EQ(box.caption, "ui_tests");
        EXPECT_TRUE(box.has_icon);
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_FALSE(Exists(session.Path("zentrim.ini")));
        EXPECT_EQ(g_cleanups, row.cleanups);
    }
}

TEST(StartUp, ReturnsFalseAfterTheDialogToo) {
    AppSession session;
    EXPECT_FALSE(session.Run({[](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }}));
    EXPECT_EQ(session.app.m_pMainWnd, nullptr);
}

}  // namespace
