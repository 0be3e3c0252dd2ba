#pragma once

// SIGINT and SIGTERM end the simulator between two steps of its exchange.

namespace orvane::sim {

void Install_Stop_Handlers();
bool Stop_Requested();

} // namespace orvane::sim
