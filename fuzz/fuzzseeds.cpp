// Writes the starting corpus of each fuzzer into the folders given.
#include "app/model/lastinputfile.h"
#include "options/model/optionsfile.h"

#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::cerr << "usage: fuzz_seeds <defaultfile dir> <lastinputfile dir> <tonumber dir>\n";
        return 2;
    }
    const std::filesystem::path defaultFiles = argv[1];
    const std::filesystem::path lastInputFiles = argv[2];
    const std::filesystem::path numbers = argv[3];
    for (const auto &folder : {defaultFiles, lastInputFiles, numbers})
        std::filesystem::create_directories(folder);

    options::writeOptionsFile(defaultFiles / "first-run.dat", options::initialOptionsSnapshot());
    if (!app::saveLastInputs(app::MainWindowModel(), lastInputFiles / "first-run.dat")) {
        std::cerr << "cannot write the last-input seed\n";
        return 1;
    }
    int index = 0;
    for (const char *text : {"12.5", "-40", " 7 ", ".5", "5.", "1e5", "-2.5E-3", "1e400", "0x10", "-"})
        std::ofstream(numbers / ("seed" + std::to_string(index++))) << text;
    return 0;
}
