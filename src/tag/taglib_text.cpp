#include "taglib_text.h"

#include <taglib/commentsframe.h>
#include <taglib/textidentificationframe.h>

TagLib::String ToTagLib(const QString &text)
{
    return {text.toStdString(), TagLib::String::UTF8};
}

QString FromTagLib(const TagLib::String &text)
{
    return QString::fromStdString(text.to8Bit(true));
}

QString FirstFrameText(const TagLib::ID3v2::Tag &tag, const char *id)
{
    const TagLib::ID3v2::FrameList &frames = tag.frameList(id);
    if (frames.isEmpty())
        return {};
    // An encoding byte outside the four known ones makes any text a guess.
    const auto *text = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame *>(frames.front());
    if (text && text->textEncoding() > TagLib::String::UTF8)
        return {};
    return FromTagLib(frames.front()->toString());
}

QString PlainComment(const TagLib::ID3v2::Tag &tag)
{
    for (TagLib::ID3v2::Frame *frame : tag.frameList("COMM")) {
        const auto *comment = dynamic_cast<TagLib::ID3v2::CommentsFrame *>(frame);
        if (comment && comment->description().isEmpty())
            return FromTagLib(comment->text());
    }
    return {};
}
