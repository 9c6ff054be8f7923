#include "framework/Controls.h"

BEGIN_MESSAGE_MAP(CEdit, CWnd)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CStatic, CWnd)
END_MESSAGE_MAP()
