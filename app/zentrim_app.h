#pragma once

#include "win_app.h"

// The application: checks Windows Sockets, then runs the main dialog once.
class CZentrimApp : public CWinApp {
public:
    CZentrimApp();
    ~CZentrimApp() override;
    const MessageMap* GetMessageMap() const override;

    // Runs the main dialog to its end. Returns FALSE on every path, so the
    // program ends without a message loop.
    BOOL InitInstance() override;
};
