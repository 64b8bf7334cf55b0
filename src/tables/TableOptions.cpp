#include "tables/TableOptions.h"

#include "text/Cp932.h"

namespace tables
{

int titleShiftOf(const QString &tournamentName)
{
    return 6 * cp932::byteLength(tournamentName);
}

} // namespace tables
