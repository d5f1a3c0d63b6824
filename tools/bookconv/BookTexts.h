#pragma once

// The book's own words, in UTF-8: its header values, its preface, the word
// and the page letter of the chapter headings, and its closing.
namespace BookTexts {

inline constexpr const char* kBook = "Kalimor المترادفات 1.00";
inline constexpr const char* kAuthor = "Mohamed Kebdani, Taha Zerrouki";
inline constexpr const char* kExever = "08";
inline constexpr const char* kTyping[] = {
    " Arabic thesaurus th_ar_EG_v2.dat of the Debian package mythes-ar (UTF-8), converted by kalimor-bookconv.",
    "Transcribed by machine to Windows-1256 through iconv: one entry line per headword, in Arabic alphabetical "
    "order; a qualifier after a headword opens its entry's text; senses are separated by the Arabic semicolon, "
    "synonyms by the Arabic comma.",
    "The source's U+FEFF characters, which Windows-1256 cannot hold, are left out; its words are kept as they are.",
};

inline constexpr const char* kPrefaceHeading = "المقدمة";

// Each paragraph becomes an entry line of its own, its first word the headword.
inline constexpr const char* kPreface[] = {
    "هذا كتاب «كاليمور»، معجم عربي للمترادفات، يضم آلاف الكلمات من الأفعال والمصادر والأسماء، ويذكر لكل كلمة "
    "معانيها، ولكل معنى ما يرادفها فيه من الكلمات. وأصله المكنز العربي الذي يوزَّع مع نظام دبيان في الحزمة "
    "mythes-ar، وقد نُقل منه نقلًا آليًّا إلى الترميز Windows-1256، ورُتبت كلماته على حروف الهجاء، ولم يُغيَّر "
    "شيء من ألفاظه.",

    "وللبحث عن كلمة اكتب حروفها الأولى في خانة البحث، فيعرض البرنامج كل كلمة من كلمات المداخل تبدأ بهذه الحروف، "
    "أما المرادفات فلا يُبحث فيها. فإذا لم يبدأ بها إلا مدخل واحد ظهر نص ذلك المدخل كاملًا في الحال. وإذا ظهرت "
    "قائمة من الكلمات فانقر الكلمة التي تريدها ليظهر مدخلها.",

    "ويقارن البرنامج ما تكتبه بكلمات المداخل حرفًا بحرف، فالألف المهموزة عنده غير الألف المجردة، والتاء المربوطة "
    "غير الهاء، والألف المقصورة غير الياء. وكلمات المداخل مكتوبة بلا حركات إلا الشدة، فإذا كان في الكلمة حرف "
    "مشدد فاكتب الشدة بعده.",

    "ويبدأ كل مدخل بكلمته، وقد يليها قيد يحدد المراد بها، يُكتب في الغالب بين قوسين أو بين شرطتين. ثم تأتي "
    "معانيها، ولكل معنى نوع الكلمة فيه بين قوسين: فعل أو مصدر أو اسم، ثم مرادفاتها، وبين كل مرادف والذي يليه "
    "فاصلة، وبين كل معنى والذي يليه فاصلة منقوطة. وقد تتكرر الكلمة في أكثر من مدخل إذا اختلفت قيودها، ولا يُظهر "
    "النقر على الكلمة المكررة إلا أول مداخلها، وهو المدخل الذي لا قيد فيه إن وُجد.",

    "ورتبت المداخل على حروف الهجاء في ثمانية وعشرين بابًا، لكل حرف باب، ويضم باب الألف كل كلمة أولها ألف بأي "
    "صورة كانت أو همزة مفردة. ولا يُعتد في الترتيب بالحركات ولا بالشدة ولا بالتطويل، وتُعد فيه الهمزة المفردة "
    "وصور الألف كلها ألفًا، والهمزة على الواو واوًا، والهمزة على الياء والألف المقصورة ياءً، والتاء المربوطة تاءً.",

    "حقوق النسخ: المكنز العربي الذي أُخذ منه هذا الكتاب حقوق نسخه محفوظة لمحمد كبداني (Mohamed Kebdani) من سنة "
    "2006 إلى سنة 2008، ولطه زروقي (Taha Zerrouki) من سنة 2006 إلى سنة 2009، ويجوز توزيعه بأي رخصة من ثلاث: "
    "رخصة جنو العمومية في إصدارها الثاني أو أي إصدار لاحق (GPL-2+)، أو رخصة جنو العمومية الصغرى في إصدارها 2.1 "
    "أو أي إصدار لاحق (LGPL-2.1+)، أو رخصة موزيلا العمومية في إصدارها 1.1 (MPL-1.1).",

    "ونحن نوزع هذا الكتاب بالرخصة الأولى منها: رخصة جنو العمومية (GNU General Public License) في إصدارها الثاني، "
    "أو في أي إصدار لاحق تختاره. ويوزَّع هذا الكتاب على أمل أن يكون نافعًا، ولكن دون أي ضمان، ولا حتى الضمان "
    "الضمني لصلاحيته للتسويق أو لملاءمته لغرض بعينه. ونص الرخصة الكامل موجود على أنظمة دبيان في الملف "
    "/usr/share/common-licenses/GPL-2، وعلى الموقع https://www.gnu.org/licenses/old-licenses/gpl-2.0.html",
};

inline constexpr const char* kChapterWord = "باب";
inline constexpr const char* kPageLetter = "ص";
inline constexpr const char* kClosingHeading = "تم الكتاب";

}  // namespace BookTexts
