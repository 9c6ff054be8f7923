// Where the end-to-end tests find the programs they start.
#pragma once

#include <string>

// The directory of this test program, with a trailing backslash.
std::string TestProgramDirectory();
// Focalix.exe of this build tree.
std::string FocalixExePath();
// The stand-in ws2_32.dll whose WSAStartup fails.
std::string FailingWinsockDllPath();
// The hook DLL that reads Focalix's windows from inside its process.
std::string ProbeDllPath();
