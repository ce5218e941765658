/* Pattern files: which lines make patterns, descriptions and masks, how
   over-long fields are cut, and the sample file that ships with the
   program. */
#include <gtest/gtest.h>
#include <ctype.h>
#include <string.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "findpat.h"
#include "memory.h"
#include "os_portable.h"

namespace fs = std::filesystem;

namespace {

class PatternFile : public ::testing::Test {
protected:
    MotifDecript motifs;

    void SetUp() override
    {
        memset(&motifs, 0, sizeof motifs);
        OsNoticeLogClear();
    }
    void TearDown() override { LibereMotifs(&motifs); }

    int Read(const std::string &path)
    {
        snprintf(motifs.szFilePath, sizeof motifs.szFilePath, "%s",
                 path.c_str());
        return ReadMotifs(NULL, &motifs);
    }
};

TEST_F(PatternFile, LinesMakePatterns)
{
    /* motifs.mot mixes CR LF, LF and lone CR line ends. The orphan lines
       before the first "#MOTIF" and the lines with a colon are ignored;
       "PA C(DE)X{3}H" is a mask although it holds "DE". Masks are kept as
       written; a long description is cut; a mask too long for its field
       is left empty. */
    ASSERT_EQ(1, Read(HALYARD_FIXTURES "/findpat/motifs.mot"));
    std::string sLong = "2. ";
    while (sLong.size() < TAILLEMOTIF)
        sLong += "Long description ";
    sLong.resize(TAILLEMOTIF - 1);
    const std::vector<std::string> expected = {"C(DE)X{3}H", "1. First pattern", "c(de)x", sLong,
                                               "", "3. Mask too long for the field",
                                               std::string(99, 'C'), "4. "};
    std::vector<std::string> got;
    for (int i = 0; i < motifs.nMotifs; i++) {
        got.push_back(motifs.pDonneeMotif[i].mask);
        got.push_back(motifs.pDonneeMotif[i].nom);
    }
    EXPECT_EQ(expected, got) << "mask and name of each pattern";
    EXPECT_TRUE(OsNoticeLog().empty());
}

TEST_F(PatternFile, ReadingAgainReplacesTheChoice)
{
    ASSERT_EQ(1, Read(HALYARD_FIXTURES "/findpat/motifs.mot"));
    motifs.pListIdx = (int *)MyAlloc(2 * sizeof(int));
    motifs.pListIdx[0] = 1;
    motifs.pListIdx[1] = 3;
    motifs.nIdx = 2;

    /* The chosen indices belonged to the other file. */
    ASSERT_EQ(1, Read(HALYARD_FIXTURES "/../../findpat/tables/sample.mot"));
    EXPECT_EQ(nullptr, motifs.pListIdx);
    EXPECT_EQ(0, motifs.nIdx);
    EXPECT_EQ(10, motifs.nMotifs);

    /* A file that cannot be read leaves no patterns. */
    EXPECT_EQ(0, Read(HALYARD_FIXTURES "/findpat/absent.mot"));
    EXPECT_EQ(0, motifs.nMotifs);
    EXPECT_EQ(nullptr, motifs.pDonneeMotif);
    EXPECT_TRUE(OsNoticeLog().empty());

    /* A file without "#MOTIF" holds no pattern. */
    ASSERT_EQ(1, Read(HALYARD_FIXTURES "/findpat/ESSAI.TBL"));
    EXPECT_EQ(0, motifs.nMotifs);
}

TEST_F(PatternFile, SamplePatternsAllCompile)
{
    /* Every pattern of the shipped sample is valid with the protein
       table, and the sample finds its own examples. */
    static const char szSeq[] =
        "NAS" "SAK" "SAAD" "RKAS" "GAAAAGKS" "RGD" "AGKK"
        "LAAAAAALAAAAAALAAAAAAL" "CAACAAALAAAAAAAAHAAAH" "KDEL";
    ASSERT_EQ(1, Read(HALYARD_FIXTURES "/../../findpat/tables/sample.mot"));
    DefinitRepertoireTables(HALYARD_FIXTURES "/../../findpat/tables");
    std::random_device rd;
    fs::path dir = fs::temp_directory_path()
                   / ("hlfp-sample-" + std::to_string(rd() % 1000000));
    fs::create_directories(dir);
    std::string szDir = dir.string() + (char)fs::path::preferred_separator;
    for (int i = 0; i < motifs.nMotifs; i++) {
        const MotifData &m = motifs.pDonneeMotif[i];
        EXPECT_NE('\0', m.mask[0]) << m.nom;
        EXPECT_EQ(RECH_TROUVE, LanceRecherche(NULL, szDir.c_str(), "s", szSeq,
                                              "PROTEINE", m.mask))
            << m.nom << ": " << m.mask;
        std::error_code ec;
        EXPECT_LT(0u, fs::file_size(dir / "RESULTS.TMP", ec))
            << "no match of " << m.nom;
        fs::remove(dir / "RESULTS.TMP");
    }
    EXPECT_EQ("1. N-glycosylation site",
              std::string(motifs.pDonneeMotif[0].nom));
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_TRUE(OsNoticeLog().empty());
    DefinitRepertoireTables(NULL);
    fs::remove_all(dir);
}

TEST_F(PatternFile, TableNamesBySequenceType)
{
    EXPECT_EQ((std::vector<std::string>{"ADN", "PROTEINE", "SPECIAL", "PROTEINE"}),
              (std::vector<std::string>{NomTableConvert(0), NomTableConvert(1),
                                        NomTableConvert(2), NomTableConvert(7)}));
}

/* A choice in "List of patterns": one pattern shows itself and a Find
   searches what is typed; several are named and a Find searches them,
   whatever the case of the name; a choice with no item of the file, or
   without memory, keeps the one before. */
TEST_F(PatternFile, ChoiceOfPatternsAndWhatAFindSearches)
{
    ASSERT_EQ(1, Read(HALYARD_FIXTURES "/findpat_gui/patterns.mot"));
    /* items, taken, name and mask shown, masks a Find searches by that name */
    const struct {
        std::vector<int> sel;
        int nTaken;
        std::string szShown, szSearched;
    } cases[] = {
        {{1}, 1, "2. N-glycosylation site|nx(st)", "typed"},
        {{0, 1, 2}, 1, "All patterns|", "K(DE)E{4}H nx(st) RGD"},
        {{}, 0, "All patterns|", "K(DE)E{4}H nx(st) RGD"},
        {{2, 7, -1, 0}, 1, "Some patterns|", "RGD K(DE)E{4}H"},
        {{3, -1}, 0, "Some patterns|", "RGD K(DE)E{4}H"},
        {{1}, -1, "Some patterns|", "RGD K(DE)E{4}H"}, /* no memory */
    };
    for (const auto &c : cases) {
        MyAllocFailAfter(c.nTaken < 0 ? 0 : -1);
        EXPECT_EQ(c.nTaken > 0, ChoisitMotifsListe(&motifs, c.sel.data(), (int)c.sel.size()));
        MyAllocFailAfter(-1);
        EXPECT_EQ(c.szShown, std::string(motifs.DonneeMotif.nom) + "|" + motifs.DonneeMotif.mask);
        char szTyped[] = "typed", *szMotifs[3];
        std::string szDescription = motifs.DonneeMotif.nom, szSearched;
        szDescription[0] = (char)tolower((unsigned char)szDescription[0]);
        for (int i = 0; i < MotifsRecherches(&motifs, szDescription.c_str(), szTyped, szMotifs); i++)
            szSearched += (i ? " " : "") + std::string(szMotifs[i]);
        EXPECT_EQ(c.szSearched, szSearched) << c.szShown;
    }
    char szTyped[] = "typed", *szMotifs[3];
    for (const char *sz : {"Some pattern", "Some patterns.", "3. All patterns", ""})
        EXPECT_EQ(1, MotifsRecherches(&motifs, sz, szTyped, szMotifs)) << sz;
}

} // namespace
