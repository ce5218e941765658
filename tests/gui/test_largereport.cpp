/* A report of 20,000 hits in the real main window: the whole list, its
   keys and flags, the progress box gone, the last hit's HSP shown. */
#include "mainfixture.h"

#include <stdio.h>

static const unsigned NHITS = 20000;

/* Hit h has one HSP whose subject starts at h. */
static bool EcritRapport(const char *szPath)
{
    FILE *f = fopen(szPath, "wb");
    if (f == NULL)
        return false;
    fprintf(f, "BLASTP 2.0MP-WashU\n\nQuery=  big\n        (60 letters)\n\n"
               "Database:  big.aa\n           1 sequences\n\n"
               "Sequences producing High-scoring Segment Pairs:\n\n");
    for (unsigned h = 1; h <= NHITS; h++)
        fprintf(f, "sp|H%05u|BIG  hit %u   50  1.0e-5  1\n", h, h);
    fputs("\n\n", f);
    for (unsigned h = 1; h <= NHITS; h++)
        fprintf(f, ">sp|H%05u|BIG hit %u\n        Length = 900\n\n"
                   " Score = 50 (20.1 bits), Expect = 1.0e-5, P = 1.0e-5\n"
                   " Identities = 12/12 (100%%), Positives = 12/12 (100%%)\n\n"
                   "Query:     1 MSKAVGIDLGTT 12\n             MSKAVGIDLGTT\n"
                   "Sbjct: %5u MSKAVGIDLGTT %u\n\n",
                h, h, h, h + 11);
    fputs("Parameters:\n", f);
    return fclose(f) == 0;
}

TEST_F(MainWindowTest, EveryHitOfALargeReportListedAndReachable)
{
    char szDir[MAX_PATH], szPath[MAX_PATH];
    ASSERT_NE(0u, GetTempPathA(sizeof szDir, szDir));
    ASSERT_NE(0u, GetTempFileNameA(szDir, "BIG", 0, szPath));
    ASSERT_TRUE(EcritRapport(szPath));
    ASSERT_EQ(1, Open(szPath));
    PumpMessages(50);

    HWND hProgres = NULL;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND h, LPARAM l) -> BOOL {
        if (IsWindowVisible(h) && WindowText(h) == "Reading BLAST file")
            *(HWND *)l = h;
        return TRUE;
    }, (LPARAM)&hProgres);
    EXPECT_EQ(nullptr, hProgres) << "the progress box outlived the read";
    ASSERT_EQ((int)NHITS, ListBox_GetCount(HWNDRESULT));
    EXPECT_EQ((LPARAM)Doc()->pHSPResultat[0], ListBox_GetItemData(HWNDRESULT, 0));
    EXPECT_EQ((LPARAM)Doc()->pHSPResultat[NHITS - 1], ListBox_GetItemData(HWNDRESULT, NHITS - 1));

    /* {key, row then current and shown, list scrolled off its top} */
    const struct { UINT vk; int nRow; bool bScrolled; } cases[] = {
        { VK_END, (int)NHITS - 1, true },
        { VK_PRIOR, -1, true },  /* a page up: some row above the last */
        { VK_HOME, 0, false },
        { VK_NEXT, -1, false },  /* to the foot of the first page */
        { VK_END, (int)NHITS - 1, true },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.vk);
        SendMessageA(HWNDRESULT, WM_KEYDOWN, c.vk, 0);
        int nCur = ListBox_GetCurSel(HWNDRESULT);
        if (c.nRow >= 0)
            EXPECT_EQ(c.nRow, nCur);
        else
            EXPECT_TRUE(nCur > 0 && nCur < (int)NHITS - 1) << nCur;
        EXPECT_EQ(c.bScrolled, ListBox_GetTopIndex(HWNDRESULT) > 0);
        ASSERT_NE(nullptr, Doc()->pVhspData);
        EXPECT_EQ(nCur + 1, Doc()->pVhspData->noAlign);
        EXPECT_EQ((unsigned)nCur + 1, Doc()->pVhspData->StartSubject);
        EXPECT_STREQ("MSKAVGIDLGTT", Doc()->pVhspData->szSubject);
    }

    /* Space on the last hit marks its HSP. */
    SendMessageA(HWNDRESULT, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(1, Doc()->pHSPResultat[NHITS - 1]->nHSPselected[0]);
    EXPECT_EQ(BST_CHECKED, Button_GetCheck(HWNDCHECKSELECTHSP));
    DestroyWindow(hWndMain);
    DeleteFileA(szPath);
}
