#include "controls/FallbackCommand.h"

namespace {
constexpr std::string_view kQuotedPlaceholder = "\"%1\"";
constexpr std::string_view kBarePlaceholder = "%1";
} // namespace

std::size_t FindQuotedPlaceholder(std::string_view command, LeadBytePredicate isLeadByte) {
    // Walk character by character so that a match never starts on a trail byte.
    std::size_t pos = 0;
    while (pos < command.size()) {
        if (command.substr(pos, kQuotedPlaceholder.size()) == kQuotedPlaceholder)
            return pos;
        const bool doubleByte = isLeadByte &&
                                isLeadByte(static_cast<unsigned char>(command[pos])) &&
                                pos + 1 < command.size();
        pos += doubleByte ? 2 : 1;
    }
    return std::string_view::npos;
}

std::optional<std::string> BuildFallbackCommand(std::string_view registeredCommand,
                                                std::string_view url,
                                                LeadBytePredicate isLeadByte) {
    std::size_t end = FindQuotedPlaceholder(registeredCommand, isLeadByte);
    if (end == std::string_view::npos)
        end = registeredCommand.find(kBarePlaceholder);
    std::string_view program = registeredCommand.substr(0, end);

    // Program, one space, url and the terminator must fit the command buffer.
    if (program.size() + 1 + url.size() + 1 > kCommandBufferSize)
        return std::nullopt;
    std::string line;
    line.reserve(program.size() + 1 + url.size());
    line.append(program).append(" ").append(url);
    return line;
}
