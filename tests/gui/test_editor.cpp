/* The VazEva editor under Wine, on the sample report: opening and closing
   it, the keys and typing in its alignment pane (the arithmetic behind
   them is tested natively), the scale pane's drawing and the font size
   dialog. */
#include <algorithm>

#include "editorfixture.h"

namespace {

/* F3 with nothing selected (never, or no longer) only says so. With HSPs
   selected it opens the editor on them, the menu item checked, and asks
   before closing it; another report, or closing this one, takes the
   editor away unasked. */
TEST_F(EditorTest, F3OpensAndClosesTheEditor)
{
    auto Coche3010 = [] {
        SendMessageA(hWndMain, WM_INITMENU, (WPARAM)GetMenu(hWndMain), 0);
        return GetMenuState(GetMenu(hWndMain), 3010, MF_BYCOMMAND) & MF_CHECKED;
    };
    for (int idAvant : { 0, 3006 }) {
        SendMessageA(hWndMain, WM_COMMAND, idAvant, 0);
        SendMessageA(hWndMain, WM_COMMAND, 3007, 0);
        BoxAnswerer answerer({ IDOK });
        Key(VK_F3);
        ASSERT_EQ(1u, answerer.Seen().size());
        const BoxSeen &b = answerer.Seen()[0];
        EXPECT_EQ("VazEva editor|No sequences selected.", b.szCaption + "|" + b.szText);
        EXPECT_EQ(hWndMain, b.hOwner);
        EXPECT_EQ(nullptr, hWndMulBla);
    }
    OuvreEditeur();
    EXPECT_EQ("VazEva Editor   -   sample.bla|Insert|   1,   1",
              WindowText(hWndMulBla) + "|" + WindowText(HWNDINSERTSTATE) + "|" + WindowText(HWNDCARETPOSITION));
    EXPECT_EQ((std::vector<int>{ 17, 412 }), (std::vector<int>{ PMULBLA->nSeq, PMULBLA->nTaille }));
    EXPECT_EQ((UINT)MF_CHECKED, Coche3010());
    HWND hWndEditeur = hWndMulBla;
    for (int idRep : { IDNO, IDYES }) {
        BoxAnswerer answerer({ idRep });
        Key(VK_F3);
        ASSERT_EQ(1u, answerer.Seen().size());
        EXPECT_EQ("Exit the editor ?", answerer.Seen()[0].szText);
        EXPECT_EQ(idRep == IDNO ? hWndEditeur : NULL, hWndMulBla);
        EXPECT_EQ(idRep == IDNO, IsWindow(hWndEditeur) && PMULBLA != NULL);
    }
    EXPECT_EQ(0u, Coche3010());
    for (int idCommande : { 0, 3001 }) {
        SCOPED_TRACE(idCommande == 0 ? "another report" : "the report closed");
        OuvreEditeur();
        hWndEditeur = hWndMulBla;
        BoxAnswerer answerer(std::vector<BoxAction>{});
        if (idCommande == 0)
            EXPECT_EQ(1, Open(SAMPLE_REPORT));
        else
            SendMessageA(hWndMain, WM_COMMAND, idCommande, 0);
        EXPECT_EQ(0u, answerer.Seen().size());
        EXPECT_EQ(std::make_tuple((HWND)NULL, (pMulBlaData)NULL, FALSE),
                  std::make_tuple(hWndMulBla, PMULBLA, IsWindow(hWndEditeur)));
    }
}

/* Each key reaches the caret and the scroll bar: Ctrl+Right moves a
   pane's width of columns and scrolls a page, End goes to the last cell
   and scroll position. Typed on row 2 from column 5: letters inserted
   (upper case) or, in replace mode (the Insert key's release), written
   over; other characters ignored; a blank is a gap; Backspace and Delete
   act when released. */
TEST_F(EditorTest, KeysMoveTheCaretAndEditItsRow)
{
    OuvreEditeur();
    const int N = PMULBLA->nTaille, S = PMULBLA->nSeq, W = PMULBLA->wndlength;
    RECT rc;
    GetClientRect(HWNDMULBLAALIGN, &rc);
    const int P = RoundFloat((float)rc.right / (float)Police().cx);
    ASSERT_GT(N - W + 2, 2 * W) << "412 columns are several pages";
    struct {
        std::vector<Touche> touches;
        int nCol, nLgn, nHdecal;
    } cases[] = {
        { { Bas(VK_RIGHT), Bas(VK_DOWN) }, 2, 2, -2 },
        { { Bas(VK_LEFT), Bas(VK_UP) }, 1, 1, -2 },
        { { Bas(VK_CONTROL), Bas(VK_RIGHT), Haut(VK_CONTROL) }, 1 + P, 1, -2 + W },
        { { Bas(VK_RIGHT) }, 2 + P, 1, -2 + W }, /* Ctrl released */
        { { Bas(VK_END) }, N, S, N - W + 2 },
        { { Bas(VK_HOME) }, 1, 1, -2 },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "to " << c.nCol << "," << c.nLgn);
        Envoie(c.touches);
        EXPECT_EQ(Caret(c.nCol, c.nLgn), WindowText(HWNDCARETPOSITION));
        EXPECT_EQ((std::vector<int>{ c.nHdecal, c.nHdecal }),
                  (std::vector<int>{ PMULBLA->nHdecal, GetScrollPos(HWNDMULBLAALIGN, SB_HORZ) }));
    }

    Envoie({ Bas(VK_DOWN), Bas(VK_RIGHT), Bas(VK_RIGHT), Bas(VK_RIGHT), Bas(VK_RIGHT) });
    const std::string szQuery = Rangee(1), s = Rangee(2);
    struct {
        std::vector<Touche> touches;
        std::string szRow, szMode; /* row 2's first 8 cells */
        int nCol;
    } edits[] = {
        { { Car('a') }, s.substr(0, 4) + "A" + s.substr(4, 3), "Insert", 6 },
        { { Car('7'), Car('*'), Bas(VK_BACK) }, s.substr(0, 4) + "A" + s.substr(4, 3), "Insert", 6 },
        { { Haut(VK_BACK) }, s.substr(0, 8), "Insert", 5 },
        { { Haut(VK_INSERT), Car(' ') }, s.substr(0, 4) + "." + s.substr(5, 3), "Replace", 6 },
        { { Bas(VK_DELETE), Haut(VK_DELETE) }, s.substr(0, 4) + "." + s.substr(6, 3), "Replace", 6 },
    };
    for (const auto &c : edits) {
        SCOPED_TRACE(c.szRow);
        Envoie(c.touches);
        EXPECT_EQ(c.szRow + "|" + c.szMode + "|" + Caret(c.nCol, 2), Rangee(2).substr(0, 8) + "|"
                  + WindowText(HWNDINSERTSTATE) + "|" + WindowText(HWNDCARETPOSITION));
    }
    EXPECT_EQ(szQuery, Rangee(1)) << "the other rows untouched";
}

/* The scale over the 412 columns: numbers at 1, every tenth column and
   the last, each with a "|" below it, a "." under every other column;
   column p centred at (p - nHdecal - 1) * cx. */
TEST_F(EditorTest, ScalePaneNumbersTheColumns)
{
    OuvreEditeur();
    const int N = PMULBLA->nTaille;
    const int cxE = Police().cx, cyE = Police().cy;
    RECT rc = { 0, 0, (N + 8) * cxE, 2 * cyE };
    std::string szLu, szAttendu;
    for (const EmfText &t : Record([&](HDC hdc) { DessineMulBlaScale(hdc, &rc); }).texts)
        szLu += t.A() + "@" + std::to_string(t.pt.x) + "," + std::to_string(t.pt.y) + " ";
    for (int p = 1; p <= N; p++) {
        std::string szX = "@" + std::to_string((p + 1) * cxE) + ",";
        if (p == 1 || p % 10 == 0 || p == N)
            szAttendu += std::to_string(p) + szX + "0 |" + szX + std::to_string(cyE) + " ";
        else
            szAttendu += "." + szX + std::to_string(cyE) + " ";
    }
    EXPECT_EQ(szAttendu, szLu);
}

/* The font size dialog opens at the editor's size (12 points first); OK
   makes the font the size chosen, lays the panes out again and fits the
   scroll bar to the new width, the caret still on the last cell; Cancel
   keeps it. */
TEST_F(EditorTest, FontSizeDialogChangesTheEditorFont)
{
    OuvreEditeur();
    HDC hdc = GetDC(hWndMain);
    const int nDpi = GetDeviceCaps(hdc, LOGPIXELSX);
    ReleaseDC(hWndMain, hdc);
    const int N = PMULBLA->nTaille, S = PMULBLA->nSeq;
    Envoie({ Bas(VK_END) });
    struct {
        int nDepart, nPos, idBouton, nPoints; /* trackbar at opening, moved to (0: not), after */
    } cases[] = { { 12, 8, IDOK, 8 }, { 8, 20, IDOK, 20 }, { 20, 0, IDCANCEL, 20 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.nDepart);
        std::string szLu;
        BoxAnswerer answerer(std::vector<BoxAction>{ [&](HWND hDlg) {
            HWND hTrack = GetDlgItem(hDlg, IDC_FONT_TRACK);
            szLu = std::to_string(SendMessageA(hTrack, TBM_GETPOS, 0, 0));
            if (c.nPos != 0) {
                SendMessageA(hTrack, TBM_SETPOS, TRUE, c.nPos);
                SendMessageA(hDlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, c.nPos), (LPARAM)hTrack);
            }
            szLu += "|" + WindowText(GetDlgItem(hDlg, IDC_FONT_SIZE));
            Press(c.idBouton)(hDlg);
        } });
        SendMessageA(hWndMulBla, WM_COMMAND, 3013, 0);
        PumpMessages(20);
        ASSERT_EQ(1u, answerer.Seen().size());
        EXPECT_EQ("Font size", answerer.Seen()[0].szCaption);
        EXPECT_EQ(std::to_string(c.nDepart) + "|" + std::to_string(c.nPos ? c.nPos : c.nDepart), szLu)
            << "the trackbar's position at opening, the size shown";
        EXPECT_EQ(c.nPoints * nDpi / 72, LFEDITORFNT.lfHeight);
        SIZE f = Police();
        RECT rc;
        GetWindowRect(HWNDMULBLALIST, &rc); /* the names pane, 26 characters wide */
        MapWindowPoints(NULL, hWndMulBla, (POINT *)&rc, 2);
        EXPECT_EQ(26 * f.cx, rc.right);
        GetClientRect(HWNDMULBLAALIGN, &rc);
        EXPECT_NEAR((double)rc.right / f.cx, PMULBLA->wndlength, 1) << "columns shown";
        EXPECT_EQ(std::min(PMULBLA->nHdecal, N - PMULBLA->wndlength + 2), GetScrollPos(HWNDMULBLAALIGN, SB_HORZ));
        GUITHREADINFO gti = {};
        gti.cbSize = sizeof gti;
        ASSERT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &gti));
        EXPECT_EQ((std::vector<long>{ N - 2 - PMULBLA->nHdecal, S - 1 - PMULBLA->nVdecal, f.cy }),
                  (std::vector<long>{ gti.rcCaret.left / f.cx, gti.rcCaret.top / f.cy,
                                      gti.rcCaret.bottom - gti.rcCaret.top }))
            << "the caret's column and row in the pane, its height";
    }
}

} // namespace
