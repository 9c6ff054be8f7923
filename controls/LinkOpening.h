// Opening a link target in the user's browser, and the report of a failure.
#pragma once

#include <windows.h>

// Result codes: greater than 32 is success, 0 to 32 are the shell's and WinExec's errors.
// Asks the shell first; when it fails, runs the registered open command of ".htm" with the
// url appended. A command line that would not fit the command buffer is refused with
// SE_ERR_OOM.
int OpenLink(const char* url, int showCommand);

// Reads the default value of root\subKey into out (at least 260 bytes; may be subKey
// itself). Returns the error of opening the key, out untouched; otherwise 0, with out an
// empty text when the value is missing, not text or too long.
LONG ReadKeyDefaultValue(HKEY root, const char* subKey, char* out);

// The English failure report, in the application message box.
void ShowOpenError(int code);
