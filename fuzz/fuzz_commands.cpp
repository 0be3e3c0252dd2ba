// Fuzz target over the commands that change the structure of the database: the input picks
// the page, a few clicks and menus in the lists, one of the seven add and delete commands and
// the answer to its question or dialog (commands_input.h), over the image that follows.
//
// Every image first gets the save round trip, whose second open into a new database also
// shows that the decode into the database of the previous input replaced every field. The
// command runs on a copy, so that what it changed can be told: a command that was refused,
// answered No or cancelled leaves the database as it was; one that changed it leaves display
// rows that agree with its raw records, which a save and a second open show.

#include "fuzz/commands_input.h"
#include "fuzz/image_checks.h"
#include "fuzz/image_input.h"
#include "fuzz/list_checks.h"
#include "fuzz/property_check.h"

#include "dbase/record_writers.h"
#include "views/structural_edits.h"

using namespace orvane;
using namespace orvane::fuzz;

namespace {

struct Choices
{
    bool terrestrial = false;
    CommandId command = CommandId::NewTp;
    bool answer_no = false;
    std::array<Step, kSteps> steps{};
};

// Choice bytes past the end of a short input read as 0.
Choices Read_Choices(const std::uint8_t *data, std::size_t size)
{
    std::array<std::uint8_t, kChoiceSize> bytes{};
    std::copy_n(data, std::min(size, kChoiceSize), bytes.begin());
    Choices choices;
    choices.terrestrial = (bytes[kPageChoice] & kTerrestrialChoice) != 0;
    choices.command
            = static_cast<CommandId>(bytes[kCommandChoice] % static_cast<int>(CommandId::Count));
    choices.answer_no = (bytes[kAnswerChoice] & kAnswerNo) != 0;
    for (std::size_t i = 0; i < kSteps; ++i) {
        const std::uint8_t *step = bytes.data() + kFirstStep + i * kStepSize;
        choices.steps[i].action
                = static_cast<StepAction>(step[0] % static_cast<int>(StepAction::Count));
        choices.steps[i].argument = static_cast<std::uint16_t>(step[1] | step[2] << 8);
    }
    return choices;
}

// Answers the question and the add dialogs as the input chose; the dialogs store what a user
// could have typed. Tells whether the command got a Yes or a stored record.
class ScriptedHost final : public EditCommandHost
{
public:
    ScriptedHost(ChannelDatabase &db, ViewState &view, bool yes)
        : m_db(db)
        , m_view(view)
        , m_yes(yes)
    {}
    void Show_Error(const char *) override { m_refused = true; }
    bool Confirm(const char *) override
    {
        m_agreed = m_yes;
        return m_yes;
    }
    void Run_New_Tp_Dialog(int slot, int satellite, int tp_number) override
    {
        if (!m_yes)
            return;
        if (m_view.View_Mode == kSatellitesPage)
            Add_Sat_Transponder(m_db, slot, satellite, tp_number, {1, 2, 27500, 11111});
        else
            Add_Ter_Transponder(m_db, slot, {474000, 2}, "474000");
        m_view.Edit_Accepted = m_agreed = true;
    }
    void Run_New_Program_Dialog(int, int tp_slot) override
    {
        if (!m_yes)
            return;
        const std::uint32_t kind = m_view.View_Mode == kSatellitesPage ? prog::kKindSatellite
                                                                       : prog::kKindTerrestrial;
        ProgramValues values;
        values.is_radio = m_view.Is_New_Radio;
        values.name = "Fuzz";
        if (Create_Program(m_db, kind, tp_slot, values) < 0)
            return;
        (values.is_radio ? m_view.Radio_Added : m_view.TV_Added) = true;
        m_agreed = m_program_added = true;
    }

    bool refused() const { return m_refused; }
    bool agreed() const { return m_agreed; }
    bool program_added() const { return m_program_added; }

private:
    ChannelDatabase &m_db;
    ViewState &m_view;
    bool m_yes;
    bool m_refused = false;
    bool m_agreed = false;
    bool m_program_added = false;
};

void Click_Row(MainViews &views, GridId grid, std::uint16_t argument)
{
    const int first = grid == GridId::Sat ? 0 : 1; // the other grids' row 0 is their title
    const int rows = views.cursor(grid).row_count;
    FUZZ_CHECK(rows > first);
    views.Select_Row(grid, first + argument % (rows - first), true);
    Check_Cursor(views, grid);
}

void Run_Step(MainViews &views, const Step &step)
{
    const bool satellites = views.view().View_Mode == kSatellitesPage;
    switch (step.action) {
    case StepAction::ClickSat:
        if (satellites)
            Click_Row(views, GridId::Sat, step.argument);
        break;
    case StepAction::ClickTp:
        Click_Row(views, GridId::Tp, step.argument);
        break;
    case StepAction::ClickTv:
        Click_Row(views, GridId::Tv, step.argument);
        break;
    case StepAction::ClickRadio:
        Click_Row(views, GridId::Radio, step.argument);
        break;
    case StepAction::ClickFav: {
        const auto lines = static_cast<int>(views.Page_Lists().fav_lines.size());
        views.Select_Fav_Line(step.argument % (lines + 1) - 1, true);
        Check_Cursor(views, GridId::Tv);
        Check_Cursor(views, GridId::Radio);
        break;
    }
    case StepAction::OpenMenu:
        if (const auto grid = static_cast<GridId>(step.argument % 4);
            grid != GridId::Sat || satellites)
            Open_Menu(views, grid);
        break;
    case StepAction::ToggleFilter:
        if (satellites) {
            views.Show_Act_SatClick();
            Check_Cursor(views, GridId::Sat);
        }
        break;
    case StepAction::ChangePage:
        views.PageControl_MainChange(step.argument % 2);
        Check_Page_Grids(views);
        break;
    case StepAction::None:
    case StepAction::Count:
        break;
    }
}

FocusRequest Run_Command(CommandId command, MainViews &views, EditCommandHost &host)
{
    switch (command) {
    case CommandId::NewTp:
        return New_TpClick(views, host);
    case CommandId::NewTv:
        return New_TvClick(views, host);
    case CommandId::NewRadio:
        return New_RadioClick(views, host);
    case CommandId::DeleteTv:
        return Delete_TvClick(views, host);
    case CommandId::DeleteRadio:
        return Delete_RadioClick(views, host);
    case CommandId::DeleteTp:
        return Delete_TpClick(views, host);
    case CommandId::DelAllEmptyTp:
    case CommandId::Count:
        break;
    }
    return Del_All_Empty_TpClick(views, host);
}

// Decoding must replace every field: the database that held the previous input got the rows
// that a new database gets from the same records. The save round trip opened them into a new
// one; an image too large to save is decoded into one here.
void Check_Decoded_As_New(ChannelDatabase &decoded, std::uint64_t rows, ByteView image)
{
    const ChannelDatabase *fresh = Check_Save_Round_Trip(decoded);
    if (fresh == nullptr) {
        static const auto db = Make_Kept_Database();
        Make_As_New(*db);
        Decode_Image(*db, image);
        fresh = db.get();
    }
    FUZZ_CHECK(Display_Rows_Digest(*fresh) == rows);
}

void Check_Unchanged(const ChannelDatabase &before, std::uint64_t rows_before,
                     const ChannelDatabase &after)
{
    FUZZ_CHECK(Same_Raw_Arrays(before.raw, after.raw));
    FUZZ_CHECK(after.Program_Count == before.Program_Count);
    FUZZ_CHECK(Display_Rows_Digest(after) == rows_before);
}

// The rows that the command wrote agree with its raw records: a second open decodes the
// saved records to the same rows in use, and a program the command added to the same
// satellite slot.
void Check_Rows_Match_Records(ChannelDatabase &db, bool program_added)
{
    const ChannelDatabase *reopened = Check_Save_Round_Trip(db);
    if (reopened == nullptr)
        return;
    FUZZ_CHECK(Display_Rows_Digest(*reopened, RowSet::UsedRecords)
               == Display_Rows_Digest(db, RowSet::UsedRecords));
    if (program_added) {
        const auto added = static_cast<std::size_t>(db.Program_Count - 1);
        FUZZ_CHECK(db.rows.programs[added].Sat_Slot == reopened->rows.programs[added].Sat_Slot);
    }
}

} // namespace

// Half of the mutations change the choice bytes alone: in front of a whole image, the
// fuzzer's own mutations would seldom reach them.
extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t *data, std::size_t size, std::size_t max_size);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t *data, std::size_t size,
                                               std::size_t max_size, unsigned int seed)
{
    if (seed % 2 == 0 || size < kChoiceSize)
        return LLVMFuzzerMutate(data, size, max_size);
    std::array<std::uint8_t, kChoiceSize> choices{};
    std::copy_n(data, kChoiceSize, choices.begin());
    const std::size_t kept = LLVMFuzzerMutate(choices.data(), kChoiceSize, kChoiceSize);
    std::fill(choices.begin() + static_cast<std::ptrdiff_t>(kept), choices.end(), 0);
    std::copy(choices.begin(), choices.end(), data);
    return size;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Choices choices = Read_Choices(data, size);
    const std::size_t skipped = std::min(size, kChoiceSize);
    static Bytes image;
    Fill_Image(image, data + skipped, size - skipped);

    static const auto original = Make_Kept_Database();
    Decode_Image(*original, image);
    Apply_File_Setting(*original, image);
    const std::uint64_t rows_before = Display_Rows_Digest(*original);
    Check_Decoded_As_New(*original, rows_before, image);

    static const auto copy = Make_Kept_Database();
    *copy = *original;
    ViewState view;
    MainViews views(*copy, view);
    views.Reset_Views();
    view.Data_Loaded = true;
    views.PageControl_MainChange(choices.terrestrial ? 1 : 0);
    for (const Step &step : choices.steps)
        Run_Step(views, step);

    ScriptedHost host(*copy, view, !choices.answer_no);
    const FocusRequest focus = Run_Command(choices.command, views, host);
    FUZZ_CHECK(!focus || *focus != GridId::Sat || view.View_Mode == kSatellitesPage);
    FUZZ_CHECK(!(host.refused() && host.agreed()));
    Check_Page_Grids(views);
    if (host.agreed())
        Check_Rows_Match_Records(*copy, host.program_added());
    else
        Check_Unchanged(*original, rows_before, *copy);
    return 0;
}
