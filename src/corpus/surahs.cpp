#include "corpus/surahs.h"

#include <cstdint>

namespace tallyra {

namespace {

constexpr std::array<int, kSurahCount> kVerseCounts = {
    7,   286, 200, 176, 120, 165, 206, 75, 129, 109, 123, 111, 43, 52, 99, 128, 111, 110, 98,
    135, 112, 78,  118, 64,  77,  227, 93, 88,  69,  60,  34,  30, 73, 54, 45,  83,  182, 88,
    75,  85,  54,  53,  89,  59,  37,  35, 38,  29,  18,  45,  60, 49, 62, 55,  78,  96,  29,
    22,  24,  13,  14,  11,  11,  18,  12, 12,  30,  52,  52,  44, 28, 28, 20,  56,  40,  31,
    50,  40,  46,  42,  29,  19,  36,  25, 22,  17,  19,  26,  30, 20, 15, 21,  11,  8,   8,
    19,  5,   8,   8,   11,  11,  8,   3,  9,   5,   4,   7,   3,  6,  3,  5,   4,   5,   6,
};

const char16_t* const kNames[kSurahCount] = {
    u"الفاتحة",  u"البقرة",   u"آل عمران", u"النساء",   u"المائدة",  u"الأنعام",  u"الأعراف",
    u"الأنفال",  u"التوبة",   u"يونس",     u"هود",      u"يوسف",     u"الرعد",    u"إبراهيم",
    u"الحجر",    u"النحل",    u"الإسراء",  u"الكهف",    u"مريم",     u"طه",       u"الأنبياء",
    u"الحج",     u"المؤمنون", u"النور",    u"الفرقان",  u"الشعراء",  u"النمل",    u"القصص",
    u"العنكبوت", u"الروم",    u"لقمان",    u"السجدة",   u"الأحزاب",  u"سبإ",      u"فاطر",
    u"يس",       u"الصافات",  u"ص",        u"الزمر",    u"غافر",     u"فصلت",     u"الشورى",
    u"الزخرف",   u"الدخان",   u"الجاثية",  u"الأحقاف",  u"محمد",     u"الفتح",    u"الحجرات",
    u"ق",        u"الذاريات", u"الطور",    u"النجم",    u"القمر",    u"الرحمن",   u"الواقعة",
    u"الحديد",   u"المجادلة", u"الحشر",    u"الممتحنة", u"الصف",     u"الجمعة",   u"المنافقون",
    u"التغابن",  u"الطلاق",   u"التحريم",  u"الملك",    u"القلم",    u"الحاقة",   u"المعارج",
    u"نوح",      u"الجن",     u"المزمل",   u"المدثر",   u"القيامة",  u"الإنسان",  u"المرسلات",
    u"النبإ",    u"النازعات", u"عبس",      u"التكوير",  u"الإنفطار", u"المطففين", u"الإنشقاق",
    u"البروج",   u"الطارق",   u"الأعلى",   u"الغاشية",  u"الفجر",    u"البلد",    u"الشمس",
    u"الليل",    u"الضحى",    u"الشرح",    u"التين",    u"العلق",    u"القدر",    u"البينة",
    u"الزلزلة",  u"العاديات", u"القارعة",  u"التكاثر",  u"العصر",    u"الهمزة",   u"الفيل",
    u"قريش",     u"الماعون",  u"الكوثر",   u"الكافرون", u"النصر",    u"المسد",    u"الإخلاص",
    u"الفلق",    u"الناس",
};

bool valid_surah(int k) {
    return k >= 1 && k <= kSurahCount;
}

// The surah of every running number and the verse's number within it.
struct Place {
    std::uint8_t surah = 0;
    std::uint16_t verse = 0;
};
constexpr int kVerses = [] {
    int n = 0;
    for (int c : kVerseCounts)
        n += c;
    return n;
}();
constexpr auto kPlaces = [] {
    std::array<Place, kVerses + 1> places{};
    int i = 1;
    for (int k = 1; k <= kSurahCount; ++k)
        for (int verse = 1; verse <= kVerseCounts[k - 1]; ++verse)
            places[i++] = {std::uint8_t(k), std::uint16_t(verse)};
    return places;
}();

} // namespace

const std::array<int, kSurahCount + 1>& surah_souar() {
    static const std::array<int, kSurahCount + 1> f = [] {
        std::array<int, kSurahCount + 1> last{};
        for (int k = 1; k <= kSurahCount; ++k)
            last[k] = last[k - 1] + kVerseCounts[k - 1];
        return last;
    }();
    return f;
}

const std::array<QString, kSurahCount + 1>& ism_soura() {
    static const std::array<QString, kSurahCount + 1> ff = [] {
        std::array<QString, kSurahCount + 1> names;
        for (int k = 1; k <= kSurahCount; ++k)
            names[k] = QString::fromUtf16(kNames[k - 1]);
        return names;
    }();
    return ff;
}

const std::array<QString, kSurahCount + 1>& surah_labels() {
    static const std::array<QString, kSurahCount + 1> all = [] {
        QString joined;
        std::array<qsizetype, kSurahCount + 2> starts{};
        for (int k = 1; k <= kSurahCount; ++k) {
            starts[k] = joined.size();
            // The number with three digits, a hyphen and the name.
            for (const int digit : {k / 100, k / 10 % 10, k % 10})
                joined += QChar(u'0' + digit);
            joined += u'-';
            joined += ism_soura()[k];
        }
        starts[kSurahCount + 1] = joined.size();
        // Kept until the process ends, so that the views stay valid.
        static const QString* const kept = new QString(std::move(joined));
        const QChar* text = kept->constData();
        std::array<QString, kSurahCount + 1> l;
        for (int k = 1; k <= kSurahCount; ++k)
            l[k] = QString::fromRawData(text + starts[k], starts[k + 1] - starts[k]);
        return l;
    }();
    return all;
}

int verse_count(int k) {
    return valid_surah(k) ? kVerseCounts[k - 1] : 0;
}

int last_verse(int k) {
    return valid_surah(k) ? surah_souar()[k] : 0;
}

int first_verse(int k) {
    return valid_surah(k) ? surah_souar()[k - 1] + 1 : 0;
}

int surah_of(int i) {
    return i >= 1 && i <= kVerses ? kPlaces[i].surah : 0;
}

QString surah_name(int k) {
    return valid_surah(k) ? ism_soura()[k] : QString();
}

QString surah_label(int k) {
    return valid_surah(k) ? surah_labels()[k] : QString();
}

QString adad_ayat(int k) {
    return valid_surah(k) ? QString::number(verse_count(k)) : QString();
}

int surah(int k) {
    return k >= 2 && k <= kSurahCount ? first_verse(k) : 1;
}

QString name_surah(int i) {
    return surah_label(surah_of(i));
}

int number_aya(int i) {
    return i >= 1 && i <= kVerses ? kPlaces[i].verse : 0;
}

} // namespace tallyra
