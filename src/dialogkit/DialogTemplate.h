#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// An empty DLGTEMPLATE: popup, caption, system menu, modal frame; no controls, menu, class, title or font.
// Each dialog sizes, titles and fills itself when it starts.
struct alignas(4) DialogTemplateBytes {
    static constexpr std::size_t kSize = 24;
    std::array<std::uint8_t, kSize> bytes;
};

DialogTemplateBytes EmptyDialogTemplate();
