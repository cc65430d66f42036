#include "shell_script.h"

#include "script_rendering.h"

#include "base/shown_name.h"

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// %1: the number of files, %2: how many are encoded at once, %3: the order.
constexpr char16_t Heading[] = uR"sh(# TEMP.BAT: %1 file(s), at most %2 encoding at once (%3), one group of lines each.
# A group's later lines run only when its encoder made the MP3 in this run, and
# its WAV is deleted only when L3ENC's receipt shows it read that very file
# whole and unchanged, and made that very MP3.
total=%1 jobs=%2
# The files by their number in the list: name as shown (control characters
# escaped, so one file is one line), and size for the progress.
)sh";

constexpr char16_t Functions[] = uR"sh(# Every core encodes; the desktop stays responsive (renice sets, not adds).
renice -n $(($(nice) + 10)) -p $$ >/dev/null 2>&1
# The run's notes beside the script, so a full temporary directory cannot
# falsify them; a slot for each group that may run at once, and the lines
# for the one printer of groups side by side.
make_work() {
    work=$(mktemp -d "$1/.TEMP.BAT.XXXXXX" 2>/dev/null) \
        && mkfifo "$work/slots" "$work/lines" "$work/albums" 2>/dev/null && return
    [ -n "$work" ] && rm -rf "$work"
    return 1
}
make_work "$(dirname -- "$0")" || make_work "${TMPDIR:-/tmp}" \
    || { echo "TEMP.BAT: no folder for the run's notes can be made" >&2; exit 1; }
trap 'rm -rf "$work"' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
exec 3<>"$work/slots" 4<>"$work/lines" 5<>"$work/albums" || exit 1
i=0; while [ $i -lt $jobs ]; do echo >&3; i=$((i + 1)); done
echo >&5
take_slot() { read -r _ <&3; }
give_slot() { echo >&3; }
# show NUMBER TEXT: the file's line. On a terminal, while several run, one
# line below the files' lines keeps the whole batch's progress.
done=0 running=0 done_bytes=0
show() {
    case $2 in encoding) running=$((running + 1)) ;;
    album*) ;;
    *) running=$((running - 1)) done=$((done + 1)); eval "done_bytes=\$((done_bytes + bytes_$1))" ;;
    esac
    eval "name=\$shown_$1"
    if [ $jobs -gt 1 ] && [ -t 1 ]; then
        printf '\r\033[K[%s/%s] %s: %s\n%s of %s done, %s encoding, %s%% of the audio' "$1" "$total" \
            "$name" "$2" "$done" "$total" "$running" "$((done_bytes * 100 / (all_bytes > 0 ? all_bytes : 1)))"
    else
        printf '[%s/%s] %s: %s\n' "$1" "$total" "$name" "$2"
    fi
}
# The one printer of groups side by side: their lines come whole through a
# pipe, so none is ever split or mixed into another.
printer() {
    while read -r number text <&4 && [ "$number" != end ]; do show "$number" "$text"; done
    [ -t 1 ] && printf '\r\033[K'
}
say() {
    if [ $jobs -gt 1 ]; then printf '%s %s\n' "$n" "$1" >&4; else show "$n" "$1"; fi
}
# Whether L3ENC made the MP3 (3: made, but its WAV must stay).
made() { [ "$status" -eq 0 ] || [ "$status" -eq 3 ]; }
# Whether the MP3 got the tags asked for, or none were asked.
tagged_as_asked() { case $tagged in none|0) return 0 ;; esac; why="its tag was not written"; return 1; }
# An encoder's words as one line of printable text: no control character
# (C0, DEL, C1) of another encoder reaches the terminal or a result file.
printable() { LC_ALL=C sed 's/[[:cntrl:]]/?/g; s/\xc2[\x80-\x9f]/?/g'; }
# may_delete MP3 WAV: whether the WAV at its path (a link: the file it names,
# as L3ENC read it) is still the file L3ENC read whole, and the MP3 the file
# it made; if not, $why says why.
receipt() { head -n 1 "$work/$n.receipt" 2>/dev/null | printable; }
may_delete() {
    receipt=$(receipt)
    case $receipt in
    "safe $(stat -L -c '%d %i %s %.9Y' -- "$2" 2>/dev/null) $(stat -c '%d %i' -- "$1" 2>/dev/null)")
        [ -f "$1" ] && [ ! -h "$1" ] && [ -s "$1" ] && [ ! "$1" -ef "$2" ] && return 0
        why="its MP3 is not a plain, non-empty file" ;;
    "keep "*) why=${receipt#keep } ;;
    safe*) why="the WAV or its MP3 changed after the encode" ;;
    *) why="the encoder left no receipt for it" ;;
    esac
    return 1
}
# finished STATUS TAGGED DELETED: the file's last line, and its result for
# the summary, under its number.
finished() {
    if made; then
        result="MP3 made" outcome=made
        case $2 in none) ;; 0) result="$result, tagged" ;; *) result="$result, tag NOT written" ;; esac
        if [ "$1" -eq 3 ] && [ -z "$why" ]; then receipt=$(receipt); why=${receipt#keep }; fi
        [ "$3" = yes ] && why=
        note=${why:+": $why"}
    else
        result="MP3 NOT made" outcome=failed why=$(tail -n 1 "$work/$n.note" 2>/dev/null | cut -c 1-300 | printable)
        note=${why:+" ($why)"} why=
    fi
    # A track of an image: its WAV's fate is the image's, decided after
    # every group; its result keeps the tagging's status for that.
    case $3 in yes) wav=deleted ;; part) wav=part-$2 ;; *) wav=kept ;; esac
    case $wav in part-*) say "$result$note" ;; *) say "$result, WAV $wav$note" ;; esac
    printf '%s %s %s\n' "$outcome" "$wav" "$why" >"$work/$n.result"
}
# track_covers GROUP TRACK FROM TO OF WAV MP3: whether that track of the image
# WAV got its MP3 and tags, and its receipt shows the very WAV, unchanged,
# read over frames FROM to TO of OF, and its very MP3; if not, $why says why.
track_covers() {
    outcome= wav= why=
    [ -r "$work/$1.result" ] && read -r outcome wav why <"$work/$1.result"
    [ "$outcome" = made ] || { why="track $2: its MP3 was not made"; return 1; }
    case $wav in part-none|part-0) ;; *) why="track $2: its tag was not written"; return 1 ;; esac
    receipt=$(head -n 1 "$work/$1.receipt" 2>/dev/null | printable)
    case $receipt in
    "safe frames $3 $4 $5 $(stat -L -c '%d %i %s %.9Y' -- "$6" 2>/dev/null) $(stat -c '%d %i' -- "$7" 2>/dev/null)")
        [ -f "$7" ] && [ ! -h "$7" ] && [ -s "$7" ] && return 0
        why="track $2: its MP3 is not a plain, non-empty file" ;;
    "keep "*) why="track $2: ${receipt#keep }" ;;
    safe*) why="track $2: the WAV or its MP3 changed after the encode" ;;
    *) why="track $2: the encoder left no receipt for it" ;;
    esac
    return 1
}
# image_finished IMAGE DELETED: the image WAV's line and result.
image_finished() {
    eval "name=\$image_shown_$1"
    if [ "$2" = yes ]; then wav=deleted why=; else wav=kept; fi
    printf '%s: WAV %s%s\n' "$name" "$wav" "${why:+": $why"}"
    printf '%s %s\n' "$wav" "$why" >"$work/image_$1.result"
}
# album_done ALBUM: whether this group's track is the last of its album to
# end. Its count of tracks still to end is one file, changed only by the
# holder of the albums' one token.
album_done() {
    read -r _ <&5
    left=
    read -r left <"$work/album_$1.left"
    left=$((${left:-0} - 1))
    echo "$left" >"$work/album_$1.left"
    echo >&5
    [ "$left" -eq 0 ]
}
# album_pool ALBUM GROUP...: the loudness of all the album's tracks together,
# if every one of them was made and measured, and any of them holds a block
# to gate (0.4 s of sound); if not, $why says why not.
album_pool() {
    album=$1 why= blocks=
    shift
    for g; do
        outcome= block=
        [ -r "$work/$g.result" ] && read -r outcome _ <"$work/$g.result"
        { read -r _ && read -r block; } 2>/dev/null <"$work/$g.loudness"
        blocks=${blocks:-$block}
        eval "name=\$shown_$g"
        [ "$outcome" = made ] && [ -s "$work/$g.loudness" ] && continue
        why="$name: its MP3 was not made and measured"
        return 1
    done
    [ -n "$blocks" ] || { why="too short or too quiet to measure"; return 1; }
    for g; do cat -- "$work/$g.loudness" || return 1; done >"$work/album_$album.loudness"
}
# album_finished ALBUM TRACKS: the album's line and result; $why says what
# failed (its tracks then keep their own gain).
album_finished() {
    eval "name=\$album_shown_$1"
    if [ -z "$why" ]; then
        say "album \"$name\": gain written to its $2 MP3(s)"
        printf 'written\n' >"$work/album_$1.result"
    else
        say "album \"$name\": gain NOT written ($why); each MP3 keeps its track gain"
        printf 'failed %s\n' "$why" >"$work/album_$1.result"
    fi
}
# The summary counts the groups' results by number; where one is missing it
# says so rather than give a wrong count.
summary() {
    made=0 failed=0 deleted=0 kept=0 names= reasons= i=1
    while [ $i -le $total ]; do
        outcome= wav= why=
        [ -r "$work/$i.result" ] && read -r outcome wav why <"$work/$i.result"
        case $outcome in
        made) made=$((made + 1)) ;;
        failed) failed=$((failed + 1)); eval "names=\"\${names:+\$names, }\$shown_$i\"" ;;
        *) echo "Finished: summary unavailable (the run's notes could not be kept); see each file's line above."; return ;;
        esac
        case $wav in
        deleted) deleted=$((deleted + 1)) ;;
        part-*) why= ;; # an image's track: the image's own result counts
        *) kept=$((kept + 1)) ;;
        esac
        [ -n "$why" ] && eval "reasons=\"\${reasons:+\$reasons; }\$shown_$i: \$why\""
        i=$((i + 1))
    done
    i=1
    while [ $i -le $images ]; do
        wav= why=
        [ -r "$work/image_$i.result" ] && read -r wav why <"$work/image_$i.result"
        case $wav in
        deleted) deleted=$((deleted + 1)) ;;
        kept) kept=$((kept + 1)) ;;
        *) echo "Finished: summary unavailable (the run's notes could not be kept); see each file's line above."; return ;;
        esac
        [ -n "$why" ] && eval "reasons=\"\${reasons:+\$reasons; }\$image_shown_$i: \$why\""
        i=$((i + 1))
    done
    printf 'Finished: %s of %s MP3(s) made, %s failed%s; %s WAV(s) deleted, %s kept%s.\n' \
        "$made" "$total" "$failed" "${names:+ ($names)}" "$deleted" "$kept" "${reasons:+ ($reasons)}"
    [ $albums -gt 0 ] || return 0
    written=0 reasons= i=1
    while [ $i -le $albums ]; do
        state= why=
        [ -r "$work/album_$i.result" ] && read -r state why <"$work/album_$i.result"
        if [ "$state" = written ]; then
            written=$((written + 1))
        else
            eval "reasons=\"\${reasons:+\$reasons; }\$album_shown_$i: \${why:-not all its tracks ended}\""
        fi
        i=$((i + 1))
    done
    printf 'Album gain written for %s of %s album(s)%s.\n' "$written" "$albums" "${reasons:+ ($reasons)}"
}
# The desktop says when the batch is done, where it has a notification service.
announce() {
    command -v notify-send >/dev/null 2>&1 || return 0
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/bus" ] || return 0
    body=$1
    [ -t 1 ] || body="$body Its log is TEMP.LOG in $PWD."
    # The body is markup to the notification service: a name's "<" or "&"
    # must show as itself, never open a tag or an entity.
    body=$(printf '%s\n' "$body" | sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g')
    notify-send -a 'Trelvin Sondrake' -i %1 'The encoding batch has finished' "$body" >/dev/null 2>&1 &
}
[ $jobs -gt 1 ] && { printer & printing=$!; }
)sh";

constexpr char16_t Ending[] = uR"sh(wait $groups
[ $jobs -gt 1 ] && { echo end >&4; wait $printing; }
)sh";

constexpr char16_t Summary[] = uR"sh(result=$(summary)
printf '%s\n' "$result" # echo would read the escapes in shown names
announce "$result"
)sh";

QString indented(const QString &line)
{
    return u"    "_s + line;
}

// The notes of group `number` ("$n" within it) in the run's folder.
QString workFile(const QString &number, const char16_t *kind)
{
    return u"\"$work/"_s + number + u'.' + QStringView(kind) + u'"';
}

// What the tagging run needs for the ID3v2 tag beyond the trailer's block, as
// assignments a person can read on the tagging line: the whole texts, track,
// disc, a cue sheet's album artist, composer and ISRC, and cover, the
// loudness of the track and of its album, and the receipt it hands on when
// it replaces the MP3.
QString id3v2Assignments(const ScriptPlan &plan, const ScriptGroup &group, const QString &number,
                         const QString &albumLoudness)
{
    // Set even when no ID3v2 tag is asked for, and every value even when it
    // is empty: the tagging run then takes nothing from the environment.
    QString words = u"SONDRAKE_ID3V2="_s + Id3v2VersionWord(plan.id3v2) + u' ';
    if (plan.id3v2 == Id3v2Version::None)
        return words;
    const TagExtras &tag = group.id3v2;
    const std::pair<const char16_t *, const QString &> values[] = {
        {u"TITLE", tag.whole.title},   {u"ARTIST", tag.whole.artist},
        {u"ALBUM", tag.whole.album},   {u"YEAR", tag.whole.year},
        {u"GENRE", tag.whole.genre},   {u"COMMENT", tag.whole.comment},
        {u"TRACK", tag.track},         {u"DISC", tag.disc},
        {u"ALBUMARTIST", tag.albumArtist}, {u"COMPOSER", tag.composer},
        {u"ISRC", tag.isrc},           {u"COVER", tag.cover}};
    for (const auto &[name, value] : values)
        words += u"SONDRAKE_"_s + QStringView(name) + u'=' + ShellQuote(value) + u' ';
    if (plan.replayGain)
        words += u"SONDRAKE_REPLAYGAIN="_s + workFile(number, u"loudness")
            + u" SONDRAKE_ALBUM_REPLAYGAIN="_s + albumLoudness + u' ';
    else
        words += u"SONDRAKE_REPLAYGAIN= SONDRAKE_ALBUM_REPLAYGAIN= "_s;
    // The receipt follows a replaced MP3 only where a delete will read it:
    // its hand-on is one file more written, and made durable, a file.
    return words + u"SONDRAKE_RECEIPT="_s
        + (plan.switches.autoDelete ? workFile(number, u"receipt") : QString()) + u' ';
}

QString taggingLine(const ScriptPlan &plan, const ScriptGroup &group, const QString &number,
                    const QString &albumLoudness)
{
    return id3v2Assignments(plan, group, number, albumLoudness)
        + ShellQuote(plan.appPath + u"encoder"_s) + u' ' + ShellQuote(group.longMp3Path) + u' '
        + ShellQuote(*group.fieldBlock);
}

// The loudness the group's album gain comes from on its own tagging line: its
// own where it is an album alone, none (yet) where the album has more tracks.
QString ownAlbumLoudness(const ScriptGroup &group)
{
    return group.aloneInAlbum ? workFile(u"$n"_s, u"loudness") : QString();
}

// Whether the group's encoder measures its loudness: for the tags only.
bool measured(const ScriptPlan &plan, const ScriptGroup &group)
{
    return plan.replayGain && group.fieldBlock;
}

QStringList groupLines(const ScriptPlan &plan, const ScriptGroup &group, qsizetype number)
{
    const QString wav = ShellQuote(group.shortWavPath);
    const QString mp3 = ShellQuote(group.longMp3Path);
    QString encoderLine = u"L3ENC_RECEIPT=\"$work/$n.receipt\" ./L3ENC "_s + wav + u' '
        + ShellQuote(group.shortOutputPath);
    for (const QString &word :
         EncoderRateWords(plan) + EncoderSwitchWords(plan.switches) + EncoderRangeWords(group))
        encoderLine += u' ' + word;
    if (measured(plan, group))
        encoderLine += u" -replaygain "_s + workFile(u"$n"_s, u"loudness");
    // Alone, the encoder may update its percentage in place; side by side,
    // its messages are kept for the file's last line.
    if (plan.jobs > 1)
        encoderLine += u" 2>\"$work/$n.note\""_s;
    const QString ifMade = u"made && "_s;

    QStringList lines{u"n=%1 why=; take_slot; ("_s.arg(number), indented(u"say encoding"_s),
                      indented(encoderLine + u"; status=$? tagged=none deleted=no"_s)};
    const QString outputDirectory =
        group.shortOutputPath.left(group.shortOutputPath.lastIndexOf(u'/') + 1);
    const QString renamed = outputDirectory + group.longMp3Name;
    if (renamed != group.shortOutputPath)
        lines << indented(ifMade + u"mv -f -- "_s + ShellQuote(group.shortOutputPath) + u' '
                          + ShellQuote(renamed));
    if (group.fieldBlock)
        lines << indented(ifMade + taggingLine(plan, group, u"$n"_s, ownAlbumLoudness(group))
                          + u"; tagged=$?"_s);
    if (plan.switches.autoDelete && group.image < 0)
        lines << indented(ifMade + u"tagged_as_asked && may_delete "_s + mp3 + u' ' + wav
                          + u" && rm -f -- "_s + wav + u" && deleted=yes"_s);
    // A track leaves its image to the image's own lines, after every group.
    lines << indented(group.image < 0 ? u"finished $status $tagged $deleted"_s
                                      : u"finished $status $tagged part"_s);
    // The album's last track to end, whichever it is, tags them all with
    // the album's gain while other files still encode.
    if (group.album >= 0)
        lines << indented(u"album_done %1 && album_%1"_s.arg(group.album + 1));
    lines << indented(u"give_slot"_s)
          << u") & groups=\"$groups $!\""_s;
    return lines;
}

// An image's lines, once all groups are done: it goes only when every track
// got its MP3 and tags and its receipt shows the very WAV, unchanged, read
// over that track's frames, the ranges together covering all of it.
QStringList imageLines(const ScriptPlan &plan, const ScriptImage &image, qsizetype number)
{
    const QString wav = ShellQuote(image.shortWavPath);
    QStringList lines{u"n=image_%1 why= deleted=no"_s.arg(number)};
    if (!plan.switches.autoDelete) {
        lines << u"image_finished %1 no"_s.arg(number);
        return lines;
    }
    QString checks;
    for (const qsizetype g : image.groups) {
        const ScriptGroup &group = plan.groups[g];
        checks += u"track_covers "_s + QString::number(g + 1) + u' '
            + QString::number(group.trackNumber).rightJustified(2, u'0') + u' '
            + QString::number(group.firstFrame) + u' ' + QString::number(group.endFrame) + u' '
            + QString::number(group.imageFrames) + u' ' + wav + u' '
            + ShellQuote(group.longMp3Path) + u" \\\n    && "_s;
    }
    lines << checks + u"rm -f -- "_s + wav + u" && deleted=yes"_s
          << u"image_finished %1 $deleted"_s.arg(number);
    return lines;
}

// An album's lines, run by its last track to end: its tracks tagged again,
// now with the gain of their loudness together.
QStringList albumLines(const ScriptPlan &plan, const ScriptAlbum &album, qsizetype number)
{
    const QString index = QString::number(number);
    QString groups;
    for (const qsizetype g : album.groups)
        groups += u' ' + QString::number(g + 1);
    QStringList lines{u"# Album %1 ($album_shown_%1): once the last of its %2 tracks ends, each "
                      "is tagged again with the album's gain."_s.arg(index).arg(album.groups.size()),
                      u"echo %1 >\"$work/album_%2.left\""_s.arg(album.groups.size()).arg(index),
                      u"album_"_s + index + u"() {"_s,
                      indented(u"album_pool "_s + index + groups + u" && {"_s)};
    const QString pooled = u"\"$work/album_"_s + index + u".loudness\""_s;
    for (const qsizetype g : album.groups) {
        const QString group = QString::number(g + 1);
        lines << indented(indented(taggingLine(plan, plan.groups[g], group, pooled)
                                   + u" \\\n            || why=\"${why:+$why; }$shown_"_s + group
                                   + u": its tag was not written\""_s));
    }
    lines << indented(u"}"_s)
          << indented(u"album_finished "_s + index + u' ' + QString::number(album.groups.size()))
          << u"}"_s;
    return lines;
}

// The order the groups start in: side by side, the longest first, so no
// long file starts last and runs alone while the other cores idle; alone,
// the file list's order, which reads naturally.
QList<qsizetype> startOrder(const ScriptPlan &plan)
{
    QList<qsizetype> order(plan.groups.size());
    std::iota(order.begin(), order.end(), 0);
    if (plan.jobs > 1) {
        std::stable_sort(order.begin(), order.end(), [&plan](qsizetype a, qsizetype b) {
            return plan.groups[a].wavBytes > plan.groups[b].wavBytes;
        });
    }
    return order;
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
    const int jobs = qMax(1, plan.jobs);
    QString script =
        QString::fromUtf16(Heading).arg(QString::number(plan.groups.size()), QString::number(jobs),
                                        jobs > 1 ? u"the longest first"_s : u"in list order"_s);
    qint64 allBytes = 0;
    for (qsizetype i = 0; i < plan.groups.size(); ++i) {
        // Joined, never formatted: a name may hold "%2".
        const QString number = QString::number(i + 1);
        const ScriptGroup &group = plan.groups[i];
        const QString track = group.image < 0 ? QString()
            : u", track "_s + QString::number(group.trackNumber).rightJustified(2, u'0');
        script += u"shown_"_s + number + u'=' + ShellQuote(ShownName(group.listedName) + track)
            + u" bytes_"_s + number + u'=' + QString::number(group.wavBytes) + u'\n';
        allBytes += group.wavBytes;
    }
    for (qsizetype i = 0; i < plan.images.size(); ++i)
        script += u"image_shown_"_s + QString::number(i + 1) + u'='
            + ShellQuote(ShownName(plan.images[i].listedName)) + u'\n';
    for (qsizetype i = 0; i < plan.albums.size(); ++i)
        script += u"album_shown_"_s + QString::number(i + 1) + u'=' + ShellQuote(plan.albums[i].name) + u'\n';
    script += u"all_bytes="_s + QString::number(allBytes) + u" images="_s
        + QString::number(plan.images.size()) + u" albums="_s + QString::number(plan.albums.size()) + u'\n'
        + QString::fromUtf16(Functions).replace(u"%1"_s, QString::fromLatin1(SONDRAKE_APP_ID));
    for (qsizetype i = 0; i < plan.albums.size(); ++i)
        script += albumLines(plan, plan.albums[i], i + 1).join(u'\n') + u'\n';
    for (const qsizetype i : startOrder(plan))
        script += groupLines(plan, plan.groups[i], i + 1).join(u'\n') + u'\n';
    script += QString::fromUtf16(Ending);
    for (qsizetype i = 0; i < plan.images.size(); ++i)
        script += imageLines(plan, plan.images[i], i + 1).join(u'\n') + u'\n';
    script += QString::fromUtf16(Summary);
    return script.toUtf8();
}
