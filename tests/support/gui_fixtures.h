#pragma once

// A main window with its own settings file and working copy in a temporary folder, answered
// by a scripted test double, and what its widgets show as text: one line per model row with
// the cells joined by "|", list widgets line by line.

#include "app/Main.h"
#include "scripted_ui_services.h"
#include "tools/sample_database.h"

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QStringList>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace orvane::test {

// The offscreen platform warns about every raise() of the please-wait window; keep the test
// log to what matters.
inline void Quiet_Platform_Warnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
                if (!text.startsWith(QLatin1String("This plugin does not support")))
                    previous(type, context, text);
            });
}

inline QByteArray Sample_Bytes(FileKind kind)
{
    static const Bytes channel_data = Sample_File_Bytes(FileKind::ChannelData);
    static const Bytes default_file = Sample_File_Bytes(FileKind::Default);
    const Bytes &bytes = kind == FileKind::ChannelData ? channel_data : default_file;
    return QByteArray(reinterpret_cast<const char *>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

inline QByteArray Read_File(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool Write_File(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size();
}

// A temporary folder with the files a main window keeps (settings, working copy, backups)
// and the database files a test writes; the recent-file list of its settings file.
class TestFolder
{
public:
    QString Path(const QString &name) const { return dir.filePath(name); }
    QString Settings_Path() const { return Path(QStringLiteral("ORVANE.ini")); }
    QString Working_Copy() const { return Path(QStringLiteral("MIRALTO_BACKUP.BIN")); }
    QString Backups() const { return Path(QStringLiteral("backups")); }
    MainPaths Paths() const { return MainPaths{Settings_Path(), Working_Copy(), Backups()}; }

    QString Write_Sample(const QString &name, FileKind kind) const
    {
        const QString path = Path(name);
        return Write_File(path, Sample_Bytes(kind)) ? path : QString();
    }

    QStringList Recent() const
    {
        QSettings settings(Settings_Path(), QSettings::IniFormat);
        QStringList names;
        for (const char *key :
             {"SET_EDIT_TALVIK/Last_File_Name1", "SET_EDIT_TALVIK/Last_File_Name2",
              "SET_EDIT_TALVIK/Last_File_Name3"})
            names << settings.value(QLatin1String(key)).toString();
        return names;
    }

    void Set_Recent(const QStringList &names) const
    {
        QSettings settings(Settings_Path(), QSettings::IniFormat);
        for (int i = 0; i < 3; ++i)
            settings.setValue(QStringLiteral("SET_EDIT_TALVIK/Last_File_Name%1").arg(i + 1),
                              names.value(i));
    }

    QTemporaryDir dir;
};

// Widgets and actions of the window's form, found by their object names.
template<typename Child>
Child *Named(const TFormMain &window, const char *name)
{
    return window.findChild<Child *>(QLatin1String(name));
}
inline QTabWidget *Page_Control(const TFormMain &w)
{
    return Named<QTabWidget>(w, "PageControl_Main");
}
inline QLineEdit *Version_Edit(const TFormMain &w)
{
    return Named<QLineEdit>(w, "Edit_Version");
}
inline QLabel *File_Name_Label(const TFormMain &w)
{
    return Named<QLabel>(w, "LabelFileName");
}
inline QAction *Save_Action(const TFormMain &w)
{
    return Named<QAction>(w, "PMSave");
}
inline QAction *Save_As_Action(const TFormMain &w)
{
    return Named<QAction>(w, "PMSaveAs");
}
inline QAction *Write_Action(const TFormMain &w)
{
    return Named<QAction>(w, "PMWrite");
}

class WindowFixture : public TestFolder
{
public:
    WindowFixture()
        : window(ui, Paths())
    {}

    // File > Open > kind, choosing path in the dialog.
    bool Open(const QString &path, FileKind kind)
    {
        ui.Push_Open_File(path);
        window.OpenDataClick(kind);
        return window.view_state().Data_Loaded;
    }

    // The sample "Channel Data" file opened.
    bool Open_Sample()
    {
        return Open(Write_Sample(QStringLiteral("CHANNEL_DATA.BIN"), FileKind::ChannelData),
                    FileKind::ChannelData);
    }

    // The same with the window shown, as a user starts out.
    bool Open_Shown_Sample()
    {
        if (!Open_Sample())
            return false;
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    QWidget *Child(const char *name) const
    {
        return window.findChild<QWidget *>(QLatin1String(name));
    }

    // The no-file state as the user sees it: the start picture, no lists, no Save.
    bool In_No_File_State()
    {
        return !window.view_state().Data_Loaded && !Child("ImageMain")->isHidden()
               && Child("PanelMain")->isHidden() && Child("Panel_Top")->isHidden()
               && !Save_Action(window)->isEnabled() && !Save_As_Action(window)->isEnabled();
    }

    QTableView *Grid(const char *name) const
    {
        return window.findChild<QTableView *>(QLatin1String(name));
    }
    QListWidget *List(const char *name) const
    {
        return window.findChild<QListWidget *>(QLatin1String(name));
    }

    ScriptedUiServices ui;
    TFormMain window;
};

// After a test: every message box and file dialog it met was answered from the script.
inline void Verify_All_Answered(const std::unique_ptr<WindowFixture> &f)
{
    if (f)
        QVERIFY2(f->ui.failures().isEmpty(), qPrintable(f->ui.failures().join('\n')));
}

// Makes a grid's model row current (a row change, as the arrow keys make it).
inline void Set_Current_Row(QTableView *grid, int model_row)
{
    grid->selectionModel()->setCurrentIndex(grid->model()->index(model_row, 1),
                                            QItemSelectionModel::ClearAndSelect
                                                    | QItemSelectionModel::Rows);
}

// The same in a grid that has the focus, as the keyboard user works.
inline void Focus_Row(QTableView *grid, int model_row)
{
    grid->setFocus();
    Set_Current_Row(grid, model_row);
}

inline QStringList Model_Dump(const QAbstractItemModel *model, int first_row = 0)
{
    QStringList lines;
    for (int row = first_row; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        lines << cells.join(u'|');
    }
    return lines;
}

inline QStringList Header_Dump(const QAbstractItemModel *model)
{
    QStringList titles;
    for (int column = 0; column < model->columnCount(); ++column)
        titles << model->headerData(column, Qt::Horizontal).toString();
    return titles;
}

// A controller of the window (app/controllers/), which the window creates once.
template<typename Controller>
Controller &Controller_Of(const TFormMain &window)
{
    auto *controller = window.findChild<Controller *>();
    Q_ASSERT(controller != nullptr);
    return *controller;
}

inline QStringList List_Dump(const QListWidget *list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

// Every grid of both pages under the model tester, which fails the running test on any
// inconsistency of the model.
inline std::vector<std::unique_ptr<QAbstractItemModelTester>> Test_All_Models(TFormMain &window)
{
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
    for (const int mode : {kSatellitesPage, kTerrestrialPage}) {
        const PageWidgets &page = window.page_widgets(mode);
        for (QTableView *grid : {page.sat, page.tp, page.tv, page.radio})
            if (grid)
                testers.push_back(std::make_unique<QAbstractItemModelTester>(
                        grid->model(), QAbstractItemModelTester::FailureReportingMode::QtTest));
    }
    return testers;
}

} // namespace orvane::test

Q_DECLARE_METATYPE(orvane::FileKind)
