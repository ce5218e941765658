/* version.h: Halyard's version, the only place it is written. Read by the
   resource script (the version resource Windows shows in the file's
   properties), by the About dialog and by tools/dist, which names the
   release zips after it: keep the three numbers on lines of their own. */
#ifndef HALYARD_VERSION_H
#define HALYARD_VERSION_H

#define HALYARD_VERSION_MAJOR 1
#define HALYARD_VERSION_MINOR 0
#define HALYARD_VERSION_PATCH 0

/* "1.0.0": the numbers above as text. */
#define HALYARD_VERSION_TEXTE2(n) #n
#define HALYARD_VERSION_TEXTE1(n) HALYARD_VERSION_TEXTE2(n)
#define HALYARD_VERSION_TEXTE                                                                \
    HALYARD_VERSION_TEXTE1(HALYARD_VERSION_MAJOR) "." HALYARD_VERSION_TEXTE1(HALYARD_VERSION_MINOR) "." \
    HALYARD_VERSION_TEXTE1(HALYARD_VERSION_PATCH)

#endif /* HALYARD_VERSION_H */
