#pragma once

#include <string>
#include <string_view>

class QString;

// A file name (or any text that may hold one) as it is shown to a person or
// written to a log: unchanged when every character is printable UTF-8;
// otherwise quoted the way `ls` quotes it (shell-escape style), so that
// control characters (C0, DEL, C1) and bytes that are not UTF-8 appear as
// visible escapes: "x\ny.wav" is shown as 'x'$'\n''y.wav'. One name is then
// always one line that sends no control sequence to a terminal.
std::string ShownName(std::string_view name);

// The same for names Qt holds (UTF-8 underneath).
QString ShownName(const QString &name);
