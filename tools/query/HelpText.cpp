#include "BookFormat.h"
#include "CheckReport.h"
#include "BookReader.h"
#include "CommandLine.h"

std::string HelpText()
{
    return R"(Usage:
  kalimor-query [--book FILE] check
  kalimor-query [--book FILE] [--raw] prefix TEXT
  kalimor-query [--book FILE] [--raw] exact WORD
  kalimor-query [--book FILE] read
  kalimor-query --help

Looks words up in the Kalimor dictionary from a terminal, with the same two
lookups as the program's search window, and checks a book's text.

Modes:
  check        Check the book: its line structure (header, chapter, entry,
               continuation and end lines, CR LF line ends) and the rules the
               lookups rest on. Prints each broken rule on a line of its own,
               with its line number, as it is found: at most )" + std::to_string(kShownPerRule) + R"( for each
               rule, then how many more. Then the book's figures.
  prefix TEXT  What the search box shows for TEXT: every headword that begins
               with TEXT, in book order; or, when the headword of exactly one
               entry begins with it, that entry's line. An empty TEXT lists
               every headword.
  exact WORD   What a click on a listed headword shows: the line of the first
               entry whose headword is WORD, or nothing.
  read         Reads UTF-8 text on standard input, of any length, and prints
               for each Arabic or Latin word, as the text is read, the word on
               a line, then what the book answers for it, each entry on a
               line as exact prints it: the word's entry when the word,
               without vowel marks and tatweel (a Latin word in small
               letters), is a headword; otherwise the entry of the word
               without its proclitics (و ف ب ك ل, the article "ال" and their
               chains: "وال", "بال", "لل", "ولل" and so on), the longest taken
               off first; and where that entry only refers to other
               headwords, their entries after it. Otherwise one line, "not in
               the book". A word of more than )" + std::to_string(BookReader::kLongestWord) + R"( bytes in Windows-1256,
               or with a character that it lacks, is not in the book.

  The word after the mode is TEXT or WORD even when it begins with "-".
  Matching compares letters exactly: vowel marks, hamza and alef forms count.

Options (before the mode):
  --book FILE  Use FILE instead of the book built into this program: a
               regular file of at most )" + std::to_string(bookformat::kLargestBook) + R"( bytes. As in the program,
               a NUL byte ends the text; check reports it.
  --raw        TEXT or WORD is taken byte for byte as Windows-1256, and the
               result's bytes are written unchanged. Without --raw, TEXT and
               WORD are UTF-8 and the result is written as UTF-8.
  --help, -h   Show this help.

Output of prefix and exact: a first line "entry" when the result is one
entry's line, else "list"; then the result as the window would show it:
headwords each ending with CR LF, or the entry's line from the space after
its "@" up to its CR. The output of an entry thus ends with that CR and no
line feed, exactly as the window gets it.

Exit status:
  0  done (also when nothing matched, or check found no broken rule)
  1  check found a broken rule
  2  usage error; a book that cannot be read, is no regular file or is too
     large; TEXT that is not valid UTF-8 or has a character that Windows-1256
     lacks or that would convert only approximately; out of memory; for
     read, standard input that is not valid UTF-8: one line on standard
     error gives the offset of the first byte that is not, and no word
     that it breaks is printed

Examples:
  kalimor-query prefix كت
  kalimor-query exact كتب
  kalimor-query --book mybook.txt check
  echo "والكتاب على الطاولة" | kalimor-query read
)";
}
