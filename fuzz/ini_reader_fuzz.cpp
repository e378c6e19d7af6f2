// Feeds arbitrary bytes to the INI layer as a settings file: reads a few keys
// of every kind, writes one, and checks that the write reads back and leaves
// another section's key alone.
//
// fuzz-sources: settings/IniFile.cpp settings/TextEncoding.cpp

#include "settings/IniFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// One directory per process, on tmpfs where there is one, so the fsync of
// every write costs nothing. The path is never destroyed, so the exit handler
// that removes the directory can still use it.
const fs::path& WorkFile() {
    static const fs::path* const file = [] {
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string tmpl = (base / "ini-fuzz-XXXXXX").string();
        if (::mkdtemp(tmpl.data()) == nullptr)
            std::abort();
        auto* path = new fs::path(fs::path(tmpl) / "бримсота.ini");
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(WorkFile().parent_path(), ec);
        });
        return path;
    }();
    return *file;
}

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path& file = WorkFile();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    ini::ReadString(file, "APP", "SkinName", "Windows 10");
    ini::ReadInteger(file, "APP", "Locale", 0);
    ini::ReadBool(file, "INTERFACE_L", "Fi", true);
    ini::ReadFloat(file, "INTERFACE_380", "Coef1", 2.5, ",");
    ini::ReadFloat(file, "интерфейс", "Коэф", 0.2, ".");
    const std::string other = ini::ReadString(file, "INTERFACE_220", "Length_220", "<none>");

    // Blanks and quotes at the edges exercise the quoting that keeps values whole.
    const std::string value = " Алюминий, \"провод\" (0,0287)' ";
    ini::WriteString(file, "INTERFACE_380", "Resistivity", value);
    Check(ini::ReadString(file, "interface_380", "RESISTIVITY", "") == value, "value reads back");
    Check(ini::ReadString(file, "INTERFACE_220", "Length_220", "<none>") == other,
          "other key unchanged");
    return 0;
}
