#pragma once

#include "LexiconFiles.h"
#include "Morphology.h"

#include <string_view>
#include <vector>

// The prefixes, suffixes and tables of a small lexicon: enough for nouns
// alone, with "and", the article, a feminine ending or a pronoun, the perfect
// with its "-a", and the imperfect of "he" with "ya-" or "yu-", and of "she"
// and "you" with "tu-".
namespace small_lexicon {

inline constexpr const char* kPrefixes =
    "\t\tPref-0\t\n"
    "y\tya\tIVPref-hw-ya\the/it <pos>ya/IV3MS+</pos>\n"
    "y\tyu\tIVPref-hw-yu\the/it <pos>yu/IV3MS+</pos>\n"
    "y\tya\tIVPref-hm-ya\tthey <pos>ya/IV3MP+</pos>\n"
    "t\ttu\tIVPref-hy-tu\tit/they/she <pos>tu/IV3FS+</pos>\n"
    "t\ttu\tIVPref-Anta-tu\tyou [masc.sg.] <pos>tu/IV2MS+</pos>\n"
    "w\twa\tPref-Wa\tand <pos>wa/CONJ+</pos>\n"
    "Al\tAl\tNPref-Al\tthe <pos>Al/DET+</pos>\n"
    "wAl\twaAl\tNPref-Al\tand + the <pos>wa/CONJ+Al/DET+</pos>\n";
inline constexpr const char* kSuffixes =
    "\t\tSuff-0\t\n"
    "\ta\tPVSuff-a\the/it <verb> <pos>+a/PVSUFF_SUBJ:3MS</pos>\n"
    "p\tap\tNSuff-ap\t[fem.sg.] <pos>+ap/NSUFF_FEM_SG</pos>\n"
    "h\th\tNSuff-h\tits/his <pos>+hu/POSS_PRON_3MS</pos>\n";
inline constexpr const char* kPrefixStem =
    "Pref-0 N\nPref-0 Ndu\nPref-0 Ndip\nPref-0 Napdu\nPref-0 N0_Nh\nPref-0 NK\nPref-0 Nh\n"
    "Pref-0 PV\nPref-0 Nprop\nPref-0 FW\n"
    "IVPref-hw-ya IV\nIVPref-hw-yu IV_yu\nIVPref-hm-ya IV\nIVPref-hy-tu IV_yu\nIVPref-Anta-tu IV_yu\n"
    "Pref-Wa N\nNPref-Al N\nNPref-Al Ndu\nNPref-Al Napdu\n";
inline constexpr const char* kPrefixSuffix =
    "Pref-0 Suff-0\nPref-0 NSuff-ap\nPref-0 PVSuff-a\nPref-0 NSuff-h\n"
    "IVPref-hw-ya Suff-0\nIVPref-hw-yu Suff-0\nIVPref-hm-ya Suff-0\nIVPref-hy-tu Suff-0\nIVPref-Anta-tu Suff-0\n"
    "Pref-Wa Suff-0\nNPref-Al Suff-0\nNPref-Al NSuff-ap\n";
inline constexpr const char* kStemSuffix =
    "N Suff-0\nNdu Suff-0\nNdip Suff-0\nNapdu NSuff-ap\nN0_Nh Suff-0\nNK Suff-0\nNh NSuff-h\n"
    "PV PVSuff-a\nIV Suff-0\nIV_yu Suff-0\nNprop Suff-0\nFW Suff-0\n";

}  // namespace small_lexicon

inline lexicon::Morphology SmallMorphology()
{
    std::vector<lexicon::Problem> problems;
    return lexicon::Morphology(lexicon::ReadAffixes(small_lexicon::kPrefixes, problems),
                               lexicon::ReadAffixes(small_lexicon::kSuffixes, problems),
                               lexicon::ReadTable(small_lexicon::kPrefixStem, problems),
                               lexicon::ReadTable(small_lexicon::kPrefixSuffix, problems),
                               lexicon::ReadTable(small_lexicon::kStemSuffix, problems));
}

// The one lemma of a stems file of a ";; ID" line and the given stem lines.
inline lexicon::Lemma LemmaOf(std::string_view id, std::string_view stems)
{
    return lexicon::ReadStems(";; " + std::string(id) + "\n" + std::string(stems)).lemmas.at(0);
}
