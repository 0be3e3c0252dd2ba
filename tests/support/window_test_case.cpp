#include "window_test_case.h"

#include <QApplication>

namespace orvane::test {

WindowTestCase::WindowTestCase()
    : WindowTestCase(Options{})
{}

WindowTestCase::WindowTestCase(const Options &options)
    : m_options(options)
{}

void WindowTestCase::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    Quiet_Platform_Warnings();
}

void WindowTestCase::init()
{
    m_f = std::make_unique<WindowFixture>();
    if (m_options.models_tested)
        m_testers = Test_All_Models(m_f->window);
    QVERIFY(m_options.shown ? m_f->Open_Shown_Sample() : m_f->Open_Sample());
}

void WindowTestCase::cleanup()
{
    if (m_options.answers_checked)
        Verify_All_Answered(m_f);
    m_testers.clear();
    m_f.reset();
}

} // namespace orvane::test
