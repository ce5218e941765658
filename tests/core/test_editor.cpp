/* The VazEva editor's model: rows loaded from made-up reports, colours,
   edits, pane arithmetic, row commands, consensus and MSF export. */
#include "editor_util.h"

#include <filesystem>
#include <fstream>
#include <regex>

#include "halyardrc.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace editortest;
namespace fs = std::filesystem;

namespace {

/* Query of 8, three hits of one HSP. */
const std::vector<Hit> kTiny = {{"sp|Q1", {{1, 8, 11, 18, "MKVLAAGI", "MK+LA GI", "MKILAQGI"}}},
                                {"sp|Q2", {{3, 6, 1, 4, "VLAA", "VLAA", "VLAA"}}},
                                {"sp|Q3", {{2, 7, 1, 6, "KVLSAG", "KVL AG", "KVLWAG"}}}};

/* A row of 40: cells from column nCol on, "." with "." elsewhere, the
   colours given, black on white elsewhere. */
std::string Row40(int nCol, std::string seq, std::string comp, std::string txt, std::string bk)
{
    auto pad = [nCol](std::string s, char c) {
        return std::string(nCol - 1, c) + s + std::string(41 - nCol - s.size(), c);
    };
    return pad(seq, '.') + "|" + pad(comp, '.') + "|" + pad(txt, '0') + "|" + pad(bk, '1');
}

TEST(ChargeMulBla, LaysSelectedHspsOnTheQueryColumns)
{
    const std::pair<std::string, std::string> rows[] = { /* name, row */
        {"LONGQUERYN", Row40(3, "MKVLAAGIWS", "", "", "6111771")},
        {"SP|P00001| ( 110- 119) 1", Row40(3, "MKILAQGIYS", "MK+LA GI S", "2242252252", "61117")},
        {"SP|P00001| ( 200- 210) 2", Row40(15, "ACDEF-HIKL", "ACDEF HIKL", "2222252222", "7")},
        {"GI|1234567 (   5-   9) 1", Row40(26, "KLMNP", "KLMN ", "22225", "11611")},
        {"GI|1234567 (   1-  10) 2", Row40(36, "WWWWW", "WWWWW", "22222", "")},
        {"SHORT (  50-  53) 1", Row40(1, "MMMM", "MMMM", "2222", "6666")},
        {"SHORT (  60-  63) 2", Row40(1, "KVL", "KVL", "222", "")}};
    const struct { Pairs sel; std::vector<int> want; int nBk; } cases[] = { /* rows, query first */
        {{{3, 1}}, {0, 5}, 0}, /* the query row still from hit 1 HSP 1; backgrounds off: white */
        {{{2, 2}, {1, 2}, {2, 1}}, {0, 2, 3, 4}, 1},
        {{{3, 2}, {3, 1}, {2, 2}, {2, 1}, {1, 1}}, {0, 1, 3, 4, 5, 6}, 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.sel.size() << " selected, background " << c.nBk);
        Doc d(Report("longqueryname1", 40, kWide), c.sel, false, c.nBk);
        std::vector<std::pair<int, int>> calls, wantCalls;
        auto Progres = [](void *pCtx, int nRow, int nSeq) {
            static_cast<std::vector<std::pair<int, int>> *>(pCtx)->push_back({nRow, nSeq});
        };
        Loaded l(d.pData, Progres, &calls);
        ASSERT_NE(nullptr, l.p);
        int n = (int)c.sel.size() + 1;
        EXPECT_EQ((std::vector<int>{(int)c.sel.size(), n, 40, n / 2, n / 2, -2}),
                  (std::vector<int>{(int)l.nCount, l.p->nSeq, l.p->nTaille, l.p->nPointLimit, l.p->nStrictLimit,
                                    l.p->nHdecal}));
        std::vector<std::string> wantRows, wantNames;
        for (int k : c.want) {
            wantRows.push_back(rows[k].second), wantNames.push_back(rows[k].first);
            if (c.nBk == 0) /* the backgrounds: the last 40 characters */
                wantRows.back().replace(123, 40, std::string(40, '1'));
        }
        for (int r = 1; r <= n; r++)
            wantCalls.push_back({r, n});
        EXPECT_EQ(std::make_tuple(wantRows, wantNames, wantCalls),
                  std::make_tuple(Rows(l.p), Rows(l.p, true), calls)) << "rows, names, progress";
    }
    Doc z(Report("q", 40, kWide), {{1, 1}});
    z.pData->FichierBlast.TailleQuery = 0;
    Loaded lz(z.pData);
    EXPECT_TRUE(lz.p != nullptr && lz.p->nTaille == 0) << "a query of no length: rows of no column";
}

/* None of these failures is shown: the caller reports them. */
TEST(ChargeMulBla, NothingSelectedOrAMissingBlockGivesNull)
{
    const struct { const char *szWhat; Pairs sel; const char *szFrom; bool bLoaded; } cases[] = {
        /* szFrom: the block renamed in the index file; NULL: no index file */
        {"nothing selected", {}, "", false},
        {"selected HSP's block missing", {{2, 1}}, "ALIGN 2 HSP 1", false},
        {"unselected HSP's block missing", {{2, 2}}, "ALIGN 2 HSP 1", true},
        {"no index file", {{1, 1}}, NULL, false}, {"only hits beyond the table's end", {{3, 1}}, "", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szWhat);
        Doc d(Report("q", 40, kWide), c.sel);
        if (c.sel.size() == 1 && c.sel[0].first == 3)
            d.Cut(2);
        std::string s = ReadFile(d.index.szPath);
        if (c.szFrom != NULL && *c.szFrom != '\0')
            s[s.find(c.szFrom) + 12] = '7';
        remove(d.index.szPath);
        if (c.szFrom != NULL)
            std::ofstream(d.index.szPath, std::ios::binary) << s;
        OsNoticeLogClear();
        Loaded l(d.pData);
        EXPECT_EQ(std::make_tuple(c.bLoaded, d.pData->nHSP < 3 ? 0 : c.sel.size(), std::vector<unsigned>{}),
                  std::make_tuple(l.p != nullptr, (size_t)l.nCount, NoticeIds()))
            << "loaded, count, notices";
    }
}

/* Each allocation failing in turn gives NULL with one notice (ASan checks
   that nothing leaks), until the load completes unharmed. */
TEST(ChargeMulBla, MemoryFailureGivesNull)
{
    Doc d(Report("q", 40, kWide), {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}});
    Loaded ref(d.pData);
    ASSERT_NE(nullptr, ref.p);
    for (int n = 0; n < 1000; n++) {
        OsNoticeLogClear();
        MyAllocFailAfter(n);
        Loaded l(d.pData);
        MyAllocFailAfter(-1);
        EXPECT_EQ(l.p ? 0u : 1u, OsNoticeLog().size()) << "allocation " << n;
        if (l.p != nullptr) {
            EXPECT_EQ(Rows(ref.p), Rows(l.p)) << "allocation " << n;
            return;
        }
    }
    ADD_FAILURE() << "never loaded";
}

/* Cells "AKA.-Z" (identical, similar, other residue, empty, gap, Z)
   under each scheme; scheme 20 takes the match line, which the query row
   lacks. An unknown scheme reads nothing: black on white. */
TEST(MulBlaColours, Schemes)
{
    CouleursMulBla c;
    LitCouleursMulBla(&c, "", 99, 1);
    EXPECT_EQ(std::string(26, '0') + "|" + std::string(26, '1') + "|99000",
              Hex((unsigned *)c.Txt, 26) + "|" + Hex((unsigned *)c.Bk, 26) + "|" + std::to_string(c.nColorPref) +
                  std::to_string(c.Ident) + std::to_string(c.Simil) + std::to_string(c.Autre));
    c = {};
    c.Txt[0] = 3, c.Bk[0] = 5, c.Txt['K' - 'A'] = 7, c.Bk['K' - 'A'] = 9, c.Txt[25] = c.Bk[25] = 8;
    c.Ident = 2, c.Simil = 4, c.Autre = 6;
    const struct { int nScheme; const char *szComp, *szColours; } cases[] = {
        {COULEUR_HCA, "A+ . Z", "373008|595118"}, {COULEUR_NOIRBLANC, "A+ . Z", "373008|595118"},
        {COULEUR_SIMIDEN, "A+ . Z", "246062|595118"}, {COULEUR_SIMIDEN, NULL, "000000|595118"}};
    for (const auto &k : cases) {
        c.nColorPref = k.nScheme;
        unsigned txt[6], bk[6];
        InitColorsString(&c, "AKA.-Z", k.szComp, 6, txt, bk);
        EXPECT_EQ(k.szColours, Hex(txt, 6) + "|" + Hex(bk, 6)) << "scheme " << k.nScheme;
    }
}

/* Each edit on a fresh load of the small report: only row m changes. */
TEST(MulBlaEdits, CellsMoveWithTheirMatchAndColours)
{
    enum { ECRASE, INSERE, EFFACE };
    const struct { int nOp, n, m; const char *szRow; } cases[] = { /* NULL: nothing changes */
        {INSERE, 1, 2, "WMKILAQG| MK+LA G|02242252|16111711"},
        {ECRASE, 2, 4, ".WVLWAG.|. VL AG.|00225220|11111711"},
        {ECRASE, 3, 1, "MKWLAAGI|.. .....|00000000|61117711"},
        {EFFACE, 1, 2, "KILAQGI.|K+LA GI.|24225220|11171111"},
        {EFFACE, 8, 2, "MKILAQG.|MK+LA G.|22422520|61117111"},
        {ECRASE, 0, 2, NULL}, {INSERE, 9, 2, NULL}, {EFFACE, 1, 0, NULL}, {ECRASE, 1, 5, NULL}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "edit " << c.nOp << " on " << c.n << "," << c.m);
        Doc d(Report("tiny", 8, kTiny), {{1, 1}, {2, 1}, {3, 1}});
        Loaded l(d.pData);
        ASSERT_NE(nullptr, l.p);
        std::vector<std::string> want = Rows(l.p);
        ASSERT_STREQ(".KVLAAG.", l.p->szConsensus) << "the consensus it loads with";
        if (c.szRow != NULL)
            want[c.m - 1] = c.szRow;
        c.nOp == ECRASE   ? EcraseCaractere(l.p, c.n, c.m, 'W')
        : c.nOp == INSERE ? InsereCaractere(l.p, c.n, c.m, 'W')
                          : EffaceCaractere(l.p, c.n, c.m);
        EXPECT_EQ(want, Rows(l.p));
    }
}

/* Cells, caret, clicks, scroll bars, scale marks. Caret and clicks in cells 7
   pixels wide, 12 high: column n's caret stands at (n - nHdecal - 2) * 7
   + 3, a click divides by 7 truncating. */
TEST(MulBlaPane, Arithmetic)
{
    MulBlaData m = {};
    m.nTaille = 20, m.nSeq = 6;
    const struct { int h, v, l, t, r, b; std::vector<int> want; } plages[] = { /* 8 x 12 here: */
        {-2, 0, 0, 0, 80, 48, {0, 10, 0, 6}},  {5, 1, 20, 24, 44, 36, {5, 12, 1, 6}}, /* 20/8: 2 */
        {5, 1, 21, 25, 43, 30, {6, 12, 1, 5}}, {15, 3, 0, 0, 80, 48, {13, 20, 1, 6}}}; /* 21/8: 3 */
    for (const auto &c : plages) {
        m.nHdecal = c.h, m.nVdecal = c.v;
        PlageMulBla g = PlageVisible(&m, c.l, c.t, c.r, c.b, 8, 12);
        EXPECT_EQ(c.want, (std::vector<int>{g.c0, g.c1, g.r0, g.r1}))
            << c.l << "," << c.t << "," << c.r << "," << c.b << " from " << c.h << "," << c.v;
    }
    const struct { int h, v, n, m, x, y; } carets[] = {
        {-2, 0, 1, 1, 10, 0}, {0, 3, 5, 7, 24, 36}, {3, 1, 2, 1, -18, -12}, {-2, 0, 0, 2, 3, 12}};
    for (const auto &c : carets) {
        m.nHdecal = c.h, m.nVdecal = c.v;
        int x = 99, y = 99;
        PositionCaret(&m, c.n, c.m, 7, 12, &x, &y);
        RectMulBla z = ZoneARetracer(&m, c.n, c.m, 7, 12, 500);
        EXPECT_EQ((std::vector<int>{c.x, c.y, c.n ? c.x : 0, c.y, 500, c.y + 12}),
                  (std::vector<int>{x, y, z.left, z.top, z.right, z.bottom}))
            << "caret and band of " << c.n << "," << c.m << " from " << c.h << "," << c.v;
    }
    m.nSeq = 5;
    const struct { int h, v, x, y, ok, n, m; } clics[] = {
        {-2, 0, 10, 0, 1, 1, 1}, {-2, 0, 9, 0, 0, 0, 0}, {0, 0, 2, 0, 1, 2, 1}, {-2, 0, 149, 0, 1, 20, 1},
        {-2, 0, 150, 0, 0, 0, 0}, {-2, 2, 10, 35, 1, 1, 5}, {-2, 2, 10, 36, 0, 0, 0}};
    for (const auto &c : clics) {
        m.nHdecal = c.h, m.nVdecal = c.v;
        int n = 0, r = 0, ok = CaseDuClic(&m, c.x, c.y, 7, 12, &n, &r);
        EXPECT_EQ((std::vector<int>{c.ok, c.n, c.m}), (std::vector<int>{ok, n, r}))
            << "click " << c.x << "," << c.y << " from " << c.h << "," << c.v;
    }
    const struct { int nTaille, nSeq, w, h; std::vector<int> want; } bars[] = {
        /* bar on, max, wndlength, nHdecal (5 before), the same vertically (3 before) */
        {30, 20, 83, 59, {1, 22, 10, 5, 1, 17, 5, 3}},
        {9, 4, 83, 59, {1, 1, 10, 1, 1, 1, 5, 1}}, /* back to the new maximum */
        {9, 3, 84, 65, {0, 0, 0, -2, 0, 0, 0, 0}}, /* 10.625 gives 11, 5.5 gives 5 */
        {8, 4, 79, 66, {0, 0, 0, -2, 0, 0, 0, 0}}, /* 67/12 gives 6 */
        {8, 9, 79, 59, {0, 0, 0, -2, 1, 6, 5, 3}}};
    for (const auto &c : bars) {
        m.nTaille = c.nTaille, m.nSeq = c.nSeq, m.nHdecal = 5, m.nVdecal = 3;
        m.wndlength = m.wndheight = 99;
        DefilMulBla d = CalculeDefilement(&m, c.w, c.h, 8, 12);
        EXPECT_EQ(c.want, (std::vector<int>{d.bHoriz, d.bHoriz ? d.nHMax : 0, m.wndlength,
                                            m.nHdecal, d.bVert, d.bVert ? d.nVMax : 0,
                                            m.wndheight, m.nVdecal}))
            << c.nTaille << " x " << c.nSeq << " in " << c.w << " x " << c.h;
    }
    const struct { int nCode, nCur, nWant; } moves[] = { /* bar -2 ... 10, page 4, thumb 7 */
        {DEFIL_LIGNE_AV, 5, 4}, {DEFIL_LIGNE_AV, -2, -2}, {DEFIL_LIGNE_AP, 5, 6},
        {DEFIL_LIGNE_AP, 10, 10}, {DEFIL_PAGE_AV, 5, 1}, {DEFIL_PAGE_AV, 1, -2},
        {DEFIL_PAGE_AP, 5, 9}, {DEFIL_PAGE_AP, 7, 10}, {DEFIL_POSITION, 5, 7}, {DEFIL_SUIVI, 5, 7},
        {DEFIL_DEBUT, 5, -2}, {DEFIL_FIN, 5, 10}, {DEFIL_AUCUN, 5, 5}, {8, 5, 5}};
    for (const auto &c : moves)
        EXPECT_EQ(c.nWant, NouvellePosition(c.nCode, c.nCur, -2, 10, 4, 7))
            << "request " << c.nCode;
    std::string sMarques;
    for (int n : {1, 2, 9, 10, 11, 20, 411, 412}) { /* the scale of 412 */
        char sz[12];
        const char *szNum = MarqueEchelle(n, 412, sz);
        sMarques += szNum != NULL ? std::string(szNum) + " " : ". ";
    }
    EXPECT_EQ("1 . . 10 . 20 . 412 ", sMarques);
}

/* One-pixel cells in a 10 x 4 pane: Ctrl and page steps are 10 columns or
   4 rows, the caret stands at (column - nHdecal - 2, row - 1 - nVdecal). */
TEST(DeplaceCaret, KeysAndScrollRequests)
{
    enum { L = TOUCHE_GAUCHE, R = TOUCHE_DROITE, U = TOUCHE_HAUT, D = TOUCHE_BAS,
           PU = TOUCHE_PGHAUT, PD = TOUCHE_PGBAS, H = TOUCHE_DEBUT, E = TOUCHE_FIN,
           N = DEFIL_AUCUN, LAV = DEFIL_LIGNE_AV, LAP = DEFIL_LIGNE_AP, PAV = DEFIL_PAGE_AV,
           PAP = DEFIL_PAGE_AP, DEB = DEFIL_DEBUT, FIN = DEFIL_FIN };
    const struct { int nKey, bCtrl, col, lgn, h, v, bars, wCol, wLgn, hReq, vReq; } cases[] = {
        /* key, Ctrl, caret, nHdecal, nVdecal, bars on (1 h, 2 v): caret, requests */
        /* the caret's corner on the pane's edge (0 or 10, 0 or 4) or one
           cell inside it before or after the key, or off the pane before */
        {L, 0, 5, 2, 3, 0, 3, 4, 2, LAV, N},   {L, 0, 6, 2, 3, 0, 3, 5, 2, LAV, N},
        {L, 0, 7, 2, 3, 0, 3, 6, 2, N, N},     {L, 0, 4, 2, 3, 0, 3, 3, 2, N, N},
        {L, 1, 15, 2, 3, 0, 3, 5, 2, PAV, N},  {L, 1, 3, 2, -2, 0, 3, 1, 2, N, N},
        {R, 0, 9, 2, -2, 0, 3, 10, 2, LAP, N}, {R, 1, 25, 2, 25, 0, 3, 30, 2, N, N},
        {R, 1, 5, 2, -2, 0, 3, 15, 2, PAP, N}, {D, 0, 5, 4, -2, 0, 3, 5, 5, N, LAP},
        {U, 0, 5, 5, -2, 3, 3, 5, 4, N, LAV},  {U, 0, 5, 6, -2, 3, 3, 5, 5, N, N},
        {U, 0, 5, 4, -2, 3, 3, 5, 3, N, LAV},  {U, 0, 5, 3, -2, 3, 3, 5, 2, N, N},
        {U, 1, 5, 8, -2, 3, 3, 5, 4, N, LAV},  {U, 1, 5, 2, -2, 0, 3, 5, 1, N, LAV},
        {D, 1, 5, 1, -2, 0, 3, 5, 5, N, LAP},  {D, 0, 5, 12, -2, 9, 3, 5, 12, N, N},
        {PU, 0, 5, 9, -2, 3, 3, 5, 5, N, N},   {PU, 0, 5, 8, -2, 3, 3, 5, 4, N, PAV},
        {PD, 0, 5, 1, -2, 0, 3, 5, 5, N, PAP}, {H, 0, 7, 5, 3, 3, 3, 1, 1, DEB, DEB},
        {H, 0, 7, 5, 3, 3, 2, 1, 1, N, DEB},   {H, 1, 7, 5, 3, 3, 1, 1, 1, DEB, N},
        {E, 0, 7, 5, 3, 3, 3, 30, 12, FIN, FIN}, {0, 0, 7, 5, 3, 3, 3, 7, 5, N, N}};
    MulBlaData m = {};
    for (const auto &c : cases) {
        m.nTaille = 30, m.nSeq = 12, m.nHdecal = c.h, m.nVdecal = c.v;
        m.wndlength = c.bars & 1 ? 10 : 0, m.wndheight = c.bars & 2 ? 4 : 0;
        CaretMulBla k = DeplaceCaret(&m, c.col, c.lgn, c.nKey, c.bCtrl, 10, 4, 1, 1);
        EXPECT_EQ((std::vector<int>{c.wCol, c.wLgn, c.hReq, c.vReq}),
                  (std::vector<int>{k.nCol, k.nLgn, k.nHReq, k.nVReq}))
            << "key " << c.nKey << (c.bCtrl ? " with Ctrl" : "") << " on " << c.col << "," << c.lgn;
    }
    /* End with no row, or no column: the caret stays; one of each is enough to move. */
    for (const auto &z : std::vector<std::pair<int, int>>{{30, 0}, {0, 12}, {1, 2}, {2, 1}}) {
        m.nTaille = z.first, m.nSeq = z.second;
        CaretMulBla k = DeplaceCaret(&m, 1, 1, E, 0, 10, 4, 1, 1);
        EXPECT_EQ(z.first && z.second ? z : std::make_pair(1, 1), std::make_pair(k.nCol, k.nLgn));
    }
}

/* An alignment allocated as the editor's own from cells and names: row r
   has the match character 'a' + r and colours that differ from row to row
   and column to column. */
struct Made {
    pMulBlaData p = (pMulBlaData)MyAlloc(sizeof(MulBlaData));
    Made(const std::vector<std::string> &seqs, const std::vector<std::string> &names)
    {
        int n = p->nTaille = (int)seqs[0].size();
        p->nSeq = (int)seqs.size();
        p->pSeqMul = (pMulBlaSeq *)MyAlloc((unsigned)(p->nSeq * sizeof(pMulBlaSeq)));
        for (int r = 0; r < p->nSeq; r++) {
            pMulBlaSeq s = p->pSeqMul[r] = (pMulBlaSeq)MyAlloc(sizeof(MulBlaSeq));
            snprintf(s->szName, sizeof s->szName, "%s", names[r].c_str());
            s->szSeq = (char *)MyAlloc(n + 1), s->szComp = (char *)MyAlloc(n + 1);
            memcpy(s->szSeq, seqs[r].data(), n), memset(s->szComp, 'a' + r, n);
            s->SeqTxtClr = (unsigned *)MyAlloc(n * 4), s->SeqBkClr = (unsigned *)MyAlloc(n * 4);
            for (int c = 0; c < n; c++)
                s->SeqTxtClr[c] = (r * 3 + c) % 16, s->SeqBkClr[c] = (r * 5 + c * 2) % 16;
        }
        memset(p->szConsensus = (char *)MyAlloc(n + 1), '?', n);
    }
    ~Made() { VirePointMulBla(p); }
};

/* Each command on a fresh alignment: the rows left, by their first places;
   a merge (row 2 into row 1: "X" where both have a residue, the lower
   row's residue and colours where only it has one) cuts the name above
   before its "(". */
TEST(RowCommands, RemoveMoveAndMerge)
{
    const std::vector<std::string> seqs = {"MKVL..", "A.A...", "AA..HI", "..WWWY"},
                                   names = {"Q", "SP|P1 ( 1- 4) 1", "B (  5-  8) 1", "C"};
    const std::string merged = "XAA.HI|bbbbbb|0756AB|1C9B24"; /* row 3 into row 2 */
    enum { REMOVE, MOVE, MERGE };
    const struct { int nOp, a, b, nRet; std::vector<int> want; } cases[] = {
        {REMOVE, 3, 0, 1, {0, 1, 2}}, {REMOVE, 0, 0, 1, {1, 2, 3}}, {REMOVE, 4, 0, 0, {0, 1, 2, 3}},
        {REMOVE, -1, 0, 0, {0, 1, 2, 3}}, {MOVE, 2, -1, 1, {1, 0, 2, 3}}, {MOVE, 3, 1, 1, {0, 1, 3, 2}},
        {MOVE, 1, -1, 0, {0, 1, 2, 3}}, {MOVE, 4, 1, 0, {0, 1, 2, 3}}, {MOVE, 0, 1, 0, {0, 1, 2, 3}},
        {MOVE, 5, -1, 0, {0, 1, 2, 3}}, {MOVE, 2, 2, 0, {0, 1, 2, 3}},
        {MERGE, 0, 0, 0, {0, 1, 2, 3}}, {MERGE, 4, 0, 0, {0, 1, 2, 3}},
        {MERGE, 2, 0, 1, {0, -1, 3}}}; /* -1: the merged row */
    for (const auto &c : cases) {
        Made m(seqs, names);
        std::vector<std::string> rows = Rows(m.p), want, wantNames;
        for (int k : c.want)
            want.push_back(k < 0 ? merged : rows[k]),
                wantNames.push_back(k < 0 ? "SP|P1" : names[k]);
        int nRet = c.nOp == REMOVE ? RemoveSequence(m.p, c.a)
                   : c.nOp == MOVE ? MoveSequence(m.p, c.a, c.b) : MergeSequence(m.p, c.a);
        EXPECT_EQ(std::make_tuple(c.nRet, want, wantNames, c.want.size() > 3 || !m.p->pSeqMul[3]),
                  std::make_tuple(nRet, Rows(m.p), Rows(m.p, true), true))
            << "command " << c.nOp << " on " << c.a << "," << c.b << ": result, rows, names, freed entry";
        EXPECT_EQ(std::string(6, '?'), m.p->szConsensus);
    }
    for (const char *sz : {"( 12- 40) 1", "NO"}) { /* a name that is all "(", or has none */
        Made m({"A", "A"}, {sz, "B"});
        EXPECT_EQ(1, MergeSequence(m.p, 1));
        EXPECT_EQ(sz[0] == '(' ? "" : sz, Rows(m.p, true)[0]);
    }
}

/* Names as loaded (10-character accessions, a shorter one, the query's)
   and one without coordinates, renamed in turn. */
TEST(RowCommands, Rename)
{
    const std::vector<std::string> names = {"LONGQUERYN", "SP|P00001| ( 110- 119) 1",
                                            "GI|1234567 (   5-   9) 1", "SHORT (  50-  53) 1",
                                            "ABCDEFGHIJ Z"};
    const struct { std::vector<std::pair<int, const char *>> ops; int nRet, m; const char *szWant; }
        cases[] = { /* renames (row, new name; NULL: move it down), the last one's result, row m */
            {{{3, "xyz"}}, 1, 3, "       xyz (   5-   9) 1"}, {{{5, "xyz"}}, 1, 5, "       xyz Z"},
            {{{1, "abcdefghijklmn"}}, 1, 1, "abcdefghij"}, {{{4, "xyz"}}, 1, 4, "       xyz (  50-  53) 1"},
            {{{2, "abcdefghijklmn"}}, 1, 2, "abcdefghij ( 110- 119) 1"},
            {{{1, NULL}, {2, "xyz"}}, 1, 2, "       xyz "},
            {{{1, NULL}, {1, "q"}}, 1, 1, "         q"},
            {{{2, ""}}, 0, 2, "SP|P00001| ( 110- 119) 1"}, {{{0, "x"}}, 0, 1, "LONGQUERYN"},
            {{{6, "x"}}, 0, 5, "ABCDEFGHIJ Z"}};
    for (const auto &c : cases) {
        Made m(std::vector<std::string>(5, "A"), names);
        int nRet = -1;
        for (const auto &op : c.ops)
            nRet = op.second ? RenommeSequence(m.p, op.first, op.second) : MoveSequence(m.p, 1, 1);
        std::string sWant = c.szWant + std::string(MULBLA_NOMLEN - strlen(c.szWant), '\0');
        EXPECT_EQ(std::make_pair(c.nRet, sWant), /* all 50 bytes */
                  std::make_pair(nRet, std::string(m.p->pSeqMul[c.m - 1]->szName, MULBLA_NOMLEN)))
            << "row " << c.ops.back().first << " to \"" << c.ops.back().second << "\"";
        char sz[11];
        AncienNomSequence(m.p->pSeqMul[c.m - 1], sz);
        EXPECT_EQ(std::string(c.szWant).substr(0, 10), sz) << "old name";
    }
}

/* An allocation failing anywhere gives 0 and leaves nothing allocated
   (ASan's leak check), until the copies are made whole. */
TEST(RowCommands, CopiesForThePatternFinder)
{
    Made m({"MKV.AAG", "..ILAQG", "AC.W..H"}, {"QUERY", "SP|P00001| ( 110- 119) 1", "X"});
    char **ppSeq = NULL, **ppNom = NULL;
    for (int n = 0; n < 8; n++) { /* two lists, then two blocks a row */
        MyAllocFailAfter(n);
        int nRet = CopieSequences(m.p, &ppSeq, &ppNom);
        MyAllocFailAfter(-1);
        EXPECT_EQ(0, nRet) << "allocation " << n;
    }
    ASSERT_EQ(1, CopieSequences(m.p, &ppSeq, &ppNom));
    for (int r = 0; r < 3; r++) {
        EXPECT_STREQ(m.p->pSeqMul[r]->szSeq, ppSeq[r]);
        EXPECT_EQ(0, memcmp(m.p->pSeqMul[r]->szName, ppNom[r], MULBLA_NOMLEN)) << "name " << r;
        MyFree(ppSeq[r]), MyFree(ppNom[r]);
    }
    MyFree(ppSeq), MyFree(ppNom);
}

/* A column of four rows: anything but a letter counts as ".". */
TEST(CreeConsensus, PointAndStrictLimits)
{
    const struct { const char *szColumn; int nPoint, nStrict; char cWant; } cases[] = {
        {"AAL.", 2, 2, 'A'}, {"AL..", 2, 2, '.'}, {"AALL", 2, 2, '.'}, {"AL..", 3, 2, '.'},
        {"AA..", 3, 2, 'A'}, {"AAAA", 0, 0, '.'}, {"A-*-", 4, 1, 'A'}, {"A-*-", 3, 1, '.'},
        {"AAa.", 2, 2, '.'}, {"ZZY.", 2, 0, 'Z'}};
    for (const auto &c : cases) {
        const char *k = c.szColumn;
        Made m({{k[0]}, {k[1]}, {k[2]}, {k[3]}}, {"", "", "", ""});
        char sz[3] = "##";
        EXPECT_EQ(1, CreeConsensus(m.p, sz, c.nPoint, c.nStrict));
        EXPECT_EQ(std::string(1, c.cWant), sz)
            << k << ", point " << c.nPoint << ", strict " << c.nStrict;
    }
}

TEST(MsfExport, RangePathAndChecksum)
{
    const int ranges[][4] = { /* from, to, columns, valid */
        {1, 30, 30, 0}, {1, 31, 31, 1}, {0, 31, 40, 0}, {10, 40, 40, 1}, {10, 41, 40, 0}, {40, 1, 40, 0}};
    for (const auto &c : ranges)
        EXPECT_EQ(c[3], PlageMsfValide(c[0], c[1], c[2]))
            << c[0] << " ... " << c[1] << " of " << c[2];
    const char *paths[][2] = {
        {"C:\\dir\\verylongname.txt", "C:\\dir\\verylongna.msf"}, {"verylongname.txt", "verylongna.msf"},
        {"/verylongname.bla", "/verylongna.msf"}, {"/a/b/file", "/a/b/file.msf"}, {"/a.b/c", "/a.b/c.msf"},
        {"C:\\v1.2\\abcdefghijk.l.m", "C:\\v1.2\\abcdefghij.msf"}};
    for (const auto &c : paths) {
        std::vector<char> out(260, '#');
        CheminMsf(c[0], out.data(), (int)out.size());
        EXPECT_STREQ(c[1], out.data()) << c[0];
    }
    const int pas[][3] = { /* characters a line, the arrow's delta, then */
        {50, -1, 50}, {50, 1, 60}, {140, 2, 150}, {150, 1, 150}, {150, 0, 150}, {60, -1, 50}};
    for (const auto &c : pas)
        EXPECT_EQ(c[2], PasMsfNChar(c[0], c[1])) << c[0] << " by " << c[1];
    /* 57 "A" weighted 1 ... 57, then one weighted 1 again (the files' rows are shorter) */
    EXPECT_EQ(7510, SEQGCGCHECKSUM(57, 0, std::string(58, 'A').c_str()));
}

/* What the MSF tests write, with its consensus: the second row's name has
   blanks in its first 10 characters, the third's is short. */
struct MsfRows : Made {
    MsfRows()
        : Made({"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ",
                "...LAAGIW.TYMKVLAA.IWSTYMKV.AAGIWSTY.KVLAAGIW.TYMKVL",
                ".CDEX.DEXC.EXCD.XCDE.CDEX.DEXC.EXCD.XCDE.CDEX.DEXC.E"},
               {"QUERYNAME1XYZ", "P1 (  12-  40) 1", "AB"})
    {
        memcpy(p->szConsensus, ".CDEFGH.KLMNPQ.STVWYA.DEFGHI.LMNPQR.TVWYAC.EFGHIK.MN", 52);
    }
};

/* Columns 2-52 by 50, the scale from 7, saved over an older file, which
   it replaces whole. Without the consensus its lines are left out, and
   an empty line ends each block instead. */
TEST(MsfExport, Layout)
{
    MsfRows m;
    TempDir dir;
    const std::string sPath = dir.s + "/alignments1.msf"; /* 11 characters: 10 in the file */
    const std::string sWant =
        " " + sPath + "  MSF:   51  Type: P  PileUp-like from Blast  Check: 1996  ..\r\n\r\n"
        " Name: QUERYNAME1       Len:    51  Check:  5690  Weight:  1.00\r\n"
        " Name: P1_(__12-_       Len:    51  Check:  9132  Weight:  1.00\r\n"
        " Name: AB               Len:    51  Check:  9209  Weight:  1.00\r\n"
        " Name: alignments       Len:    51  Check:  5103  Weight:  1.00\r\n"
        "\r\n//\r\n\r\n"
        "            7                                                   56  \r\n"
        "QUERYNAME1  BCDEFGHIJK LMNOPQRSTU VWXYZABCDE FGHIJKLMNO PQRSTUVWXY \r\n"
        "P1_(__12-_  ..LAAGIW.T YMKVLAA.IW STYMKV.AAG IWSTY.KVLA AGIW.TYMKV \r\n"
        "AB          CDEX.DEXC. EXCD.XCDE. CDEX.DEXC. EXCD.XCDE. CDEX.DEXC. \r\n"
        "alignments  CDEFGH.KLM NPQ.STVWYA .DEFGHI.LM NPQR.TVWYA C.EFGHIK.M \r\n"
        "            57                                                 106  \r\n"
        "QUERYNAME1  Z\r\n"
        "P1_(__12-_  L\r\n"
        "AB          E\r\n"
        "alignments  N\r\n";
    for (bool bCons : {false, true}) {
        SCOPED_TRACE(bCons ? "with the consensus" : "without");
        { std::ofstream(sPath) << "an older file"; }
        OsNoticeLogClear();
        EXPECT_EQ(1, SauveMSF(m.p, 50, sPath.c_str(), 1, 7, 51, bCons, NULL));
        std::regex cons(" Name: alig.*\r\n|alignments  .*");
        EXPECT_EQ(bCons ? sWant : std::regex_replace(sWant, cons, ""), ReadFile(sPath));
        EXPECT_EQ((std::vector<std::string>{"alignments1.msf"}), dir.List());
        EXPECT_EQ(0u, OsNoticeLog().size());
    }
    EXPECT_STREQ("P1 (  12-  40) 1", m.p->pSeqMul[1]->szName); /* the editor keeps its names */
#ifndef _WIN32
    /* A reader that is not ours, Clustal Omega, reads every name and row
       back, in FASTA here without its gaps and line ends (it realigns what
       it reads). */
    if (system("clustalo --version > /dev/null 2>&1") != 0)
        printf("clustalo is not installed: the file is not read back\n");
    else {
        std::string sIn = dir.s + "/lf.msf", sFa = dir.s + "/out.fa"; /* it wants LF ends */
        std::ofstream(sIn, std::ios::binary) << std::regex_replace(ReadFile(sPath), std::regex("\r"), "");
        int nRet = system(("clustalo -i " + sIn + " --infmt=msf --output-order=input-order -o " + sFa + " > /dev/null 2>&1").c_str());
        std::string sGot = std::regex_replace(ReadFile(sFa), std::regex("[-\n]"), "");
        fs::remove(sIn), fs::remove(sFa);
        EXPECT_EQ(0, nRet);
        EXPECT_EQ(">QUERYNAME1BCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ>P1_(__12_LAAGIWTYMKVLAAIWSTYMKVAAGIWSTYKVLAAGIWTYMKVL"
                  ">ABCDEXDEXCEXCDXCDECDEXDEXCEXCDXCDECDEXDEXCE>alignmentsCDEFGHKLMNPQSTVWYADEFGHILMNPQRTVWYACEFGHIKMN", sGot);
    }
#endif
    remove(sPath.c_str()); /* nothing is written for columns outside the rows, or no line */
    for (const auto &a : {std::vector<int>{50, 0, 52}, {50, 10, 9}, {50, -1, 20}, {0, 0, 51}}) {
        EXPECT_EQ(0, SauveMSF(m.p, a[0], sPath.c_str(), a[1], 1, a[2], 1, NULL))
            << "columns " << a[1] << "-" << a[2] << " by " << a[0];
        EXPECT_EQ(std::vector<std::string>{}, dir.List());
    }
}

/* A file that cannot be written is said, naming it; an older file stays
   as it was, with no temporary file left beside it. So it is when each
   allocation fails in turn, till a save (of one column) succeeds. */
TEST(MsfExport, FailureLeavesAnOlderFile)
{
    MsfRows m;
    TempDir dir;
    const std::string sOut = dir.s + "/sub/out.msf";
    fs::create_directory(dir.s + "/sub");
    { std::ofstream(sOut) << "the older file"; }
    auto Sauve = [&m](const std::string &s) { return SauveMSF(m.p, 50, s.c_str(), 0, 1, 51, 1, NULL); };
    for (const char *szPath : {"/missing/out.msf", "/sub", "/sub/out.msf"}) {
        SCOPED_TRACE(szPath);
        const std::string sPath = dir.s + szPath;
        OsNoticeLogClear();
        int nRet = 0;
#ifndef _WIN32
        struct rlimit lim, small = {300, RLIM_INFINITY}; /* writes fail past 300 bytes */
        getrlimit(RLIMIT_FSIZE, &lim);
        small.rlim_max = lim.rlim_max;
        signal(SIGXFSZ, SIG_IGN), setrlimit(RLIMIT_FSIZE, &small);
        nRet = Sauve(sPath);
        setrlimit(RLIMIT_FSIZE, &lim);
#else
        if (sPath == sOut) /* no file size limit to try */
            continue;
        nRet = Sauve(sPath);
#endif
        EXPECT_EQ(0, nRet);
        EXPECT_EQ(std::vector<unsigned>{IDS_MSF_NOWRITE}, NoticeIds());
        std::string sText = OsNoticeLog().empty() ? "" : OsNoticeLog()[0].szText;
        EXPECT_NE(std::string::npos, sText.find(fs::path(sPath).filename().string())) << sText;
        EXPECT_EQ(std::vector<std::string>{"sub"}, dir.List());
        EXPECT_EQ("the older file", ReadFile(sOut));
        EXPECT_EQ(std::vector<std::string>{"out.msf"}, dir.List("/sub"));
    }
    int nRet = 0;
    for (int n = 0; n < 100 && nRet != 1; n++) {
        MyAllocFailAfter(n);
        nRet = SauveMSF(m.p, 1, sOut.c_str(), 0, 1, 0, 1, NULL);
        MyAllocFailAfter(-1);
        EXPECT_EQ(nRet == 1, ReadFile(sOut) != "the older file") << "allocation " << n;
        EXPECT_EQ(std::vector<std::string>{"out.msf"}, dir.List("/sub"));
    }
    EXPECT_TRUE(nRet == 1 && ReadFile(sOut).find("//\r\n\r\n            1 \r\n") != std::string::npos);
}

} // namespace
