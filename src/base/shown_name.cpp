#include "shown_name.h"

#include <algorithm>
#include <cstdint>

// Plain C++ on purpose: L3ENC, which does without Qt, shows names the same way.

namespace {

// The length of the valid UTF-8 sequence at `text[at]`, 0 if it is not one,
// and its code point.
std::size_t sequenceAt(std::string_view text, std::size_t at, char32_t &point)
{
    const auto byte = [&text](std::size_t i) { return std::uint8_t(text[i]); };
    const std::uint8_t lead = byte(at);
    std::size_t length;
    char32_t lowest;
    if (lead < 0x80) {
        point = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, lowest = 0x80, point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, lowest = 0x800, point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, lowest = 0x10000, point = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        point = point << 6 | (byte(at + i) & 0x3F);
    }
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    return point < lowest || point > 0x10FFFF || surrogate ? 0 : length;
}

bool isControl(char32_t point)
{
    return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

void appendEscape(std::string &out, std::uint8_t byte)
{
    static constexpr char Named[] = "abtnvfr"; // \a (7) to \r (13)
    out += '\\';
    if (byte >= 7 && byte <= 13) {
        out += Named[byte - 7];
        return;
    }
    out += char('0' + (byte >> 6));
    out += char('0' + (byte >> 3 & 7));
    out += char('0' + (byte & 7));
}

} // namespace

std::string ShownName(std::string_view name)
{
    bool plain = true;
    for (std::size_t at = 0; plain && at < name.size();) {
        char32_t point = 0;
        const std::size_t length = sequenceAt(name, at, point);
        plain = length > 0 && !isControl(point);
        at += length;
    }
    if (plain)
        return std::string(name);

    // Single-quoted text, left for a $'...' part wherever bytes need escapes.
    std::string out = "'";
    bool escaping = false;
    for (std::size_t at = 0; at < name.size();) {
        char32_t point = 0;
        const std::size_t length = sequenceAt(name, at, point);
        if (length > 0 && !isControl(point)) {
            if (escaping)
                out += "''";
            escaping = false;
            if (name[at] == '\'')
                out += "'\\''";
            else
                out.append(name.substr(at, length));
        } else {
            if (!escaping)
                out += "'$'";
            escaping = true;
            // Every byte of a control character, or the one byte that is not UTF-8.
            for (std::size_t i = 0; i < std::max<std::size_t>(length, 1); ++i)
                appendEscape(out, std::uint8_t(name[at + i]));
        }
        at += std::max<std::size_t>(length, 1);
    }
    return out + '\'';
}
