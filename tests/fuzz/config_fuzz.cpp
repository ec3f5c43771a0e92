// libFuzzer target for the configuration reader: any bytes as "bxr.cfg" give settings that
// write out and read back to the same text, and never a read or write outside a list.
// Build with -DBXR_FUZZ=ON and clang.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const bxr::ScreenInfo screen;
    bxr::Configuration c;
    bxr::ReadConfigurationText(bytes, c, screen, "/tmp");
    // Settings that came from a short file take their start values on the next read; from the
    // second text on, what is written reads back completely and to the same text.
    bxr::Configuration once;
    bxr::ReadConfigurationText(bxr::ConfigurationText(c), once, screen, "/tmp");
    const std::string text = bxr::ConfigurationText(once);
    bxr::Configuration again;
    if (!bxr::ReadConfigurationText(text, again, screen, "/tmp")) std::abort();
    if (bxr::ConfigurationText(again) != text) std::abort();
    return 0;
}
