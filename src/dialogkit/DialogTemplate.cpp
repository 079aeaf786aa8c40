#include "dialogkit/DialogTemplate.h"

namespace {

constexpr std::uint32_t kDialogStyle = 0x80C80080;  // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME

}  // namespace

DialogTemplateBytes EmptyDialogTemplate() {
    DialogTemplateBytes result{};
    // Little-endian, as the platform reads it; every field after the style stays 0.
    for (std::size_t i = 0; i < 4; ++i) result.bytes[i] = static_cast<std::uint8_t>(kDialogStyle >> (8 * i));
    return result;
}
