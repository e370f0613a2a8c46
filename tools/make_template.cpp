// Builds the factory image Init.dat from its readable source.
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_template SOURCE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "make_template: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::array<unsigned char, 1024> image {};
    image.fill(0xFF);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string first;
        if (!(words >> first))
            continue;
        auto fail = [&](const char* what) {
            std::cerr << argv[1] << ":" << lineNumber << ": " << what << "\n";
            return 1;
        };
        if (first == "fill") {
            std::string value;
            if (!(words >> value))
                return fail("fill needs a byte");
            image.fill(static_cast<unsigned char>(std::stoul(value, nullptr, 16)));
            continue;
        }
        if (first.back() != ':')
            return fail("expected ADDR:");
        unsigned long address = std::stoul(first.substr(0, first.size() - 1), nullptr, 16);
        std::string value;
        while (words >> value) {
            const unsigned long byte = std::stoul(value, nullptr, 16);
            if (address >= image.size() || byte > 0xFF)
                return fail("address or byte out of range");
            image[address++] = static_cast<unsigned char>(byte);
        }
    }
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    if (!out) {
        std::cerr << "make_template: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
