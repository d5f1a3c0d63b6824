#pragma once

#include <string_view>

// Whether an English gloss is only the Arabic word spelled in Latin letters,
// as the glossary gives names and borrowed words ("نوتينغهام" Nottingham):
// both reduce to the same run of consonant sounds. The word is in
// Windows-1256; a gloss of other than Latin letters, or of fewer consonant
// sounds than fewestSounds, never matches: the fewer the sounds, the likelier
// a chance match.
bool SpellsOut(std::string_view arabicWord, std::string_view gloss, std::size_t fewestSounds);
