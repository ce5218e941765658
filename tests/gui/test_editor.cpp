/* The VazEva editor under Wine, on the sample report: F3 with nothing
   selected only says so; with HSPs selected it opens the editor on them,
   and F3 again asks before closing it. The caret keys and typing in the
   alignment pane, the scale pane's drawing, the font size dialog, and
   the editor going away with its report. */
#include "editorfixture.h"

namespace {

/* Never selected, or selected then all unselected: one notice, no editor. */
TEST_F(EditorTest, F3WithNothingSelectedOnlySaysSo)
{
    for (int idAvant : { 0, 3006 }) {
        SCOPED_TRACE(testing::Message() << "before: command " << idAvant);
        if (idAvant != 0) {
            SendMessageA(hWndMain, WM_COMMAND, idAvant, 0);
            SendMessageA(hWndMain, WM_COMMAND, 3007, 0);
        }
        BoxAnswerer answerer({ IDOK });
        F3();
        ASSERT_EQ(1u, answerer.Seen().size());
        EXPECT_EQ("VazEva editor", answerer.Seen()[0].szCaption);
        EXPECT_EQ("No sequences selected.", answerer.Seen()[0].szText);
        EXPECT_EQ(hWndMain, answerer.Seen()[0].hOwner);
        EXPECT_EQ(nullptr, hWndMulBla);
        EXPECT_EQ(nullptr, PMULBLA);
    }
}

/* The query row plus one row per selected HSP (11 hits, 16 HSPs); the
   menu item is checked while it is open; F3 asks before closing it. */
TEST_F(EditorTest, F3OpensTheEditorOnTheSelectionAndAsksBeforeClosingIt)
{
    struct {
        int idSelection, nSeq;
    } cases[] = { { 3005, 12 }, { 3006, 17 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.idSelection);
        SendMessageA(hWndMain, WM_COMMAND, 3007, 0);
        OuvreEditeur(c.idSelection);
        EXPECT_EQ("VazEva Editor   -   sample.bla", WindowText(hWndMulBla));
        EXPECT_EQ("Insert", WindowText(HWNDINSERTSTATE));
        EXPECT_EQ("   1,   1", WindowText(HWNDCARETPOSITION));
        EXPECT_EQ(c.nSeq, PMULBLA->nSeq);
        EXPECT_EQ(412, PMULBLA->nTaille) << "the query's length";
        EXPECT_EQ((UINT)MF_CHECKED, Etat3010());

        HWND hWndEditeur = hWndMulBla;
        for (int idRep : { IDNO, IDYES }) {
            BoxAnswerer answerer({ idRep });
            F3();
            ASSERT_EQ(1u, answerer.Seen().size());
            EXPECT_EQ("VazEva editor", answerer.Seen()[0].szCaption);
            EXPECT_EQ("Exit the editor ?", answerer.Seen()[0].szText);
            EXPECT_EQ(idRep == IDNO ? hWndEditeur : NULL, hWndMulBla);
            EXPECT_EQ(idRep == IDNO, IsWindow(hWndEditeur) != FALSE);
            EXPECT_EQ(idRep == IDNO, PMULBLA != NULL);
        }
        EXPECT_EQ(0u, Etat3010());
    }
}

/* Another report, or closing this one, takes the editor away unasked. */
TEST_F(EditorTest, TheEditorGoesWithItsReport)
{
    for (int idCommande : { 0, 3001 }) {
        SCOPED_TRACE(idCommande == 0 ? "another report" : "the report closed");
        OuvreEditeur();
        HWND hWndEditeur = hWndMulBla;
        BoxAnswerer answerer(std::vector<BoxAction>{});
        if (idCommande == 0)
            EXPECT_EQ(1, Open(SAMPLE_REPORT));
        else
            SendMessageA(hWndMain, WM_COMMAND, idCommande, 0);
        EXPECT_EQ(0u, answerer.Seen().size());
        EXPECT_EQ(nullptr, hWndMulBla);
        EXPECT_EQ(nullptr, PMULBLA);
        EXPECT_FALSE(IsWindow(hWndEditeur));
    }
}

/* Arrows, Ctrl+Right (a pane's width of columns, a page of scrolling),
   End and Home; Right at the right edge; the Insert key's release
   switches the mode. */
TEST_F(EditorTest, CaretKeysMoveTheCaretAndScrollThePane)
{
    OuvreEditeur();
    const int N = PMULBLA->nTaille, S = PMULBLA->nSeq, W = PMULBLA->wndlength;
    const int cxE = Police().cx, P = RoundFloat((float)LargeurAlign() / (float)cxE);
    const int nFin = N - W + 2;   /* the last scroll position */
    ASSERT_GT(nFin, 2 * W) << "412 columns are several pages";

    struct {
        const char *szQuoi;
        std::vector<Touche> touches;
        int nCol, nLgn, nHdecal;
    } cases[] = {
        { "Right", { Bas(VK_RIGHT) }, 2, 1, -2 },
        { "Down", { Bas(VK_DOWN) }, 2, 2, -2 },
        { "Up, Up at row 1", { Bas(VK_UP), Bas(VK_UP) }, 2, 1, -2 },
        { "Left, Left at column 1", { Bas(VK_LEFT), Bas(VK_LEFT) }, 1, 1, -2 },
        { "Ctrl+Right", Ctrl(VK_RIGHT), 1 + P, 1, -2 + W },
        { "Right after Ctrl is released", { Bas(VK_RIGHT) }, 2 + P, 1, -2 + W },
        { "Ctrl+Right again", Ctrl(VK_RIGHT), 2 + 2 * P, 1, -2 + 2 * W },
        { "End", { Bas(VK_END) }, N, S, nFin },
        { "Right at the last column", { Bas(VK_RIGHT) }, N, S, nFin },
        { "Home", { Bas(VK_HOME) }, 1, 1, -2 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szQuoi);
        Envoie(c.touches);
        EXPECT_EQ(Caret(c.nCol, c.nLgn), WindowText(HWNDCARETPOSITION));
        EXPECT_EQ(c.nHdecal, PMULBLA->nHdecal);
        EXPECT_EQ(c.nHdecal, GetScrollPos(HWNDMULBLAALIGN, SB_HORZ));
    }

    /* Right along row 1 until the pane scrolls: it scrolls one column
       when the caret's cell reaches the right edge, and the caret stays
       where it was on the screen. */
    int n = 1;
    POINT ptAvant = { 0, 0 }, pt;
    for (; n < N && PMULBLA->nHdecal == -2; n++) {
        GetCaretPos(&ptAvant);
        Envoie({ Bas(VK_RIGHT) });
    }
    GetCaretPos(&pt);
    EXPECT_EQ(-1, PMULBLA->nHdecal);
    EXPECT_EQ(Caret(n, 1), WindowText(HWNDCARETPOSITION));
    EXPECT_EQ(ptAvant.x, pt.x) << "column " << n;
    EXPECT_LT(ptAvant.x, LargeurAlign());
    EXPECT_GE(ptAvant.x + cxE, LargeurAlign());

    for (const char *szMode : { "Replace", "Insert" }) {
        Envoie({ Bas(VK_INSERT), Haut(VK_INSERT) });
        EXPECT_EQ(szMode, WindowText(HWNDINSERTSTATE));
        EXPECT_EQ(Caret(n, 1), WindowText(HWNDCARETPOSITION));
    }
}

/* Typing on row 2 from column 5: letters inserted (upper case) or, in
   replace mode, written over; other characters ignored; a blank is a
   gap; Backspace and Delete act when released. */
TEST_F(EditorTest, TypingEditsTheCaretRow)
{
    OuvreEditeur();
    const int N = PMULBLA->nTaille;
    Envoie({ Bas(VK_DOWN), Bas(VK_RIGHT), Bas(VK_RIGHT), Bas(VK_RIGHT), Bas(VK_RIGHT) });
    ASSERT_EQ(Caret(5, 2), WindowText(HWNDCARETPOSITION));
    const std::string szQuery = Rangee(1);
    std::string szAttendu = Rangee(2);
    ASSERT_NE('.', szAttendu[N - 1]) << "the HSP reaches the last column";

    struct {
        const char *szQuoi;
        std::vector<Touche> touches;
        void (*pfnEdit)(std::string &s, int N);   /* NULL: nothing changes */
        int nCol;
    } cases[] = {
        { "'a' inserted", { Car('a') }, [](std::string &s, int) { s.insert(4, "A"); s.pop_back(); }, 6 },
        { "'7' ignored", { Car('7') }, NULL, 6 },
        { "'*' ignored", { Car('*') }, NULL, 6 },
        { "Backspace pressed only", { Bas(VK_BACK) }, NULL, 6 },
        { "Backspace released", { Haut(VK_BACK) }, [](std::string &s, int) { s.erase(4, 1); s += '.'; }, 5 },
        { "blank in replace mode", { Haut(VK_INSERT), Car(' ') }, [](std::string &s, int) { s[4] = '.'; }, 6 },
        { "Ctrl+Right to the last column", Ctrl(VK_RIGHT, N), NULL, N },
        { "'q' written", { Car('q') }, [](std::string &s, int n) { s[n - 1] = 'Q'; }, N },
        { "Delete released on the last column", { Bas(VK_DELETE), Haut(VK_DELETE) },
          [](std::string &s, int n) { s[n - 1] = '.'; }, N },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szQuoi);
        Envoie(c.touches);
        if (c.pfnEdit != NULL)
            c.pfnEdit(szAttendu, N);
        EXPECT_EQ(szAttendu, Rangee(2));
        EXPECT_EQ(Caret(c.nCol, 2), WindowText(HWNDCARETPOSITION));
    }
    EXPECT_EQ(szQuery, Rangee(1)) << "the other rows untouched";
}

/* The scale over a 95-column alignment: numbers at 1, every tenth column
   and the last, each with a "|" below it, a "." under every other
   column; column p centred at (p - nHdecal - 1) * cx. */
TEST_F(EditorTest, ScalePaneNumbersTheColumns)
{
    EcritRapport95();
    ASSERT_EQ(1, Open(m_szTemp));
    OuvreEditeur();
    ASSERT_EQ(95, PMULBLA->nTaille);
    ASSERT_EQ(2, PMULBLA->nSeq);
    const int cxE = Police().cx, cyE = Police().cy;
    PMULBLA->nHdecal = -2;
    RECT rc = { 0, 0, 100 * cxE, 2 * cyE };
    HENHMETAFILE hEmf = RecordEmf([&](HDC hdc) { DessineMulBlaScale(hdc, &rc); });
    ASSERT_NE(nullptr, hEmf);
    std::string szLu, szAttendu;
    for (const EmfText &t : EmfTexts(hEmf))
        szLu += std::string(t.szText.begin(), t.szText.end()) + "@" + std::to_string(t.pt.x) + ","
                + std::to_string(t.pt.y) + " ";
    DeleteEnhMetaFile(hEmf);
    for (int p = 1; p <= 95; p++) {
        std::string szX = "@" + std::to_string((p + 1) * cxE) + ",";
        if (p == 1 || p % 10 == 0 || p == 95)
            szAttendu += std::to_string(p) + szX + "0 |" + szX + std::to_string(cyE) + " ";
        else
            szAttendu += "." + szX + std::to_string(cyE) + " ";
    }
    EXPECT_EQ(szAttendu, szLu);
}

/* The font size dialog starts at the editor's size; Cancel keeps the
   font, OK makes it the size chosen and lays the panes out again. The
   caret, on the last cell, keeps covering that cell with the new font
   and the scroll position the new pane width allows. */
TEST_F(EditorTest, FontSizeDialogChangesTheEditorFont)
{
    OuvreEditeur();
    HDC hdc = GetDC(hWndMain);
    const int nDpi = GetDeviceCaps(hdc, LOGPIXELSX);
    ReleaseDC(hWndMain, hdc);
    ASSERT_EQ(12 * nDpi / 72, LFEDITORFNT.lfHeight);
    const int N = PMULBLA->nTaille, S = PMULBLA->nSeq;
    Envoie({ Bas(VK_END) });

    struct {
        int nDepart;          /* the trackbar's position at opening    */
        int nPos, idBouton;   /* trackbar moved to nPos (0: not moved) */
        const char *szTaille; /* the size shown before the button      */
        int nPoints;          /* the font after                        */
    } cases[] = { { 12, 0, IDCANCEL, "12", 12 }, { 12, 20, IDOK, "20", 20 }, { 20, 8, IDOK, "8", 8 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szTaille);
        std::string szLu;
        LRESULT nPosLu = -1;
        BoxAnswerer answerer(std::vector<BoxAction>{ [&](HWND hDlg) {
            HWND hTrack = GetDlgItem(hDlg, IDC_FONT_TRACK);
            nPosLu = SendMessageA(hTrack, TBM_GETPOS, 0, 0);
            if (c.nPos != 0) {
                SendMessageA(hTrack, TBM_SETPOS, TRUE, c.nPos);
                SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, c.nPos), (LPARAM)hTrack);
            }
            szLu = WindowText(GetDlgItem(hDlg, IDC_FONT_SIZE));
            Press(c.idBouton)(hDlg);
        } });
        SendMessageA(hWndMulBla, WM_COMMAND, 3013, 0);
        PumpMessages(20);
        ASSERT_EQ(1u, answerer.Seen().size());
        EXPECT_EQ("Font size", answerer.Seen()[0].szCaption);
        EXPECT_EQ(c.nDepart, nPosLu) << "the trackbar opens at the font's size";
        EXPECT_EQ(c.szTaille, szLu);
        ASSERT_NE(nullptr, hWndMulBla);
        EXPECT_EQ(c.nPoints * nDpi / 72, LFEDITORFNT.lfHeight);

        /* scale pane two lines high over the one-line consensus pane, the
           names pane 26 characters wide */
        SIZE f = Police();
        RECT rcScale = Place(HWNDMULBLASCALE);
        EXPECT_EQ(2 * f.cy, rcScale.bottom - rcScale.top);
        EXPECT_EQ(3 * f.cy, Place(HWNDMULBLAALIGN).top - rcScale.top);
        EXPECT_EQ(26 * f.cx, Place(HWNDMULBLALIST).right);

        EXPECT_LE(PMULBLA->nHdecal, N - PMULBLA->wndlength + 2);
        GUITHREADINFO gti;
        gti.cbSize = sizeof gti;
        ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &gti));
        EXPECT_EQ(HWNDMULBLAALIGN, gti.hwndCaret);
        /* column N's cells are centred at (N - 1 - nHdecal) * cx */
        EXPECT_NEAR((N - 1 - PMULBLA->nHdecal) * f.cx - f.cx / 2.0, gti.rcCaret.left, 1)
            << "nHdecal " << PMULBLA->nHdecal << ", cx " << f.cx;
        EXPECT_EQ((S - 1 - PMULBLA->nVdecal) * f.cy, gti.rcCaret.top);
        EXPECT_EQ(f.cy, gti.rcCaret.bottom - gti.rcCaret.top);
    }
}

} // namespace
