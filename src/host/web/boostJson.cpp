// Boost.JSON compiled into the page, which has no library of it to link:
// the one place its sources are included.
#include <boost/json/src.hpp>
