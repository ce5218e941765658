/* Writes that fail part-way, under a file size limit whose signal is
   ignored (so that write calls fail with an error): the index file of the
   reader and the pattern finder's work files. The user gets the notice,
   and no half-written file is used or left behind. (The MSF file's own
   case is with the editor's tests.) */
#include <filesystem>
#include <tuple>

#include "findpat.h"
#include "halyardrc.h"
#include "test_reader_util.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

namespace fs = std::filesystem;
using namespace readertest;

namespace {

/* fn() run with files limited to cbMax bytes; false where there is no
   such limit. */
template <typename F> bool SousLimite(unsigned long long cbMax, F fn)
{
#ifdef _WIN32
    (void)cbMax, (void)fn;
    return false;
#else
    struct rlimit lim, petite;
    getrlimit(RLIMIT_FSIZE, &lim);
    petite = {(rlim_t)cbMax, lim.rlim_max};
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &petite);
    fn();
    setrlimit(RLIMIT_FSIZE, &lim);
    return true;
#endif
}

/* A report of 150 hits of three HSPs: an index file of about 90 kB, more
   than the reader's 64 kB write buffer. */
TEST(FailedWrites, IndexFileOfTheReader)
{
    const std::vector<Hit> hits(150, {"acc", {{1, 10, 1, 10, "MKVLAAGIWS", "MK+LA GI S", "MKILAQGIYS"},
                                              {5, 14, 3, 12, "AAGIWSMKVL", "AAGIWSMKVL", "AAGIWSMKVL"},
                                              {20, 29, 9, 18, "WWWWWYYYYY", "WWWWW YYYY", "WWWWWAYYYY"}}});
    ReadReport r(Report("big", 40, hits));
    /* limits: inside the first buffer flush, beyond it (the close fails) */
    for (unsigned long long cbMax : {1000, 70000}) {
        SCOPED_TRACE(cbMax);
        FreeHspData(r.pData);
        OsNoticeLogClear();
        int nRes = -100;
        if (!SousLimite(cbMax, [&] { nRes = LitBlastForListBox(NULL, r.pData); }))
            GTEST_SKIP() << "no file size limit here";
        EXPECT_EQ(LB_NOTEMP, nRes);
        EXPECT_EQ(std::vector<unsigned>{IDS_NOOPENTEMP}, NoticeIds());
        EXPECT_FALSE(fs::exists(r.index.szPath));
    }
}

/* A search of A{9}A in 3000 A's: a sub-mask file of some 20 bytes, two
   occurrence files of some 30 kB, a results file of the first 10,000
   chains, some 250 kB. */
TEST(FailedWrites, WorkFilesOfThePatternFinder)
{
    const fs::path dir = fs::temp_directory_path() / "hlfw";
    const std::string szDir = dir.string() + (char)fs::path::preferred_separator;
    const std::string seq(3000, 'A');
    fs::remove_all(dir);
    fs::create_directory(dir);
    DefinitRepertoireTables(HALYARD_FIXTURES "/findpat");
    const struct { unsigned long long cbMax; int nRes; unsigned idNotice; /* 0: none */ } cases[] = {
        {10, RECH_ERREUR, IDS_NOCREATESSMASK},
        {20000, RECH_ERREUR, IDS_NOCREATEMFIND},
        {100000, RECH_TRONQUE, IDS_NOCREATERESULTS}, /* said; still searched */
        {1000000, RECH_TRONQUE, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cbMax);
        OsNoticeLogClear();
        int nRes = -1;
        if (!SousLimite(c.cbMax, [&] { nRes = LanceRecherche(NULL, szDir.c_str(), "s", seq.c_str(), "VIDE", "A{9}A"); }))
            GTEST_SKIP() << "no file size limit here";
        std::vector<std::string> files;
        for (const auto &e : fs::directory_iterator(dir))
            files.push_back(e.path().filename().string());
        EXPECT_EQ(std::make_tuple(c.nRes, c.idNotice ? std::vector<unsigned>{c.idNotice} : std::vector<unsigned>{}, c.idNotice ? 0u : 1u),
                  std::make_tuple(nRes, NoticeIds(), (unsigned)files.size()));
        EXPECT_TRUE(files.empty() || files[0] == "RESULTS.TMP");
        fs::remove(dir / "RESULTS.TMP");
    }
    fs::remove_all(dir);
    DefinitRepertoireTables(NULL);
}

} // namespace
