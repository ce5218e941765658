/* Reports of NCBI BLAST 2.x and BLAST+: the shared reports, a fixture of
   three queries and its cuts, and real searches made on this machine
   (tools/make-real-blast) against the same searches written as tables. */
#include <ctype.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "blastmodern.h"
#include "halyardrc.h"
#include "test_reader_util.h"

namespace {

using namespace readertest;

/* Query start, stop, subject start, stop of one HSP. */
typedef std::vector<unsigned> Coords;

/* Per HSP of query nQuery (from 0) of a report, the first and last
   numbers of its "Query" and "Sbjct" lines, read by a scanner of its own. */
std::vector<Coords> PrintedHsps(const std::string &sText, unsigned nQuery)
{
    std::vector<Coords> v;
    std::istringstream in(sText);
    int nSection = -1;
    for (std::string s; std::getline(in, s);) {
        unsigned a, b;
        char szSeg[200];
        if (s.compare(0, 6, "Query=") == 0)
            nSection++;
        else if (nSection != (int)nQuery)
            continue;
        else if (s.compare(0, 7, " Score ") == 0)
            v.push_back(Coords(4, 0));
        else if (!v.empty() && (s.compare(0, 5, "Query") == 0 || s.compare(0, 5, "Sbjct") == 0) &&
                 sscanf(s.c_str() + 6, "%u %199s %u", &a, szSeg, &b) == 3) {
            unsigned *p = &v.back()[s[0] == 'Q' ? 0 : 2];
            if (p[1] == 0)
                p[0] = a;
            p[1] = b;
        }
    }
    return v;
}

/* Bases per residue of the query and of the subject for the program that
   names the report's file. */
std::pair<unsigned, unsigned> Steps(const std::string &s)
{
    bool bT = s.find("tblast") != std::string::npos, bX = s.find("blastx") != std::string::npos;
    return {bX ? 3u : 1u, bT ? 3u : 1u};
}

unsigned Residues(const char *sz) { return (unsigned)(strlen(sz) - std::count(sz, sz + strlen(sz), '-')); }

/* Every HSP of a read report loaded back, in index order, with the hit
   it belongs to. The rows must agree with the coordinates (as many
   residues as they span) and with each other (a match mark only where
   the two residues agree), whatever the gaps. */
std::vector<Coords> LoadedHsps(const ReadReport &r, std::pair<unsigned, unsigned> steps,
                               std::vector<std::string> *pHits = NULL)
{
    std::vector<Coords> v;
    FILE *f = fopen(r.index.szPath, "rb");
    for (unsigned h = 0; f != NULL && h < r.pData->nAlign; h++) {
        for (unsigned k = 1; k <= r.Hit(h)->unHSP; k++) {
            SCOPED_TRACE(testing::Message() << "hit " << h + 1 << " HSP " << k);
            LoadedHsp l(f, h + 1, k);
            if (l.p == NULL) {
                ADD_FAILURE() << "not loaded";
                continue;
            }
            const HalyardHSPData &d = *l.p;
            v.push_back({d.StartQuery, d.StopQuery, d.StartSubject, d.StopSubject});
            if (pHits != NULL)
                pHits->push_back(r.Hit(h)->szAccessNb);
            for (const char *szRow : {d.szQuery, d.szComp, d.szSubject})
                EXPECT_EQ((size_t)d.tailleAlign, strlen(szRow));
            auto span = [](unsigned a, unsigned b) { return (a > b ? a - b : b - a) + 1; };
            EXPECT_EQ(span(d.StartQuery, d.StopQuery), Residues(d.szQuery) * steps.first);
            EXPECT_EQ(span(d.StartSubject, d.StopSubject), Residues(d.szSubject) * steps.second);
            for (int c = 0; c < d.tailleAlign; c++) {
                char m = d.szComp[c];
                if (isalpha((unsigned char)m) || m == '|') {
                    EXPECT_TRUE(d.szQuery[c] == d.szSubject[c] && (m == '|' || m == d.szQuery[c]))
                        << "column " << c << ": " << d.szQuery[c] << m << d.szSubject[c];
                }
            }
        }
    }
    if (f != NULL)
        fclose(f);
    return v;
}

struct Expected {
    const char *szFile;
    unsigned nQuery, nQueries;
    const char *szName;
    int nLength, nResult;
    unsigned nHits, nHsps;
    const char *szScore, *szE; /* hit 1 */
};

/* Counted in each file: "Query=" sections, ">" or "Subject=" blocks and
   " Score" lines in them. */
const Expected shared[] = {
    /* file                       query of  name                length result  hits HSPs score E */
    {"blastall_2.2.22_blastx.bla", 0, 7, "GI|4104054|GB|AH007193.1|SEG_CVIGS", 1002, LB_OK, 1, 1, "54.3", "2E-05"},
    {"blastall_2.2.22_blastx.bla", 1, 7, "GI|4218935|GB|AF074388.1|AF074388", 2050, LB_OK, 1, 2, "410", "E-112"},
    /* "***** No hits found ******" */
    {"blastall_2.2.22_blastx.bla", 2, 7, "GI|5690369|GB|AF158246.1|AF158246", 550, LB_NONE, 0, 0, "", ""},
    {"blastall_2.2.22_blastx.bla", 4, 7, "GI|5052071|GB|AF067555.1|AF067555", 623, LB_OK, 1, 2, "93.6", "6E-19"},
    {"blastall_2.2.22_blastx.bla", 6, 7, "GI|5817701|GB|AF142731.1|AF142731", 2551, LB_OK, 1, 1, "948", "0.0"},
    {"blastplus_2.2.25_blastn_multi.bla", 0, 3, "GFAVMM201BADC0", 477, LB_OK, 13, 13, "42.8", "2.1"},
    {"blastplus_2.2.25_blastn_multi.bla", 1, 3, "GFAVMM201A1JOH", 57, LB_OK, 6, 6, "41.0", "0.42"},
    {"blastplus_2.2.25_blastn_multi.bla", 2, 3, "GFAVMM201D933Z", 119, LB_OK, 17, 17, "41.0", "1.4"},
    /* 20 hits listed, 10 shown */
    {"blastplus_2.2.26_blastp.bla", 0, 1, "GI|11464971:4-101", 98, LB_OK, 10, 18, "205", "1E-63"},
    /* two sequences: "Subject=", no database */
    {"blastplus_2.2.29_bl2seq_blastn.bla", 0, 1, "GI|2695846|EMB|Y13255.1|", 606, LB_OK, 1, 1, "1120", "0.0"},
    {"blastplus_2.2.30_blastp.bla", 0, 1, "TR11080ZZZC0_G2_I2_0", 1691, LB_OK, 1, 3, "1901", "0.0"},
};

TEST(ModernReports, SharedReportsReadAsPrinted)
{
    if (SharedReports(SharedBlast("/modern")).size() != 5)
        GTEST_SKIP() << "no shared modern reports in " << SharedBlast("/modern");
    for (const Expected &e : shared) {
        SCOPED_TRACE(testing::Message() << e.szFile << " query " << e.nQuery);
        std::string sPath = SharedBlast("/modern/") + e.szFile;
        pRequeteBlast pListe;
        EXPECT_EQ(e.nQueries, ListeRequetesBlast(sPath.c_str(), &pListe));
        EXPECT_STREQ(e.szName, pListe[e.nQuery].szNom);
        MyFree(pListe);

        ReadReport r(sPath, true, e.nQuery);
        ASSERT_EQ(e.nResult, r.nResult);
        EXPECT_TRUE(r.pData->FichierBlast.bModerne);
        EXPECT_EQ(e.nQueries, r.pData->FichierBlast.nRequetes);
        EXPECT_STREQ(e.szName, r.pData->FichierBlast.szQuerySeqName);
        EXPECT_EQ(e.nLength, r.pData->FichierBlast.TailleQuery);
        EXPECT_EQ(strstr(e.szFile, "bl2seq") == NULL, r.pData->FichierBlast.szDataBankInfo[0] != '\0');
        EXPECT_EQ(e.nHits, r.pData->nAlign);
        EXPECT_EQ(e.nHsps, r.pData->nAlignTotal);
        if (e.nResult != LB_OK)
            continue;
        EXPECT_STREQ(e.szScore, r.Hit(0)->szHighScore);
        EXPECT_STREQ(e.szE, r.Hit(0)->szProb);
        EXPECT_EQ(PrintedHsps(ReadFile(sPath), e.nQuery), LoadedHsps(r, Steps(e.szFile)));
    }
}

/* The fixture: three queries of three hits shown each (eight listed). */
TEST(ModernReports, EachQueryOfTheFixtureAndItsCuts)
{
    const std::string sText = Fixture("blastplus_3queries.bla");
    for (unsigned q = 0; q < 4; q++) {
        ReadReport r(sText, false, q);
        ASSERT_EQ(LB_OK, r.nResult);
        EXPECT_EQ(q % 3, r.pData->FichierBlast.nRequete) << "a query beyond the last reads the first";
        EXPECT_EQ("PQ" + std::to_string(q % 3), r.pData->FichierBlast.szQuerySeqName);
        EXPECT_EQ(3u, r.pData->nAlign);
        EXPECT_STREQ("PS.FA 8 sequences; 1,987 total letters\n", r.pData->FichierBlast.szDataBankInfo);
        EXPECT_EQ(PrintedHsps(sText, q % 3), LoadedHsps(r, {1, 1}));
    }

    const size_t nQuery1 = sText.find("Query= pq1"), nLambda = sText.find("Lambda");
    const size_t nLastTriple = sText.rfind("Query  ", nLambda);
    const size_t nList = sText.find("Sequences producing");
    const struct {
        std::string sReport;
        int nResult;
        unsigned nHits;
        std::vector<unsigned> notices;
    } cuts[] = {
        /* report                                            result hits notices */
        {sText.substr(0, nQuery1),                           LB_OK, 3, {}},
        {sText.substr(0, nLambda),                           LB_INCOMPLETE, 2, {IDS_INCOMPLETE}},
        {sText.substr(0, sText.find('\n', nLastTriple) + 1), LB_INCOMPLETE, 3, {}},
        {sText.substr(0, sText.find("\n>")),                 LB_ZERO, 0, {IDS_NOHSPZERO}},
        {sText.substr(0, nList) + "\n ***** No hits found *****\n\n", LB_NONE, 0, {IDS_NOHSPNONE}},
        {sText.substr(0, sText.find("Length=245")),          LB_BADFORMAT, 0, {IDS_BADFORMAT}},
    };
    for (const auto &c : cuts) {
        SCOPED_TRACE(c.sReport.substr(c.sReport.size() > 60 ? c.sReport.size() - 60 : 0));
        ReadReport r(c.sReport);
        EXPECT_EQ(c.nResult, r.nResult);
        EXPECT_EQ(c.nHits, r.pData->nAlign);
        EXPECT_EQ(c.notices, NoticeIds());
        EXPECT_EQ(c.nResult == LB_OK || c.nResult == LB_INCOMPLETE, FileExists(r.index.szPath));
    }
}

/* Real searches: for every query of every report, the hits and HSPs read
   are the lines of the table of the same search, in the same order. */
TEST(ModernReports, RealSearchesAgreeWithTheirTables)
{
    std::vector<std::string> files = SharedReports(HALYARD_REAL_BLAST);
    if (files.empty())
        GTEST_SKIP() << "no real reports in " << HALYARD_REAL_BLAST
                     << " (tools/make-real-blast needs ncbi-blast+)";
    for (const std::string &sName : files) {
        SCOPED_TRACE(sName);
        std::string sPath = std::string(HALYARD_REAL_BLAST) + "/" + sName;
        std::ifstream tsv(sPath.substr(0, sPath.size() - 4) + ".tsv");
        std::vector<std::string> queries;
        std::map<std::string, std::pair<std::vector<std::string>, std::vector<Coords>>> table;
        std::string sQuery, sHit;
        for (Coords c(4); tsv >> sQuery >> sHit >> c[0] >> c[1] >> c[2] >> c[3];) {
            if (table.count(sQuery) == 0)
                queries.push_back(sQuery);
            for (char &ch : sHit)
                ch = (char)toupper((unsigned char)ch);
            table[sQuery].first.push_back(sHit);
            table[sQuery].second.push_back(c);
        }
        pRequeteBlast pListe;
        unsigned n = ListeRequetesBlast(sPath.c_str(), &pListe);
        MyFree(pListe);
        ASSERT_LE(2u, n) << "every search has several queries";
        ASSERT_LE(queries.size(), n);
        for (unsigned q = 0; q < queries.size(); q++) {
            ReadReport r(sPath, true, q);
            ASSERT_EQ(LB_OK, r.nResult);
            std::vector<std::string> hits;
            EXPECT_EQ(table[queries[q]].second, LoadedHsps(r, Steps(sName), &hits)) << "query " << q;
            EXPECT_EQ(table[queries[q]].first, hits);
        }
    }
}

} // namespace
