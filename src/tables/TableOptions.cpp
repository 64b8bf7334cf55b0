#include "tables/TableOptions.h"

#include "text/Cp932.h"

namespace tables {

int titleShiftOf(const QString &tournamentName) { return 6 * text::cp932::byteLength(tournamentName); }

} // namespace tables
