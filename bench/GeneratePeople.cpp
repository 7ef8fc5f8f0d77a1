// natalix_generate FOLDER COUNT [SEED]: writes a Birthday file of COUNT synthetic people
// into FOLDER, for trying the program with a large file.
#include <cstdio>
#include <cstdlib>

#include "PeopleGenerator.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER COUNT [SEED]\n", argv[0]);
        return 2;
    }
    const int count = std::atoi(argv[2]);
    const auto seed =
        argc > 3 ? static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10)) : 1u;
    if (!ntx::bench::generatePeople(argv[1], count, seed)) {
        std::fprintf(stderr, "could not write the Birthday file in %s\n", argv[1]);
        return 1;
    }
    return 0;
}
