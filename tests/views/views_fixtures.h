#pragma once

// The database the list tests share, a main window's lists built over it, and what the lists
// show as text: one line per grid row with the cells joined by "|", the info pane line by
// line, and the selection flags by name.

#include "channel_fixtures.h"
#include "views/main_views.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace orvane::test {

// Satellite transponders (slot: satellite, number):
//   0: sat 2 #1 11778 V 27500 3/4     1: sat 5 #1 3400 H 800 Auto    2: sat 2 #2 12188 H 22000 2/3
//   3: sat 9 #1 10700 V 30000 7/8     4: sat 5 #2 4000 V 28125 1/2
// Terrestrial transponders: 0 group 0 474000 kHz, 1 group 0 50000, 2 group 1 9000.
// Programs (slot: table tp, kind, name, favourite groups):
//   0 sat 0 TV "One" {1}      1 sat 0 Radio "Wave" {1,2}   2 sat 1 TV "Two  " {2} scrambled
//   3 ter 0 TV "Ter One" {1}  4 sat 4 TV "Three" {} locked, skipped, Current_Audio 1 (owns none)
//   5 sat 4 Radio "Echo" {1}  6 ter 1 Radio "Ter Radio" {2}  7 sat 1 TV "Four" {1,16}
//   8 ter 2 TV "Ter Two" {16}
// Audio tracks: P2 2001, P7 3001, P7 3002; P7 has Current_Audio 2.
// Favourite names: 1 "News", 2 "Music", 16 "Last".
inline std::unique_ptr<ChannelDatabase> Views_Database()
{
    auto db = Blank_Database();
    ChannelDatabase &d = *db;
    Add_Sat_Tp(d, 0, 2, 11778, kV, 27500, 3);
    Add_Sat_Tp(d, 1, 5, 3400, kH, 800, 0);
    Add_Sat_Tp(d, 2, 2, 12188, kH, 22000, 2);
    Add_Sat_Tp(d, 3, 9, 10700, kV, 30000, 6);
    Add_Sat_Tp(d, 4, 5, 4000, kV, 28125, 1);
    Add_Ter_Tp(d, 0, 0, 474000);
    Add_Ter_Tp(d, 1, 0, 50000);
    Add_Ter_Tp(d, 2, 1, 9000);
    constexpr auto kTer = prog::kKindTerrestrial;
    Add_Program(d, {.tp = 0, .name = "One", .favourites = Groups({1})});
    Add_Program(d, {.tp = 0, .name = "Wave", .radio = true, .favourites = Groups({1, 2})});
    Add_Program(d, {.tp = 1, .name = "Two  ", .favourites = Groups({2}), .scrambled = true});
    Add_Program(d, {.kind = kTer, .tp = 0, .name = "Ter One", .favourites = Groups({1})});
    Add_Program(d, {.tp = 4, .name = "Three", .locked = true, .skipped = true});
    Add_Program(d, {.tp = 4, .name = "Echo", .radio = true, .favourites = Groups({1})});
    Add_Program(
            d,
            {.kind = kTer, .tp = 1, .name = "Ter Radio", .radio = true, .favourites = Groups({2})});
    Add_Program(d, {.tp = 1, .name = "Four", .favourites = Groups({1, 16})});
    Add_Program(d, {.kind = kTer, .tp = 2, .name = "Ter Two", .favourites = Groups({16})});
    Append_Audio_Track(d, 2, 2001, "ENG");
    Append_Audio_Track(d, 7, 3001, "DEU");
    Append_Audio_Track(d, 7, 3002, "FRA");
    Set_Program_Field(d, 2, prog::Audio_Track_Total, 2);
    Set_Program_Field(d, 7, prog::Audio_Track_Total, 3);
    Set_Program_Field(d, 7, prog::Current_Audio, 2);
    Set_Program_Field(d, 4, prog::Current_Audio, 1);
    Write_Favourite_Name(d.raw.favourite_names[0], "News");
    Write_Favourite_Name(d.raw.favourite_names[1], "Music");
    Write_Favourite_Name(d.raw.favourite_names[15], "Last");
    Decode_Rows(d);
    return db;
}

// A database, a view state and the lists over them, loaded and built as after opening a file.
struct LoadedViews
{
    std::unique_ptr<ChannelDatabase> db;
    std::unique_ptr<ViewState> view = std::make_unique<ViewState>();
    std::unique_ptr<MainViews> views;

    explicit LoadedViews(std::unique_ptr<ChannelDatabase> database = Views_Database())
        : db(std::move(database))
        , views(std::make_unique<MainViews>(*db, *view))
    {
        view->Data_Loaded = true;
        views->Show_All_Lists();
    }
};

inline QString U(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

// Rows 1.. of a grid of the page on show.
inline QStringList Grid_Dump(const MainViews &views, GridId grid)
{
    const int mode = views.view().View_Mode;
    QStringList lines;
    for (int row = 1; row < views.cursor(grid).row_count; ++row) {
        QStringList cells;
        for (int column = 0; column < views.Column_Count(mode, grid); ++column)
            cells << U(views.Cell_Text(mode, grid, row, column));
        lines << cells.join('|');
    }
    return lines;
}

inline QStringList Info_Dump(const MainViews &views)
{
    QStringList lines;
    for (const std::string &line : views.Page_Lists().info_lines)
        lines << U(line);
    return lines;
}

inline QStringList Fav_Dump(const MainViews &views)
{
    QStringList lines;
    for (const std::string &line : views.Page_Lists().fav_lines)
        lines << U(line);
    return lines;
}

// The selection flags that are set, by name, or "-" when none is.
inline QString Flags_Text(const ViewState &view)
{
    QStringList set;
    const std::pair<bool, const char *> flags[] = {{view.Sat_Selected, "Sat"},
                                                   {view.Tp_Selected, "Tp"},
                                                   {view.Tv_Selected, "Tv"},
                                                   {view.Radio_Selected, "Radio"},
                                                   {view.Fav_Selected, "Fav"}};
    for (const auto &[on, name] : flags)
        if (on)
            set << name;
    return set.isEmpty() ? QStringLiteral("-") : set.join(' ');
}

// Valid entries of a row map, or "not dense" when a slot follows a -1 or the slots do not
// ascend.
inline QString Map_Text(std::span<const int> map)
{
    QStringList listed;
    int previous = -1;
    bool ended = false;
    for (const int slot : map) {
        if (slot == kNoSlot) {
            ended = true;
            continue;
        }
        if (ended || slot <= previous)
            return QStringLiteral("not dense");
        listed << QString::number(slot);
        previous = slot;
    }
    return listed.join(' ');
}

// Everything a row's click decides: the selection flags, the row maps, each grid's current
// row and row count, the selected favourites line and the info pane.
inline QString View_Snapshot(const MainViews &views)
{
    const ViewState &view = views.view();
    QStringList parts{Flags_Text(view), Map_Text(view.Sat_Row_Map), Map_Text(view.Tp_Row_Map),
                      Map_Text(view.Tv_Row_Map), Map_Text(view.Radio_Row_Map)};
    for (const GridId grid : {GridId::Sat, GridId::Tp, GridId::Tv, GridId::Radio})
        parts << QStringLiteral("row %1 of %2")
                         .arg(views.cursor(grid).current_row)
                         .arg(views.cursor(grid).row_count);
    parts << QString::number(views.Page_Lists().fav_current) << Info_Dump(views).join('/');
    return parts.join(QStringLiteral(" | "));
}

} // namespace orvane::test
