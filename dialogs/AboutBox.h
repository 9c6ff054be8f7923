// CAboutBox: the program's icon, name, version and notice, opened from the main window's
// system menu. Everything it does is the base dialog's: OK, Enter, Escape and the close box
// end it.
#pragma once

#include "framework/Dialog.h"

class CAboutBox : public CDialog {
public:
    CAboutBox();

    DECLARE_MESSAGE_MAP()
};
