// Writes projects of the benchmark family into a folder, for timing batch runs over many
// varied projects:  bxr_make_family FOLDER COUNT [SUPPORTS]
// Without SUPPORTS the projects take two, three, four and five supports in turn; with it
// (2 to 5) all have that many. Project i of a kind is the family beam of that kind and index.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "../bench/beam_family.h"
#include "model/project_file.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bxr_make_family FOLDER COUNT [SUPPORTS 2..5]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int count = std::atoi(argv[2]);
    const int only = argc > 3 ? std::atoi(argv[3]) : 0;
    const std::uint16_t kinds[4] = {bxr::kTwoHinges, bxr::kThreeHinges, bxr::kFourHinges,
                                    bxr::kFiveHinges};
    if (count <= 0 || (only != 0 && (only < 2 || only > 5))) {
        std::fprintf(stderr, "bxr_make_family: COUNT > 0 and SUPPORTS 2..5 expected\n");
        return 2;
    }
    for (int i = 0; i < count; ++i) {
        const int supports = only != 0 ? only : 2 + i % 4;
        const int index = only != 0 ? i : i / 4;
        const std::uint16_t kind = kinds[supports - 2];
        auto ws = bxr::family::FamilyBeam(kind, bxr::family::SeedOf(kind, index));
        char name[64];
        std::snprintf(name, sizeof name, "/s%d_%04d.bxr", supports, index);
        std::ofstream out(folder + name, std::ios::binary);
        out << bxr::ProjectFileText(ws->model, ws->documentation, bxr::OutputSettings{});
        if (!out) {
            std::fprintf(stderr, "bxr_make_family: cannot write %s%s\n", folder.c_str(), name);
            return 1;
        }
    }
    return 0;
}
