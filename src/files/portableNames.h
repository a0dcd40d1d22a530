// The file names every system the game runs on can hold. A saved game is a
// file a player may carry from one computer to another, so a name Windows
// cannot hold is refused everywhere, and everywhere with the same sentence.
#pragma once

#include <string>
#include <string_view>

namespace sonarch {

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 (and COM¹, COM², COM³,
// LPT¹, LPT² and LPT³, written with superscript digits), CONIN$ and CONOUT$,
// in any case: Windows opens the device instead of a file, also with an
// extension after them ("nul.snr") and blanks before the extension
// ("con .snr").
bool isDeviceName(std::string_view fileName);
// The marks Windows keeps for paths, wildcards and streams: < > : " | ? *
bool holdsReservedMark(std::string_view fileName);
// Windows drops a final full stop or blank, so the file would get another name.
bool endsInDotOrBlank(std::string_view fileName);
// Whether two names are one on a disk that ignores case (Windows's, a
// Mac's): equal after simple case folding of the Latin, Greek and Cyrillic
// letters ("FIRST" and "first", "ÄRGER" and "ärger"). Both UTF-8.
bool sameNameAnyCase(std::string_view a, std::string_view b);

}  // namespace sonarch
