#!/usr/bin/python3
"""Makes the face the About window's font is mapped to under Wine.

The About window's texts are sized for an Arabic face that is narrow next to
the Latin letters from which the dialog units are computed. No installed face
is: this one takes its Latin letters from a wide Latin face and its Arabic
from a narrow Arabic one. Wine's font linking cannot do it instead: it leaves
Latin words inside Arabic lines as boxes.

Its Latin letters are set a little apart, which widens the dialog units
alone: the texts' Arabic then fits at 144 dpi too, where the units, whole
pixels, come out smaller than a scaled copy of those of 96 dpi.

Mark-to-ligature lookups are left out: Wine's layout reads outside its
buffers when it applies one to the first glyph of a right-to-left run.

usage: dialog-font.py LATIN.ttf ARABIC.ttf OUTPUT.ttf FAMILY
"""
import logging
import os
import sys
import tempfile

from fontTools import merge
from fontTools.ttLib import TTFont

MARK_TO_LIGATURE = 5
LETTER_SPACING = 1.1
LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
# Tables the merger cannot combine, and hinting that would not fit the merged outlines.
DROPPED_TABLES = ("MATH", "kern", "hdmx", "VDMX", "LTSH", "FFTM", "gasp", "fpgm", "prep", "cvt ", "PfEd")


def without_dropped_tables(path, scratch, change=lambda font: None):
    font = TTFont(path)
    change(font)
    for tag in DROPPED_TABLES:
        if tag in font:
            del font[tag]
    font.save(scratch)
    return font


def space_letters(font):
    metrics = font["hmtx"].metrics
    cmap = font.getBestCmap()
    for letter in LETTERS:
        glyph = cmap[ord(letter)]
        advance, left = metrics[glyph]
        metrics[glyph] = (round(advance * LETTER_SPACING), left)


def drop_mark_to_ligature(font):
    table = font["GPOS"].table
    dropped = {i for i, lookup in enumerate(table.LookupList.Lookup) if lookup.LookupType == MARK_TO_LIGATURE}
    for record in table.FeatureList.FeatureRecord:
        kept = [i for i in record.Feature.LookupListIndex if i not in dropped]
        record.Feature.LookupListIndex = kept
        record.Feature.LookupCount = len(kept)


def main(latin_path, arabic_path, output, family):
    # The merger names the cmap subtables it leaves out; they are the old Mac ones.
    logging.getLogger("fontTools.merge").setLevel(logging.ERROR)
    with tempfile.TemporaryDirectory() as scratch:
        parts = [os.path.join(scratch, "latin.ttf"), os.path.join(scratch, "arabic.ttf")]
        latin = without_dropped_tables(latin_path, parts[0], space_letters)
        arabic = without_dropped_tables(arabic_path, parts[1])
        font = merge.Merger().merge(parts)
    drop_mark_to_ligature(font)
    # The line must hold the taller glyphs of either face.
    font["hhea"].ascent = max(latin["hhea"].ascent, arabic["hhea"].ascent)
    font["hhea"].descent = min(latin["hhea"].descent, arabic["hhea"].descent)
    font["OS/2"].usWinAscent = max(latin["OS/2"].usWinAscent, arabic["OS/2"].usWinAscent)
    font["OS/2"].usWinDescent = max(latin["OS/2"].usWinDescent, arabic["OS/2"].usWinDescent)
    for record in font["name"].names:
        if record.nameID in (1, 4, 16):
            record.string = family
        elif record.nameID == 6:
            record.string = family.replace(" ", "")
    font.save(output)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
