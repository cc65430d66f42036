#include "read_number.h"

#include <charconv>
#include <cmath>
#include <string>

std::optional<qint16> ReadWholeNumber(QStringView text)
{
    std::string number; // ASCII digits and at most one '.', for from_chars
    bool negative = false;
    bool signAllowed = true;
    bool pointSeen = false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n')
            continue;
        if (signAllowed && (u == u'-' || u == u'+')) {
            negative = u == u'-';
            signAllowed = false;
            continue;
        }
        if (u >= u'0' && u <= u'9') {
            number.push_back(char(u));
        } else if (u == u'.' && !pointSeen) {
            pointSeen = true;
            number.push_back('.');
        } else {
            break;
        }
        signAllowed = false;
    }

    double value = 0.0;
    if (number.find_first_of("0123456789") != std::string::npos) {
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), value);
        if (error != std::errc())
            return std::nullopt; // too large even for a double
    }
    // nearbyint under the default rounding mode sends a half to the even side.
    const double whole = std::nearbyint(negative ? -value : value);
    if (whole < -32768.0 || whole > 32767.0)
        return std::nullopt;
    return qint16(whole);
}
