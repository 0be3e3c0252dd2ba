#pragma once

// The window's door to the translations of the marked texts (text_mark.h). A text shows in
// the language of the translator loaded at start, and as it is, English, when there is none or
// the text has no translation.

#include "translations/text_mark.h"

#include <QCoreApplication>
#include <QString>

#include <initializer_list>
#include <string>

namespace orvane::ui_text {

inline QString Shown(const char *text)
{
    return QCoreApplication::translate(kTextContext, text);
}

inline QString Shown(const std::string &text)
{
    return Shown(text.c_str());
}

// A text that is marked as a whole, or that a plain-C++ layer composed of marked pieces and
// data (a caption and a name, a sentence and a path): every piece in it is put in the user's
// language, the data between the pieces stays as it is.
inline QString Shown_Pieces(QString text, std::initializer_list<const char *> pieces)
{
    const QString whole = QCoreApplication::translate(kTextContext, text.toUtf8().constData());
    if (whole != text)
        return whole;
    for (const char *piece : pieces)
        text.replace(QString::fromUtf8(piece), Shown(piece));
    return text;
}

inline QString Shown_Pieces(const std::string &text, std::initializer_list<const char *> pieces)
{
    return Shown_Pieces(QString::fromStdString(text), pieces);
}

} // namespace orvane::ui_text
