#include "cli/json_import.h"

#include "cli/json_scan.h"
#include "dbase/codecs.h"
#include "dbase/decode.h"
#include "dbase/display_rows.h"
#include "dbase/messages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <optional>
#include <set>

namespace orvane::cli {
namespace {

constexpr std::uint32_t kU8 = 0xFF;
constexpr std::uint32_t kU16 = 0xFFFF;
constexpr std::uint32_t kU32 = 0xFFFFFFFF;
constexpr std::uint32_t kFlag = 1;
constexpr std::uint32_t kNibble = 15;

// A number that the document wrote as a double shows it: whole numbers of up to 15 digits.
std::string Shown_Number(double number)
{
    if (number == std::floor(number) && std::abs(number) < 1e15)
        return std::to_string(static_cast<long long>(number));
    return QByteArray::number(number, 'g', 17).toStdString();
}

bool All_Digits(const QString &text)
{
    return !text.isEmpty() && text.size() <= 10
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Line and column (from 1) of a character offset of the document.
std::string Place_Of(const std::string &text, int offset)
{
    int line = 1;
    int column = 1;
    const auto end
            = std::min<std::size_t>(static_cast<std::size_t>(std::max(offset, 0)), text.size());
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

class Reader
{
public:
    Reader(JsonImport &result, const JsonScan::NumberTexts &number_texts,
           const ChannelDatabase &like)
        : m_result(result)
        , m_number_texts(number_texts)
        , m_like(like)
    {}

    void read(const QJsonObject &root)
    {
        read_counts(Object(root, "counts"));
        read_satellites(Array(root, "satellites"));
        read_sat_tps(Array(root, "sat_transponders"));
        read_ter_tps(Array(root, "ter_transponders"));
        read_favourites(Array(root, "favourite_groups"));
        read_programs(Array(root, "programs"));
        read_tracks(Array(root, "audio_tracks"));
        if (m_result.errors.empty())
            check_tables();
    }

    bool fail(const std::string &path, const std::string &problem)
    {
        if (m_result.errors.size() < msg::kMaxListedErrors)
            m_result.errors.push_back(path + ": " + problem);
        return false;
    }

private:
    bool full() const { return m_result.errors.size() >= msg::kMaxListedErrors; }

    // A value as the document wrote it, for a message: a number in its own digits, a text
    // quoted and cut short.
    std::string shown(const QJsonValue &value, const std::string &path) const
    {
        switch (value.type()) {
        case QJsonValue::String:
            return msg::Quoted_Value(value.toString().toStdString());
        case QJsonValue::Double: {
            const auto written = m_number_texts.find(path);
            return written != m_number_texts.end() ? written->second
                                                   : Shown_Number(value.toDouble());
        }
        case QJsonValue::Bool:
            return value.toBool() ? "true" : "false";
        case QJsonValue::Array:
            return "an array";
        case QJsonValue::Object:
            return "an object";
        default:
            return "null";
        }
    }

    QJsonObject Object(const QJsonObject &parent, const char *key)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (!value.isObject())
            fail(key, value.isUndefined() ? "missing" : shown(value, key) + " is not an object");
        return value.toObject();
    }

    QJsonArray Array(const QJsonObject &parent, const char *key)
    {
        const QJsonValue value = parent.value(QLatin1String(key));
        if (!value.isArray())
            fail(key, value.isUndefined() ? "missing" : shown(value, key) + " is not an array");
        return value.toArray();
    }

    std::nullopt_t refuse(const std::string &path, const std::string &problem)
    {
        fail(path, problem);
        return std::nullopt;
    }

    // A whole number from 0 to most, given as a number or as a text of digits.
    std::optional<std::uint32_t> number(const QJsonValue &value, const std::string &path,
                                        std::uint32_t most)
    {
        if (value.isUndefined())
            return refuse(path, "missing");
        double number = -1;
        if (value.isDouble())
            number = value.toDouble();
        else if (value.isString() && All_Digits(value.toString()))
            number = static_cast<double>(value.toString().toULongLong());
        if (number < 0 || number != std::floor(number))
            return refuse(path, shown(value, path) + " is not a whole number from 0");
        if (number > most)
            return refuse(path, (value.isDouble() ? shown(value, path) : Shown_Number(number))
                                        + " is above " + std::to_string(most));
        return static_cast<std::uint32_t>(number);
    }

    std::optional<std::uint32_t> number(const QJsonObject &object, const std::string &path,
                                        const char *key, std::uint32_t most)
    {
        return number(object.value(QLatin1String(key)), path + '.' + key, most);
    }

    // A text as the bytes a field of `longest` bytes stores in a set. One that reads as the
    // text stored there now keeps its bytes.
    std::optional<std::string> text(const QJsonValue &value, const std::string &path,
                                    std::size_t longest, const NameText &names = Latin1_Names(),
                                    std::string_view current = {})
    {
        if (!value.isString())
            return refuse(path,
                          value.isUndefined() ? "missing" : shown(value, path) + " is not a text");
        StoredName stored = Stored_Name(names, value.toString().toStdString(), longest, current);
        if (!stored.fault.empty())
            return refuse(path, shown(value, path) + ' ' + stored.fault);
        return std::move(stored.bytes);
    }

    std::optional<std::string> text(const QJsonObject &object, const std::string &path,
                                    const char *key, std::size_t longest)
    {
        return text(object.value(QLatin1String(key)), path + '.' + key, longest);
    }

    // A name, in the set the database's names are read in.
    std::optional<std::string> name_bytes(const QJsonValue &value, const std::string &path,
                                          std::size_t longest, std::string_view current)
    {
        return text(value, path, longest, *m_like.names, current);
    }

    std::optional<std::string> name_bytes(const QJsonObject &object, const std::string &path,
                                          std::size_t longest, std::string_view current)
    {
        return name_bytes(object.value(QLatin1String("Name")), path + ".Name", longest, current);
    }

    // A slot of a table of `size` slots, below `used` where the table must be dense (programs
    // and audio tracks use 0..count-1), and not given before.
    std::optional<int> slot(const QJsonObject &object, const std::string &path, int size, int used,
                            std::set<int> &seen)
    {
        const std::optional<std::uint32_t> value
                = number(object, path, "slot", static_cast<std::uint32_t>(size - 1));
        if (!value)
            return std::nullopt;
        const auto slot = static_cast<int>(*value);
        if (slot >= used) {
            fail(path + ".slot",
                 std::to_string(slot) + " is outside 0.." + std::to_string(used - 1));
            return std::nullopt;
        }
        if (!seen.insert(slot).second) {
            fail(path + ".slot", std::to_string(slot) + " is given twice");
            return std::nullopt;
        }
        return slot;
    }

    // The slots a dense table of `size` slots may use for the items of its array.
    static int Dense_Slots(const QJsonArray &array, int size)
    {
        return static_cast<int>(std::min<qsizetype>(array.size(), size));
    }

    // Each item of an array as an object, with its path ("programs[3]").
    template<typename Read>
    void each(const QJsonArray &array, const char *name, Read read)
    {
        for (qsizetype i = 0; i < array.size() && !full(); ++i) {
            const std::string path = std::string(name) + '[' + std::to_string(i) + ']';
            if (!array[i].isObject())
                fail(path, shown(array[i], path) + " is not an object");
            else
                read(array[i].toObject(), path);
        }
    }

    template<std::size_t N>
    void numbers(const QJsonObject &object, const std::string &path, const char *key,
                 std::uint32_t most, std::array<int, N> &out)
    {
        const std::string where = path.empty() ? key : path + '.' + key;
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isArray() || value.toArray().size() != static_cast<qsizetype>(N)) {
            fail(where, value.isUndefined()
                                ? "missing"
                                : shown(value, where) + " is not an array of " + std::to_string(N));
            return;
        }
        const QJsonArray array = value.toArray();
        for (std::size_t i = 0; i < N; ++i)
            if (const auto n = number(array[static_cast<qsizetype>(i)],
                                      where + '[' + std::to_string(i) + ']', most))
                out[i] = static_cast<int>(*n);
    }

    void read_counts(const QJsonObject &counts)
    {
        const auto count = [&](const char *key, std::uint32_t most) {
            return static_cast<int>(number(counts, "counts", key, most).value_or(0));
        };
        m_sat_total = count("Sat_Total_Count", kSatTransponderSlots);
        m_ter_total = count("Ter_Total_Count", kTerTransponderSlots);
        m_program_count = count("Program_Count", kProgramSlots);
        m_track_count = count("Audio_Track_Count", kAudioTrackSlots);
        numbers(counts, "counts", "Per_Sat_Count", kU16, m_result.tables.per_sat_count);
        numbers(counts, "counts", "Per_Group_Count", kU16, m_result.tables.per_group_count);
    }

    // Tenths of a degree, as the export writes them: "19.2", "130".
    std::optional<std::uint32_t> tenths(const QJsonObject &object, const std::string &path)
    {
        const QJsonValue value = object.value(QLatin1String("Longitude"));
        const std::string where = path + ".Longitude";
        if (value.isUndefined())
            return refuse(where, "missing");
        const QString text = value.toString();
        const qsizetype point = text.indexOf(u'.');
        const QString whole = point < 0 ? text : text.left(point);
        const QString tenth = point < 0 ? QStringLiteral("0") : text.mid(point + 1);
        if (!value.isString() || !All_Digits(whole) || tenth.size() != 1 || !All_Digits(tenth))
            return refuse(where, shown(value, where) + " is not degrees with at most one decimal");
        const unsigned long long tenths = whole.toULongLong() * 10 + tenth.toUInt();
        if (tenths > kU16)
            return refuse(where, shown(value, where) + " is above 6553.5");
        return static_cast<std::uint32_t>(tenths);
    }

    void read_satellites(const QJsonArray &array)
    {
        std::set<int> seen;
        each(array, "satellites", [&](const QJsonObject &o, const std::string &path) {
            SatelliteImport in;
            const auto s = slot(o, path, kSatelliteCount, kSatelliteCount, seen);
            const auto name = name_bytes(
                    o, path, sat::kNameLength,
                    s ? std::string_view(m_like.rows.satellites[static_cast<std::size_t>(*s)].Name)
                      : std::string_view());
            const auto longitude = tenths(o, path);
            const auto u8 = [&](const char *key, std::uint32_t most) {
                return number(o, path, key, most).value_or(0);
            };
            in.lnb_type = u8("Lnb_Type", kU8);
            in.lnb_12v = u8("Lnb_12V", kU8);
            in.tone_22k = u8("Tone_22K", kU8);
            in.diseqc_port = u8("Diseqc_Port", kNibble);
            in.motor = u8("Motor", kNibble);
            in.lnb_power = u8("Lnb_Power", kU8);
            in.lnb_low_freq = u8("Lnb_Low_Freq", kU16);
            in.lnb_high_freq = u8("Lnb_High_Freq", kU16);
            if (!s || !name || !longitude)
                return;
            in.slot = *s;
            in.name = *name;
            in.longitude_tenths = *longitude;
            m_result.tables.satellites.push_back(in);
        });
    }

    // A text that says again what a code says.
    void agrees(const QJsonObject &o, const std::string &path, const char *key,
                const std::string &expected, const char *code_key, std::uint32_t code)
    {
        const QJsonValue value = o.value(QLatin1String(key));
        if (value.toString().toStdString() != expected)
            fail(path + '.' + key,
                 (value.isUndefined() ? std::string("missing") : shown(value, path + '.' + key))
                         + " does not match " + code_key + ' ' + std::to_string(code) + " (\""
                         + expected + "\")");
    }

    void read_sat_tps(const QJsonArray &array)
    {
        std::set<int> seen;
        each(array, "sat_transponders", [&](const QJsonObject &o, const std::string &path) {
            SatTpImport in;
            const auto s = slot(o, path, kSatTransponderSlots, kSatTransponderSlots, seen);
            const auto satellite = number(o, path, "Sat_Index", kSatelliteCount - 1);
            in.tp_number = number(o, path, "Tp_Number", kU8).value_or(0);
            in.frequency = number(o, path, "Frequency", sat_tp::Frequency.max_value()).value_or(0);
            in.symbol_rate
                    = number(o, path, "Symbol_Rate", sat_tp::Symbol_Rate.max_value()).value_or(0);
            const auto polarity = number(o, path, "Polarity_Code", sat_tp::Polarity.max_value());
            const auto fec = number(o, path, "Fec_Code", sat_tp::Fec.max_value());
            if (polarity)
                agrees(o, path, "Polarity", Polarity_Text(*polarity), "Polarity_Code", *polarity);
            if (fec)
                agrees(o, path, "Fec", Fec_Text(*fec), "Fec_Code", *fec);
            if (!s || !satellite || !polarity || !fec)
                return;
            in.slot = *s;
            in.sat_index = *satellite;
            in.polarity = *polarity;
            in.fec = *fec;
            m_result.tables.sat_tps.push_back(in);
        });
    }

    void read_ter_tps(const QJsonArray &array)
    {
        std::set<int> seen;
        each(array, "ter_transponders", [&](const QJsonObject &o, const std::string &path) {
            TerTpImport in;
            const auto s = slot(o, path, kTerTransponderSlots, kTerTransponderSlots, seen);
            const auto group = number(o, path, "Group_Index", kTerGroupCount - 1);
            in.tp_number = number(o, path, "Tp_Number", kU8).value_or(0);
            in.frequency = number(o, path, "Frequency", kU32).value_or(0);
            in.bandwidth = number(o, path, "Bandwidth", kU8).value_or(0);
            if (!s || !group)
                return;
            in.slot = *s;
            in.group_index = *group;
            m_result.tables.ter_tps.push_back(in);
        });
    }

    void read_favourites(const QJsonArray &array)
    {
        if (array.size() != kFavouriteGroupCount) {
            fail("favourite_groups", std::to_string(array.size()) + " names given, not "
                                             + std::to_string(kFavouriteGroupCount));
            return;
        }
        for (qsizetype g = 0; g < array.size(); ++g)
            if (const auto name
                = name_bytes(array[g], "favourite_groups[" + std::to_string(g) + ']',
                             kFavouriteNameLength,
                             m_like.rows.favourite_names[static_cast<std::size_t>(g)]))
                m_result.tables.favourite_names[static_cast<std::size_t>(g)] = *name;
    }

    std::optional<std::uint32_t> mask(const QJsonObject &o, const std::string &path)
    {
        const QJsonValue value = o.value(QLatin1String("Favourite_Mask"));
        const QString bits = value.toString();
        if (bits.size() != 16 || !std::all_of(bits.begin(), bits.end(), [](QChar c) {
                return c == u'0' || c == u'1';
            })) {
            fail(path + ".Favourite_Mask",
                 (value.isUndefined() ? std::string("missing")
                                      : shown(value, path + ".Favourite_Mask"))
                         + " is not 16 digits 0 or 1");
            return std::nullopt;
        }
        return bits.toUInt(nullptr, 2);
    }

    // The name a program slot the database lists holds now.
    std::string_view listed_name(std::optional<int> slot) const
    {
        if (!slot || *slot >= Used_Program_Count(m_like.raw))
            return {};
        return m_like.rows.programs[static_cast<std::size_t>(*slot)].Name;
    }

    void read_programs(const QJsonArray &array)
    {
        std::set<int> seen;
        const int used = Dense_Slots(array, kProgramSlots);
        each(array, "programs", [&](const QJsonObject &o, const std::string &path) {
            ProgramImport in;
            const auto s = slot(o, path, kProgramSlots, used, seen);
            const auto name = name_bytes(o, path, prog::kNameLength, listed_name(s));
            const auto kind = number(o, path, "Tp_Kind", prog::Tp_Kind.max_value());
            const auto tp = number(o, path, "Tp_Index", prog::Tp_Index.max_value());
            const auto sat_slot = o.value(QLatin1String("Sat_Slot"));
            const auto favourites = mask(o, path);
            const auto field = [&](const char *key, BitField bits) {
                return number(o, path, key, bits.max_value()).value_or(0);
            };
            in.in_use = field("In_Use", prog::In_Use);
            in.is_radio = field("Is_Radio", prog::Is_Radio);
            in.free_to_air = field("Free_To_Air", prog::Free_To_Air);
            in.locked = field("Locked", prog::Locked);
            in.skipped = field("Skipped", prog::Skipped);
            in.service_id = field("Service_Id", prog::Service_Id);
            in.pcr_pid = field("Pcr_Pid", prog::Pcr_Pid);
            in.private_pid = field("Private_Pid", prog::Private_Pid);
            in.video_pid = field("Video_Pid", prog::Video_Pid);
            in.audio_pid = field("Audio_Pid", prog::Audio_Pid);
            in.pmt_pid = field("Pmt_Pid", prog::Pmt_Pid);
            in.audio_track_total = field("Audio_Track_Total", prog::Audio_Track_Total);
            in.current_audio = field("Current_Audio", prog::Current_Audio);
            std::array<int, prog::kCaSystemCount> ca{};
            numbers(o, path, "Ca_System", kU8, ca);
            std::copy(ca.begin(), ca.end(), in.ca_system.begin());
            if (kind && *kind != prog::kKindSatellite && *kind != prog::kKindTerrestrial)
                fail(path + ".Tp_Kind",
                     std::to_string(*kind) + " is neither 1 (satellite) nor 2 (terrestrial)");
            if (!s || !name || !kind || !tp || !favourites)
                return;
            in.slot = *s;
            in.name = *name;
            in.tp_kind = *kind;
            in.tp_index = *tp;
            in.favourite_mask = *favourites;
            m_sat_slots.push_back({path, sat_slot});
            m_result.tables.programs.push_back(in);
        });
    }

    void read_tracks(const QJsonArray &array)
    {
        std::set<int> seen;
        const int used = Dense_Slots(array, kAudioTrackSlots);
        each(array, "audio_tracks", [&](const QJsonObject &o, const std::string &path) {
            TrackImport in;
            const auto s = slot(o, path, kAudioTrackSlots, used, seen);
            const auto tag = text(o, path, "Tag", audio::kTagLength);
            in.in_use = number(o, path, "In_Use", kFlag).value_or(0);
            in.program_index = number(o, path, "Program_Index", kU16).value_or(0);
            in.audio_pid = number(o, path, "Audio_Pid", kMaxPid).value_or(0);
            if (!s || !tag)
                return;
            in.slot = *s;
            in.tag = *tag;
            m_track_paths.push_back(path);
            m_result.tables.audio_tracks.push_back(in);
        });
    }

    // What the tables must agree on among themselves.
    void check_tables()
    {
        TableImport &tables = m_result.tables;
        const auto match = [&](const char *key, int given, std::size_t listed, const char *what) {
            if (given != static_cast<int>(listed))
                fail(std::string("counts.") + key, std::to_string(given) + " does not match the "
                                                           + std::to_string(listed) + ' ' + what
                                                           + " given");
        };
        match("Sat_Total_Count", m_sat_total, tables.sat_tps.size(), "satellite transponders");
        match("Ter_Total_Count", m_ter_total, tables.ter_tps.size(), "terrestrial transponders");
        match("Program_Count", m_program_count, tables.programs.size(), "programs");
        match("Audio_Track_Count", m_track_count, tables.audio_tracks.size(), "audio tracks");
        std::array<int, kSatelliteCount> per_sat{};
        for (const SatTpImport &tp : tables.sat_tps)
            ++per_sat[tp.sat_index];
        for (std::size_t s = 0; s < per_sat.size(); ++s)
            match(("Per_Sat_Count[" + std::to_string(s) + ']').c_str(), tables.per_sat_count[s],
                  static_cast<std::size_t>(per_sat[s]), "transponders of the satellite");
        std::array<int, kTerGroupCount> per_group{};
        for (const TerTpImport &tp : tables.ter_tps)
            ++per_group[tp.group_index];
        for (std::size_t g = 0; g < per_group.size(); ++g)
            match(("Per_Group_Count[" + std::to_string(g) + ']').c_str(), tables.per_group_count[g],
                  static_cast<std::size_t>(per_group[g]), "transponders of the group");
        check_references();
    }

    void check_references()
    {
        const TableImport &tables = m_result.tables;
        std::vector<int> sat_of_tp(kSatTransponderSlots, -1);
        for (const SatTpImport &tp : tables.sat_tps)
            sat_of_tp[static_cast<std::size_t>(tp.slot)] = static_cast<int>(tp.sat_index);
        std::vector<bool> ter_given(kTerTransponderSlots, false);
        for (const TerTpImport &tp : tables.ter_tps)
            ter_given[static_cast<std::size_t>(tp.slot)] = true;
        for (std::size_t i = 0; i < tables.programs.size() && !full(); ++i) {
            const ProgramImport &p = tables.programs[i];
            const auto &[path, sat_slot] = m_sat_slots[i];
            const bool sat = p.tp_kind == prog::kKindSatellite;
            const auto tp = static_cast<std::size_t>(p.tp_index);
            const bool given = sat ? tp < sat_of_tp.size() && sat_of_tp[tp] >= 0
                                   : tp < ter_given.size() && ter_given[tp];
            if (!given) {
                fail(path + ".Tp_Index",
                     (sat ? "satellite transponder " : "terrestrial transponder ")
                             + std::to_string(tp) + " is not given");
                continue;
            }
            const int expected = sat ? sat_of_tp[tp] : 0;
            if (!sat_slot.isDouble() || sat_slot.toDouble() != expected)
                fail(path + ".Sat_Slot",
                     (sat_slot.isUndefined() ? std::string("missing")
                                             : shown(sat_slot, path + ".Sat_Slot"))
                             + " does not match its transponder's satellite "
                             + std::to_string(expected));
        }
        for (std::size_t i = 0; i < tables.audio_tracks.size() && !full(); ++i) {
            const std::uint32_t owner = tables.audio_tracks[i].program_index;
            if (owner >= tables.programs.size())
                fail(m_track_paths[i] + ".Program_Index",
                     "program " + std::to_string(owner) + " is not given");
        }
    }

    JsonImport &m_result;
    const JsonScan::NumberTexts &m_number_texts;
    const ChannelDatabase &m_like;
    int m_sat_total = 0;
    int m_ter_total = 0;
    int m_program_count = 0;
    int m_track_count = 0;
    std::vector<std::pair<std::string, QJsonValue>> m_sat_slots; // per program read
    std::vector<std::string> m_track_paths;
};

} // namespace

JsonImport Read_Json_Import(const std::string &json_text, const ChannelDatabase &like)
{
    JsonImport result;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray::fromRawData(json_text.data(), static_cast<qsizetype>(json_text.size())),
            &error);
    JsonScan scan;
    if (error.error == QJsonParseError::NoError && document.isObject())
        scan = Scan_Json(json_text);
    Reader reader(result, scan.number_texts, like);
    if (error.error != QJsonParseError::NoError)
        reader.fail(Place_Of(json_text, error.offset), error.errorString().toStdString());
    else if (!document.isObject())
        reader.fail("line 1, column 1", "the document is not a JSON object");
    else if (!scan.faults.empty())
        result.errors = std::move(scan.faults);
    else
        reader.read(document.object());
    return result;
}

} // namespace orvane::cli
