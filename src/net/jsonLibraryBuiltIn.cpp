// Boost.JSON compiled into the program, for a system without a library of
// it to link: Debian has no Boost for the Windows cross compiler, and
// Boost.JSON can be built from its headers in one file. The Linux program
// links Boost's own library instead.
#include <boost/json/src.hpp>
