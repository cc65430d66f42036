#include "id3v2_version.h"

using namespace Qt::StringLiterals;

QString Id3v2VersionWord(Id3v2Version version)
{
    switch (version) {
    case Id3v2Version::V2_4:
        return u"2.4"_s;
    case Id3v2Version::V2_3:
        return u"2.3"_s;
    case Id3v2Version::None:
        break;
    }
    return u"none"_s;
}

std::optional<Id3v2Version> Id3v2VersionFromWord(QStringView word)
{
    for (const Id3v2Version version : {Id3v2Version::V2_4, Id3v2Version::V2_3, Id3v2Version::None}) {
        if (word == Id3v2VersionWord(version))
            return version;
    }
    return std::nullopt;
}
