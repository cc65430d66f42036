#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// The text of a track list beside a WAV (a cue sheet, a label file), in the
// encoding it was written in: a byte-order mark (UTF-8, UTF-16) wins, then
// valid UTF-8; anything else was written in a Windows code page, as rippers
// write in their system's, which the caller chooses (the user's language
// suggests one, the user may pick another).
struct SheetText {
    QString text;
    QByteArray encoding; // "UTF-8", "UTF-16LE", "windows-1251", ...
    bool codePage = false; // the text names no encoding: `encoding` is a choice
};

// Empty when the bytes are no text: NUL bytes or other control characters
// (a binary file named .cue), or undecodable in `codePage`.
std::optional<SheetText> DecodeSheetText(QByteArrayView bytes, const QByteArray &codePage);

// The code page a sheet in the user's language was most likely written in:
// Windows-1251 for Russian, Shift_JIS for Japanese, GB18030 for Chinese, ...;
// Windows-1252 for the languages of Western Europe and any other.
QByteArray CodePageForLanguage(const QString &language);

// The code page for the user's first language (the system's).
QByteArray UserCodePage();

// The code pages a user may choose among, in the order offered.
QList<QByteArray> SheetCodePages();

// No track list is larger: a bigger file named .cue is something else.
inline constexpr qsizetype LargestSheet = 1 << 20;
