#pragma once

#include "tag_entries.h"

#include <QByteArrayView>

// The tag fields an ID3v2.3 or ID3v2.4 tag carries in its text frames: TIT2
// title, TPE1 artist, TALB album, TYER or TDRC year (its first four digits),
// TCON genre (only a genre of the table), COMM comment (the one without a
// description first). Each text in the encoding its frame declares. `tag`
// starts with the "ID3" header; sizes inside it are never trusted past its
// end, and a frame cut off by it is left out. Another version, or bytes that
// are no tag, give empty fields.
TagFields ReadId3v2TextFrames(QByteArrayView tag);
