#pragma once

// A stand-in for the main window while the structural edit commands run: it records every
// message and question, answers the questions from a queue and plays the edit dialogs by
// storing the record the way the dialogs do, or by cancelling.

#include "views/structural_edits.h"

#include "dbase/record_writers.h"

#include <QStringList>

#include <deque>

namespace orvane::test {

class FakeEditHost final : public EditCommandHost
{
public:
    FakeEditHost(ChannelDatabase &db, ViewState &view)
        : m_db(db)
        , m_view(view)
    {}

    QStringList shown;          // "error <text>", "confirm <text>", "tp dialog ...", ...
    std::deque<bool> answers;   // Yes (true) or No for the next questions; empty answers No
    bool accept_dialogs = true; // false: the user cancels the dialog
    std::uint32_t next_frequency = 11000;

    void Show_Error(const char *text) override { shown << QStringLiteral("error ") + text; }

    bool Confirm(const char *text) override
    {
        shown << QStringLiteral("confirm ") + text;
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    void Run_New_Tp_Dialog(int slot, int satellite, int tp_number) override
    {
        shown << QStringLiteral("tp dialog slot %1 sat %2 number %3 add %4")
                         .arg(slot)
                         .arg(satellite)
                         .arg(tp_number)
                         .arg(m_view.Is_New_Entry);
        if (!accept_dialogs)
            return;
        if (m_view.View_Mode == kSatellitesPage)
            Create_Sat_Transponder(m_db, slot, satellite, {0, 2, 27500, next_frequency++});
        else
            Create_Ter_Transponder(m_db, slot, {474000 + next_frequency++, 2});
        m_view.Edit_Accepted = true;
    }

    void Run_New_Program_Dialog(int slot, int tp_slot) override
    {
        const bool radio = m_view.Is_New_Radio;
        shown << QStringLiteral("program dialog slot %1 tp %2 %3")
                         .arg(slot)
                         .arg(tp_slot)
                         .arg(radio              ? "radio"
                              : m_view.Is_New_TV ? "tv"
                                                 : "no add mode");
        if (!accept_dialogs)
            return;
        const std::uint32_t kind = m_view.View_Mode == kSatellitesPage ? prog::kKindSatellite
                                                                       : prog::kKindTerrestrial;
        ProgramValues values;
        values.is_radio = radio;
        values.name = QStringLiteral("New %1").arg(slot).toStdString();
        if (Create_Program(m_db, kind, tp_slot, values) >= 0)
            (radio ? m_view.Radio_Added : m_view.TV_Added) = true;
    }

private:
    ChannelDatabase &m_db;
    ViewState &m_view;
};

} // namespace orvane::test
