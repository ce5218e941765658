/* Memory failing at each allocation in turn while the editor loads and
   while the map is prepared, through the main window's commands: each
   failure gives the memory notice, then the tool's own; no tool window,
   record, font or heap block is left behind, and the main window keeps
   working (the sweep ends with the tool opening). */
#include "mainfixture.h"
#include "memory.h"
#include "mulbwin.h"
#include "statwin.h"

namespace {

/* Busy blocks of the process heap, where every MyAlloc block lives. */
long BlocsOccupes()
{
    HANDLE hHeap = GetProcessHeap();
    PROCESS_HEAP_ENTRY e;
    long n = 0;
    e.lpData = NULL;
    HeapLock(hHeap);
    while (HeapWalk(hHeap, &e))
        n += (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
    HeapUnlock(hHeap);
    return n;
}

class AllocFail : public MainWindowTest {};

TEST_F(AllocFail, EditorAndMapGiveTheirNotices)
{
    struct {
        int idCmd;
        const char *szCaption, *szText; /* the tool's notice after the memory one */
        HWND *phTool;
        bool bSansNotice0;              /* the first allocation fails silently */
    } cases[] = {
        {3010, "VazEva editor", "Unable to load the editor.", &hWndMulBla, false},
        {3011, "BLAST map", "Unable to prepare map.", &hWndStatBla, true},
    };
    ASSERT_EQ(1, Open(SAMPLE_REPORT));
    /* Hit 5's three HSPs and hit 6's: rows of one hit and of the next. */
    for (unsigned k = 0; k < 3; k++)
        Doc()->pHSPResultat[4]->nHSPselected[k] = 1;
    Doc()->pHSPResultat[5]->nHSPselected[0] = 1;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.szCaption);
        int n = -1;
        for (;;) {
            ASSERT_LT(++n, 300) << "never opens";
            SCOPED_TRACE(testing::Message() << "allocation " << n + 1 << " fails");
            if (n == 0) { /* a first round warms what Wine keeps of the boxes */
                BoxAnswerer warm({IDOK, IDOK});
                MyAllocFailAfter(0);
                SendMessageA(hWndMain, WM_COMMAND, c.idCmd, 0);
            }
            long nBlocs = BlocsOccupes();
            BoxAnswerer answerer({IDOK, IDOK});
            MyAllocFailAfter(n);
            SendMessageA(hWndMain, WM_COMMAND, c.idCmd, 0);
            MyAllocFailAfter(-1);
            const auto &seen = answerer.Seen();
            if (*c.phTool != NULL) {
                EXPECT_TRUE(seen.empty());
                break;
            }
            ASSERT_EQ(n == 0 && c.bSansNotice0 ? 1u : 2u, seen.size());
            EXPECT_EQ("Memory allocation failed: not enough memory !", seen[0].szText);
            EXPECT_EQ(seen.size() > 1 ? c.szCaption + std::string("|") + c.szText : "|",
                      seen.size() > 1 ? seen[1].szCaption + "|" + seen[1].szText : "|");
            EXPECT_TRUE(PMULBLA == NULL && HFNTEDITOR == NULL && pStat == NULL && hStatBlaFnt == NULL);
            EXPECT_EQ(nBlocs, BlocsOccupes()) << "heap blocks left";
            EXPECT_TRUE(IsWindowEnabled(hWndMain));
        }
        EXPECT_GE(n, 3);
        BoxAnswerer bye({IDYES}); /* the editor asks first */
        SendMessageA(hWndMain, WM_COMMAND, c.idCmd, 0);
        EXPECT_EQ(NULL, *c.phTool);
    }
}

} // namespace
