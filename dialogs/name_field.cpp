#include "dialogs/name_field.h"

#include "dialogs/input_checks.h"
#include "translations/ui_text.h"

#include <QCoreApplication>

namespace orvane {
namespace {

// The first character of the text that the set cannot hold.
QString First_Foreign_Character(const NameText &names, const QString &typed)
{
    for (const char32_t code : typed.toUcs4()) {
        QString character = QString::fromUcs4(&code, 1);
        if (!names.Stored_Of(character.toStdString()))
            return character;
    }
    return {};
}

NameToStore Refused(QString message)
{
    return NameToStore{std::nullopt, std::move(message)};
}

} // namespace

QString Name_Field_Text(const NameText &names, std::string_view stored)
{
    return QString::fromStdString(names.Text_Of(stored));
}

NameToStore Name_To_Store(const NameText &names, std::string_view stored, const QString &typed,
                          std::size_t limit)
{
    // An accent typed as a mark of its own is the same letter as its composed form.
    const std::string text = typed.normalized(QString::NormalizationForm_C).toStdString();
    StoredName name = Stored_Name(names, text, limit, stored);
    const bool latin1 = &names == &Latin1_Names();
    switch (name.kind) {
    case NameFault::None:
        return NameToStore{std::move(name.bytes), {}};
    case NameFault::TooLong:
        if (latin1) // one byte a character: the field keeps the first ones
            return NameToStore{names.Stored_Of(text)->substr(0, limit), {}};
        return Refused(QCoreApplication::translate("NameField",
                                                   "The name is too long: %1 bytes in %2, at "
                                                   "most %3.")
                               .arg(name.byte_count)
                               .arg(QString::fromLatin1(names.charset_name()))
                               .arg(limit));
    default:
        if (latin1)
            return Refused(ui_text::Shown(kIllegalData));
        return Refused(QCoreApplication::translate("NameField",
                                                   "The name cannot be written in %1: it has no "
                                                   "\"%2\".")
                               .arg(QString::fromLatin1(names.charset_name()),
                                    First_Foreign_Character(names, typed)));
    }
}

} // namespace orvane
