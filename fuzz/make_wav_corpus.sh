#!/bin/sh
# Writes the WAV layout target's seeds, tiny WAVs as real tools write them,
# into fuzz/corpus/wav_layout/ (kept in the repository; run again only to
# change them): sox, ffmpeg (also through a pipe, which leaves placeholder
# sizes) and libsndfile; odd-sized data, block-coded formats, extensible
# formats, RF64, LIST, bext and PEAK chunks.
set -eu
out=$(cd "$(dirname "$0")" && pwd)/corpus/wav_layout
mkdir -p "$out"
cd "$out"
sox -n -r 8000 -c 2 -b 16 sox_pcm16_stereo.wav synth 0.005 sine 440
sox -n -r 8000 -c 1 -b 8 sox_pcm8_mono_odd.wav synth 0.002125 sine 440
sox -n -r 8000 -c 1 -b 24 sox_pcm24_mono_odd.wav synth 0.000875 sine 440
sox -n -r 8000 -c 1 -e floating-point -b 32 sox_float32.wav synth 0.0005 sine 440
sox -n -r 8000 -c 1 -e ima-adpcm sox_ima_adpcm.wav synth 0.05 sine 440
sox -n -r 8000 -c 1 -e ms-adpcm sox_ms_adpcm.wav synth 0.05 sine 440
sox -n -r 8000 -c 1 -e gsm-full-rate sox_gsm610.wav synth 0.1 sine 440
head -c 40 /dev/zero | sox -t raw -r 8000 -e signed -b 16 -c 1 - -t wav - >sox_stream.wav
ffmpeg() { command ffmpeg -hide_banner -loglevel error -y \
    -f lavfi -i sine=frequency=440:sample_rate=8000:duration=0.005 "$@"; }
ffmpeg -c:a pcm_s16le ffmpeg_pcm16.wav
ffmpeg -c:a pcm_s16le -rf64 always ffmpeg_rf64.wav
ffmpeg -c:a pcm_s16le -write_bext 1 -metadata title=Tone -metadata artist=Sine ffmpeg_bext_list.wav
ffmpeg -c:a pcm_s24le -ac 3 ffmpeg_extensible_3ch.wav
ffmpeg -c:a pcm_f64le ffmpeg_float64.wav
ffmpeg -c:a adpcm_ima_wav ffmpeg_ima_adpcm.wav
ffmpeg -c:a pcm_u8 -f wav - >ffmpeg_pipe_placeholder.wav
ffmpeg -c:a pcm_s16le -rf64 always -f wav - >ffmpeg_rf64_pipe.wav
# libsndfile has no command of its own here: a few lines of C call it.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/write.c" <<'END'
#include <sndfile.h>
#include <string.h>
static void wav(const char *path, int format, int channels, int frames, int info)
{
    SF_INFO i = {.samplerate = 8000, .channels = channels, .format = format};
    SNDFILE *file = sf_open(path, SFM_WRITE, &i);
    short samples[200];
    for (int k = 0; k < 200; k++)
        samples[k] = (short)(k * 100);
    if (info) {
        sf_set_string(file, SF_STR_TITLE, "Tone");
        sf_set_string(file, SF_STR_ARTIST, "Sine");
    }
    sf_writef_short(file, samples, frames);
    sf_close(file);
}
int main(void)
{
    wav("sndfile_pcm16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 40, 0);
    wav("sndfile_float_peak.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 50, 0);
    wav("sndfile_rf64.wav", SF_FORMAT_RF64 | SF_FORMAT_PCM_16, 1, 50, 0);
    wav("sndfile_info_list.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 31, 1);
    wav("sndfile_wavex_odd.wav", SF_FORMAT_WAVEX | SF_FORMAT_PCM_24, 1, 31, 0);
    return 0;
}
END
cc "$work/write.c" -o "$work/write" $(pkg-config --cflags --libs sndfile)
"$work/write"
