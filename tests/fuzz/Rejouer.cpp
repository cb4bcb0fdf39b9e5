// Replays a fuzz harness over saved inputs without the fuzzing engine:
// every file given on the command line, and every file of the folders
// given, goes through the harness once. Built with the ordinary compiler, so the test suite checks
// the seed corpora and the regression inputs on every run.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::size_t rejoues = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path chemin = argv[i];
        std::vector<fs::path> fichiers;
        if (fs::is_regular_file(chemin)) fichiers.push_back(chemin);
        if (fs::is_directory(chemin))
            for (const auto& e : fs::recursive_directory_iterator(chemin))
                if (e.is_regular_file()) fichiers.push_back(e.path());
        std::sort(fichiers.begin(), fichiers.end());
        for (const auto& f : fichiers) {
            std::ifstream in(f, std::ios::binary);
            const std::vector<char> octets((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
            ++rejoues;
        }
    }
    std::printf("%zu inputs replayed\n", rejoues);
    return rejoues == 0 ? 1 : 0;
}
