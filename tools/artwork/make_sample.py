#!/usr/bin/env python3
"""Write samples/sample.bla, the demonstration report shipped with Halyard.

The report imitates the plain-text output of NCBI BLASTP 1.4: a query header,
the database header, the list of sequences producing high-scoring segment
pairs, one ">" block per subject with its HSPs, and the closing parameters.
Every sequence and name in it is invented.  The alignments are built column
by column from the query, so the coordinates, the identity and positive counts
and the alignment lengths printed in the report agree by construction.

The output is fully determined by this file: a private pseudo-random generator
(not the random module, whose algorithms may change between Python releases)
drives every choice.  Run it from anywhere:

    python3 tools/artwork/make_sample.py [output]
"""

import math
import os
import sys

# --------------------------------------------------------------------------
# Deterministic random numbers (xorshift64*), independent of Python's version.

class Rng:
    def __init__(self, seed):
        self.state = (seed * 0x9E3779B97F4A7C15 + 0x632BE59BD9B4E019) & 0xFFFFFFFFFFFFFFFF
        if self.state == 0:
            self.state = 0x2545F4914F6CDD1D

    def next64(self):
        x = self.state
        x ^= (x >> 12)
        x ^= (x << 25) & 0xFFFFFFFFFFFFFFFF
        x ^= (x >> 27)
        self.state = x
        return (x * 0x2545F4914F6CDD1D) & 0xFFFFFFFFFFFFFFFF

    def below(self, n):
        """An integer in [0, n)."""
        return (self.next64() >> 11) % n

    def unit(self):
        """A float in [0, 1)."""
        return (self.next64() >> 11) / float(1 << 53)

    def pick(self, seq):
        return seq[self.below(len(seq))]


# --------------------------------------------------------------------------
# Scoring: BLOSUM62 and Karlin-Altschul statistics.

AMINO = "ARNDCQEGHILKMFPSTWYV"

BLOSUM62_ROWS = """
 4 -1 -2 -2  0 -1 -1  0 -2 -1 -1 -1 -1 -2 -1  1  0 -3 -2  0
-1  5  0 -2 -3  1  0 -2  0 -3 -2  2 -1 -3 -2 -1 -1 -3 -2 -3
-2  0  6  1 -3  0  0  0  1 -3 -3  0 -2 -3 -2  1  0 -4 -2 -3
-2 -2  1  6 -3  0  2 -1 -1 -3 -4 -1 -3 -3 -1  0 -1 -4 -3 -3
 0 -3 -3 -3  9 -3 -4 -3 -3 -1 -1 -3 -1 -2 -3 -1 -1 -2 -2 -1
-1  1  0  0 -3  5  2 -2  0 -3 -2  1  0 -3 -1  0 -1 -2 -1 -2
-1  0  0  2 -4  2  5 -2  0 -3 -3  1 -2 -3 -1  0 -1 -3 -2 -2
 0 -2  0 -1 -3 -2 -2  6 -2 -4 -4 -2 -3 -3 -2  0 -2 -2 -3 -3
-2  0  1 -1 -3  0  0 -2  8 -3 -3 -1 -2 -1 -2 -1 -2 -2  2 -3
-1 -3 -3 -3 -1 -3 -3 -4 -3  4  2 -3  1  0 -3 -2 -1 -3 -1  3
-1 -2 -3 -4 -1 -2 -3 -4 -3  2  4 -2  2  0 -3 -2 -1 -2 -1  1
-1  2  0 -1 -3  1  1 -2 -1 -3 -2  5 -1 -3 -1  0 -1 -3 -2 -2
-1 -1 -2 -3 -1  0 -2 -3 -2  1  2 -1  5  0 -2 -1 -1 -1 -1  1
-2 -3 -3 -3 -2 -3 -3 -3 -1  0  0 -3  0  6 -4 -2 -2  1  3 -1
-1 -2 -2 -1 -3 -1 -1 -2 -2 -3 -3 -1 -2 -4  7 -1 -1 -4 -3 -2
 1 -1  1  0 -1  0  0  0 -1 -2 -2  0 -1 -2 -1  4  1 -3 -2 -2
 0 -1  0 -1 -1 -1 -1 -2 -2 -1 -1 -1 -1 -2 -1  1  5 -2 -2  0
-3 -3 -4 -4 -2 -2 -3 -2 -2 -3 -2 -3 -1  1 -4 -3 -2 11  2 -3
-2 -2 -2 -3 -2 -1 -2 -3  2 -1 -1 -2 -1  3 -3 -2 -2  2  7 -1
 0 -3 -3 -3 -1 -2 -2 -3 -3  3  1 -2  1 -1 -2 -2  0 -3 -1  4
"""


def load_blosum62():
    rows = [[int(v) for v in line.split()] for line in BLOSUM62_ROWS.strip().splitlines()]
    assert len(rows) == 20 and all(len(r) == 20 for r in rows)
    table = {}
    for i, a in enumerate(AMINO):
        for j, b in enumerate(AMINO):
            assert rows[i][j] == rows[j][i], "BLOSUM62 must be symmetric"
            table[a, b] = rows[i][j]
    return table


B62 = load_blosum62()

# Residue frequencies of an average protein (per thousand), used for the
# random parts of the sequences.
BACKGROUND = {
    "A": 78, "R": 51, "N": 43, "D": 53, "C": 19, "Q": 43, "E": 63, "G": 71,
    "H": 22, "I": 52, "L": 90, "K": 57, "M": 22, "F": 39, "P": 52, "S": 71,
    "T": 58, "W": 13, "Y": 32, "V": 64,
}
BACKGROUND_BAG = "".join(a * n for a, n in sorted(BACKGROUND.items()))

LAMBDA = 0.318
KAPPA = 0.134
ENTROPY = 0.401
GAP_OPEN = 10
GAP_EXTEND = 1

DB_SEQUENCES = 5204
DB_LETTERS = 1867331


def bits_of(score):
    return (LAMBDA * score - math.log(KAPPA)) / math.log(2.0)


def sum_probability(scores, qlen):
    """Probability of a set of HSPs under Karlin-Altschul sum statistics."""
    r = len(scores)
    search = qlen * DB_LETTERS
    t = sum(LAMBDA * s for s in scores) - r * math.log(KAPPA * search)
    p = math.exp(-t) * t ** (r - 1) / (math.factorial(r) * math.factorial(r - 1))
    return min(p, 1.0)


def format_prob(p):
    """Probabilities printed the way the 1.4 reports print them: two
    significant digits, as a decimal fraction down to 0.0001 and in
    exponent form below (3.1e-86), 0.0 once the value underflows."""
    if p < 1e-300:
        return "0.0"
    if p >= 1e-4:
        return "%.*f" % (max(1 - int(math.floor(math.log10(p))), 1), p)
    mant, exp = ("%.1e" % p).split("e")
    return "%se%d" % (mant, int(exp))


# --------------------------------------------------------------------------
# The query: an invented ABC transporter ATP-binding protein with the usual
# Walker A, signature, Walker B and H-loop motifs set into random sequence.

QUERY_NAME = "ABCX_DEMO"
QUERY_DESC = ("putative ABC transporter ATP-binding protein AbcX (halyard "
              "operon), synthetic demonstration sequence")
QUERY_LEN = 412

MOTIFS = [
    (38, "GPSGSGKST"),       # Walker A
    (77, "FQDPVLF"),
    (139, "LSGGQRQRLAIARAL"),  # ABC signature
    (170, "ILLLDEATSALD"),   # Walker B
    (201, "VIAHRLST"),       # H-loop
    (262, "GWSLREVA"),
    (318, "KPDLTPEE"),
    (371, "RIYQLLGE"),
]


def make_query(rng):
    seq = [rng.pick(BACKGROUND_BAG) for _ in range(QUERY_LEN)]
    seq[0] = "M"
    for start, motif in MOTIFS:
        seq[start:start + len(motif)] = list(motif)
    assert len(seq) == QUERY_LEN
    return "".join(seq)


# --------------------------------------------------------------------------
# Subjects.  Each hit names its HSPs by query range, subject start, the
# fraction of identical columns, the fraction of substitutions that stay
# similar, and the number of gap events.

HITS = [
    dict(name="sp|H20117|ABCX_VIBHA",
         desc="ABC TRANSPORTER ATP-BINDING PROTEIN ABCX (HALYARD OPERON PROTEIN "
              "X) >gi|7730152 (AF98812) putative ABC transporter [Vibrio "
              "halyardii]",
         length=418, seed=11,
         hsps=[(1, 412, 5, 0.93, 0.7, 1)]),
    dict(name="gi|8802451",
         desc="(AF20377) ATP-binding cassette protein HlxC [Aeromonas "
              "nautica] >sp|H31005|HLXC_AERNA HLXC PROTEIN",
         length=431, seed=23,
         hsps=[(3, 410, 12, 0.71, 0.6, 2)]),
    dict(name="sp|H40982|ABCT_PSETE",
         desc="PROBABLE ABC TRANSPORTER ATP-BINDING SUBUNIT ABCT (TENSION "
              "SENSOR TRANSPORT PROTEIN) >pir||H75520 probable ABC transporter "
              "abcT - Pseudomonas tensa >gi|6621380 (Z91544) AbcT [Pseudomonas "
              "tensa]",
         length=604, seed=37,
         hsps=[(12, 236, 140, 0.56, 0.6, 1), (251, 409, 390, 0.47, 0.55, 0)]),
    dict(name="gi|9120884",
         desc="(AB44120) multidrug export ATP-binding protein [Rigging "
              "bacterium SB-4]",
         length=589, seed=41,
         hsps=[(20, 398, 177, 0.47, 0.55, 3)]),
    dict(name="sp|H51207|MDLB_SALMA",
         desc="MULTIDRUG RESISTANCE-LIKE ATP-BINDING PROTEIN MDLB "
              ">gi|5541873 (U88120) MdlB [Salinispora marina]",
         length=593, seed=53,
         hsps=[(28, 148, 331, 0.43, 0.55, 0), (160, 246, 462, 0.39, 0.55, 1),
               (300, 371, 556, 0.35, 0.5, 0)]),
    dict(name="pir||S61177",
         desc="hemolysin secretion ATP-binding protein homolog - "
              "Marinobacter funicularis (strain MF-1), plasmid pMF2 "
              ">gi|4307716 (X77001) secretion protein HlyB homologue "
              "[Marinobacter funicularis] >sp|H60911|HLYB_MARFU HEMOLYSIN "
              "SECRETION ATP-BINDING PROTEIN HOMOLOG",
         length=707, seed=67,
         hsps=[(34, 226, 481, 0.40, 0.55, 2), (255, 338, 690, 0.36, 0.5, 0)]),
    dict(name="gi|10442019",
         desc="(AF61390) lipid A export permease/ATP-binding protein MsbA "
              "[Halomonas velifera]",
         length=582, seed=71,
         hsps=[(30, 250, 338, 0.36, 0.5, 2)]),
    dict(name="sp|H71533|CYDC_HALSP",
         desc="TRANSPORT ATP-BINDING PROTEIN CYDC (CYTOCHROME BD OXIDASE "
              "ASSEMBLY PROTEIN)",
         length=573, seed=83,
         hsps=[(36, 214, 333, 0.32, 0.5, 1), (290, 350, 534, 0.30, 0.5, 0)]),
    dict(name="gi|7765430",
         desc="(AL13204) putative peptide ABC exporter ATPase [Streptomyces "
              "sp. SB22]",
         length=616, seed=97,
         hsps=[(36, 188, 381, 0.30, 0.5, 1)]),
    dict(name="sp|H82266|PSTB_DEMOS",
         desc="PHOSPHATE IMPORT ATP-BINDING PROTEIN PSTB (PHOSPHATE-"
              "TRANSPORTING ATPASE)",
         length=257, seed=101,
         hsps=[(35, 183, 31, 0.29, 0.45, 1)]),
    dict(name="gi|6690143",
         desc="(AJ01187) ATP-binding protein [uncultured marine bacterium "
              "MB-13]",
         length=301, seed=113,
         hsps=[(136, 186, 117, 0.33, 0.45, 0)]),
]

LINE_WIDTH = 60


def substitute(rng, q, similar):
    """A residue other than q, similar to q (BLOSUM62 > 0) when asked."""
    if similar:
        friends = [a for a in AMINO if a != q and B62[q, a] > 0]
        if friends:
            return rng.pick(friends)
    while True:
        a = rng.pick(BACKGROUND_BAG)
        if a != q and (similar or B62[q, a] <= 0):
            return a


def build_alignment(rng, query, qfrom, qto, ident, simil, ngaps):
    """Columns of one HSP: a list of (query char, subject char)."""
    # Choose the gap events first: (query position before which it sits,
    # length, True for a gap in the query row).
    span = qto - qfrom + 1
    events = {}
    tries = 0
    while len(events) < ngaps and tries < 1000:
        tries += 1
        pos = qfrom + 10 + rng.below(max(span - 20, 1))
        if any(abs(pos - p) < 15 for p in events):
            continue
        events[pos] = (1 + rng.below(4), rng.below(2) == 0)

    cols = []
    qpos = qfrom
    while qpos <= qto:
        if qpos in events:
            length, in_query = events.pop(qpos)
            col = len(cols) % LINE_WIDTH
            # A gap never opens or closes a line: the viewer finds where a
            # line's residues begin by their first letter.
            if col != 0 and col + length < LINE_WIDTH - 1 and qpos + length < qto:
                if in_query:
                    for _ in range(length):
                        cols.append(("-", rng.pick(BACKGROUND_BAG)))
                else:
                    for _ in range(length):
                        cols.append((query[qpos - 1], "-"))
                        qpos += 1
                    continue
        qres = query[qpos - 1]
        # an HSP is trimmed to its best-scoring stretch: it opens and closes
        # on an identity
        if qpos in (qfrom, qto) or rng.unit() < ident:
            sres = qres
        else:
            sres = substitute(rng, qres, rng.unit() < simil)
        cols.append((qres, sres))
        qpos += 1
    return cols


def score_columns(cols):
    score = 0
    in_gap = False
    for q, s in cols:
        if q == "-" or s == "-":
            score -= GAP_EXTEND if in_gap else GAP_OPEN + GAP_EXTEND
            in_gap = True
        else:
            score += B62[q, s]
            in_gap = False
    return score


def match_char(q, s):
    if q == "-" or s == "-":
        return " "
    if q == s:
        return q
    return "+" if B62[q, s] > 0 else " "


def format_hsp(cols, qfrom, sfrom, score, prob_text, tag):
    """Score line, identities line and the alignment triples of one HSP."""
    n = len(cols)
    ident = sum(1 for q, s in cols if q == s and q != "-")
    posit = sum(1 for q, s in cols if q != "-" and s != "-" and B62[q, s] > 0)
    out = [" Score = %d (%.1f bits), Expect = %s, %s = %s"
           % (score, bits_of(score), prob_text, tag, prob_text),
           " Identities = %d/%d (%d%%), Positives = %d/%d (%d%%)"
           % (ident, n, 100 * ident // n, posit, n, 100 * posit // n),
           ""]
    qnext, snext = qfrom, sfrom
    for start in range(0, n, LINE_WIDTH):
        chunk = cols[start:start + LINE_WIDTH]
        qrow = "".join(q for q, _ in chunk)
        srow = "".join(s for _, s in chunk)
        mrow = "".join(match_char(q, s) for q, s in chunk)
        assert qrow[0] != "-" and srow[0] != "-", "gap at the start of a line"
        qcount = len(qrow) - qrow.count("-")
        scount = len(srow) - srow.count("-")
        out.append("Query:%6d %s %d" % (qnext, qrow, qnext + qcount - 1))
        out.append(" " * 13 + mrow)
        out.append("Sbjct:%6d %s %d" % (snext, srow, snext + scount - 1))
        out.append("")
        qnext += qcount
        snext += scount
    return out, ident, posit, qnext - 1, snext - 1


def wrap(text, first_width, width):
    """Split text at blanks: the first line first_width wide, the rest width."""
    words = text.split(" ")
    lines, cur, limit = [], "", first_width
    for w in words:
        cand = w if not cur else cur + " " + w
        if len(cand) > limit and cur:
            lines.append(cur)
            cur, limit = w, width
        else:
            cur = cand
    lines.append(cur)
    return lines


HEADER = """\
BLASTP 1.4.11 [24-Nov-97] [Build 24-Nov-97]

Reference:  Altschul, Stephen F., Warren Gish, Webb Miller, Eugene W. Myers,
and David J. Lipman (1990).  Basic local alignment search tool.  J. Mol. Biol.
215:403-10.

"""

DATABASE = "HDEMO.aa  Halyard demonstration protein set (synthetic), release 2"


def build_report():
    rng = Rng(1998)
    query = make_query(rng)

    blocks = []
    for hit in HITS:
        hrng = Rng(hit["seed"])
        hsps = []
        for qfrom, qto, sfrom, ident, simil, ngaps in hit["hsps"]:
            cols = build_alignment(hrng, query, qfrom, qto, ident, simil, ngaps)
            hsps.append((cols, qfrom, sfrom, score_columns(cols)))
        # the subject must hold every HSP, in order and without overlap
        stops = [sfrom + sum(1 for _, s in cols if s != "-") - 1
                 for cols, _, sfrom, _ in hsps]
        for k in range(1, len(hsps)):
            assert hsps[k][2] > stops[k - 1], "HSPs overlap in %s" % hit["name"]
        hit["length"] = max(hit["length"], max(stops) + 6)
        scores = [h[3] for h in hsps]
        prob = sum_probability(scores, QUERY_LEN)
        blocks.append((prob, -max(scores), hit, hsps))
    blocks.sort(key=lambda b: (b[0], b[1]))

    out = HEADER.splitlines()
    out.append("")
    qlines = wrap("Query=  %s %s" % (QUERY_NAME, QUERY_DESC), 78, 70)
    out.append(qlines[0])
    out.extend("        " + l for l in qlines[1:])
    out.append("        (%d letters)" % QUERY_LEN)
    out.append("")
    out.append("Database:  " + DATABASE)
    out.append("           %s sequences; %s total letters."
               % (format(DB_SEQUENCES, ","), format(DB_LETTERS, ",")))
    out.append("Searching" + "." * 50 + "done")
    out.append("")
    out.append(" " * 69 + "Smallest")
    out.append(" " * 71 + "Sum")
    out.append(" " * 62 + "High  Probability")
    out.append("Sequences producing High-scoring Segment Pairs:" + " " * 14
               + "Score  P(N)      N")
    out.append("")
    for prob, negscore, hit, hsps in blocks:
        label = "%-20s %s" % (hit["name"], hit["desc"])
        if len(label) > 61:
            label = label[:58] + "..."
        out.append("%-61s%6d  %-7s %3d" % (label, -negscore, format_prob(prob), len(hsps)))
    out.append("")
    out.append("")

    for prob, negscore, hit, hsps in blocks:
        desc_lines = wrap(">%s %s" % (hit["name"], hit["desc"]), 78, 64)
        out.append(desc_lines[0])
        out.extend(" " * 12 + l for l in desc_lines[1:])
        out.append(" " * 12 + "Length = %d" % hit["length"])
        out.append("")
        tag = "Sum P(%d)" % len(hsps) if len(hsps) > 1 else "P"
        for cols, qfrom, sfrom, score in hsps:
            lines, _, _, qstop, sstop = format_hsp(cols, qfrom, sfrom, score,
                                                   format_prob(prob), tag)
            assert qstop <= QUERY_LEN and sstop <= hit["length"], hit["name"]
            out.extend(lines)
        out.append("")

    out.extend(PARAMETERS.splitlines())
    return "\n".join(out) + "\n"


PARAMETERS = """\
Parameters:

  V=100
  B=50
  H=1
  -filter
  SEG

  Lambda     K      H
     %.3f   %.3f   %.3f

  Gapped
  Lambda     K      H
     %.3f   %.3f   %.3f

  Matrix:  BLOSUM62
  Gap penalties:  Existence: %d, Extension: %d

  Database:  %s
    Posted date:  Mar 14, 1998  9:41 AM
  # of letters in database:  %s
  # of sequences in database:  %s

  Number of Hits to DB: 1st pass: 2208514, 2nd pass: 61347
  Number of Sequences: 1st pass: %d, 2nd pass: 212
  Number of extensions: 1st pass: 104219, 2nd pass: 40163
  Number of successful extensions: 1st pass: 212, 2nd pass: 318
  Number of sequences better than 10: %d
""" % (LAMBDA + 0.004, KAPPA + 0.004, ENTROPY + 0.030, LAMBDA, KAPPA, ENTROPY,
       GAP_OPEN, GAP_EXTEND, DATABASE, format(DB_LETTERS, ","),
       format(DB_SEQUENCES, ","), DB_SEQUENCES, len(HITS))


def check(report):
    """Re-read the report the way Halyard does and cross-check every HSP."""
    lines = report.split("\n")
    in_align = False
    for n, line in enumerate(lines, 1):
        if line.startswith(">"):
            in_align = True
        if line.startswith("Parameters:"):
            in_align = False
        if in_align:
            assert len(line) < 99, "line %d is %d characters long" % (n, len(line))
        if line.startswith(">") or n <= 1:
            continue
        # only hit blocks may hold ">" in the first ten columns
        if n > 1 and ">" in line[:10] and not line.startswith(">"):
            raise AssertionError("stray '>' near the start of line %d" % n)
    upper = report.upper()
    for word in ("QUERY=", "SEQUENCES PRODUCING", "PARAMETERS:"):
        assert upper.count(word) == 1, word
    assert "BLAST" in upper[:1000]
    # The description wraps, and the query length is the number after the
    # last "(" that opens a number, between "Query=" and "Database:".
    qi = next(i for i, l in enumerate(lines) if "QUERY=" in l.upper())
    di = next(i for i, l in enumerate(lines) if "DATABASE:" in l.upper())
    header = " ".join(lines[qi:di])
    numbers = [t for t in header.split("(")[1:] if t[:1].isdigit()]
    assert di - qi > 3, "the query description should wrap"
    assert int(numbers[-1].split()[0]) == QUERY_LEN
    # Each HSP: the column count after "/" equals the residues shown, and the
    # coordinates advance by the residues of each row.
    i = 0
    hsp_count = 0
    while i < len(lines):
        if lines[i].startswith(" Score ="):
            hsp_count += 1
            ident_line = lines[i + 1]
            total = int(ident_line.split("/")[1].split()[0])
            idents = int(ident_line.split("=")[1].split("/")[0])
            i += 3
            cols = 0
            same = 0
            while i < len(lines) and lines[i].startswith("Query:"):
                qtok = lines[i].split()
                stok = lines[i + 2].split()
                mseg = lines[i + 1][13:]
                assert len(mseg) == len(qtok[2]) == len(stok[2])
                for tok in (qtok, stok):
                    assert int(tok[3]) - int(tok[1]) + 1 == len(tok[2]) - tok[2].count("-")
                    assert lines[i].index(qtok[2]) == 13
                same += sum(1 for a, b in zip(qtok[2], stok[2]) if a == b and a != "-")
                cols += len(qtok[2])
                i += 4
            assert cols == total, "alignment length %d, identities line says %d" % (cols, total)
            assert same == idents
            continue
        i += 1
    # Both passes of the reader: one hit per ">" line after the hit list,
    # and the fields it keeps must fit their fixed widths.
    start = next(i for i, l in enumerate(lines) if "SEQUENCES PRODUCING" in l.upper())
    heads = [l for l in lines[start + 1:] if ">" in l[:10]]
    assert len(heads) == len(HITS), "%d hit lines" % len(heads)
    for l in lines:
        if l.startswith(" Score ="):
            parts = l.split("=")
            assert len(parts[1].split()[0]) <= 7 and len(parts[3].split()[0]) <= 9, l
        if "Length = " in l:
            assert len(l.split("=")[1].split()[0]) <= 5, l
    return hsp_count


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "..", "samples", "sample.bla")
    target = sys.argv[1] if len(sys.argv) > 1 else default
    report = build_report()
    hsps = check(report)
    with open(target, "w", newline="\n", encoding="ascii") as f:
        f.write(report)
    print("%s: %d hits, %d HSPs, %d lines" % (os.path.normpath(target), len(HITS),
                                             hsps, report.count("\n")))


if __name__ == "__main__":
    main()
