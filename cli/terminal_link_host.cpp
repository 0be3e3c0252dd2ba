#include "cli/terminal_link_host.h"

#include "link/link_texts.h"

#include <algorithm>
#include <csignal>

namespace orvane::cli {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void On_Interrupt(int /*signal*/)
{
    g_interrupted = 1;
}

constexpr int kBarWidth = 40;

} // namespace

int Progress_Percent(const std::string &text)
{
    for (const char *prefix :
         {link_text::kReadProgress, link_text::kDataProgress, link_text::kCrcProgress}) {
        const std::string start(prefix);
        if (text.rfind(start, 0) != 0 || text.size() < start.size() + 2 || text.back() != '%')
            continue;
        const std::string digits = text.substr(start.size(), text.size() - start.size() - 1);
        if (digits.size() <= 3 && std::all_of(digits.begin(), digits.end(), [](char c) {
                return c >= '0' && c <= '9';
            }))
            return std::stoi(digits);
    }
    return -1;
}

TerminalLinkHost::TerminalLinkHost(std::ostream &out, std::ostream &err, bool draw_bar,
                                   int port_index)
    : m_out(out)
    , m_err(err)
    , m_draw_bar(draw_bar)
    , m_port_index(port_index)
{}

TerminalLinkHost::~TerminalLinkHost()
{
    end_bar();
}

// SA_RESETHAND: the first Ctrl-C cancels the transfer, a second one ends the program.
void TerminalLinkHost::Install_Interrupt_Handler()
{
    g_interrupted = 0;
    struct sigaction action
    {};
    action.sa_handler = On_Interrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
}

// A terminal offers no port list to pick another port from while the handshake goes on, so
// a port that failed to open ends the transfer at once instead of after every attempt.
bool TerminalLinkHost::Link_Running() const
{
    return g_interrupted == 0 && !m_port_failed;
}

void TerminalLinkHost::Show_Status(const std::string &text)
{
    if (const int percent = Progress_Percent(text); percent >= 0) {
        if (m_draw_bar)
            draw_bar(text);
        return;
    }
    if (text == m_last_status)
        return;
    end_bar();
    m_last_status = text;
    m_out << text << '\n' << std::flush;
}

// The bar follows the progress texts; the steps themselves carry no extra information here.
void TerminalLinkHost::Show_Progress(int /*max*/, int /*step*/) {}

void TerminalLinkHost::Port_Error(const std::string &message)
{
    m_port_failed = true;
    end_bar();
    std::string text = message;
    std::replace(text.begin(), text.end(), '\r', '\n');
    m_err << text << '\n' << std::flush;
}

void TerminalLinkHost::File_Error(const std::string &message)
{
    end_bar();
    m_err << message << '\n' << std::flush;
}

void TerminalLinkHost::draw_bar(const std::string &text)
{
    const int filled = Progress_Percent(text) * kBarWidth / 100;
    m_out << "\r\033[K[" << std::string(static_cast<std::size_t>(filled), '#')
          << std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') << "] " << text
          << std::flush;
    m_bar_shown = true;
}

void TerminalLinkHost::end_bar()
{
    if (m_bar_shown) // the bar's last state stays on its line
        m_out << '\n' << std::flush;
    m_bar_shown = false;
}

} // namespace orvane::cli
