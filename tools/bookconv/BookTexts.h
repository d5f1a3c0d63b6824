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

// The parts of speech of the lexicon's lemmas, in the order of lexicon::PartOfSpeech.
inline constexpr const char* kPartsOfSpeech[] = {
    "فعل", "اسم", "صفة", "علم", "ظرف", "حرف جر", "حرف عطف", "ضمير",
    "اسم إشارة", "اسم موصول", "أداة استفهام", "أداة نفي", "تعجب", "اختصار", "أداة",
};
// Before a noun's broken plurals: short for "جمع".
inline constexpr const char* kPluralWord = "ج";
// A key that is another lemma's plural or imperfect names it at its end after these.
inline constexpr const char* kPluralOf = "جمع";
inline constexpr const char* kImperfectOf = "مضارع";

inline constexpr const char* kBook = "Kalimor الجامع 4.00";
inline constexpr const char* kAuthor =
    "Tim Buckwalter, QAMUS LLC; Mohamed Kebdani, Taha Zerrouki; Arabeyes.org, FreeDict contributors";
inline constexpr const char* kExever = "08";
inline constexpr const char* kTyping[] = {
    " The lexicon of Buckwalter's Arabic Morphological Analyzer 1.0 (LDC2002L49, Buckwalter transliteration), "
    "Arabic thesaurus th_ar_EG_v2.dat of the Debian package mythes-ar (UTF-8), Arabic-English glossary "
    "freedict-ara-eng of the Debian package dict-freedict-ara-eng and English-Arabic dictionary freedict-eng-ara of "
    "the Debian package dict-freedict-eng-ara (dictd, UTF-8), merged by kalimor-bookconv; words chosen and ordered "
    "by the OpenSubtitles 2018 frequency list of Arabic word forms and the word lists of the Debian packages "
    "wamerican-small, wamerican and wamerican-large, none of whose text is in the book.",
    "One entry line per key, a lemma's citation form or the first word of a source headword without vowel marks, in "
    "Arabic alphabetical order: the lexicon's lemmas of the key, the more frequent first, each its citation form "
    "with vowels, in brackets its parts of speech, a verb's imperfect and a noun's broken plurals after \"ج\", then "
    "a colon and its English glosses; then thesaurus senses (separated by the Arabic semicolon, synonyms by the "
    "Arabic comma), then the glossary's English glosses (separated by semicolons, those that the English-Arabic "
    "dictionary confirms first), then phrases; a block whose source form differs from the key opens with that form "
    "and a colon; blocks are separated by a vertical bar; \"انظر:\" names the keys that a spelling typed with a bare "
    "alef, a final heh or a final yeh, or a glossary key that misspells a lemma's alefs, stands for; a key that is "
    "another lemma's broken plural or imperfect names it at its end after \"جمع\" or \"مضارع\". A word form of the "
    "frequency list, a lemma's plural or imperfect, or a spelling typed for one of those, that is no key gets an entry "
    "line that names after \"انظر:\" the keys that the morphological analyser cuts it into, each with its lemma's "
    "vowels and in brackets the lexicon's glosses of prefix, stem and suffix joined by \"+\". Then one entry "
    "line per English headword in small letters, in Latin alphabetical order: the lemmas that it is a whole gloss "
    "of, with vowels and part of speech, its Arabic translations (separated by the Arabic semicolon), then the Arabic "
    "keys glossed by exactly that word (separated by the Arabic comma), then the inflected forms filed under it and "
    "phrases, each opened by its form and a colon; a common inflected form without translations names its base "
    "after \"انظر:\".",
    "Transcribed by machine to Windows-1256: the lexicon from its transliteration (the alef wasla written as a bare "
    "alef, the dagger alef left out), the others through iconv. The converter's report counts every change: lam-alef "
    "ligatures written as two letters, Arabic-Indic digits written as ASCII digits, U+FEFF, direction marks and "
    "quoting backslashes removed, no-break spaces written as spaces. The pronunciations of both dictd sources are "
    "left out, as are the glossary's words and glosses that only spell the word in Latin letters, its phrases whose "
    "first word is no word of any source, and the words that a reader meets least where typing one letter would "
    "list more than 6000 headwords or 45000 bytes.",
};

inline constexpr const char* kPrefaceHeading = "المقدمة";

// Each paragraph becomes an entry line of its own, its first word the
// headword: a heading with a colon, which no key of the dictionary can equal.
inline constexpr const char* kPreface[] = {
    "كاليمور: هذا كتاب «كاليمور»، معجم عربي إنجليزي يجمع في مداخله أربعة كتب: المعجم الصرفي لبكوالتر، والمكنز "
    "العربي للمترادفات، ومعجمًا عربيًّا إنجليزيًّا، ومعجمًا إنجليزيًّا عربيًّا. لكل كلمة عربية مدخل واحد، فيه "
    "الكلمة بحركاتها ونوعها وجمعها أو مضارعها ومعانيها بالإنجليزية من المعجم الصرفي أولًا، ثم مرادفاتها من المكنز، "
    "ثم ما يقابلها بالإنجليزية من المعجم العربي الإنجليزي، ولكل كلمة إنجليزية مدخل واحد فيه ما يقابلها بالعربية. "
    "وقد نُقلت الكتب نقلًا آليًّا إلى الترميز Windows-1256، ورُتبت المداخل على حروف الهجاء.",

    "البحث: اكتب الحروف الأولى من الكلمة في خانة البحث بلا حركات ولا شدة، وبلا «ال» التعريف في الغالب، فيعرض "
    "البرنامج كل كلمة مدخل تبدأ بهذه الحروف. فإذا لم يبدأ بها إلا مدخل واحد ظهر نصه كاملًا في الحال، وإذا ظهرت "
    "قائمة فانقر الكلمة التي تريدها ليظهر مدخلها. والكلمات الشائعة في النصوص تُكتب كما هي، بسوابقها ولواحقها "
    "(تريد، مدارس، جديدة، عليه، بالمدرسة)، فتجد مدخلًا يحيلك بكلمة «انظر» إلى الكلمة التي هي صيغة منها، بحركاتها، "
    "مع تحليلها: معنى السابقة والجذع واللاحقة بالإنجليزية، كما في المعجم الصرفي. وإذا لم تجد كلمة فاحذف منها "
    "الواو أو الفاء أو الباء أو الكاف أو اللام أو «ال» التعريف في أولها. وإذا كتبت الهمزة ألفًا مجردة، أو التاء المربوطة في آخر الكلمة هاءً، أو الألف المقصورة ياءً، وجدت مدخلًا "
    "يحيلك بكلمة «انظر» إلى الكلمة بإملائها في الكتاب. ويمكنك أيضًا أن تكتب كلمة إنجليزية بحروف لاتينية صغيرة، "
    "فتجد ما يقابلها بالعربية.",

    "المداخل: يبدأ كل مدخل بكلمته مجردة من الحركات، ثم كتلها، وبين كل كتلة والتي تليها خط عمودي (|). فأولها "
    "كلمات المعجم الصرفي التي تُكتب هكذا، الأكثر ورودًا أولًا، لكل منها كتلة فيها الكلمة بحركاتها، وبين قوسين "
    "نوعها (فعل أو اسم أو صفة أو علم أو غير ذلك)، ومضارع الفعل، وجمع التكسير للاسم بعد «ج»، ثم نقطتان ومعانيها "
    "بالإنجليزية. وإذا اختلفت صورة الكلمة في مصدر آخر عن كلمة المدخل، بحركاتها أو بأداة التعريف أو بقيد أو "
    "بكلمات بعدها، بدأت كتلتها بتلك الصورة ثم نقطتين. وفي كتلة المكنز نوع الكلمة بين قوسين ثم مرادفاتها، وبين "
    "المعاني فاصلة منقوطة. وفي كتلة المعجم العربي الإنجليزي معانيها الإنجليزية، وأولها ما يؤكده المعجم "
    "الإنجليزي العربي. والعبارات التي أولها كلمة المدخل تأتي بعد ذلك ما دام المدخل دون 4096 حرفًا، ولا يتكرر في "
    "المدخل معنى ولا مرادف. وإذا كانت كلمة المدخل جمعًا لكلمة أخرى أو مضارعًا لها، ذُكرت تلك الكلمة في آخره بعد "
    "«جمع» أو «مضارع». وفي مدخل الكلمة الإنجليزية كلمات المعجم الصرفي التي معناها هذه الكلمة، بحركاتها "
    "ونوعها، ثم ما يقابلها بالعربية وبينها فاصلة منقوطة، ثم كلمات الكتاب العربية التي معناها بالإنجليزية هذه "
    "الكلمة نفسها وبينها فاصلة، ولا يتكرر فيه شيء. وقد تأتي الصيغة المصرفة (كالجمع والماضي وما ينتهي بـ ing) في "
    "مدخل أصلها، مسبوقة بصورتها ونقطتين، وكذلك العبارات، أو في مدخل يحيل إلى أصلها بكلمة «انظر».",

    "الترتيب: رُتبت المداخل على حروف الهجاء في ثمانية وعشرين بابًا، لكل حرف باب، ويضم باب الألف كل كلمة أولها "
    "ألف بأي صورة كانت أو همزة مفردة. وتُعد في الترتيب صور الألف كلها ألفًا، والهمزة على الواو واوًا، والهمزة على "
    "الياء والألف المقصورة ياءً، والتاء المربوطة تاءً. ثم تأتي الكلمات الإنجليزية في ستة وعشرين بابًا، لكل حرف "
    "لاتيني باب.",

    "الاختيار: تعرض القائمة عند كتابة الحرف الأول كل كلمة تبدأ به، فلا تزيد على 6000 كلمة ولا على 45000 حرف كي "
    "يبقى عرضها سريعًا. فإذا زادت كلمات حرف على ذلك بقي منها ما يلقاه القارئ أكثر: الكلمات العربية بحسب ورود "
    "صورها في قائمة تكرار الكلمات لترجمات الأفلام العربية (OpenSubtitles 2018، من مشروع FrequencyWords، برخصة "
    "المشاع الإبداعي CC-BY-SA 4.0)، ثم بشيوع معناها بالإنجليزية، والكلمات الإنجليزية بحسب قوائم الكلمات "
    "الإنجليزية من حزم دبيان wamerican-small و wamerican و wamerican-large. وهذه القوائم ترتب الكلمات وتختارها "
    "فحسب، ولا يدخل الكتاب شيء من نصها.",

    "الصرف: المعجم الصرفي (Buckwalter Arabic Morphological Analyzer، الإصدار 1.0، رقمه في فهرس اتحاد البيانات "
    "اللغوية LDC2002L49) حقوق نسخه محفوظة لشركة QAMUS LLC ولأمناء جامعة بنسلفانيا منذ سنة 2002، ويوزَّع برخصة "
    "جنو العمومية في إصدارها الثاني (GPL-2). ومنه أخذت الكلمات بحركاتها وأنواعها وجموعها ومضارعها ومعانيها "
    "الإنجليزية، وبسوابقه ولواحقه وجداول توافقها حُللت صيغ الكلمات كما ترد في النصوص، وكُتبت ألف الوصل فيه ألفًا "
    "مجردة، وحُذفت الألف الخنجرية لأن الترميز Windows-1256 يخلو منهما.",

    "المكنز: المكنز العربي (الملف th_ar_EG_v2.dat من حزمة دبيان mythes-ar) حقوق نسخه محفوظة لمحمد كبداني "
    "(Mohamed Kebdani) من سنة 2006 إلى سنة 2008، ولطه زروقي (Taha Zerrouki) من سنة 2006 إلى سنة 2009، ويجوز "
    "توزيعه بأي رخصة من ثلاث: رخصة جنو العمومية في إصدارها الثاني أو أي إصدار لاحق (GPL-2+)، أو رخصة جنو "
    "العمومية الصغرى في إصدارها 2.1 أو أي إصدار لاحق (LGPL-2.1+)، أو رخصة موزيلا العمومية في إصدارها 1.1 "
    "(MPL-1.1).",

    "المعجم: المعجم العربي الإنجليزي (Arabic-English FreeDict Dictionary، الإصدار 0.6.3، من حزمة دبيان "
    "dict-freedict-ara-eng) أصله قائمة الكلمات لمشروع عربآيز (Arabeyes.org)، ونشره مشروع FreeDict، وحقوق نسخه "
    "محفوظة لمساهمي FreeDict من سنة 2000 إلى سنة 2022، ويوزَّع برخصة جنو العمومية في إصدارها الثاني أو أي "
    "إصدار لاحق (GPL-2+). وقد تُرك منه نطق الكلمات، والكلمات والمعاني التي ليست إلا كتابة الكلمة بالحروف "
    "اللاتينية كأسماء الأعلام، والعبارات التي ليست كلمتها الأولى مدخلًا في أحد الكتب. وإذا كتب كلمةً بهمزة "
    "على ألف لا همزة عليها في المعجم الصرفي، أو بلا همزة حيث فيه همزة، أحال مدخلُها إلى الكلمة بإملائها فيه، "
    "ولم يبق فيه من معانيها إلا ما ليس في مدخلها.",

    "الإنجليزي: المعجم الإنجليزي العربي (English-Arabic FreeDict Dictionary، الإصدار 0.6.3، من حزمة دبيان "
    "dict-freedict-eng-ara) أصله أيضًا قائمة الكلمات لمشروع عربآيز (Arabeyes.org)، ونشره مشروع FreeDict، وحقوق "
    "نسخه محفوظة لمساهمي FreeDict من سنة 2000 إلى سنة 2022، ويوزَّع برخصة جنو العمومية في إصدارها الثاني أو أي "
    "إصدار لاحق (GPL-2+). وقد تُرك منه نطق الكلمات، وتُركت كلمات نادرة منه حيث تطول قائمة الحرف الأول فوق 6000 "
    "كلمة أو 45000 حرف.",

    "الرخصة: لأن المعجم الصرفي يوزَّع برخصة جنو العمومية في إصدارها الثاني وحده، نوزع هذا الكتاب برخصة جنو "
    "العمومية (GNU General Public License) في إصدارها الثاني (GPL-2). ويوزَّع على أمل أن يكون نافعًا، ولكن دون "
    "أي ضمان، ولا حتى الضمان الضمني لصلاحيته للتسويق أو لملاءمته لغرض بعينه. ونص الرخصة الكامل موجود على أنظمة "
    "دبيان في الملف /usr/share/common-licenses/GPL-2، وعلى الموقع "
    "https://www.gnu.org/licenses/old-licenses/gpl-2.0.html",
};

inline constexpr const char* kChapterWord = "باب";
inline constexpr const char* kLatinLetterWord = "الحرف";
inline constexpr const char* kPageLetter = "ص";
inline constexpr const char* kClosingHeading = "تم الكتاب";

}  // namespace BookTexts
