// The tagging command line on any bytes, split into arguments at NUL as the
// kernel hands them over: the mode decision, the raw one-argument form and
// the split form the batch script writes.
#include "app/tag_command_line.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QByteArray> arguments = bytes.split('\0');
    (void)DecideMode(arguments);
    (void)ParseTagCommandLine(arguments.first());
    if (arguments.size() >= 2)
        (void)ParseTagArguments(arguments.at(0), arguments.at(1));
    (void)DecodeArgument(bytes);
    return 0;
}
