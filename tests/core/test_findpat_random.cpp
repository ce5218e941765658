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

/* A mask as the generator builds it: per sub-mask its elements (the
   residues each accepts) and the gap limit written before it. */
struct SubMask {
    std::vector<std::string> elements;
    unsigned nLimit;
};

/* ---- The plain matcher ------------------------------------------------ */

bool ResidueMatches(char r, const std::string &element)
{
    if (r == '-' || r == '.')
        return false;
    if (r == 'X')
        return true;
    return element.find('X') != std::string::npos
           || element.find(r) != std::string::npos;
}

/* Occurrences of one sub-mask: tried at every position from the left;
   after one is found the next is looked for after its end. */
std::vector<std::pair<unsigned, unsigned>>
Occurrences(const std::string &seq, const SubMask &sub)
{
    std::vector<std::pair<unsigned, unsigned>> v;
    size_t n = sub.elements.size();
    size_t p = 0;

    while (p + n <= seq.size()) {
        bool bAll = true;
        for (size_t i = 0; i < n && bAll; i++)
            bAll = ResidueMatches(seq[p + i], sub.elements[i]);
        if (bAll) {
            v.push_back({ (unsigned)p, (unsigned)(p + n - 1) });
            p += n;
        } else {
            p++;
        }
    }
    return v;
}

void Chains(const std::vector<std::vector<std::pair<unsigned, unsigned>>> &occ,
            const std::vector<SubMask> &subs,
            Chain &chain,
            std::vector<Chain> &out)
{
    size_t d = chain.size();
    if (d == subs.size()) {
        out.push_back(chain);
        return;
    }
    for (const auto &o : occ[d]) {
        if (d > 0) {
            long long gap = (long long)o.first - (long long)chain.back().second;
            if (gap <= 0 || gap > (long long)subs[d].nLimit)
                continue;
        }
        chain.push_back(o);
        Chains(occ, subs, chain, out);
        chain.pop_back();
    }
}

/* The expected search result and matches. */
int Expected(const std::string &seq,
             const std::vector<SubMask> &subs,
             std::vector<Chain> *pMatches)
{
    std::vector<std::vector<std::pair<unsigned, unsigned>>> occ;
    Chain chain;

    pMatches->clear();
    if (seq.empty())
        return RECH_ABSENT;
    for (const SubMask &s : subs) {
        occ.push_back(Occurrences(seq, s));
        if (occ.back().empty())
            return RECH_ABSENT;
    }
    Chains(occ, subs, chain, *pMatches);
    return RECH_TROUVE;
}

/* ---- Random cases -------------------------------------------------------- */

std::vector<SubMask> RandomMask(std::mt19937 &rng)
{
    static const char szRes[] = "ACGX";
    std::vector<SubMask> subs(1 + rng() % 4);

    for (size_t s = 0; s < subs.size(); s++) {
        subs[s].nLimit = s == 0 ? 0 : 1 + rng() % 5;
        size_t nEl = 1 + rng() % 4;
        for (size_t e = 0; e < nEl; e++) {
            std::string el;
            size_t nCh = rng() % 10 < 7 ? 1 : 1 + rng() % 3;
            while (el.size() < nCh) {
                char c = szRes[rng() % 4];
                if (el.find(c) == std::string::npos)
                    el += c;
            }
            subs[s].elements.push_back(el);
        }
    }
    return subs;
}

/* The mask's text; letters are sometimes lower case, as a pattern file
   may have them. */
std::string MaskText(const std::vector<SubMask> &subs, std::mt19937 &rng)
{
    std::string text;

    for (size_t s = 0; s < subs.size(); s++) {
        if (s > 0)
            text += "{" + std::to_string(subs[s].nLimit) + "}";
        for (const std::string &el : subs[s].elements) {
            std::string t = el;
            for (char &c : t)
                if (rng() % 5 == 0)
                    c = (char)tolower((unsigned char)c);
            text += t.size() == 1 && rng() % 4 ? t : "(" + t + ")";
        }
    }
    return text;
}

std::string RandomSequence(std::mt19937 &rng)
{
    static const char szRes[] = "AAAACCCGGX-.";
    std::string seq(rng() % 31, ' ');

    for (char &c : seq)
        c = szRes[rng() % (sizeof szRes - 1)];
    return seq;
}

std::vector<Chain> ReadResults(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::vector<Chain> v;
    std::string line;
    Chain c;

    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "-") {
            v.push_back(c);
            c.clear();
            continue;
        }
        unsigned a, b;
        if (sscanf(line.c_str(), "%u %u", &a, &b) == 2)
            c.push_back({ a, b });
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
const int nCases = 2000;
#else
const int nCases = 4000;
#endif

TEST(FindPatRandom, EngineAgreesWithPlainMatcher)
{
    std::random_device rd;
    fs::path dir = fs::temp_directory_path()
                   / ("hlfp-random-" + std::to_string(rd() % 1000000));
    fs::create_directories(dir);
    std::string szDir = dir.string() + (char)fs::path::preferred_separator;
    DefinitRepertoireTables(HALYARD_FIXTURES "/findpat");
    std::mt19937 rng(20240611);
    int nFailures = 0, nMatches = 0;

    for (int nCase = 0; nCase < nCases && nFailures < 10; nCase++) {
        std::vector<SubMask> subs = RandomMask(rng);
        std::string mask = MaskText(subs, rng);
        std::string seq = RandomSequence(rng);
        std::vector<Chain> expected;
        int nExpected = Expected(seq, subs, &expected);

        OsNoticeLogClear();
        int nRes = LanceRecherche(NULL, szDir.c_str(), "s", seq.c_str(),
                                  "VIDE", mask.c_str());
        std::vector<Chain> got;
        if (nRes == RECH_TROUVE)
            got = ReadResults(dir / "RESULTS.TMP");
        fs::remove(dir / "RESULTS.TMP");
        nMatches += (int)got.size();
        if (nRes != nExpected || got != expected || !OsNoticeLog().empty()) {
            nFailures++;
            ADD_FAILURE() << "mask " << mask << " in [" << seq << "]\n"
                          << "  expected " << nExpected << " "
                          << Show(expected) << "\n  got      " << nRes << " "
                          << Show(got);
        }
        ASSERT_TRUE(fs::is_empty(dir)) << "work files left by " << mask;
    }
    /* The cases must exercise chains, not only misses. */
    EXPECT_LT(nCases / 2, nMatches) << "matches in " << nCases << " cases";
    DefinitRepertoireTables(NULL);
    fs::remove_all(dir);
}

} // namespace
