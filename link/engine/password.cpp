#include "link/engine/password.h"

#include "codec/text_helpers.h"

namespace zq61 {

std::string radioPassword(std::span<const uint8_t> blockData) {
    std::string text;
    for (int i = kPasswordOffset; i < kPasswordOffset + kPasswordLength; ++i) {
        const uint8_t b = blockData[i];
        if (b == 0x00 || b == 0xFF) break;
        text += static_cast<char>(b);
    }
    return cleanString(text);
}

bool PasswordAccepted(std::span<const uint8_t> blockData, const std::string& entered) {
    const std::string password = radioPassword(blockData);
    return password.empty() || password == entered;
}

}  // namespace zq61
