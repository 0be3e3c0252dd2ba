#pragma once

// The test object of the widget tests that work on a main window with the sample database
// open: every test function gets a fresh window over temporary paths and loses it afterwards,
// and the platform is kept quiet. A test class derives from it, passes the options it needs
// and adds its test functions as private slots; QTest runs this class's set-up slots for it.

#include "gui_fixtures.h"

#include <QAbstractItemModelTester>
#include <QObject>

#include <memory>
#include <vector>

namespace orvane::test {

class WindowTestCase : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        // The window is shown, and exposed, with the sample open; else it is opened unshown.
        bool shown = true;
        // A test fails on a message box or file dialog its script did not answer.
        bool answers_checked = true;
        // Every grid model runs under the model tester from before the sample is opened.
        bool models_tested = false;
    };

protected:
    WindowTestCase();
    explicit WindowTestCase(const Options &options);

    QTableView *Grid(const char *name) const { return m_f->Grid(name); }
    QListWidget *List(const char *name) const { return m_f->List(name); }
    ChannelDatabase &Db() const { return m_f->window.database(); }
    ViewState &View() const { return m_f->window.view_state(); }

    std::unique_ptr<WindowFixture> m_f;

private slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    Options m_options;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> m_testers;
};

} // namespace orvane::test
