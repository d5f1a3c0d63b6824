#pragma once

#include "LexiconFiles.h"
#include "Morphology.h"
#include "ToolFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The lexicon that the book is made from, read from its committed files
// (KALIMOR_LEXICON_DIR): its stems and its morphology.
struct BookLexiconFiles {
    static std::string Read(const std::string& name)
    {
        bookformat::FileContent file = bookformat::ReadRegularFile(KALIMOR_LEXICON_DIR "/" + name, 1 << 24);
        EXPECT_TRUE(file.ok) << file.error;
        return file.bytes;
    }

    lexicon::StemFile stems = lexicon::ReadStems(Read("dictstems"));
    std::vector<lexicon::Problem> problems;  // of the affixes and tables
    lexicon::Morphology morphology{lexicon::ReadAffixes(Read("dictprefixes"), problems),
                                   lexicon::ReadAffixes(Read("dictsuffixes"), problems),
                                   lexicon::ReadTable(Read("tableab"), problems),
                                   lexicon::ReadTable(Read("tableac"), problems),
                                   lexicon::ReadTable(Read("tablebc"), problems)};
};
