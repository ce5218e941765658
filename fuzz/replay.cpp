/* replay: runs a fuzz target's entry point over files, without libFuzzer,
 * so that the inputs that once failed stay checked by the native tests.
 *   replay_<target> <file or directory>...
 */
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t cb);

static void Rejoue(const std::filesystem::path &p, unsigned *pn)
{
    std::ifstream in(p, std::ios::binary);
    std::vector<char> v((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput((const uint8_t *)v.data(), v.size());
    ++*pn;
}

int main(int argc, char **argv)
{
    unsigned n = 0;

    for (int i = 1; i < argc; i++) {
        std::error_code ec;
        if (std::filesystem::is_directory(argv[i], ec)) {
            for (const auto &e : std::filesystem::recursive_directory_iterator(argv[i]))
                if (e.is_regular_file())
                    Rejoue(e.path(), &n);
        } else if (std::filesystem::exists(argv[i], ec)) {
            Rejoue(argv[i], &n);
        }
    }
    printf("%u inputs replayed\n", n);
    return 0;
}
