#include "dialogs/input_checks.h"

#include "translations/ui_text.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace orvane {

QString Not_Valid_Integer(const QString &text)
{
    return ui_text::Shown(ORVANE_TEXT("Orvane", "'%1' is not a valid integer value")).arg(text);
}

QString Not_Valid_Float(const QString &text)
{
    return ui_text::Shown(ORVANE_TEXT("Orvane", "'%1' is not a valid floating point value"))
            .arg(text);
}

std::optional<qint32> Parse_Integer(const QString &text)
{
    static const QRegularExpression kInteger(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    if (!kInteger.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint32 value = QLocale::c().toInt(text.trimmed(), &ok);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

std::optional<double> Parse_Float(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace orvane
