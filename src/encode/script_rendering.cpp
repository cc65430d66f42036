#include "script_rendering.h"

#include "path_functions.h"
#include "tag/latin1_text.h"

using namespace Qt::StringLiterals;

namespace {

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QStringList commandLines(const ScriptPlan &plan, const ScriptGroup &group)
{
    QStringList lines;
    QString encoderLine = u"L3ENC "_s + group.shortWavPath + u' ' + group.shortOutputPath + u' ';
    for (const QString &word :
         EncoderRateWords(plan) + EncoderSwitchWords(plan.switches) + EncoderRangeWords(group))
        encoderLine += word + u' ';
    lines << encoderLine;
    // REN cannot replace an MP3 an earlier run left under the long name; a
    // name that is its own short form needs no renaming, so no such file.
    if (Module1::NameFromPath(group.shortWavPath, u'\\')
            .compare(group.listedName, Qt::CaseInsensitive) != 0)
        lines << u"del "_s + quoted(group.longMp3Path);
    lines << u"REN "_s + group.shortOutputPath + u' ' + quoted(group.longMp3Name);
    if (group.fieldBlock)
        lines << quoted(plan.appPath + u"encoder.exe"_s) + u' ' + quoted(group.longMp3Path) + u' '
                + *group.fieldBlock;
    // Only a WAV whose MP3 was made may go; an image, which only the
    // receipts of all its tracks could show whole, stays.
    if (plan.switches.autoDelete && group.image < 0)
        lines << u"if exist "_s + quoted(group.longMp3Path) + u" del "_s + group.shortWavPath;
    return lines;
}

} // namespace

QStringList EncoderSwitchWords(const EncodeSwitches &switches)
{
    QStringList words;
    if (switches.downmix)
        words << u"-dm"_s;
    if (switches.highQuality)
        words << u"-hq"_s;
    if (switches.crc)
        words << u"-crc"_s;
    return words;
}

QStringList EncoderRateWords(const ScriptPlan &plan)
{
    if (plan.vbrQuality >= 0)
        return {u"-V"_s, QString::number(plan.vbrQuality)};
    return {u"-br"_s, plan.bitrate};
}

QStringList EncoderRangeWords(const ScriptGroup &group)
{
    if (group.image < 0)
        return {};
    QStringList words{u"-from"_s, QString::number(group.firstFrame)};
    if (group.endFrame < group.imageFrames) // the last track runs to the WAV's end
        words << u"-to"_s << QString::number(group.endFrame);
    return words;
}

QString EscapeCommandLine(const QString &line)
{
    QString escaped;
    escaped.reserve(line.size() + 8);
    bool insideQuotes = false;
    for (QChar c : line) {
        if (c == u'"')
            insideQuotes = !insideQuotes;
        if (c == u'%')
            escaped += u'%';
        else if (!insideQuotes && (c == u'&' || c == u'|' || c == u'<' || c == u'>' || c == u'^'))
            escaped += u'^';
        escaped += c;
    }
    return escaped;
}

QByteArray RenderCommandScript(const ScriptPlan &plan)
{
    QByteArray script;
    for (const ScriptGroup &group : plan.groups) {
        for (const QString &line : commandLines(plan, group))
            script += ToLatin1OrQuestionMark(EscapeCommandLine(line)) + "\r\n";
    }
    return script;
}
