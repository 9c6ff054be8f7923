// The command line of the browser fallback, built from the registered open command of
// ".htm". No window-system code, so that it is tested natively too.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Size of the command buffer the command line must fit, terminator included.
inline constexpr std::size_t kCommandBufferSize = 520;

// True for the first byte of a double-byte character of the code page in use.
using LeadBytePredicate = bool (*)(unsigned char byte);

// Position of "\"%1\"" in command, never starting on the second byte of a double-byte
// character; npos when absent.
std::size_t FindQuotedPlaceholder(std::string_view command, LeadBytePredicate isLeadByte);

// The command cut at the quoted placeholder (at its opening quote), else at a bare %1,
// else whole, then one space and the url. nullopt when the line with its terminator would
// not fit in kCommandBufferSize bytes.
std::optional<std::string> BuildFallbackCommand(std::string_view registeredCommand,
                                                std::string_view url, LeadBytePredicate isLeadByte);
