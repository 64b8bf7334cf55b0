// The data file reader under libFuzzer. Whatever the bytes, reading ends with a meeting
// or an error; a meeting that was read is written again and read back the same.
#include "datafile/MeetingFile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const datafile::ReadResult result = datafile::read(bytes);
    if (const auto *error = std::get_if<datafile::ReadError>(&result)) {
        if (error->message().isEmpty()) std::abort();
        return 0;
    }
    const auto &meeting = std::get<datafile::Meeting>(result);
    const datafile::WriteResult written = datafile::write(meeting);
    if (!written.error.isEmpty()) {
        std::fprintf(stderr, "a meeting that was read cannot be written: %s\n", qPrintable(written.error));
        std::abort();
    }
    const datafile::ReadResult again = datafile::read(written.bytes);
    if (!std::holds_alternative<datafile::Meeting>(again) || std::get<datafile::Meeting>(again) != meeting) {
        std::fprintf(stderr, "a meeting written and read again differs from the one read\n");
        std::abort();
    }
    return 0;
}
