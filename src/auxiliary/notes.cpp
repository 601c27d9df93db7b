#include "auxiliary/notes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

namespace tallyra {

namespace {

const QString kFolderName = QStringLiteral("tallyra_v1");
const QString kFileName = QStringLiteral("obs");
// An unreadable notes file is kept beside the new one under its name and
// this ending (and a number, when one of that name is there already).
const QString kUnreadSuffix = QStringLiteral(".unreadable");

// Creates the notes folder if it is missing; the message when it cannot be.
QString make_folder() {
    const QString folder = notes_folder();
    if (folder.isEmpty())
        return QStringLiteral("تعذر تحديد مجلد بيانات المستخدم لحفظ الملاحظات");
    if (QFileInfo(folder).isDir())
        return {};
    errno = 0;
    if (QDir().mkpath(folder))
        return {};
    const int error = errno;
    return QStringLiteral("تعذر إنشاء مجلد الملاحظات ") + quoted_path(folder) +
           QStringLiteral(": ") +
           (error ? isolated(qt_error_string(error)) : QStringLiteral("يوجد ملف بهذا الاسم"));
}

// The text as the files hold it: lines separated by CR LF.
QString file_text(const QString& text) {
    return normalize_line_ends(text, u"\r\n");
}

} // namespace

QString notes_folder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + u'/' + kFolderName;
}

QString notes_file() {
    const QString folder = notes_folder();
    return folder.isEmpty() ? QString() : folder + u'/' + kFileName;
}

QString load_notes(NotesWindow& notes) {
    const QString folder = notes_folder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return make_folder();
    const QString path = notes_file();
    if (!QFileInfo::exists(path))
        return {};
    const TextFileRead read = read_text_file(path);
    if (!read.error.isEmpty()) {
        notes.fileUnread = true;
        return read.error + QStringLiteral("\nسيبقى هذا الملف كما هو باسم ينتهي بـ ") +
               quoted_path(kUnreadSuffix) + QStringLiteral(" قبل أن تُكتب الملاحظات الجديدة مكانه");
    }
    notes.text = normalize_line_ends(read.text, u"\n");
    notes.encoding = read.encoding;
    return {};
}

QString save_notes(NotesWindow& notes) {
    if (const QString message = make_folder(); !message.isEmpty())
        return message;
    const QString path = notes_file();
    // A notes file that could not be read is not written over: it is kept
    // under another name first.
    if (notes.fileUnread && QFileInfo::exists(path)) {
        QString aside = path + kUnreadSuffix;
        for (int n = 2; QFileInfo::exists(aside); ++n)
            aside = path + kUnreadSuffix + u'.' + QString::number(n);
        if (!QFile::rename(path, aside))
            return QStringLiteral("تعذر حفظ الملاحظات: لم يمكن الإبقاء على الملف ") +
                   quoted_path(path) + QStringLiteral(" الذي تعذرت قراءته باسم ") +
                   quoted_path(aside);
    }
    notes.fileUnread = false;
    const TextFileWrite w = write_text_file(path, file_text(notes.text), notes.encoding);
    if (!w.error.isEmpty())
        return w.error;
    notes.encoding = w.encoding;
    return {};
}

QString export_notes(NotesWindow& notes, const QString& chosen) {
    if (chosen.isEmpty())
        return {};
    notes.exportName = word_file_name(chosen);
    return write_text_file(notes.exportName, file_text(notes.text), notes.encoding).error;
}

} // namespace tallyra
