// Texts of the link-opening failure report (English, like the platform's own messages).
#pragma once

#include <string>

// The message for a result code; "Unknown Error (<code>) occurred." for unlisted codes.
std::string OpenErrorMessage(int code);

// The whole report: "Unable to open hyperlink:", an empty line, then the message.
std::string OpenErrorReport(int code);
