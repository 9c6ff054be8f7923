// Thin control classes: what the program needs of edits and statics, and no more.
#pragma once

#include "framework/Wnd.h"

class CEdit : public CWnd {
public:
    DECLARE_MESSAGE_MAP()
};

class CStatic : public CWnd {
public:
    DECLARE_MESSAGE_MAP()
};
