/* Every report of the shared test data and the real searches made with
   the build (tools/make-real-blast), read and loaded back against what a
   scanner of their text of its own finds; the lines of the newer dialect,
   one at a time, in a small report. */
#include <ctype.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "blastmodern.h"
#include "halyardrc.h"
#include "test_reader_util.h"

namespace {

using namespace readertest;

/* The ".bla" reports of a folder, none when it is absent. */
std::vector<std::string> SharedReports(const std::string &sDir)
{
    std::vector<std::string> v;
    std::error_code ec;
    for (const auto &e : std::filesystem::directory_iterator(sDir, ec))
        if (e.path().extension() == ".bla")
            v.push_back(e.path().filename().string());
    return v;
}

/* One HSP: its hit's identifier, query start, stop, subject start, stop. */
typedef std::pair<std::string, std::vector<unsigned>> Hsp;

/* Section nQuery (from 0, "Query=" lines start them) of a report: its hit
   blocks (">" lines after the hit list, or "Subject=" lines) and, per
   " Score" line after one, the hit's first word and the first and last
   numbers of the HSP's "Query" and "Sbjct" lines. */
std::pair<unsigned, std::vector<Hsp>> Printed(const std::string &sText, unsigned nQuery)
{
    std::pair<unsigned, std::vector<Hsp>> v{0, {}};
    std::istringstream in(sText);
    int nSection = -1;
    bool bList = false;
    char szHit[200] = "";
    for (std::string s; std::getline(in, s);) {
        unsigned a, b;
        char szSeg[200];
        if (s.compare(0, 6, "Query=") == 0)
            nSection++, bList = false;
        else if (nSection != (int)nQuery)
            continue;
        else if (s.compare(0, 19, "Sequences producing") == 0)
            bList = true;
        else if ((bList && s[0] == '>') || s.compare(0, 8, "Subject=") == 0)
            v.first++, sscanf(s.c_str() + (s[0] == '>' ? 1 : 8), "%199s", szHit);
        else if (v.first > 0 && s.compare(0, 7, " Score ") == 0)
            v.second.push_back({szHit, std::vector<unsigned>(4, 0)});
        else if (!v.second.empty() && (s.compare(0, 5, "Query") == 0 || s.compare(0, 5, "Sbjct") == 0) &&
                 sscanf(s.c_str() + 6, "%u %199s %u", &a, szSeg, &b) == 3) {
            unsigned *p = &v.second.back().second[s[0] == 'Q' ? 0 : 2];
            if (p[1] == 0)
                p[0] = a;
            p[1] = b;
        }
    }
    for (Hsp &h : v.second)
        std::transform(h.first.begin(), h.first.end(), h.first.begin(), [](char c) { return (char)toupper((unsigned char)c); });
    return v;
}

/* Every HSP of a read report, in index order, loaded through the place
   the reader kept for it (which must hold its tag) from a file left at
   its end. The rows must agree with the coordinates (as many residues as
   they span, at the bases per residue of the program naming sName) and
   with each other (a match mark only where the two residues agree).
   nRows: 0, made without sequences (empty rows); 1, rows of the
   alignment's length only (the older dialect's need not agree). */
std::vector<Hsp> LoadedHsps(const ReadReport &r, const std::string &sName, int nRows = 2)
{
    std::vector<Hsp> v;
    const unsigned nStepQ = sName.find("blastx") != std::string::npos ? 3 : 1;
    const unsigned nStepS = sName.find("tblast") != std::string::npos ? 3 : 1;
    FILE *f = fopen(r.index.szPath, "rb");
    for (unsigned h = 1; f != NULL && h <= r.pData->nAlign; h++) {
        for (unsigned k = 1; k <= r.Hit(h - 1)->unHSP; k++) {
            SCOPED_TRACE(testing::Message() << "hit " << h << " HSP " << k);
            char szLigne[TAILLELIGNE] = "", szTag[64];
            fseek(f, PlaceBlocHsp(r.pData, h, k), SEEK_SET);
            snprintf(szTag, sizeof szTag, "ALIGN %u HSP %u\n", h, k);
            EXPECT_STREQ(szTag, MYFGETS(f, sizeof szLigne, szLigne));
            fseek(f, 0, SEEK_END);
            LoadedHsp l(f, h, k, r.pData);
            if (l.p == nullptr) {
                ADD_FAILURE() << "not loaded";
                continue;
            }
            const HalyardHSPData &d = *l.p;
            auto text = [](const HalyardHSPData &x) {
                return std::to_string(x.StartQuery) + "-" + std::to_string(x.StopQuery) + " " + std::to_string(x.StartSubject) +
                       "-" + std::to_string(x.StopSubject) + "|" + x.szQuery + "|" + x.szComp + "|" + x.szSubject;
            };
            rewind(f);
            LoadedHsp top(f, h, k);
            EXPECT_EQ(text(d), top.p ? text(*top.p) : "") << "not the HSP a search from the top finds";
            v.push_back({r.Hit(h - 1)->szAccessNb, {d.StartQuery, d.StopQuery, d.StartSubject, d.StopSubject}});
            for (const char *szRow : {d.szQuery, d.szComp, d.szSubject})
                EXPECT_EQ(nRows > 0 ? (size_t)d.tailleAlign : 0, strlen(szRow));
            auto span = [](unsigned a, unsigned b) { return (a > b ? a - b : b - a) + 1; };
            auto residues = [](const char *sz) { return (unsigned)(strlen(sz) - std::count(sz, sz + strlen(sz), '-')); };
            EXPECT_TRUE(nRows < 2 || std::make_pair(span(d.StartQuery, d.StopQuery), span(d.StartSubject, d.StopSubject)) ==
                                         std::make_pair(residues(d.szQuery) * nStepQ, residues(d.szSubject) * nStepS))
                << d.StartQuery << "-" << d.StopQuery << " " << d.StartSubject << "-" << d.StopSubject;
            for (int c = 0; c < (nRows == 2 ? d.tailleAlign : 0); c++) {
                char m = d.szComp[c];
                EXPECT_TRUE((!isalpha((unsigned char)m) && m != '|') || (d.szQuery[c] == d.szSubject[c] && (m == '|' || m == d.szQuery[c])))
                    << "column " << c << ": " << d.szQuery[c] << m << d.szSubject[c];
            }
        }
        EXPECT_EQ(-1, PlaceBlocHsp(r.pData, h, r.Hit(h - 1)->unHSP + 1));
    }
    EXPECT_EQ(-1, PlaceBlocHsp(r.pData, r.pData->nAlign + 1, 1));
    if (f != NULL)
        fclose(f);
    return v;
}

/* Queries read otherwise than in full (the others: LB_OK), and what some
   give as name, length, queries in the report, first hit's score and E
   ("-": no database line). */
const struct { const char *szFile; unsigned nQuery; int nResult; const char *szHead; } expected[] = {
    {"paracel_megablast_1.4.13.bla", 0, LB_NOLIST, NULL},             /* its list after its last "Database:" */
    {"wu20mp_blastp_emblbork_truncated.bla", 0, LB_NODATABASE, NULL}, /* cut after the query header */
    {"wu20mp_blastp_no_hsps.bla", 0, LB_ZERO, NULL},                  /* 415 hits listed, no hit block */
    {"wu20mp_tblastn_emboss_truncated.bla", 0, LB_ZERO, NULL},        /* cut inside the hit list header */
    {"blastall_2.2.22_blastx.bla", 2, LB_NONE, "GI|5690369|GB|AF158246.1|AF158246 550 7"}, /* "No hits found" */
    {"blastall_2.2.22_blastx.bla", 6, LB_OK, "GI|5817701|GB|AF142731.1|AF142731 2551 7 948 0.0"},
    {"blastplus_2.2.25_blastn_multi.bla", 1, LB_OK, "GFAVMM201A1JOH 57 3 41.0 0.42"},
    {"blastplus_2.2.26_blastp.bla", 0, LB_OK, "GI|11464971:4-101 98 1 205 1E-63"}, /* 20 hits listed, 10 shown */
    {"blastplus_2.2.29_bl2seq_blastn.bla", 0, LB_OK, "-GI|2695846|EMB|Y13255.1| 606 1 1120 0.0"}, /* "Subject=" */
    {"blastplus_2.2.30_blastp.bla", 0, LB_OK, "TR11080ZZZC0_G2_I2_0 1691 1 1901 0.0"},
};
/* Made without sequences: rows empty. */
const char *const noSequences[] = {"wu20mp_blastp_ecolitst_noseqs.bla", "wu20mp_blastp_tricky.bla"};

/* The shared reports and the real searches of the build, every query. */
TEST(SharedReports, EveryQueryReadAndLoadedAsPrinted)
{
    const std::string sDir = HALYARD_SHARED_TESTDATA "/blast/", sReal = HALYARD_REAL_BLAST "/";
    std::vector<std::string> legacy = SharedReports(sDir), modernFiles = SharedReports(sDir + "modern"), real = SharedReports(sReal);
    if (legacy.empty() && real.empty())
        GTEST_SKIP() << "no reports in " << sDir << " nor in " << sReal << " (tools/make-real-blast needs ncbi-blast+)";
    std::vector<std::pair<std::string, unsigned>> queries; /* path, query */
    for (const std::string &s : legacy)
        queries.push_back({sDir + s, 0});
    for (std::string &s : modernFiles)
        s = sDir + "modern/" + s;
    for (const std::string &s : real)
        modernFiles.push_back(sReal + s);
    for (const std::string &s : modernFiles) {
        pRequeteBlast pListe;
        unsigned n = ListeRequetesBlast(s.c_str(), &pListe);
        MyFree(pListe);
        for (unsigned q = 0; q < n; q++)
            queries.push_back({s, q});
    }
    for (const auto &pq : queries) {
        const std::string sName = pq.first.substr(pq.first.rfind('/') + 1);
        SCOPED_TRACE(testing::Message() << sName << " query " << pq.second);
        ReadReport r(pq.first, true, pq.second);
        const DataBlastFile &fb = r.pData->FichierBlast;
        EXPECT_EQ(std::make_pair(pq.first.find(sDir) != 0 || pq.first.find("/modern/") != std::string::npos, pq.second), std::make_pair((bool)fb.bModerne, fb.nRequete));
        auto e = std::find_if(expected, std::end(expected), [&](const auto &x) { return sName == x.szFile && pq.second == x.nQuery; });
        if (e != std::end(expected) && e->szHead != NULL) {
            EXPECT_EQ(e->szHead, (fb.szDataBankInfo[0] ? "" : "-") + std::string(fb.szQuerySeqName) + " " + std::to_string(fb.TailleQuery) + " " +
                                     std::to_string(fb.nRequetes) + (r.nResult == LB_OK ? std::string(" ") + r.Hit(0)->szHighScore + " " + r.Hit(0)->szProb : ""));
        }
        if (e != std::end(expected) && e->nResult != LB_OK) {
            EXPECT_EQ((std::vector<int>{e->nResult, 0, 0, 1}), (std::vector<int>{r.nResult, (int)r.pData->nAlign, (int)r.pData->nAlignTotal, (int)OsNoticeLog().size()}));
            continue;
        }
        ASSERT_EQ(LB_OK, r.nResult);
        auto printed = Printed(ReadFile(pq.first), pq.second);
        EXPECT_EQ(std::make_pair((size_t)printed.first, printed.second.size()), std::make_pair((size_t)r.pData->nAlign, (size_t)r.pData->nAlignTotal));
        std::vector<Hsp> loaded = LoadedHsps(r, sName, fb.bModerne ? 2 : std::count(noSequences, std::end(noSequences), sName) ? 0 : 1);
        EXPECT_EQ(printed.second, loaded);
        if (pq.first.find(sReal) == 0) { /* and as BLAST+ tabulated the same search */
            std::ifstream tsv(pq.first.substr(0, pq.first.size() - 4) + ".tsv");
            std::vector<Hsp> table;
            std::string sQuery, sHit, sLast;
            for (std::vector<unsigned> c(4), nQ = {0}; tsv >> sQuery >> sHit >> c[0] >> c[1] >> c[2] >> c[3]; sLast = sQuery) {
                nQ[0] += !sLast.empty() && sQuery != sLast;
                std::transform(sHit.begin(), sHit.end(), sHit.begin(), [](char ch) { return (char)toupper((unsigned char)ch); });
                if (nQ[0] == pq.second)
                    table.push_back({sHit, c});
            }
            EXPECT_EQ(table, loaded);
        }
    }
}

/* One line of a small report changed at a time, or the report cut there
   and ended otherwise, its second query asked for (the only one is
   opened): queries listed, the result and its notices; with a hit, the
   header read, the hit's length and score, the HSPs and the first one's
   coordinates and rows as loaded. */
TEST(ModernReports, LinesOfTheNewerDialect)
{
    const std::string sReport = "BLASTP 2.12.0+\n\n\nDatabase: db.fa\n           2 sequences; 30 total letters\n\n\n"
                                "Query= q1 first\n\nLength=20\n\n\n>s1 subject\nLength=1,234\n\n"
                                " Score = 40.0 bits (90),  Expect = 1e-05, Method: adjust.\n Identities = 10/10 (100%)\n\n"
                                "Query  1   ACDEFGHIKL  10\n            ACDEFGHIKL\nSbjct  5   ACDEFGHIKL  14\n\n\n"
                                "Lambda      K        H\n";
    const std::string sHit = " Q1 20 DB.FA 2 sequences; 30 total letters\n 1234 40.0 1", sOk = "1 1 0" + sHit + " 1-10 5-14 ACDEFGHIKL ACDEFGHIKL";
    const struct { std::string sFrom, sTo, sWant; bool bCut = false; } cases[] = {
        /* line, changed to (or the rest of the report): what is read */
        {"", "", sOk},
        {"BLASTP 2.12.0+", "BLASTX 2.2.22 [Sep-27-2009]", sOk},
        {"BLASTP 2.12.0+", "BLASTP 2.2.", "0 3 1"}, /* read as the older dialect */
        {"BLASTP 2.12.0+\n\n\nDatabase: db.fa\n           2 sequences; 30 total letters\n",
         "Database: db.fa\n           2 sequences; 30 total letters\nBLASTP 2.12.0+\n", sOk},
        {"Query= q1", "Query=q1", sOk},
        {" Score = 40.0 bits", " Scores = 40.0 bits", "1 1 0 Q1 20 DB.FA 2 sequences; 30 total letters\n 1234  0"},
        /* a row of gaps only stands where its row stopped: nowhere yet */
        {"Query  1   ACDEFGHIKL  10\n            ACDEFGHIKL\nSbjct  5   ACDEFGHIKL  14",
         "Query      ----------\n                      \nSbjct      ----------", "1 1 0" + sHit + " 0-0 0-0 ---------- ----------"},
        /* a subject line neither of coordinates nor of gaps only: the triple passed over */
        {"Sbjct  5   ACDEFGHIKL  14", "Sbjct      ---A------", "1 1 0" + sHit + " 0-0 0-0  "},
        {"            ACDEFGHIKL\n", "", "1 8 0" + sHit + " 0-0 0-0  ", true}, /* ends inside a triple: kept */
        {"Lambda", "", "1 8 1", true}, /* anywhere else: the last hit dropped, said */
        {">s1", "", "1 6 1", true},
        {">s1", " ***** No hits found *****\n\nLambda\n", "1 5 1", true},
        {"Length=20", "", "1 9 1", true},
    };
    for (const auto &c : cases) {
        std::string s = sReport;
        s.replace(s.find(c.sFrom), c.bCut ? std::string::npos : c.sFrom.size(), c.sTo);
        SCOPED_TRACE(c.sTo);
        ReadReport r(s, false, 1);
        std::string sGot = " " + std::to_string(r.nResult) + " " + std::to_string(NoticeIds().size());
        pRequeteBlast pListe;
        sGot = std::to_string(ListeRequetesBlast(r.report.szPath, &pListe)) + sGot;
        MyFree(pListe);
        if (r.pData->nAlign > 0) {
            const DataBlastFile &fb = r.pData->FichierBlast;
            LoadedHsp l(r.index.szPath, 1, 1);
            sGot += std::string(" ") + fb.szQuerySeqName + " " + std::to_string(fb.TailleQuery) + " " + fb.szDataBankInfo + " " + r.Hit(0)->szLength + " " +
                    r.Hit(0)->szHighScore + " " + std::to_string(r.pData->nAlignTotal);
            if (l.p != NULL)
                sGot += " " + std::to_string(l.p->StartQuery) + "-" + std::to_string(l.p->StopQuery) + " " + std::to_string(l.p->StartSubject) + "-" +
                        std::to_string(l.p->StopSubject) + " " + l.p->szQuery + " " + l.p->szSubject;
        }
        EXPECT_EQ(c.sWant, sGot);
    }
}

} // namespace
