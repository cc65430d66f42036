#include "shell_script.h"

#include "script_rendering.h"

using namespace Qt::StringLiterals;

namespace {

// %1: the number of files, %2: how many are encoded at once.
constexpr char16_t Prelude[] = uR"(# TEMP.BAT: %1 file(s), at most %2 encoding at once, one group of lines each.
# A group's later lines run only when its encoder made the MP3 in this run.
total=%1
renice -n 10 -p $$ >/dev/null 2>&1 # every core encodes; the desktop stays responsive
work=$(mktemp -d "${TMPDIR:-/tmp}/TEMP.BAT.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
# A slot for each group that may run: a group takes one to start and gives it back at its end.
mkfifo "$work/slots" && exec 3<>"$work/slots" || exit 1
i=0; while [ $i -lt %2 ]; do echo >&3; i=$((i + 1)); done
take_slot() { read -r _ <&3; }
give_slot() { echo >&3; }
# Whether $1 is a regular, non-empty file, not a link and not the WAV $2.
is_mp3_of() { [ -f "$1" ] && [ ! -h "$1" ] && [ -s "$1" ] && [ ! "$1" -ef "$2" ]; }
started() { printf '[%s/%s] %s: encoding\n' "$1" "$total" "$2"; }
# finished NUMBER NAME MADE TAGGED DELETED: the file's last line, in one piece.
finished() {
    if [ "$3" -ne 0 ]; then
        result="MP3 NOT made" outcome=failed
        why=$(tail -n 1 "$work/$1.note" 2>/dev/null)
    else
        result="MP3 made" outcome=made why=
        case $4 in none) ;; 0) result="$result, tagged" ;; *) result="$result, tag NOT written" ;; esac
    fi
    if [ "$5" = yes ]; then wav=deleted; else wav=kept; fi
    printf '[%s/%s] %s: %s, WAV %s%s\n' "$1" "$total" "$2" "$result" "$wav" "${why:+ ($why)}"
    printf '%s %s %s\n' "$outcome" "$wav" "$2" >>"$work/results"
}
summary() {
    : >>"$work/results"
    made=$(grep -c '^made ' "$work/results") failed=$(grep -c '^failed ' "$work/results")
    deleted=$(grep -c '^[a-z]* deleted ' "$work/results") kept=$(grep -c '^[a-z]* kept ' "$work/results")
    names=$(sed -n 's/^failed [a-z]* //p' "$work/results" | sed ':a;N;$!ba;s/\n/, /g')
    printf 'Finished: %s of %s MP3(s) made, %s failed%s; %s WAV(s) deleted, %s kept.\n' \
        "$made" "$total" "$failed" "${names:+ ($names)}" "$deleted" "$kept"
}
)";

constexpr char16_t Ending[] = uR"(wait
summary
)";

QString indented(const QString &line)
{
    return u"    "_s + line;
}

QStringList groupLines(const ScriptPlan &plan, const ScriptGroup &group, qsizetype number)
{
    const QString n = QString::number(number);
    const QString wav = ShellQuote(group.shortWavPath);
    const QString mp3 = ShellQuote(group.longMp3Path);
    QString encoderLine = u"./L3ENC "_s + wav + u' ' + ShellQuote(group.shortOutputPath)
        + u" -br "_s + plan.bitrate;
    for (const QString &word : EncoderSwitchWords(plan.switches))
        encoderLine += u' ' + word;
    // Alone, the encoder may update its percentage in place; side by side,
    // its messages are kept for the file's last line.
    if (plan.jobs > 1)
        encoderLine += u" 2>\"$work/"_s + n + u".note\""_s;
    const QString ifMade = u"[ $made -eq 0 ] && "_s;

    QStringList lines{u"take_slot; ("_s, indented(u"started "_s + n + u' ' + ShellQuote(group.listedName)),
                      indented(encoderLine + u"; made=$? tagged=none deleted=no"_s)};
    const QString outputDirectory =
        group.shortOutputPath.left(group.shortOutputPath.lastIndexOf(u'/') + 1);
    const QString renamed = outputDirectory + group.longMp3Name;
    if (renamed != group.shortOutputPath)
        lines << indented(ifMade + u"mv -f -- "_s + ShellQuote(group.shortOutputPath) + u' '
                          + ShellQuote(renamed));
    if (group.fieldBlock)
        lines << indented(ifMade + ShellQuote(plan.appPath + u"encoder"_s) + u' ' + mp3 + u' '
                          + ShellQuote(*group.fieldBlock) + u"; tagged=$?"_s);
    if (plan.switches.autoDelete)
        lines << indented(ifMade + u"is_mp3_of "_s + mp3 + u' ' + wav + u" && rm -f -- "_s + wav
                          + u" && deleted=yes"_s);
    lines << indented(u"finished "_s + n + u' ' + ShellQuote(group.listedName)
                      + u" $made $tagged $deleted"_s)
          << indented(u"give_slot"_s) << u") &"_s;
    return lines;
}

} // namespace

QString ShellQuote(const QString &text)
{
    QString word = text;
    word.replace(u'\'', u"'\\''"_s);
    return u'\'' + word + u'\'';
}

QByteArray RenderShellScript(const ScriptPlan &plan)
{
    QString script = QString::fromUtf16(Prelude)
                         .arg(plan.groups.size())
                         .arg(qMax(1, plan.jobs));
    for (qsizetype i = 0; i < plan.groups.size(); ++i)
        script += groupLines(plan, plan.groups[i], i + 1).join(u'\n') + u'\n';
    script += QString::fromUtf16(Ending);
    return script.toUtf8();
}
