#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// Linux's path separator; the pure path functions take the separator as an
// argument so the Windows forms of the script can be tested here too.
inline constexpr QChar NativeSeparator = u'/';

namespace Module1 {

// The part of `path` after its last separator, searching from the
// next-to-last character down to the first: a final separator never counts,
// a first one does. Without one the path comes back unchanged.
QString NameFromPath(QStringView path, QChar separator = NativeSeparator);

// The short form of an existing path, or empty text when there is none. Linux
// has no short names: an existing path is its own short form.
QString ShortPath(const QString &path);

} // namespace Module1

// `directory` and `name` joined by a separator, added only when the directory
// does not already end in one.
QString JoinPath(const QString &directory, const QString &name, QChar separator = NativeSeparator);

// `path` with the separator appended unless it already ends in one.
QString WithTrailingSeparator(const QString &path, QChar separator = NativeSeparator);

// `path` made absolute against `base` (an absolute directory), its form
// otherwise kept (a final separator stays); empty stays empty.
QString AbsolutePath(const QString &path, const QString &base);

// The name with its last three characters (the extension) replaced by "mp3".
QString WithMp3Extension(const QString &name);
