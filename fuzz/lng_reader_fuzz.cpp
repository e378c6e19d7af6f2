// fuzz-sources: language/LanguageFile.cpp
// Feeds arbitrary bytes to the language file reader. Besides not crashing,
// whatever it reads must be written and read back unchanged.

#include "language/LanguageFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const lang::LanguageFile read = lang::ReadLanguageFile(bytes);
    if (read.recognised && lang::ReadLanguageFile(lang::WriteLanguageFile(read)) != read)
        std::abort();
    return 0;
}
