// Writes the letter test's table (measures.h) to the file named by its
// argument: one bit per UTF-16 code unit, set for the code units that Qt puts
// in a letter category. The build runs it, so the table always follows the
// classification of the Qt it builds with.
#include <QChar>

#include <cstdint>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_letter_table OUTPUT\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "// Made by make_letter_table as the program builds: bit u %% 64 of word\n"
                      "// u / 64 is set when the UTF-16 code unit u is a letter.\n"
                      "#include \"measures/measures.h\"\n\n"
                      "namespace tallyra {\n\n"
                      "const std::uint64_t kLetterBits[kLetterWords] = {\n");
    for (unsigned word = 0; word < 65536 / 64; ++word) {
        std::uint64_t bits = 0;
        for (unsigned bit = 0; bit < 64; ++bit)
            if (QChar(char16_t(word * 64 + bit)).isLetter())
                bits |= std::uint64_t(1) << bit;
        std::fprintf(out, "    0x%016llxULL,\n", static_cast<unsigned long long>(bits));
    }
    std::fprintf(out, "};\n\n} // namespace tallyra\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
