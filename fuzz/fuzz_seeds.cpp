/* fuzz_seeds: seeds for fuzz_hspload made from reports. Each report
 * given is read as the program reads it and its HSP index file is written
 * to <out dir>/<report name>.idx behind a header asking for blocks out
 * of file order:
 *   fuzz_seeds <out dir> <report>...
 */
#include <stdio.h>
#include <string.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzzutil.h"

int main(int argc, char **argv)
{
    /* 8 requests, one open file, scheme 10: hits 1, 2, 1, 3, 6, 4, 2 and
       1 again, with HSPs 1, 1, 2, 1, 1, 1, 3, 1. */
    static const unsigned char header[] = {7, 0, 0x00, 0x01, 0x10, 0x02, 0x05, 0x03, 0x21, 0x00};
    char szIndex[HL_MAX_PATH] = "";

    if (argc < 3) {
        fprintf(stderr, "usage: fuzz_seeds <out dir> <report>...\n");
        return 2;
    }
    FichierTemp(szIndex, "HFS");
    for (int i = 2; i < argc; i++) {
        pDataGeneralPrg pData = InitDataProgram();
        snprintf(pData->szFilePath, sizeof pData->szFilePath, "%s", argv[i]);
        snprintf(pData->szFileSortie, sizeof pData->szFileSortie, "%s", szIndex);
        int nRes = LitBlastForListBox(NULL, pData);
        FreeDataProgram(pData);
        if (nRes != LB_OK && nRes != LB_INCOMPLETE)
            continue;
        std::ifstream in(szIndex, std::ios::binary);
        std::string sIndex((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string sOut = std::string(argv[1]) + "/" +
                           std::filesystem::path(argv[i]).filename().string() + ".idx";
        std::ofstream out(sOut, std::ios::binary);
        out.write((const char *)header, sizeof header);
        out << sIndex;
    }
    remove(szIndex);
    return 0;
}
