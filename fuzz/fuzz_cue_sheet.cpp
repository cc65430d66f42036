// The cue sheet and label file readers on any bytes: a sheet a ripper wrote
// in any encoding, a damaged one, or another file named .cue. The first two
// bytes choose the code page and the WAV's rate; the rest is the file.
#include "tag/cue_sheet.h"
#include "tag/sheet_text.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    static const QList<QByteArray> pages = SheetCodePages();
    static constexpr int rates[] = {44100, 48000, 32000, 96000, 22050, 8000, 11025, 192000};
    const QByteArray &page = pages[data[0] % pages.size()];
    const int rate = rates[data[1] % (sizeof rates / sizeof *rates)];
    const QByteArrayView bytes(reinterpret_cast<const char *>(data) + 2, qsizetype(size) - 2);
    const std::optional<SheetText> text = DecodeSheetText(bytes, page);
    if (!text)
        return 0;
    const SheetWav wav{u"Album.wav"_s, qint64(rate) * 4000, rate};
    (void)CueSheetFiles(text->text);
    (void)LooksLikeLabelFile(text->text);
    (void)ReadCueSheet(text->text, wav, (data[1] & 0x80) != 0);
    (void)ReadLabelFile(text->text, wav);
    return 0;
}
