#pragma once

#include <string>

// Windows-1256 bytes of the Arabic repertoire that the synthetic book uses.
namespace arabic1256 {

// The 28 letters in alphabetical order, which is the order of the letter chapters.
inline const std::string kAlphabet =
    "\xC7\xC8\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4\xD5"
    "\xD6\xD8\xD9\xDA\xDB\xDD\xDE\xDF\xE1\xE3\xE4\xE5\xE6\xED";

// Alef forms that open headwords of the alef chapter besides the bare alef.
inline const std::string kAlefForms = "\xC3\xC7\xC2\xC5";
// Hamza and its carriers, teh marbuta and alef maksura: letters that occur inside words.
inline const std::string kOtherLetters = "\xC1\xC3\xC4\xC5\xC6\xC9\xEC";
// The eight vowel and gemination marks; each follows its letter.
inline const std::string kMarks = "\xF0\xF1\xF2\xF3\xF5\xF6\xF8\xFA";

inline constexpr char kComma = '\xA1';
inline constexpr char kQuestionMark = '\xBF';
inline constexpr char kTatweel = '\xDC';
inline constexpr char kSad = '\xD5';  // short for "page" in page references

inline const std::string kChapterWord = "\xC8\xC7\xC8";                  // chapter
inline const std::string kLetterWord = "\xCD\xD1\xDD";                   // letter
inline const std::string kIn = "\xDD\xED";                               // in
inline const std::string kAndIn = "\xE6\xDD\xED";                        // and in
inline const std::string kPreface = "\xE3\xDE\xCF\xE3\xC9 \xC7\xE1\xE3\xC4\xE1\xDD";  // the author's preface
inline const std::string kClosing = "\xCE\xC7\xCA\xE3\xC9 \xC7\xE1\xDF\xCA\xC7\xC8";  // the book's close
inline const std::string kOpening = "\xC8\xD3\xE3 \xC7\xE1\xE1\xE5";                // the opening formula

}  // namespace arabic1256
