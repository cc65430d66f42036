#include "script_rendering.h"

#include "path_functions.h"
#include "tag/latin1_text.h"

using namespace Qt::StringLiterals;

namespace {

// The encoder's switches in their fixed order, whatever order they were set in.
QStringList switchWords(const EncodeSwitches &switches)
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

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

QStringList commandLines(const ScriptPlan &plan, const ScriptGroup &group)
{
    QStringList lines;
    QString encoderLine = u"L3ENC "_s + group.shortWavPath + u' ' + group.shortOutputPath
        + u" -br "_s + plan.bitrate + u' ';
    for (const QString &word : switchWords(plan.switches))
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
    // Only a WAV whose MP3 was made may go.
    if (plan.switches.autoDelete)
        lines << u"if exist "_s + quoted(group.longMp3Path) + u" del "_s + group.shortWavPath;
    return lines;
}

// Each group's later lines run only when its encoder made the MP3 in this
// run; the WAV goes only when the MP3 is really there and is not the WAV.
QStringList shellLines(const ScriptPlan &plan, const ScriptGroup &group)
{
    QStringList lines;
    QString encoderLine = u"./L3ENC "_s + ShellQuote(group.shortWavPath) + u' '
        + ShellQuote(group.shortOutputPath) + u" -br "_s + plan.bitrate;
    for (const QString &word : switchWords(plan.switches))
        encoderLine += u' ' + word;
    lines << encoderLine + u"; made=$?"_s;
    const QString ifMade = u"[ $made -eq 0 ] && "_s;
    const QString outputDirectory =
        group.shortOutputPath.left(group.shortOutputPath.lastIndexOf(u'/') + 1);
    const QString renamed = outputDirectory + group.longMp3Name;
    if (renamed != group.shortOutputPath)
        lines << ifMade + u"mv -f -- "_s + ShellQuote(group.shortOutputPath) + u' '
                + ShellQuote(renamed);
    if (group.fieldBlock)
        lines << ifMade + ShellQuote(plan.appPath + u"encoder"_s) + u' '
                + ShellQuote(group.longMp3Path) + u' ' + ShellQuote(*group.fieldBlock);
    if (plan.switches.autoDelete)
        lines << ifMade + u"is_mp3_of "_s + ShellQuote(group.longMp3Path) + u' '
                + ShellQuote(group.shortWavPath) + u" && rm -f -- "_s
                + ShellQuote(group.shortWavPath);
    return lines;
}

// Whether $1 is a regular, non-empty file, not a link and not the WAV $2.
constexpr char ShellPrelude[] =
    "is_mp3_of() { [ -f \"$1\" ] && [ ! -h \"$1\" ] && [ -s \"$1\" ] && [ ! \"$1\" -ef \"$2\" ]; }\n";

} // namespace

QString ShellQuote(const QString &text)
{
    QString word = text;
    word.replace(u'\'', u"'\\''"_s);
    return u'\'' + word + u'\'';
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

QByteArray RenderShellScript(const ScriptPlan &plan)
{
    QByteArray script = ShellPrelude;
    for (const ScriptGroup &group : plan.groups) {
        for (const QString &line : shellLines(plan, group))
            script += line.toUtf8() + '\n';
    }
    return script;
}
