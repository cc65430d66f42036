#pragma once

#include <QString>

#include <taglib/id3v2tag.h>
#include <taglib/tstring.h>

// Text between Qt and TagLib, and the ID3v2 fields read the same way by the
// MP3 tag writer and the WAV tag reader.

TagLib::String ToTagLib(const QString &text);
QString FromTagLib(const TagLib::String &text);

// The first frame `id`'s text, its values joined by blanks; empty without one.
QString FirstFrameText(const TagLib::ID3v2::Tag &tag, const char *id);

// The comment without a description (players show that one); empty without one.
QString PlainComment(const TagLib::ID3v2::Tag &tag);
