// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmora {

class Connection;
class Game;

// Hands what the connection tells to the game (its state, each message that
// arrived) and what the game has to send to the connection. Connected first,
// before any window, so the game has heard of a change when a window shows it.
void linkGameAndConnection(Game& game, Connection& connection);

}  // namespace velmora
