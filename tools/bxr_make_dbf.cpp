// Build step: turns one catalogue source table (CSV, see tables/csv_table_source.h) into the
// dBase file the program reads.  Usage: bxr_make_dbf input.csv output.dbf
#include <cstdio>
#include <string>

#include "platform/file_system.h"
#include "tables/csv_table_source.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bxr_make_dbf input.csv output.dbf\n");
        return 2;
    }
    bxr::FileSystem& fs = bxr::DiskFileSystem();
    // A catalogue source is a few hundred rows; the limit only guards against a wrong file.
    constexpr std::size_t kMaxSource = 64u << 20;
    auto text = fs.Read(argv[1], kMaxSource);
    if (!text) {
        std::fprintf(stderr, "%s: cannot be read\n", argv[1]);
        return 1;
    }
    if (text->size() == kMaxSource) {
        std::fprintf(stderr, "%s: larger than 64 MiB\n", argv[1]);
        return 1;
    }
    std::string error;
    if (!bxr::WriteDbfFromCsv(fs, *text, argv[2], error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
