#!/usr/bin/env bash
# Designs the example projects again with the command-line tool. Each design must meet its
# specification (the tool exits 1 when it does not), and the files are replaced only when all
# of them were designed, so a failed run leaves the examples as they were.
#
#   bash resources/examples/make-examples.sh [--cli PATH] [--out DIR]
#
# The tool defaults to build/tapwright-cli, the output directory to this folder.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="$here/../../build/tapwright-cli"
out="$here"

while (($# > 0)); do
    case "$1" in
        --cli) cli="$2"; shift 2 ;;
        --out) out="$2"; shift 2 ;;
        *) echo "usage: $0 [--cli PATH] [--out DIR]" >&2; exit 2 ;;
    esac
done
if [[ ! -x "$cli" ]]; then
    echo "$cli is not built: run scripts/build.sh first, or name the tool with --cli." >&2
    exit 2
fi

# The designs go to a folder beside the output first, so that moving them is a rename.
mkdir -p "$out"
staging="$(mktemp -d "$out/.designing.XXXXXX")"
trap 'rm -rf "$staging"' EXIT

design() {
    local name="$1"
    shift
    echo "designing $name"
    "$cli" design "$@" --project "$staging/$name" >"$staging/$name.log"
}

# A lowpass for a 48 kHz audio path: flat to 10 kHz within 0.5 dB, 60 dB down from 12 kHz.
# Optimize finds the shortest filter that meets it.
design lowpass.tws --lowpass --fs 48 --units kHz --edge1 10 --edge2 12 \
    --ripple 0.5 --atten 60 --optimize --yes

# A bandpass around 8 kHz: a 4 kHz wide passband (6 to 10 kHz) within 1 dB, 50 dB down
# outside 8 kHz around the centre (below 4 kHz and above 12 kHz).
design bandpass.tws --bandpass --fs 48 --units kHz --center 8 --edge1 4 --edge2 8 \
    --ripple 1 --atten 50 --optimize --yes

# Two passbands with different ripple and two stopbands with different attenuation; the
# band table cannot be estimated, so the search starts from 61 taps.
design multiband.twa --fs 48 --units kHz --taps 61 \
    --band 0,3,pass,0.5 --band 4,8,stop,60 --band 9,13,pass,1 --band 14,24,stop,50 \
    --optimize --yes

# A differentiator from 1 to 8 kHz (gain 2*pi*f/Fs, the derivative per sample) that rejects
# everything above 10 kHz by 40 dB. Its passband is judged relative to the slope: the ripple
# is the spread of |H(f)| / (slope * f), here within 1 dB; 55 taps meet both bands.
design differentiator.twa --response differentiator --fs 48 --units kHz --taps 55 \
    --band 1,8,6.283185307179586,1 --band 10,24,stop,40

# A Hilbert transformer (a 90 degree phase shifter) for 1.5 to 22.5 kHz within 0.2 dB.
design hilbert.twa --response hilbert --fs 48 --units kHz --taps 39 --band 1.5,22.5,1,0.2

for project in "$staging"/*.tws "$staging"/*.twa; do
    mv -f "$project" "$out/"
done
echo "the examples are in $out"
