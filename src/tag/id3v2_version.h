#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Which ID3v2 tag the MP3s get at their front, beside the trailer: 2.4 with
// UTF-8 (what today's players read), 2.3 with UTF-16 (older car stereos and
// players), or none (the trailer alone).
enum class Id3v2Version { V2_4, V2_3, None };

// "2.4", "2.3", "none": the settings file's and the script's word.
QString Id3v2VersionWord(Id3v2Version version);

// The version a word names; empty for any other word.
std::optional<Id3v2Version> Id3v2VersionFromWord(QStringView word);
