// CFocalixApp: checks the sockets layer, then runs the calculator window modally; the
// process ends when that window closes.
#pragma once

#include "framework/WinApp.h"

class CFocalixApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
