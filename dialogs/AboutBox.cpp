#include "dialogs/AboutBox.h"

#include "resources/resource.h"

// No parent: the framework makes the main window its owner and disables it meanwhile.
CAboutBox::CAboutBox() : CDialog(IDD_ABOUT, nullptr) {}

BEGIN_MESSAGE_MAP(CAboutBox, CDialog)
END_MESSAGE_MAP()
