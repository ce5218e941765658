/* The search engine against a plain matcher written from the matching
   rules, over thousands of random short sequences and masks: every chain
   it reports, in its order, and no other. */
#include <gtest/gtest.h>
#include <stdio.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "findpat.h"
#include "os_portable.h"

namespace fs = std::filesystem;

namespace {

typedef std::vector<std::pair<unsigned, unsigned>> Chain;

/* Per sub-mask: the residues each element accepts, and the gap limit
   written before it. */
struct SubMask {
    std::vector<std::string> elements;
    unsigned nLimit;
};

bool ResidueMatches(char r, const std::string &element)
{
    if (r == '-' || r == '.')
        return false;
    return r == 'X' || element.find_first_of(std::string("X") + r) != std::string::npos;
}

/* Every chain: occurrences of each sub-mask, tried at every position from
   the left and looked for again after the end of one found, then linked
   when the next starts after the previous one's end and at most its
   limit away. */
void Chains(const std::vector<Chain> &occ, const std::vector<SubMask> &subs, Chain &chain,
            std::vector<Chain> &out)
{
    size_t d = chain.size();
    if (d == subs.size()) {
        out.push_back(chain);
        return;
    }
    for (const auto &o : occ[d]) {
        long long gap = d == 0 ? 1 : (long long)o.first - (long long)chain.back().second;
        if (d > 0 && (gap <= 0 || gap > (long long)subs[d].nLimit))
            continue;
        chain.push_back(o);
        Chains(occ, subs, chain, out);
        chain.pop_back();
    }
}

int Expected(const std::string &seq, const std::vector<SubMask> &subs, std::vector<Chain> *pOut)
{
    std::vector<Chain> occ;
    Chain chain;
    pOut->clear();
    for (const SubMask &s : subs) {
        occ.push_back(Chain());
        size_t n = s.elements.size();
        for (size_t p = 0; p + n <= seq.size();) {
            bool bAll = true;
            for (size_t i = 0; i < n && bAll; i++)
                bAll = ResidueMatches(seq[p + i], s.elements[i]);
            if (bAll)
                occ.back().push_back({(unsigned)p, (unsigned)(p + n - 1)});
            p += bAll ? n : 1;
        }
        if (occ.back().empty())
            return RECH_ABSENT;
    }
    Chains(occ, subs, chain, *pOut);
    return RECH_TROUVE;
}

std::vector<Chain> ReadResults(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::vector<Chain> v;
    Chain c;
    unsigned a, b;
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, 1, "-") == 0) {
            v.push_back(c);
            c.clear();
        } else if (sscanf(line.c_str(), "%u %u", &a, &b) == 2) {
            c.push_back({a, b});
        }
    }
    return v;
}

std::string Show(const std::vector<Chain> &v)
{
    std::ostringstream ss;
    for (const Chain &c : v) {
        ss << "[";
        for (const auto &o : c)
            ss << " " << o.first << "-" << o.second;
        ss << " ]";
    }
    return ss.str();
}

/* Every case creates and deletes five work files, which Wine makes slow. */
#ifdef _WIN32
const int nCases = 1000;
#else
const int nCases = 1000;
#endif

TEST(FindPatRandom, EngineAgreesWithPlainMatcher)
{
    fs::path dir = fs::temp_directory_path() /
                   ("hlfp-random-" + std::to_string(std::random_device()() % 1000000));
    fs::create_directories(dir);
    std::string szDir = dir.string() + (char)fs::path::preferred_separator;
    DefinitRepertoireTables(HALYARD_FIXTURES "/findpat");
    std::mt19937 rng(20240611);
    int nFailures = 0, nMatches = 0;

    for (int nCase = 0; nCase < nCases && nFailures < 10; nCase++) {
        /* 1 to 4 sub-masks of 1 to 4 elements, most of one residue; the
           mask's letters sometimes lower case, as a pattern file may have
           them; sequences of up to 30 residues with X, gaps and stops. */
        std::vector<SubMask> subs(1 + rng() % 4);
        std::string mask, seq(rng() % 31, ' ');
        for (size_t s = 0; s < subs.size(); s++) {
            subs[s].nLimit = s == 0 ? 0 : 1 + rng() % 5;
            if (s > 0)
                mask += "{" + std::to_string(subs[s].nLimit) + "}";
            for (size_t e = 0, nEl = 1 + rng() % 4; e < nEl; e++) {
                std::string el, text;
                for (size_t nCh = rng() % 10 < 7 ? 1 : 1 + rng() % 3; el.size() < nCh;) {
                    char c = "ACGX"[rng() % 4];
                    if (el.find(c) == std::string::npos)
                        el += c;
                }
                subs[s].elements.push_back(el);
                for (char c : el)
                    text += rng() % 5 == 0 ? (char)tolower((unsigned char)c) : c;
                mask += el.size() == 1 && rng() % 4 ? text : "(" + text + ")";
            }
        }
        for (char &c : seq)
            c = "AAAACCCGGX-."[rng() % 12];
        std::vector<Chain> expected, got;
        int nExpected = Expected(seq, subs, &expected);

        OsNoticeLogClear();
        int nRes = LanceRecherche(NULL, szDir.c_str(), "s", seq.c_str(), "VIDE", mask.c_str());
        if (nRes == RECH_TROUVE)
            got = ReadResults(dir / "RESULTS.TMP");
        fs::remove(dir / "RESULTS.TMP");
        nMatches += (int)got.size();
        if (nRes != nExpected || got != expected || !OsNoticeLog().empty()) {
            nFailures++;
            ADD_FAILURE() << "mask " << mask << " in [" << seq << "]\n  expected " << nExpected
                          << " " << Show(expected) << "\n  got      " << nRes << " " << Show(got);
        }
        ASSERT_TRUE(fs::is_empty(dir)) << "work files left by " << mask;
    }
    /* The cases must exercise chains, not only misses. */
    EXPECT_LT(nCases / 2, nMatches) << "matches in " << nCases << " cases";
    DefinitRepertoireTables(NULL);
    fs::remove_all(dir);
}

} // namespace
