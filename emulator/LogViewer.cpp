// emulator_log [FILE]: prints the emulator's report log (CLAVIRA_EMULATOR_LOG) with what each
// report changed in the keyboard, for reading test failures. Reads standard input without FILE.
#include "emulator/LogReader.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    std::ifstream file;
    if (argc > 1) {
        file.open(argv[1]);
        if (!file) {
            std::cerr << "emulator_log: cannot read " << argv[1] << "\n";
            return 1;
        }
    }
    std::istream& in = argc > 1 ? file : std::cin;
    emulator::LogReplay replay;
    std::string line;
    while (std::getline(in, line)) {
        if (const auto parsed = emulator::ParseLogLine(line)) {
            std::cout << replay.Describe(*parsed) << "\n";
        } else if (!line.empty()) {
            std::cout << "? " << line << "\n";
        }
    }
    return 0;
}
