#pragma once

// The script's name, in the encoder's directory: the file Encode writes and
// the title of the window it runs in.
inline constexpr char16_t ScriptFileName[] = u"TEMP.BAT";
