#pragma once

// The book's own words, in UTF-8: its header values, its preface, the word
// and the page letter of the chapter headings, its closing, and the
// separators and words that join the sources' texts in an entry.
namespace BookTexts {

inline constexpr const char* kBlockSeparator = " | ";
inline constexpr const char* kGlossSeparator = "; ";
inline constexpr const char* kSenseSeparator = " ؛ ";
inline constexpr const char* kNameSeparator = "، ";
inline constexpr const char* kSeeAlso = "انظر: ";

inline constexpr const char* kBook = "Kalimor الجامع 3.00";
inline constexpr const char* kAuthor = "Mohamed Kebdani, Taha Zerrouki; Arabeyes.org, FreeDict contributors";
inline constexpr const char* kExever = "08";
inline constexpr const char* kTyping[] = {
    " Arabic thesaurus th_ar_EG_v2.dat of the Debian package mythes-ar (UTF-8), Arabic-English glossary "
    "freedict-ara-eng of the Debian package dict-freedict-ara-eng and English-Arabic dictionary freedict-eng-ara of "
    "the Debian package dict-freedict-eng-ara (dictd, UTF-8), merged by kalimor-bookconv; English words chosen with "
    "the word list of the Debian package wamerican.",
    "One entry line per key, the first word of a source headword without vowel marks, in Arabic alphabetical order: "
    "thesaurus senses (separated by the Arabic semicolon, synonyms by the Arabic comma), then English glosses "
    "(separated by semicolons), then phrases; a block whose source form differs from the key opens with that form "
    "and a colon; blocks are separated by a vertical bar; \"انظر:\" names the keys that a spelling typed with a bare "
    "alef, a final heh or a final yeh stands for. Then one entry line per English headword in small letters, in "
    "Latin alphabetical order: its Arabic translations (separated by the Arabic semicolon), then the Arabic keys "
    "glossed by exactly that word (separated by the Arabic comma), then the inflected forms filed under it and "
    "phrases, each opened by its form and a colon.",
    "Transcribed by machine to Windows-1256 through iconv. The converter's report counts every change: lam-alef "
    "ligatures written as two letters, Arabic-Indic digits written as ASCII digits, U+FEFF, direction marks and "
    "quoting backslashes removed, no-break spaces written as spaces. The pronunciations of both dictd sources are "
    "left out, as are the glossary's words glossed only by their own Latin spelling, its phrases whose first word is "
    "no word of either source, and the rarer English words where typing one letter would list more than 6000 "
    "headwords or 45000 bytes.",
};

inline constexpr const char* kPrefaceHeading = "المقدمة";

// Each paragraph becomes an entry line of its own, its first word the
// headword: a heading with a colon, which no key of the dictionary can equal.
inline constexpr const char* kPreface[] = {
    "كاليمور: هذا كتاب «كاليمور»، معجم عربي يجمع في مداخله ثلاثة كتب: المكنز العربي للمترادفات، ومعجمًا عربيًّا "
    "إنجليزيًّا، ومعجمًا إنجليزيًّا عربيًّا. لكل كلمة عربية مدخل واحد، فيه معانيها ومرادفاتها من المكنز أولًا، ثم "
    "ما يقابلها بالإنجليزية من المعجم، ولكل كلمة إنجليزية مدخل واحد فيه ما يقابلها بالعربية. وقد نُقلت الكتب من "
    "حزم دبيان mythes-ar و dict-freedict-ara-eng و dict-freedict-eng-ara نقلًا آليًّا إلى الترميز Windows-1256، "
    "ورُتبت المداخل على حروف الهجاء.",

    "البحث: اكتب الحروف الأولى من الكلمة في خانة البحث بلا حركات ولا شدة، وبلا «ال» التعريف في الغالب، فيعرض "
    "البرنامج كل كلمة مدخل تبدأ بهذه الحروف. فإذا لم يبدأ بها إلا مدخل واحد ظهر نصه كاملًا في الحال، وإذا ظهرت "
    "قائمة فانقر الكلمة التي تريدها ليظهر مدخلها. وإذا كتبت الهمزة ألفًا مجردة، أو التاء المربوطة في آخر الكلمة "
    "هاءً، أو الألف المقصورة ياءً، وجدت مدخلًا يحيلك بكلمة «انظر» إلى الكلمة بإملائها في الكتاب. ويمكنك أيضًا أن "
    "تكتب كلمة إنجليزية بحروف لاتينية صغيرة، فتجد ما يقابلها بالعربية.",

    "المداخل: يبدأ كل مدخل بكلمته مجردة من الحركات، ثم كتلها، وبين كل كتلة والتي تليها خط عمودي (|). وإذا "
    "اختلفت صورة الكلمة في مصدرها عن كلمة المدخل، بحركاتها أو بأداة التعريف أو بقيد أو بكلمات بعدها، بدأت كتلتها "
    "بتلك الصورة ثم نقطتين. وفي كتلة المكنز نوع الكلمة بين قوسين ثم مرادفاتها، وبين المعاني فاصلة منقوطة. وفي "
    "كتلة المعجم معانيها الإنجليزية. والعبارات التي أولها كلمة المدخل تأتي بعد ذلك ما دام المدخل دون 4096 حرفًا، "
    "ولا يتكرر في المدخل معنى ولا مرادف. وفي مدخل الكلمة الإنجليزية ما يقابلها بالعربية وبينها فاصلة منقوطة، ثم "
    "كلمات الكتاب العربية التي معناها بالإنجليزية هذه الكلمة نفسها وبينها فاصلة، ولا يتكرر فيه شيء. وقد تأتي "
    "الصيغة المصرفة (كالجمع والماضي وما ينتهي بـ ing) في مدخل أصلها، مسبوقة بصورتها ونقطتين، وكذلك العبارات.",

    "الترتيب: رُتبت المداخل على حروف الهجاء في ثمانية وعشرين بابًا، لكل حرف باب، ويضم باب الألف كل كلمة أولها "
    "ألف بأي صورة كانت أو همزة مفردة. وتُعد في الترتيب صور الألف كلها ألفًا، والهمزة على الواو واوًا، والهمزة على "
    "الياء والألف المقصورة ياءً، والتاء المربوطة تاءً. ثم تأتي الكلمات الإنجليزية في ستة وعشرين بابًا، لكل حرف "
    "لاتيني باب.",

    "المكنز: المكنز العربي (الملف th_ar_EG_v2.dat من حزمة دبيان mythes-ar) حقوق نسخه محفوظة لمحمد كبداني "
    "(Mohamed Kebdani) من سنة 2006 إلى سنة 2008، ولطه زروقي (Taha Zerrouki) من سنة 2006 إلى سنة 2009، ويجوز "
    "توزيعه بأي رخصة من ثلاث: رخصة جنو العمومية في إصدارها الثاني أو أي إصدار لاحق (GPL-2+)، أو رخصة جنو "
    "العمومية الصغرى في إصدارها 2.1 أو أي إصدار لاحق (LGPL-2.1+)، أو رخصة موزيلا العمومية في إصدارها 1.1 "
    "(MPL-1.1).",

    "المعجم: المعجم العربي الإنجليزي (Arabic-English FreeDict Dictionary، الإصدار 0.6.3، من حزمة دبيان "
    "dict-freedict-ara-eng) أصله قائمة الكلمات لمشروع عربآيز (Arabeyes.org)، ونشره مشروع FreeDict، وحقوق نسخه "
    "محفوظة لمساهمي FreeDict من سنة 2000 إلى سنة 2022، ويوزَّع برخصة جنو العمومية في إصدارها الثاني أو أي "
    "إصدار لاحق (GPL-2+). وقد تُرك منه نطق الكلمات، والكلمات التي لا يذكر لها إلا كتابتها بالحروف اللاتينية "
    "كأسماء الأعلام، والعبارات التي ليست كلمتها الأولى مدخلًا في أحد الكتابين.",

    "الإنجليزي: المعجم الإنجليزي العربي (English-Arabic FreeDict Dictionary، الإصدار 0.6.3، من حزمة دبيان "
    "dict-freedict-eng-ara) أصله أيضًا قائمة الكلمات لمشروع عربآيز (Arabeyes.org)، ونشره مشروع FreeDict، وحقوق "
    "نسخه محفوظة لمساهمي FreeDict من سنة 2000 إلى سنة 2022، ويوزَّع برخصة جنو العمومية في إصدارها الثاني أو أي "
    "إصدار لاحق (GPL-2+). وقد تُرك منه نطق الكلمات، وتُركت كلمات نادرة منه حيث تطول قائمة الحرف الأول فوق 6000 "
    "كلمة أو 45000 حرف، فيبطؤ عرضها، واختيرت الكلمات الشائعة بقائمة الكلمات الإنجليزية من حزمة دبيان wamerican "
    "وبمعاني كلمات الكتاب العربية.",

    "الرخصة: نوزع هذا الكتاب برخصة جنو العمومية (GNU General Public License) في إصدارها الثاني، أو في أي إصدار "
    "لاحق تختاره. ويوزَّع على أمل أن يكون نافعًا، ولكن دون أي ضمان، ولا حتى الضمان الضمني لصلاحيته للتسويق أو "
    "لملاءمته لغرض بعينه. ونص الرخصة الكامل موجود على أنظمة دبيان في الملف /usr/share/common-licenses/GPL-2، "
    "وعلى الموقع https://www.gnu.org/licenses/old-licenses/gpl-2.0.html",
};

inline constexpr const char* kChapterWord = "باب";
inline constexpr const char* kLatinLetterWord = "الحرف";
inline constexpr const char* kPageLetter = "ص";
inline constexpr const char* kClosingHeading = "تم الكتاب";

}  // namespace BookTexts
