#pragma once

#include <QByteArray>
#include <QString>

// A front cover for the ID3v2 tag: a JPEG or PNG picture of at most 2 MiB,
// read whole or not at all.
inline constexpr qint64 LargestCover = qint64(2) * 1024 * 1024;

struct CoverPicture {
    QByteArray data;
    QString mimeType; // "image/jpeg" or "image/png", from the bytes, not the name
    QString failure;  // why the picture cannot be used, naming it; empty when it can
};

// Reads the picture at `path`: only a regular file, at most `LargestCover`
// bytes, that begins as a JPEG or a PNG does.
CoverPicture LoadCover(const QString &path);

// The cover lying beside the WAVs in `directory`: "cover", "folder", "front",
// "album" in that order, each with ".jpg", ".jpeg", ".png" in that order, in
// any letter case. Empty when there is none.
QString FindCover(const QString &directory);
