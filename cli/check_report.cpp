#include "cli/check_report.h"

#include "cli/json_writer.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <iomanip>

namespace orvane::cli {
namespace {

constexpr int kBarWidth = 20;
constexpr int kMarkedPercent = 90;

int Percent(const CapacityGauge &gauge)
{
    return gauge.limit > 0 ? gauge.used * 100 / gauge.limit : 0;
}

std::string Bar(const CapacityGauge &gauge)
{
    const int filled
            = gauge.limit > 0 ? std::min(gauge.used, gauge.limit) * kBarWidth / gauge.limit : 0;
    return '[' + std::string(static_cast<std::size_t>(filled), '#')
           + std::string(static_cast<std::size_t>(kBarWidth - filled), '-') + ']';
}

// "! " in front of a bar that reached 90 % of its limit.
void Print_Gauge(const CapacityGauge &gauge, const NameText &names, std::ostream &out)
{
    out << (Percent(gauge) >= kMarkedPercent ? "! " : "  ") << std::left << std::setw(46)
        << gauge.name << std::right << ' ' << Bar(gauge) << ' ' << std::setw(4) << gauge.used
        << " / " << std::left << std::setw(4) << gauge.limit << std::right << ' ' << std::setw(3)
        << Percent(gauge) << " %";
    if (!gauge.detail.empty())
        out << "  " << names.Text_Of(gauge.detail);
    out << '\n';
}

void Print_Findings(const CheckReport &report, Severity severity, const char *title,
                    const NameText &names, std::ostream &out)
{
    const int count = report.count(severity);
    out << '\n' << title << ": " << count << '\n';
    for (const CheckFinding &finding : report.findings) {
        if (finding.severity != severity)
            continue;
        out << "  " << Table_Key(finding.table);
        if (finding.slot != kNoFindingSlot)
            out << ' ' << finding.slot;
        out << ": " << names.Text_Of(finding.text) << '\n';
    }
}

} // namespace

// The texts are ASCII with the names' stored bytes inside: read whole in the names' set, the
// ASCII reads the same in every set offered.
void Print_Check_Report(const CheckReport &report, const NameText &names, std::ostream &out)
{
    out << "Capacity (\"!\" marks " << kMarkedPercent << " % of the limit or more)\n";
    for (const CapacityGauge &gauge : report.capacity)
        Print_Gauge(gauge, names, out);
    Print_Findings(report, Severity::Error, "Errors", names, out);
    Print_Findings(report, Severity::Warning, "Warnings", names, out);
    Print_Findings(report, Severity::Info, "Information", names, out);
}

void Write_Check_Json(const CheckReport &report, const NameText &names, std::ostream &out)
{
    JsonWriter json(out);
    json.begin_object();
    json.key("capacity");
    json.begin_array();
    for (const CapacityGauge &gauge : report.capacity) {
        json.begin_object();
        json.field("name", gauge.name);
        json.field("used", std::int64_t{gauge.used});
        json.field("limit", std::int64_t{gauge.limit});
        json.end_object();
    }
    json.end_array();
    json.key("findings");
    json.begin_array();
    for (const CheckFinding &finding : report.findings) {
        json.begin_object();
        json.field("severity", Severity_Key(finding.severity));
        json.field("table", Table_Key(finding.table));
        json.key("slot");
        if (finding.slot == kNoFindingSlot)
            json.value(nullptr);
        else
            json.value(std::int64_t{finding.slot});
        json.key("text");
        json.text(names.Text_Of(finding.text));
        json.end_object();
    }
    json.end_array();
    json.end_object();
    json.finish();
}

// A path's bytes are the file system's, UTF-8 on this platform.
void Write_Error_Json(const std::string &message, std::ostream &out)
{
    const QJsonObject error{{QStringLiteral("error"), QString::fromUtf8(message)}};
    out << QJsonDocument(error).toJson(QJsonDocument::Indented).toStdString();
}

} // namespace orvane::cli
