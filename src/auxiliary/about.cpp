#include "auxiliary/about.h"

#include "core/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tallyra {

QString program_version() {
    return QStringLiteral(TALLYRA_VERSION);
}

QString credits_text() {
    const QStringList lines = {
        QStringLiteral("Tallyra ") + program_version(),
        QStringLiteral("برنامج لإحصاء آيات القرآن الكريم وكلماته وحروفه بالرسم الأول"),
        QString(),
        QStringLiteral("يعد الآيات والكلمات والحروف في القرآن كله وفي السورة والآية والنص المحدد،"),
        QStringLiteral("ويبحث عما يبدأ بعبارة أو ينتهي بها أو يحويها أو له عدد معين من الكلمات "
                       "أو الحروف،"),
        QStringLiteral(
            "ويحصي الآيات المكررة وتكرار الكلمات، ويحلل كل عدد إلى جداء عوامله الأولية،"),
        QStringLiteral("بواو العطف مفصولة عن الكلمة التي تليها أو موصولة بها."),
        QString(),
        QStringLiteral("مصدر النص: مشروع تنزيل (Tanzil Project, tanzil.net)، النص العثماني"),
        QStringLiteral("مجردا إلى الرسم الأول: أ إ ٱ ألفا، ؤ واوا، ئ ى ياء، ة هاء،"),
        QStringLiteral("وحذفت الهمزة المفردة والتطويل وكل علامات الضبط والوقف."),
        QStringLiteral("فصل واو العطف وما في حكمها: التحليل الصرفي لمدونة القرآن العربية"),
        QStringLiteral("(Quranic Arabic Corpus, corpus.quran.com)."),
        QStringLiteral("يُذكر المصدران مع كل نشر لهذا النص، مع الشكر لهما."),
    };
    return lines.join(u'\n');
}

QByteArray rules_document() {
    QFile resource(QStringLiteral(":/Resource_1"));
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
}

QString write_rules_document(const QString& folder) {
    const QString path = QDir(folder).absoluteFilePath(kRulesFileName);
    const QByteArray bytes = rules_document();
    if (!bytes.isEmpty())
        write_file(path, bytes);
    return QFileInfo(path).isFile() ? path : QString();
}

const QStringList& calculator_programs() {
    static const QStringList programs = {
        QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
        QStringLiteral("qalculate-qt"),     QStringLiteral("qalculate-gtk"),
        QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
        QStringLiteral("speedcrunch"),      QStringLiteral("xcalc"),
    };
    return programs;
}

QString find_calculator(const QStringList& paths) {
    for (const QString& name : calculator_programs())
        if (const QString found = QStandardPaths::findExecutable(name, paths); !found.isEmpty())
            return found;
    return {};
}

} // namespace tallyra
